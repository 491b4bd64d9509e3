// The clipboard viewer "Prohlížeč schránky": a tool window holding the clipboard view.
#pragma once

#include <QWidget>

namespace zn::app::ui {

class TClipboardView;

class TClipForm : public QWidget {
    Q_OBJECT
public:
    explicit TClipForm(QWidget* parent = nullptr);

    /// Menu command: shows the window when hidden, hides it when shown.
    void Toggle();

    TClipboardView* View;

signals:
    /// The window was shown or hidden; the menu item "Prohlížeč schránky..." follows with a
    /// check mark.
    void VisibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace zn::app::ui
