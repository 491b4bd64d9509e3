// The clipboard viewer window: always on top, filled by the clipboard view.
#include "app/ui/ClipForm.h"

#include "app/ui/ClipboardView.h"

#include <QHideEvent>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zn::app::ui {

TClipForm::TClipForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("ClipForm"));
    setWindowTitle(QStringLiteral("Prohlížeč schránky"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    View = new TClipboardView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(View);
    resize(520, 360);
}

void TClipForm::Toggle() {
    if (isVisible())
        hide();
    else
        show();
}

void TClipForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    View->Refresh();
    emit VisibilityChanged(true);
}

void TClipForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit VisibilityChanged(false);
}

} // namespace zn::app::ui
