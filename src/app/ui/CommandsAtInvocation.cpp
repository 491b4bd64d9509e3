// Re-evaluating the command states when a key that may be a shortcut is pressed or the mouse
// goes down on the window.
#include "app/ui/CommandsAtInvocation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zn::app::ui {
namespace {

/// A key that types a character without a command modifier is never a shortcut of ours; every
/// other key may be (Ctrl+S, F2, Delete, Shift+Insert, Alt+letter for a menu).
bool MayBeShortcut(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    const QString text = key.text();
    return text.isEmpty() || !text.at(0).isPrint();
}

} // namespace

CommandsAtInvocation::CommandsAtInvocation(QWidget& window, std::function<void()> refresh)
    : QObject(&window), window_(window), refresh_(std::move(refresh)) {
    qApp->installEventFilter(this);
}

CommandsAtInvocation::~CommandsAtInvocation() {
    qApp->removeEventFilter(this);
}

bool CommandsAtInvocation::Belongs(QObject* watched) const {
    if (!watched->isWidgetType())
        return false;
    // Pop-up menus are windows of their own; their parent chain leads back to the main window.
    for (auto* w = static_cast<QWidget*>(watched); w; w = w->parentWidget()) {
        if (w == &window_)
            return true;
    }
    return false;
}

bool CommandsAtInvocation::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (MayBeShortcut(*static_cast<QKeyEvent*>(event)) && Belongs(watched))
            refresh_();
        break;
    case QEvent::MouseButtonPress:
        if (Belongs(watched))
            refresh_();
        break;
    default:
        break;
    }
    return false;
}

} // namespace zn::app::ui
