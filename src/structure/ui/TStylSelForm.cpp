// The style selector.
#include "structure/ui/TStylSelForm.h"

#include "base/Cp1250.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zn::structure::ui {
namespace {

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TStylSelForm::TStylSelForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StylSelForm"));
    setWindowTitle(QStringLiteral("Výběr stylu"));
    auto* layout = new QHBoxLayout(this);
    StylLB = new QListWidget(this);
    StylLB->setObjectName(QStringLiteral("StylLB"));
    StylLB->installEventFilter(this);
    layout->addWidget(StylLB, 1);
    auto* side = new QVBoxLayout();
    layout->addLayout(side);
    EditBut = Button(QStringLiteral("Editovat"), "EditBut", this);
    DelBut = Button(QStringLiteral("Smazat"), "DelBut", this);
    Button1 = Button(QStringLiteral("Nový"), "Button1", this);
    side->addWidget(EditBut);
    side->addWidget(DelBut);
    side->addWidget(Button1);
    side->addStretch(1);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    side->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(EditBut, &QPushButton::clicked, this, [this] { EditClick(); });
    connect(DelBut, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { NewClick(); });
    connect(StylLB, &QListWidget::itemDoubleClicked, this, [this] { EditClick(); });
    connect(StylLB, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    resize(420, 300);
}

void TStylSelForm::Prepare(const StyleList& styles) {
    styles_ = styles;
    Fill(styles_.empty() ? std::nullopt : std::optional<std::size_t>(0));
}

void TStylSelForm::Fill(std::optional<std::size_t> select) {
    StylLB->clear();
    for (const TStyle& style : styles_) {
        StylLB->addItem(QString::fromStdString(base::Cp1250ToUtf8(style.Selector)));
    }
    StylLB->setCurrentRow(select ? static_cast<int>(*select) : -1);
    UpdateButtons();
}

void TStylSelForm::UpdateButtons() {
    const bool selected = StylLB->currentRow() >= 0;
    EditBut->setEnabled(selected);
    DelBut->setEnabled(selected);
}

void TStylSelForm::EditClick() {
    const int row = StylLB->currentRow();
    if (row < 0 || row >= static_cast<int>(styles_.size()) || !EditBody) {
        return;
    }
    if (std::optional<std::string> body = EditBody(styles_[static_cast<std::size_t>(row)].Body)) {
        styles_[static_cast<std::size_t>(row)].Body = *body;
    }
}

void TStylSelForm::DeleteClick() {
    const int row = StylLB->currentRow();
    if (row >= 0) {
        Fill(DeleteStyleRule(styles_, static_cast<std::size_t>(row)));
    }
}

void TStylSelForm::NewClick() {
    if (!AskNewRule) {
        return;
    }
    if (auto rule = AskNewRule()) {
        if (std::optional<std::size_t> index = AddStyleRule(styles_, rule->first, rule->second)) {
            Fill(index);
        }
    }
}

bool TStylSelForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StylLB && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EditClick();
            return true;
        case Qt::Key_Delete:
            DeleteClick();
            return true;
        case Qt::Key_Insert:
            NewClick();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zn::structure::ui
