// The "Informace" dialog.
#include "app/ui/TSaveForm.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zn::app::ui {

TSaveForm::TSaveForm(bool dontShow, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Informace"));
    setObjectName(QStringLiteral("SaveForm"));
    auto* layout = new QVBoxLayout(this);
    for (const QString& line :
         {QStringLiteral("Je dobré na začátku dokument uložit "),
          QStringLiteral("Cesta k obrázkům a dalším souborům bude potom ukládána relativně"),
          QStringLiteral("Pokud dokument neuložíte, bodou cesty absolutní, (pomocí file://)\r\n "
                         "což  může způsobit potíže po umístění na server.")}) {
        layout->addWidget(new QLabel(line, this));
    }
    check_ = new QCheckBox(QStringLiteral("Příště tuto informaci nezobrazovat"), this);
    check_->setChecked(dontShow);
    layout->addWidget(check_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

bool TSaveForm::DontShowAgain() const {
    return check_->isChecked();
}

void TSaveForm::SetDontShowAgain(bool on) {
    check_->setChecked(on);
}

} // namespace zn::app::ui
