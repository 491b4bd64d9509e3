// Making the main window's actions and enabling them by their rules.
#include "app/ui/MainCommands.h"

#include <QAction>
#include <QIcon>

namespace zn::app::ui {

void SetHint(QAction* action, const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString shortText = bar < 0 ? hint : hint.left(bar);
    const QString longText = bar < 0 ? hint : hint.mid(bar + 1);
    action->setToolTip(shortText.isEmpty() ? action->text().remove(QLatin1Char('&')) : shortText);
    action->setStatusTip(longText);
}

QAction* CommandRegistry::Make(QObject* owner, const CommandItem& item, std::function<void()> run) {
    auto* action = new QAction(item.Caption, owner);
    action->setObjectName(QString::fromLatin1(item.Name));
    action->setShortcut(item.Shortcut);
    if (!item.Icon.isEmpty())
        action->setIcon(QIcon::fromTheme(item.Icon));
    SetHint(action, item.Hint);
    if (run)
        QObject::connect(action, &QAction::triggered, owner, [run = std::move(run)] { run(); });
    Register(action, item.Rule);
    shortcutActions_.push_back(action);
    return action;
}

void CommandRegistry::Register(QAction* action, EnableRule rule) {
    for (Entry& entry : entries_) {
        if (entry.Action == action) {
            entry.Rule = rule;
            return;
        }
    }
    entries_.push_back({action, rule});
    QObject::connect(action, &QObject::destroyed, &guard_, [this, action] {
        std::erase_if(entries_, [action](const Entry& e) { return e.Action == action; });
        shortcutActions_.removeAll(action);
    });
}

void CommandRegistry::Update(const CommandInputs& inputs) const {
    for (const Entry& entry : entries_) {
        const bool enabled = IsEnabled(entry.Rule, inputs);
        if (entry.Action->isEnabled() != enabled)
            entry.Action->setEnabled(enabled);
    }
}

EnableRule CommandRegistry::RuleOf(const QAction* action) const {
    for (const Entry& entry : entries_) {
        if (entry.Action == action)
            return entry.Rule;
    }
    return EnableRule::Always;
}

} // namespace zn::app::ui
