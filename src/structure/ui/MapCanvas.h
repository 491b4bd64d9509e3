// The drawing surface of the map editor: the picture at its own size, the chosen area in the
// drawing pen and the rubber band of a drawing or edit in progress in the edit pen.
#pragma once

#include "structure/MapGeometry.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace zn::structure::ui {

class MapCanvas : public QWidget {
    Q_OBJECT

public:
    MapCanvas(const TMapGeometry& geometry, QWidget* parent = nullptr);

    /// The picture is converted once here; drawing never scales it. A null picture leaves an
    /// empty white surface on which areas can still be drawn.
    void SetPicture(const QImage& picture);
    bool HasPicture() const { return !picture_.isNull(); }

    QColor DrawColor = Qt::red;
    int DrawWidth = 1;
    int EditWidth = 1;

    QSize sizeHint() const override { return size(); }

signals:
    void Pressed(zn::structure::TMouseButton button, int x, int y);
    void Moved(int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRect Bounds(const TOutline& outline, int width) const;

    const TMapGeometry& geometry_;
    QPixmap picture_;
    TOutline shownOverlay_;
};

/// Draws an outline with the painter's pen: lines, a rectangle, or a circle with a cross.
void DrawOutline(class QPainter& painter, const TOutline& outline);

} // namespace zn::structure::ui
