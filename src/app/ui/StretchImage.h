// A widget that draws one picture stretched to the widget's size, painting only the part
// on screen (a 500 % view of a large picture is never scaled whole into memory).
#pragma once

#include <QImage>
#include <QWidget>

namespace zn::app::ui {

class TStretchImage : public QWidget {
    Q_OBJECT
public:
    explicit TStretchImage(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace zn::app::ui
