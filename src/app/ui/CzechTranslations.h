// Qt's own Czech texts for its dialogs (open, save, print, colour) and standard buttons.
#pragma once

class QCoreApplication;

namespace zn::app::ui {

/// Loads and installs Qt's Czech translations from Qt's translation folder; false when they are
/// not installed (the dialogs then speak English).
bool InstallCzechTranslations(QCoreApplication& app);

} // namespace zn::app::ui
