// Paints the visible part of a stretched picture: smooth when reduced, sharp pixels when
// enlarged.
#include "app/ui/StretchImage.h"

#include <QPaintEvent>
#include <QPainter>

namespace zn::app::ui {

TStretchImage::TStretchImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TStretchImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TStretchImage::paintEvent(QPaintEvent* event) {
    if (picture_.isNull() || width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, width() < picture_.width());
    // Map the exposed area back to the picture so only that part is scaled.
    const double sx = double(picture_.width()) / width();
    const double sy = double(picture_.height()) / height();
    QRectF target = event->rect();
    QRectF source(target.left() * sx, target.top() * sy, target.width() * sx, target.height() * sy);
    painter.drawImage(target, picture_, source);
}

} // namespace zn::app::ui
