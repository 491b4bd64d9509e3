// The rainbow preview: one vertical line per pixel column from the start to the stop colour.
#pragma once

#include "base/Color.h"

#include <QWidget>

namespace zn::tags::ui {

class TRainBowPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TRainBowPaintBox(QWidget* parent = nullptr);

    base::TColor StartColor() const { return start_; }
    base::TColor StopColor() const { return stop_; }
    void SetStartColor(base::TColor color);
    void SetStopColor(base::TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    base::TColor start_;
    base::TColor stop_;
};

} // namespace zn::tags::ui
