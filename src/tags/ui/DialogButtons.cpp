// The "OK" and "Storno" buttons of the small dialogs.
#include "tags/ui/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace zn::tags::ui {

QDialogButtonBox* OkStornoButtons(QDialog* dialog, const QString& ok, const QString& storno) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(storno, QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace zn::tags::ui
