// The number-system converter dialog.
#include "tags/ui/TNumChng.h"

#include "tags/ui/DialogButtons.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zn::tags::ui {
namespace {

QGroupBox* SystemGroup(QWidget* parent, QButtonGroup*& group) {
    auto* box = new QGroupBox(QStringLiteral("Číselná soustava"), parent);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    const QString captions[] = {QStringLiteral("Decimální"), QStringLiteral("Hexadecimální"),
                                QStringLiteral("Binární"), QStringLiteral("Římská")};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(captions[i], box);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    group->button(0)->setChecked(true);
    return box;
}

NumberSystem SystemOf(const QButtonGroup* group) {
    return static_cast<NumberSystem>(std::max(0, group->checkedId()));
}

} // namespace

TNumChng::TNumChng(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Převod mezi soustavami"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout();
    layout->addLayout(columns);
    auto* left = new QFormLayout();
    auto* right = new QFormLayout();
    columns->addLayout(left);
    columns->addLayout(right);
    Source = new QLineEdit(this);
    left->addRow(QStringLiteral("Zdroj:"), Source);
    left->addRow(SystemGroup(this, SourceSoust));
    Dest = new QLineEdit(this);
    Dest->setReadOnly(true);
    right->addRow(QStringLiteral("Cíl:"), Dest);
    right->addRow(SystemGroup(this, DestSoust));
    PlacesUD = new QSpinBox(this);
    PlacesUD->setRange(1, 100);
    PlacesUD->setValue(4);
    PlacesLabel = new QLabel(QStringLiteral("Počet míst:"), this);
    right->addRow(PlacesLabel, PlacesUD);
    QDialogButtonBox* buttons = OkStornoButtons(this);
    layout->addWidget(buttons);
    connect(Source, &QLineEdit::textChanged, this, [this] { Convert(); });
    connect(SourceSoust, &QButtonGroup::idClicked, this, [this] { Convert(); });
    connect(DestSoust, &QButtonGroup::idClicked, this, [this] { Convert(); });
    connect(PlacesUD, &QSpinBox::valueChanged, this, [this] { Convert(); });
    Convert();
}

void TNumChng::Convert() {
    const NumberSystem from = SystemOf(SourceSoust);
    const NumberSystem to = SystemOf(DestSoust);
    PlacesUD->setVisible(UsesPlaces(to));
    PlacesLabel->setVisible(UsesPlaces(to));
    Source->setMaxLength(SourceMaxLength(from));
    const std::int64_t value = ReadNumber(Source->text().toStdString(), from);
    Dest->setText(QString::fromStdString(WriteNumber(value, to, PlacesUD->value())));
}

TNumChng* TNumChanger::Dialog() {
    if (dialog_ == nullptr) {
        dialog_ = new TNumChng(parent_);
    }
    return dialog_;
}

bool TNumChanger::Execute(const QString& text) {
    TNumChng* dialog = Dialog();
    dialog->Source->setText(text);
    if (dialog->exec() != QDialog::Accepted) {
        return false;
    }
    Result = dialog->Dest->text();
    return true;
}

} // namespace zn::tags::ui
