// Timing of the map editor's drawing surface over a 4000 × 3000 picture (run with
// QT_QPA_PLATFORM=offscreen): loading the picture once, and painting the part a mouse move
// changes while a rectangle is drawn, as the canvas asks for it.
#include "structure/MapGeometry.h"
#include "structure/ui/MapCanvas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace zn::structure;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QImage picture(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            line[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
        }
    }
    TMapGeometry geometry;
    geometry.Shape = kRectangle;
    ui::MapCanvas canvas(geometry);
    QElapsedTimer timer;
    timer.start();
    canvas.SetPicture(picture);
    const double loadMs = timer.nsecsElapsed() / 1e6;

    // The surface as the screen sees it: what a move repaints is drawn into a window-sized
    // image, the picture included.
    QImage screen(1200, 800, QImage::Format_RGB32);
    geometry.Press(TMouseButton::Left, 100, 100);
    constexpr int kMoves = 2000;
    timer.restart();
    for (int i = 0; i < kMoves; ++i) {
        const int x = 200 + i % 900, y = 150 + i % 600;
        geometry.Move(x, y);
        const QRect changed = QRect(QPoint(100, 100), QPoint(x, y)).adjusted(-3, -3, 3, 3);
        canvas.render(&screen, changed.topLeft(), QRegion(changed));
    }
    const double moveMs = timer.nsecsElapsed() / 1e6 / kMoves;
    std::printf("picture 4000x3000: set once %.1f ms; one mouse move while drawing a "
                "rectangle up to 900x600: %.3f ms\n",
                loadMs, moveMs);
    return 0;
}
