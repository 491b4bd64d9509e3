// Saving and restoring where a window stands, and the main window's stored state.
#include "app/ui/WindowPlacement.h"

#include "app/Settings.h"
#include "app/SettingsStore.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace zn::app::ui {

namespace {

constexpr std::string_view kGeometry = "Placement.Geometry";
constexpr std::string_view kState = "Placement.State";
constexpr std::string_view kLeft = "Placement.Left";
constexpr std::string_view kTop = "Placement.Top";

constexpr Qt::WindowStates kSizeStates =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

void SetState(QWidget* window, Qt::WindowStates state) {
    window->setWindowState((window->windowState() & ~kSizeStates) | state);
}

/// Applies the stored state once, on the first paint or just after the first show.
class FirstPaintState : public QObject {
public:
    FirstPaintState(QWidget* window, int state)
        : QObject(window), window_(window), state_(WindowStateFromSetting(state)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        if (event->type() == QEvent::Paint)
            Apply();
        else if (event->type() == QEvent::Show)
            QTimer::singleShot(0, this, [this] { Apply(); });
        return false;
    }

private:
    void Apply() {
        if (done_ || !window_)
            return;
        done_ = true;
        window_->removeEventFilter(this);
        SetState(window_, state_);
        deleteLater();
    }

    QPointer<QWidget> window_;
    Qt::WindowStates state_;
    bool done_ = false;
};

bool OnSomeScreen(const QPoint& point) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(point))
            return true;
    return false;
}

} // namespace

Qt::WindowStates WindowStateFromSetting(int state) {
    switch (state) {
    case StateMinimized:
        return Qt::WindowMinimized;
    case StateMaximized:
        return Qt::WindowMaximized;
    default:
        return Qt::WindowNoState;
    }
}

int SettingFromWindowState(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized)
        return StateMinimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return StateMaximized;
    return StateNormal;
}

void ApplyStateAtFirstPaint(QWidget* window, int state) {
    new FirstPaintState(window, state);
}

void SavePlacement(SettingsStore& store, std::string_view key, const QWidget& window,
                   PlacementKind kind) {
    if (kind == PlacementKind::Position) {
        store.WriteInteger(key, kLeft, window.pos().x());
        store.WriteInteger(key, kTop, window.pos().y());
    } else if (kind == PlacementKind::Full) {
        // Qt's own record keeps the normal geometry of a maximised window and its screen.
        store.WriteString(key, kGeometry, window.saveGeometry().toBase64().toStdString());
        store.WriteInteger(key, kState, SettingFromWindowState(window.windowState()));
    }
}

void RestorePlacement(SettingsStore& store, std::string_view key, QWidget& window,
                      PlacementKind kind) {
    if (kind == PlacementKind::Position) {
        const auto left = store.ReadInteger(key, kLeft);
        const auto top = store.ReadInteger(key, kTop);
        if (left && top && OnSomeScreen(QPoint(*left, *top)))
            window.move(*left, *top);
    } else if (kind == PlacementKind::Full) {
        if (const auto geometry = store.ReadString(key, kGeometry))
            window.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(*geometry)));
        const auto state = store.ReadInteger(key, kState);
        // A window that opened minimised would look as if it had not opened at all.
        if (state && *state == StateMaximized)
            SetState(&window, Qt::WindowMaximized);
        else if (state)
            SetState(&window, Qt::WindowNoState);
    }
}

} // namespace zn::app::ui
