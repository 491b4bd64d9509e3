// The "Zaměnit" dialog.
#include "editor/ui/TReplaceForm.h"

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
namespace {

/// Adds the box's text at the top of its list by the dialog's history rule.
void KeepInHistory(TComboBox98* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i) {
        items.push_back(box->itemText(i).toStdString());
    }
    const QString text = box->currentText();
    if (AddToReplaceHistory(items, text.toStdString())) {
        box->insertItem(0, text);
        box->setCurrentIndex(0);
    }
}

} // namespace

TReplaceForm::TReplaceForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReplaceForm"));
    setWindowTitle(QStringLiteral("Zaměnit"));
    auto* layout = new QGridLayout(this);
    FindCB = new TComboBox98(this);
    FindCB->setObjectName(QStringLiteral("FindCB"));
    FindCB->setMinimumWidth(260);
    WitCB = new TComboBox98(this);
    WitCB->setObjectName(QStringLiteral("WitCB"));
    auto* what = new QLabel(QStringLiteral("Co:"), this);
    auto* with = new QLabel(QStringLiteral("Čím:"), this);
    what->setBuddy(FindCB);
    with->setBuddy(WitCB);
    layout->addWidget(what, 0, 0);
    layout->addWidget(FindCB, 0, 1, 1, 2);
    layout->addWidget(with, 1, 0);
    layout->addWidget(WitCB, 1, 1, 1, 2);

    auto* from = new QGroupBox(QStringLiteral("&Začít"), this);
    from->setObjectName(QStringLiteral("FromRG"));
    auto* fromLayout = new QVBoxLayout(from);
    FromCaret = new QRadioButton(QStringLiteral("od kurzoru"), from);
    WholeFile = new QRadioButton(QStringLiteral("celý soubor"), from);
    WholeFile->setChecked(true);
    fromLayout->addWidget(FromCaret);
    fromLayout->addWidget(WholeFile);
    layout->addWidget(from, 2, 0, 1, 2);

    auto* options = new QGroupBox(QStringLiteral("&Volby"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    const auto check = [&](QCheckBox*& box, const char* name, const QString& caption) {
        box = new QCheckBox(caption, options);
        box->setObjectName(QString::fromLatin1(name));
        optionsLayout->addWidget(box);
    };
    check(CaseChB, "CaseChB", QStringLiteral("Rozlišovat velká a malá"));
    check(DIntelChB, "DIntelChB", QStringLiteral("Inteligentní diakritika"));
    check(RepAllChb, "RepAllChb", QStringLiteral("Zaměnit vše"));
    check(PromptChb, "PromptChb", QStringLiteral("Ptát se na záměnu"));
    DIntelChB->setEnabled(false);
    layout->addWidget(options, 2, 2);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 3, 0, 1, 3);
}

int TReplaceForm::FromIndex() const {
    return FromCaret->isChecked() ? 0 : 1;
}

void TReplaceForm::SetFromIndex(int index) {
    (index == 0 ? FromCaret : WholeFile)->setChecked(true);
}

int TReplaceForm::Options() const {
    // "Inteligentní diakritika" stays clear, so its bit is never set.
    return (CaseChB->isChecked() ? kMatchCase : 0) | (RepAllChb->isChecked() ? kReplaceAll : 0);
}

std::string TReplaceForm::SearchBytes() const {
    return base::Utf8ToCp1250(FindCB->currentText().toStdString());
}

std::string TReplaceForm::ReplacementBytes() const {
    return base::Utf8ToCp1250(WitCB->currentText().toStdString());
}

void TReplaceForm::accept() {
    if (!FindCB->currentText().isEmpty()) {
        KeepInHistory(FindCB);
        KeepInHistory(WitCB);
    }
    QDialog::accept();
}

void TReplaceForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    DIntelChB->setChecked(false);
    FindCB->setFocus();
    FindCB->lineEdit()->selectAll();
}

} // namespace zn::editor::ui
