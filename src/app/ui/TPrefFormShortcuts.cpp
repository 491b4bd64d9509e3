// "Možnosti", tab "Horké klávesy": every menu item as a line, its shortcut edited in `HKey` and
// given to the menu item only when the dialog is applied.
#include "app/ui/TPrefForm.h"

#include "app/ui/PluginListDialog.h"
#include "app/ui/TMainForm.h"
#include "base/Cp1250.h"
#include "base/Prompter.h"

#include <QAction>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace zn::app::ui {

namespace {

constexpr int kBracketedRole = Qt::UserRole + 1;

/// Menus in light red with yellow text (blue when selected); items on grey with black text
/// (silver when selected).
class ShortcutLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool menu = index.data(kBracketedRole).toBool();
        const bool selected = option.state & QStyle::State_Selected;
        const QColor back = menu ? (selected ? QColor(0, 0, 255) : QColor(255, 112, 112))
                                 : (selected ? QColor(192, 192, 192) : QColor(128, 128, 128));
        painter->fillRect(option.rect, back);
        painter->setPen(menu ? QColor(255, 255, 0) : QColor(0, 0, 0));
        painter->drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          index.data(Qt::DisplayRole).toString());
    }
};

/// The menu as the shortcut list sees it; `actions` receives the item of every id.
MenuNode NodeOf(QAction* action, QList<QAction*>& actions) {
    MenuNode node;
    node.Separator = action->isSeparator();
    node.Caption = action->text().toStdString();
    node.Id = static_cast<int>(actions.size());
    actions.append(action);
    if (QMenu* menu = action->menu()) {
        for (QAction* child : menu->actions()) {
            // Items without a name (the window list, recent files) have no shortcut of their own.
            if (child->isVisible() &&
                (child->menu() || child->isSeparator() || !child->objectName().isEmpty()))
                node.Children.push_back(NodeOf(child, actions));
        }
    }
    return node;
}

QString Portable(const QKeySequence& keys) {
    return keys.toString(QKeySequence::PortableText);
}

} // namespace

QWidget* TPrefForm::BuildShortcutTab() {
    auto* tab = new QWidget(this);
    MenuItemsLB = new QListWidget(tab);
    MenuItemsLB->setObjectName(QStringLiteral("MenuItemsLB"));
    MenuItemsLB->setItemDelegate(new ShortcutLineDelegate(MenuItemsLB));
    HKey = new QKeySequenceEdit(tab);
    HKey->setObjectName(QStringLiteral("HKey"));
    connect(MenuItemsLB, &QListWidget::currentRowChanged, this, &TPrefForm::ShortcutLineChosen);
    connect(HKey, &QKeySequenceEdit::editingFinished, this, &TPrefForm::StoreShortcut);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(MenuItemsLB, 1);
    layout->addWidget(HKey);
    auto* note = new QLabel(QStringLiteral("Klepněte do pole zkratky a stiskněte požadované "
                                           "klávesy. Změny platí po stisku OK nebo Použít."),
                            tab);
    note->setWordWrap(true);
    layout->addWidget(note);
    return tab;
}

void TPrefForm::FillShortcuts() {
    QList<QAction*> actions;
    std::vector<MenuNode> menus;
    for (QAction* top : main_.menuBar()->actions())
        if (top->isVisible())
            menus.push_back(NodeOf(top, actions));
    MenuItemsLB->blockSignals(true);
    MenuItemsLB->clear();
    lineActions_.clear();
    TSK.clear();
    for (const ShortcutLine& line : ShortcutLines(menus)) {
        QAction* action = actions[line.Id];
        auto* item = new QListWidgetItem(QString::fromStdString(line.Text), MenuItemsLB);
        item->setData(kBracketedRole, line.Bracketed);
        lineActions_.append(action);
        TSK.append(action->shortcut());
    }
    MenuItemsLB->setCurrentRow(-1);
    MenuItemsLB->blockSignals(false);
    shortcutLine_ = -1;
    HKey->clear();
    HKey->setEnabled(false);
}

void TPrefForm::ShortcutLineChosen() {
    // The field's keys belong to the line left, unless it is taken.
    StoreShortcut();
    const int row = MenuItemsLB->currentRow();
    shortcutLine_ = row;
    const bool item = row >= 0 && !MenuItemsLB->item(row)->data(kBracketedRole).toBool();
    HKey->setKeySequence(row >= 0 ? TSK[row] : QKeySequence());
    HKey->setEnabled(item);
}

void TPrefForm::StoreShortcut() {
    const int row = shortcutLine_;
    if (row < 0 || row >= TSK.size() || !HKey->isEnabled())
        return;
    // A menu item has one key; the first chord of the field counts.
    const QKeySequence typed = HKey->keySequence();
    const QKeySequence keys = typed.isEmpty() ? QKeySequence() : QKeySequence(typed[0]);
    if (keys == TSK[row])
        return;
    std::vector<std::string> taken;
    std::vector<std::string> captions;
    for (qsizetype i = 0; i < TSK.size(); ++i) {
        taken.push_back(Portable(TSK[i]).toStdString());
        captions.push_back(lineActions_[i]->text().toStdString());
    }
    // Plug-ins listed on their tab keep their keys too.
    if (PluginPage) {
        for (const TPIItem& plugin : PluginPage->Result().Items()) {
            taken.push_back(plugin.ShortCut);
            captions.push_back(base::Cp1250ToUtf8(plugin.Name));
        }
    }
    const std::string text = Portable(keys).toStdString();
    const int holder = ShortcutTakenBy(taken, static_cast<std::size_t>(row), text);
    if (holder >= 0) {
        main_.HostPrompter().Tell(
            ShortcutTakenMessage(keys.toString(QKeySequence::NativeText).toStdString(),
                                 captions[static_cast<std::size_t>(holder)]),
            base::Severity::Warning);
        HKey->setKeySequence(TSK[row]);
        return;
    }
    TSK[row] = keys;
}

void TPrefForm::ApplyShortcuts() {
    for (qsizetype i = 0; i < lineActions_.size(); ++i) {
        if (!MenuItemsLB->item(static_cast<int>(i))->data(kBracketedRole).toBool())
            lineActions_[i]->setShortcut(TSK[i]);
    }
}

} // namespace zn::app::ui
