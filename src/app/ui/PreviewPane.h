// The preview page of a document window: the browser, made on first use, and its four buttons.
#pragma once

#include <QWidget>

class QToolButton;
class QVBoxLayout;
class QWebEngineView;

namespace zn::app::ui {

class PreviewPane : public QWidget {
    Q_OBJECT

public:
    explicit PreviewPane(QWidget* parent = nullptr);

    /// Shows a local file; the browser is created the first time (it costs a few hundred ms).
    void Navigate(const QString& path);
    /// The browser, or null before the first preview.
    QWebEngineView* Browser() const { return browser_; }
    QToolButton* BackButton() const { return back_; }
    QToolButton* ForwardButton() const { return forward_; }
    QToolButton* RefreshButton() const { return refresh_; }
    QToolButton* StopButton() const { return stop_; }

protected:
    // A hidden browser is frozen so that the idle editor costs nothing.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateBrowser();
    void UpdateButtons();

    QVBoxLayout* layout_ = nullptr;
    QWebEngineView* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* refresh_ = nullptr;
    QToolButton* stop_ = nullptr;
    bool loading_ = false;
};

} // namespace zn::app::ui
