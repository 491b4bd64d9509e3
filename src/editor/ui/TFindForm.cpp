// The "Najít" dialog.
#include "editor/ui/TFindForm.h"

#include "base/Cp1250.h"
#include "editor/Search.h"
#include "editor/ui/TComboBox98.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zn::editor::ui {

TFindForm::TFindForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindForm"));
    setWindowTitle(QStringLiteral("Najít"));
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("&Najít:"), this);
    FindCB = new TComboBox98(this);
    FindCB->setObjectName(QStringLiteral("FindCB"));
    FindCB->setMinimumWidth(260);
    label->setBuddy(FindCB);
    layout->addWidget(label, 0, 0);
    layout->addWidget(FindCB, 0, 1, 1, 2);

    auto* from = new QGroupBox(QStringLiteral("&Začít"), this);
    from->setObjectName(QStringLiteral("FromRG"));
    auto* fromLayout = new QVBoxLayout(from);
    FromCaret = new QRadioButton(QStringLiteral("o&d kurzoru"), from);
    WholeFile = new QRadioButton(QStringLiteral("&celý soubor"), from);
    WholeFile->setChecked(true);
    fromLayout->addWidget(FromCaret);
    fromLayout->addWidget(WholeFile);
    layout->addWidget(from, 1, 0, 1, 2);

    auto* options = new QGroupBox(QStringLiteral("&Volby"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    CaseChB = new QCheckBox(QStringLiteral("&rozlišovat velká a malá"), options);
    CaseChB->setObjectName(QStringLiteral("CaseChB"));
    DIntelChB = new QCheckBox(QStringLiteral("&inteligence diakritiky"), options);
    DIntelChB->setObjectName(QStringLiteral("DIntelChB"));
    DIntelChB->setChecked(true);
    optionsLayout->addWidget(CaseChB);
    optionsLayout->addWidget(DIntelChB);
    layout->addWidget(options, 1, 2);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("&Storno"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 2, 0, 1, 3);
}

int TFindForm::FromIndex() const {
    return FromCaret->isChecked() ? 0 : 1;
}

void TFindForm::SetFromIndex(int index) {
    (index == 0 ? FromCaret : WholeFile)->setChecked(true);
}

int TFindForm::Options() const {
    return (CaseChB->isChecked() ? kMatchCase : 0) |
           (DIntelChB->isChecked() ? kIgnoreDiacritics : 0);
}

std::string TFindForm::SearchBytes() const {
    return base::Utf8ToCp1250(FindCB->currentText().toStdString());
}

void TFindForm::accept() {
    std::vector<std::string> items;
    for (int i = 0; i < FindCB->count(); ++i) {
        items.push_back(FindCB->itemText(i).toStdString());
    }
    const QString text = FindCB->currentText();
    if (AddToFindHistory(items, text.toStdString())) {
        FindCB->insertItem(0, text);
        FindCB->setCurrentIndex(0);
    }
    used_ = true;
    QDialog::accept();
}

void TFindForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FindCB->setFocus();
    FindCB->lineEdit()->selectAll();
}

} // namespace zn::editor::ui
