// The conversion dialog "Změna kódování českých znaků".
#include "editor/ui/TEncForm.h"

#include "base/Cp1250.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace zn::editor::ui {
namespace {

QString NameText(const std::string& name) {
    return QString::fromStdString(base::Cp1250ToUtf8(name));
}

QListWidget* MakeList(QWidget* parent, const char* name, const QString& caption,
                      QHBoxLayout* into) {
    auto* column = new QVBoxLayout;
    auto* label = new QLabel(caption, parent);
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    label->setBuddy(list);
    column->addWidget(label);
    column->addWidget(list);
    into->addLayout(column);
    return list;
}

/// Selects the row carrying the text; false when none does.
bool SelectName(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) {
        return false;
    }
    list->setCurrentItem(found.front());
    return true;
}

} // namespace

TEncForm::TEncForm(base::Prompter* prompter, QWidget* parent)
    : QDialog(parent), preview_(prompter) {
    setObjectName(QStringLiteral("EncForm"));
    setWindowTitle(QStringLiteral("Změna kódování českých znaků"));
    auto* layout = new QVBoxLayout(this);
    Splitter = new QSplitter(Qt::Vertical, this);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    auto* panel = new QWidget(Splitter);
    panel->setObjectName(QStringLiteral("Panel2"));
    auto* lists = new QHBoxLayout(panel);
    lists->setContentsMargins(0, 0, 0, 0);
    fromLB = MakeList(panel, "fromLB", QStringLiteral("z kódování:"), lists);
    toLB = MakeList(panel, "toLB", QStringLiteral("do kódování:"), lists);
    auto* bottom = new QWidget(Splitter);
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    auto* previewLabel = new QLabel(QStringLiteral("Prohlídka:"), bottom);
    prevEdit = new QLineEdit(bottom);
    prevEdit->setObjectName(QStringLiteral("prevEdit"));
    prevEdit->setEnabled(false);
    OnlySelectedChB =
        new QCheckBox(QStringLiteral("Provádět změny pouze na označeném textu"), bottom);
    OnlySelectedChB->setObjectName(QStringLiteral("OnlySelectedChB"));
    bottomLayout->addWidget(previewLabel);
    bottomLayout->addWidget(prevEdit);
    bottomLayout->addWidget(OnlySelectedChB);
    bottomLayout->addStretch();
    Splitter->setStretchFactor(0, 1);
    layout->addWidget(Splitter, 1);

    auto* buttons = new QDialogButtonBox(this);
    ConfigButton = buttons->addButton(QStringLiteral("Konfigurace"), QDialogButtonBox::ActionRole);
    OKButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OKButton->setDefault(true);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ConfigButton, &QPushButton::clicked, this, [this] {
        if (OnConfigure) {
            OnConfigure();
        }
    });
    layout->addWidget(buttons);
    connect(fromLB, &QListWidget::itemClicked, this, &TEncForm::UpdatePreview);
    connect(toLB, &QListWidget::itemClicked, this, &TEncForm::UpdatePreview);
    resize(420, 340);
    Prepare();
}

void TEncForm::Prepare() {
    QString chosen[2];
    QListWidget* lists[2] = {fromLB, toLB};
    for (int i = 0; i < 2; ++i) {
        if (lists[i]->count() > 0 && !lists[i]->currentItem()) {
            lists[i]->setCurrentRow(0);
        }
        chosen[i] = lists[i]->currentItem() ? lists[i]->currentItem()->text() : QString();
        lists[i]->clear();
        for (const TEncoding& encoding : LoadedEncodings().Items()) {
            lists[i]->addItem(NameText(encoding.Name));
        }
    }
    const bool fromKept = SelectName(fromLB, chosen[0]);
    const bool toKept = SelectName(toLB, chosen[1]);
    OKButton->setEnabled(fromKept && toKept);
}

void TEncForm::UpdatePreview() {
    const bool both = fromLB->currentItem() && toLB->currentItem();
    OKButton->setEnabled(both);
    if (!both) {
        return;
    }
    preview_.FromEnc = base::Utf8ToCp1250(fromLB->currentItem()->text().toStdString());
    preview_.ToEnc = base::Utf8ToCp1250(toLB->currentItem()->text().toStdString());
    preview_.Convert(sample_);
    prevEdit->setText(QString::fromStdString(base::Cp1250ToUtf8(preview_.Result())));
}

bool TEncForm::Execute(TEncChanger& changer, const std::string& sample) {
    Prepare();
    sample_ = sample;
    OnlySelectedChB->setChecked(changer.OnlySelected);
    prevEdit->setText(QString::fromStdString(base::Cp1250ToUtf8(sample)));
    UpdatePreview();
    if (exec() != QDialog::Accepted || !fromLB->currentItem() || !toLB->currentItem()) {
        return false;
    }
    changer.OnlySelected = OnlySelectedChB->isChecked();
    changer.FromEnc = base::Utf8ToCp1250(fromLB->currentItem()->text().toStdString());
    changer.ToEnc = base::Utf8ToCp1250(toLB->currentItem()->text().toStdString());
    return true;
}

int TEncForm::ListPanelHeight() const {
    return Splitter->sizes().value(0);
}

void TEncForm::SetListPanelHeight(int height) {
    QList<int> sizes = Splitter->sizes();
    const int total = std::max(sizes.value(0) + sizes.value(1), height + 60);
    Splitter->setSizes({height, total - height});
}

} // namespace zn::editor::ui
