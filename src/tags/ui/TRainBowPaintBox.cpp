// Painting the rainbow preview.
#include "tags/ui/TRainBowPaintBox.h"

#include "tags/SmallTools.h"

#include <QPainter>

namespace zn::tags::ui {

TRainBowPaintBox::TRainBowPaintBox(QWidget* parent)
    : QWidget(parent), start_(base::RGBColor(0, 0, 0xFF)), stop_(base::RGBColor(0xFF, 0, 0)) {
    setMinimumSize(200, 24);
}

void TRainBowPaintBox::SetStartColor(base::TColor color) {
    start_ = color;
    update();
}

void TRainBowPaintBox::SetStopColor(base::TColor color) {
    stop_ = color;
    update();
}

void TRainBowPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    for (int x = 0; x < w; ++x) {
        const base::TColor c = RainbowColor(start_, stop_, x, w);
        painter.setPen(QColor(base::RedOf(c), base::GreenOf(c), base::BlueOf(c)));
        painter.drawLine(x, 0, x, height() - 1);
    }
}

} // namespace zn::tags::ui
