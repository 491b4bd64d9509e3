// The new-rule dialog of the style selector.
#include "structure/ui/TTypStylu.h"

#include "base/Cp1250.h"
#include "base/DataFolder.h"
#include "base/FileIO.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zn::structure::ui {

TTypStylu::TTypStylu(base::Prompter& prompter, QWidget* parent)
    : QDialog(parent), DataFolder(base::DataFolder()), prompter_(prompter) {
    setObjectName(QStringLiteral("TypStylu"));
    setWindowTitle(QStringLiteral("Nový styl"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    StylName = new QComboBox(this);
    StylName->setObjectName(QStringLiteral("StylName"));
    StylName->setEditable(true);
    StylName->setInsertPolicy(QComboBox::NoInsert);
    StylName->setMinimumWidth(220);
    form->addRow(QStringLiteral("Jméno:"), StylName);
    layout->addLayout(form);
    auto* kinds = new QGroupBox(QStringLiteral("Typ stylu"), this);
    kinds->setObjectName(QStringLiteral("StylTyp"));
    auto* kindLayout = new QVBoxLayout(kinds);
    StylTyp = new QButtonGroup(kinds);
    const std::vector<const char*>& captions = StyleKindCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(captions[i]), kinds);
        StylTyp->addButton(radio, static_cast<int>(i));
        kindLayout->addWidget(radio);
    }
    StylTyp->button(0)->setChecked(true);
    layout->addWidget(kinds);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(StylTyp, &QButtonGroup::idClicked, this,
            [this](int id) { SetKind(static_cast<TStyleKind>(id)); });
}

TStyleKind TTypStylu::Kind() const {
    return static_cast<TStyleKind>(StylTyp->checkedId());
}

void TTypStylu::SetKind(TStyleKind kind) {
    StylTyp->button(static_cast<int>(kind))->setChecked(true);
    const QString typed = StylName->currentText();
    StylName->clear();
    const std::string file = NameListFile(kind);
    if (!file.empty()) {
        std::string bytes;
        const base::FileResult read = base::ReadDocumentFile(DataFolder + "/" + file, bytes);
        if (!read.ok) {
            prompter_.Tell(read.message, base::Severity::Error);
        }
        for (const std::string& name : SplitNameList(read.ok ? bytes : std::string())) {
            StylName->addItem(QString::fromStdString(base::Cp1250ToUtf8(name)));
        }
    }
    StylName->setEditText(typed);
}

std::optional<std::pair<TStyleKind, std::string>> TTypStylu::Ask() {
    StylName->setEditText({});
    if (exec() != QDialog::Accepted || StylName->currentText().trimmed().isEmpty()) {
        return std::nullopt;
    }
    return std::pair{Kind(), base::Utf8ToCp1250(StylName->currentText().toStdString())};
}

} // namespace zn::structure::ui
