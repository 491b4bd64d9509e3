// The buttons "OK" (the default) and "Storno" at the foot of a modal dialog.
#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace zn::base::ui {

/// A button box whose "OK" accepts the dialog and whose "Storno" rejects it; `ok` receives the
/// OK button when given.
QDialogButtonBox* OkCancelButtons(QDialog* dialog, QPushButton** ok = nullptr);

} // namespace zn::base::ui
