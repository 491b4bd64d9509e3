// The "OK" and "Storno" buttons of the small dialogs.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;

namespace zn::tags::ui {

/// A button box accepting or rejecting the dialog; "OK" is the default button.
QDialogButtonBox* OkStornoButtons(QDialog* dialog, const QString& ok = QStringLiteral("OK"),
                                  const QString& storno = QStringLiteral("Storno"));

} // namespace zn::tags::ui
