// The settings store of the running program, and telling the user what happened to its file.
#pragma once

#include "app/SettingsStore.h"

class QWidget;

namespace zn::app::ui {

/// The store of this user, opened on first use and kept until the program ends.
SettingsStore& AppSettingsStore();

/// Shows, in a Czech message box each, what the store has to tell (a damaged file moved
/// aside, a file that cannot be used, a failed write). Each message is shown only once.
void ShowSettingsMessages(QWidget* parent, SettingsStore& store);

} // namespace zn::app::ui
