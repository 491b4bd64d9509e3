// Painting the picture, the area and the rubber band; mouse events go to the map editor.
#include "structure/ui/MapCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace zn::structure::ui {

void DrawOutline(QPainter& painter, const TOutline& outline) {
    const std::vector<int>& v = outline.Values;
    switch (outline.Kind) {
    case TOutline::Lines:
        for (std::size_t i = 0; i + 3 < v.size(); i += 2) {
            painter.drawLine(v[i], v[i + 1], v[i + 2], v[i + 3]);
        }
        break;
    case TOutline::Rect:
        painter.drawRect(QRect(QPoint(v[0], v[1]), QPoint(v[2], v[3])).normalized());
        break;
    case TOutline::Circle:
        painter.drawEllipse(QPoint(v[0], v[1]), v[2], v[2]);
        painter.drawLine(v[0] - 3, v[1], v[0] + 3, v[1]);
        painter.drawLine(v[0], v[1] - 3, v[0], v[1] + 3);
        break;
    case TOutline::None:
        break;
    }
}

MapCanvas::MapCanvas(const TMapGeometry& geometry, QWidget* parent)
    : QWidget(parent), geometry_(geometry) {
    setObjectName(QStringLiteral("MapImage"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    SetPicture({});
}

void MapCanvas::SetPicture(const QImage& picture) {
    picture_ = QPixmap::fromImage(picture);
    setFixedSize(picture_.isNull() ? QSize(640, 480) : picture_.size());
    update();
}

QRect MapCanvas::Bounds(const TOutline& outline, int width) const {
    const std::vector<int>& v = outline.Values;
    QRect r;
    if (outline.Kind == TOutline::Lines) {
        for (std::size_t i = 0; i + 1 < v.size(); i += 2) {
            r = r.united(QRect(v[i], v[i + 1], 1, 1));
        }
    } else if (outline.Kind == TOutline::Rect) {
        r = QRect(QPoint(v[0], v[1]), QPoint(v[2], v[3])).normalized();
    } else if (outline.Kind == TOutline::Circle) {
        r = QRect(v[0] - v[2], v[1] - v[2], 2 * v[2] + 1, 2 * v[2] + 1)
                .united(QRect(v[0] - 3, v[1] - 3, 7, 7));
    }
    return r.adjusted(-width - 1, -width - 1, width + 1, width + 1);
}

void MapCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRect(event->rect());
    if (picture_.isNull()) {
        painter.fillRect(event->rect(), Qt::white);
    } else {
        painter.drawPixmap(event->rect(), picture_, event->rect());
    }
    painter.setPen(QPen(DrawColor, DrawWidth));
    painter.setBrush(Qt::NoBrush);
    if (geometry_.Drawing()) {
        // The points clicked so far, not yet closed.
        std::vector<int> v = CoordValues(geometry_.Coords);
        v.resize(v.size() / 2 * 2);
        if (geometry_.Shape == kPolygon) {
            DrawOutline(painter, {TOutline::Lines, v});
        }
    } else {
        DrawOutline(painter, AreaOutline(geometry_.Shape, geometry_.Coords));
    }
    // The rubber band inverts what lies under it, so it shows on any picture.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, EditWidth));
    DrawOutline(painter, geometry_.Overlay());
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit Pressed(event->button() == Qt::RightButton ? TMouseButton::Right : TMouseButton::Left,
                 p.x(), p.y());
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit Moved(p.x(), p.y());
    // Only the old and the new rubber band are painted again.
    const TOutline now = geometry_.Overlay();
    if (now.Kind != TOutline::None || shownOverlay_.Kind != TOutline::None) {
        update(Bounds(shownOverlay_, EditWidth).united(Bounds(now, EditWidth)));
    }
    shownOverlay_ = now;
}

} // namespace zn::structure::ui
