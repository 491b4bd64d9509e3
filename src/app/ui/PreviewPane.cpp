// The preview browser and its navigation buttons.
#include "app/ui/PreviewPane.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace zn::app::ui {

PreviewPane::PreviewPane(QWidget* parent) : QWidget(parent) {
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    auto* navigation = new QWidget(this);
    navigation->setObjectName(QStringLiteral("NavigPanel"));
    navigation->setFixedHeight(26);
    auto* row = new QHBoxLayout(navigation);
    row->setContentsMargins(2, 1, 2, 1);
    auto button = [&](const QString& caption, const char* name) {
        auto* b = new QToolButton(navigation);
        b->setText(caption);
        b->setObjectName(QString::fromLatin1(name));
        b->setEnabled(false);
        row->addWidget(b);
        return b;
    };
    back_ = button(QStringLiteral("Zpět"), "BackSB");
    forward_ = button(QStringLiteral("Vpřed"), "FwdSB");
    refresh_ = button(QStringLiteral("Obnovit"), "SpeedButton3");
    stop_ = button(QStringLiteral("Stop"), "StopSB");
    row->addStretch();
    layout_->addWidget(navigation);
}

void PreviewPane::CreateBrowser() {
    browser_ = new QWebEngineView(this);
    browser_->setObjectName(QStringLiteral("Browser"));
    layout_->addWidget(browser_, 1);
    connect(back_, &QToolButton::clicked, browser_, &QWebEngineView::back);
    connect(forward_, &QToolButton::clicked, browser_, &QWebEngineView::forward);
    connect(refresh_, &QToolButton::clicked, browser_, &QWebEngineView::reload);
    connect(stop_, &QToolButton::clicked, browser_, &QWebEngineView::stop);
    connect(browser_, &QWebEngineView::loadStarted, this, [this] {
        loading_ = true;
        UpdateButtons();
    });
    connect(browser_, &QWebEngineView::loadFinished, this, [this] {
        loading_ = false;
        UpdateButtons();
    });
    connect(browser_, &QWebEngineView::urlChanged, this, [this] { UpdateButtons(); });
    refresh_->setEnabled(true);
}

void PreviewPane::UpdateButtons() {
    back_->setEnabled(browser_->history()->canGoBack());
    forward_->setEnabled(browser_->history()->canGoForward());
    stop_->setEnabled(loading_);
}

void PreviewPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (browser_) {
        browser_->page()->setLifecycleState(QWebEnginePage::LifecycleState::Active);
        browser_->show();
    }
}

void PreviewPane::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (browser_) {
        // Only an invisible page may be frozen; a frozen one neither renders nor runs scripts.
        browser_->hide();
        browser_->page()->setLifecycleState(QWebEnginePage::LifecycleState::Frozen);
    }
}

void PreviewPane::Navigate(const QString& path) {
    if (!browser_) {
        CreateBrowser();
    }
    if (browser_->page()->lifecycleState() != QWebEnginePage::LifecycleState::Active) {
        browser_->page()->setLifecycleState(QWebEnginePage::LifecycleState::Active);
    }
    browser_->load(QUrl::fromLocalFile(path));
}

} // namespace zn::app::ui
