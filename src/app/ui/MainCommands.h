// The main window's commands: actions made from a one-line description, with their two-part
// hints and the rule that enables them.
#pragma once

#include "app/CommandStates.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;

namespace zn::app::ui {

/// One menu item or tool button. `Name` is the object name (the stored shortcut is kept under
/// "<Name>.ShortCut"); `Hint` is "short text|status-bar text" (one part serves as both);
/// `Icon` is a name of the desktop's icon theme, or empty.
struct CommandItem {
    CommandItem(const char* name, QString caption, QKeySequence shortcut = {}, QString hint = {},
                EnableRule rule = EnableRule::Always, QString icon = {})
        : Name(name), Caption(std::move(caption)), Shortcut(std::move(shortcut)),
          Hint(std::move(hint)), Rule(rule), Icon(std::move(icon)) {}

    const char* Name;
    QString Caption;
    QKeySequence Shortcut;
    QString Hint;
    EnableRule Rule;
    QString Icon;
};

/// Gives an action its hints: the short text as tool tip, the long one for the status bar.
void SetHint(QAction* action, const QString& hint);

/// Keeps every registered action together with its enabling rule.
class CommandRegistry {
public:
    /// A new action owned by `owner`, triggering `run`.
    QAction* Make(QObject* owner, const CommandItem& item, std::function<void()> run);
    /// An action made elsewhere (a submenu's action, another part's command).
    void Register(QAction* action, EnableRule rule);
    /// Enables every action by its rule.
    void Update(const CommandInputs& inputs) const;
    /// Actions whose shortcut the user may change, in the order they were made.
    const QList<QAction*>& ShortcutActions() const { return shortcutActions_; }
    /// The registered rule of an action; Always for one not registered.
    EnableRule RuleOf(const QAction* action) const;

private:
    struct Entry {
        QAction* Action;
        EnableRule Rule;
    };
    std::vector<Entry> entries_;
    QList<QAction*> shortcutActions_;
    QObject guard_; ///< ends the watch on actions that outlive the registry
};

} // namespace zn::app::ui
