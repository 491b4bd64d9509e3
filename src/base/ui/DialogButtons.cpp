// The "OK" and "Storno" buttons of the program's dialogs.
#include "base/ui/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace zn::base::ui {

QDialogButtonBox* OkCancelButtons(QDialog* dialog, QPushButton** ok) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* accept = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    accept->setDefault(true);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    if (ok)
        *ok = accept;
    return buttons;
}

} // namespace zn::base::ui
