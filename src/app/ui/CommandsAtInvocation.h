// Brings the main window's command states up to date at the moment the user invokes a command,
// so that a key press or click right after an edit acts on the text as it is now.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace zn::app::ui {

/// An application event filter: before a shortcut is matched (the key's shortcut-override
/// event) and before a mouse press reaches a menu, a tool button or a pop-up menu of `window`,
/// it calls `refresh`, which re-evaluates every command's enabling rule. The periodic timer then
/// only keeps the look of menus and buttons current; whether a command runs is decided from the
/// state at the moment of the key press or click.
class CommandsAtInvocation : public QObject {
public:
    CommandsAtInvocation(QWidget& window, std::function<void()> refresh);
    ~CommandsAtInvocation() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Belongs(QObject* watched) const;

    QWidget& window_;
    std::function<void()> refresh_;
};

} // namespace zn::app::ui
