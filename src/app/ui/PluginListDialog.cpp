// The plug-in list dialog: binds the widgets to TPlugins.
#include "app/ui/PluginListDialog.h"

#include "app/ui/PluginMenu.h"
#include "base/Cp1250.h"
#include "base/DataFolder.h"
#include "base/Prompter.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zn::app::ui {

PluginListDialog::PluginListDialog(const TPlugins& plugins, base::Prompter& prompter,
                                   QWidget* parent, bool embedded)
    : QDialog(parent), plugins_(plugins), prompter_(prompter), embedded_(embedded) {
    // A dialog is a window of its own unless told otherwise; a page is shown by its owner.
    if (embedded)
        setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("PluginListDialog"));
    setWindowTitle(QStringLiteral("Plug-in"));
    PluginList = new QListWidget(this);
    PluginList->setObjectName(QStringLiteral("PluginList"));
    ShortcutEdit = new QKeySequenceEdit(this);
    ShortcutEdit->setObjectName(QStringLiteral("ShortcutEdit"));
    auto* add = new QPushButton(QString::fromUtf8("&Přidat..."), this);
    RemoveButton = new QPushButton(QString::fromUtf8("&Odebrat"), this);
    AboutButton = new QPushButton(QString::fromUtf8("O p&luginu"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);

    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(RemoveButton);
    side->addWidget(AboutButton);
    side->addWidget(new QLabel(QString::fromUtf8("Klávesová zkratka:"), this));
    side->addWidget(ShortcutEdit);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(PluginList, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    buttons->setVisible(!embedded);
    if (embedded)
        layout->setContentsMargins(0, 0, 0, 0);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(add, &QPushButton::clicked, this, [this] {
        // The examples shipped with the editor are offered first.
        Install(QFileDialog::getOpenFileNames(this, QStringLiteral("Vybrat Plug-in"),
                                              QString::fromStdString(base::PluginFolder()),
                                              QStringLiteral("Plug-ins (*.so);;All files (*)")));
    });
    connect(RemoveButton, &QPushButton::clicked, this, &PluginListDialog::RemoveClick);
    connect(AboutButton, &QPushButton::clicked, this, &PluginListDialog::AboutClick);
    connect(PluginList, &QListWidget::currentRowChanged, this, &PluginListDialog::SelectionChanged);
    connect(ShortcutEdit, &QKeySequenceEdit::editingFinished, this,
            &PluginListDialog::ShortcutChanged);
    Fill(0);
}

void PluginListDialog::keyPressEvent(QKeyEvent* event) {
    if (embedded_)
        QWidget::keyPressEvent(event);
    else
        QDialog::keyPressEvent(event);
}

void PluginListDialog::Fill(int select) {
    PluginList->clear();
    for (const TPIItem& item : plugins_.Items()) {
        auto* row =
            new QListWidgetItem(PluginIcon(item), QString::fromStdString(item.Path), PluginList);
        row->setToolTip(QString::fromStdString(base::Cp1250ToUtf8(item.Name)));
    }
    const int count = PluginList->count();
    PluginList->setCurrentRow(count == 0 ? -1 : std::min(select, count - 1));
    SelectionChanged();
}

std::string PluginListDialog::SelectedPath() const {
    const QListWidgetItem* row = PluginList->currentItem();
    return row ? row->text().toStdString() : std::string();
}

void PluginListDialog::SelectionChanged() {
    const TPIItem* item = plugins_.Find(SelectedPath());
    RemoveButton->setEnabled(item != nullptr);
    AboutButton->setEnabled(item != nullptr);
    ShortcutEdit->setEnabled(item != nullptr);
    ShortcutEdit->setKeySequence(
        item ? QKeySequence::fromString(QString::fromStdString(item->ShortCut),
                                        QKeySequence::PortableText)
             : QKeySequence());
}

void PluginListDialog::Install(const QStringList& files) {
    for (const QString& file : files) {
        const std::string message = plugins_.InstallPlugin(file.toStdString());
        if (!message.empty())
            prompter_.Tell(message, base::Severity::Error);
        else
            Fill(static_cast<int>(plugins_.Items().size()) - 1);
    }
}

void PluginListDialog::RemoveClick() {
    const int row = PluginList->currentRow();
    if (plugins_.RemovePlugin(SelectedPath()))
        Fill(row);
}

void PluginListDialog::AboutClick() {
    const std::string message = plugins_.ShowAbout(SelectedPath());
    if (!message.empty())
        prompter_.Tell(message, base::Severity::Error);
}

void PluginListDialog::ShortcutChanged() {
    // Only the first chord of the field counts; a plug-in has one key.
    const QKeySequence keys = ShortcutEdit->keySequence();
    const QString text =
        keys.isEmpty() ? QString() : QKeySequence(keys[0]).toString(QKeySequence::PortableText);
    plugins_.SetShortcut(SelectedPath(), text.toStdString());
}

} // namespace zn::app::ui
