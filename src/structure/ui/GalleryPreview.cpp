// Painting the gallery preview and telling which coloured part was clicked.
#include "structure/ui/GalleryPreview.h"

#include "base/Color.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zn::structure::ui {

namespace {

QColor ToQColor(base::TColor color) {
    return QColor(base::RedOf(color), base::GreenOf(color), base::BlueOf(color));
}

/// Pixel sizes of the HTML font sizes 1 to 7.
constexpr int kFontPixels[7] = {10, 13, 16, 18, 24, 32, 48};

} // namespace

GalleryPreview::GalleryPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GalleryPreview"));
    setMinimumSize(160, 130);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Klepnutím na pozadí, rámeček nebo titulek změníte jejich barvu"));
}

void GalleryPreview::SetSchema(const TGallerySchema& schema) {
    schema_ = schema;
    update();
}

void GalleryPreview::SetPicture(const QImage& picture, const QString& caption) {
    picture_ = picture;
    caption_ = caption;
    update();
}

QRect GalleryPreview::FrameRect() const {
    const int width = std::clamp(schema_.SirkaRamecku, 1, std::max(1, this->width() - 20));
    const int height = std::max(1, schema_.VyskaRamecku - schema_.VyskaTitulku);
    const int total = height + std::max(0, schema_.VyskaTitulku);
    return {(this->width() - width) / 2, std::max(10, (this->height() - total) / 2), width, height};
}

QRect GalleryPreview::CaptionRect() const {
    const QRect frame = FrameRect();
    return {frame.left(), frame.bottom() + 1, frame.width(), std::max(0, schema_.VyskaTitulku)};
}

GalleryPreview::Part GalleryPreview::PartAt(const QPoint& point) const {
    if (FrameRect().contains(point))
        return Part::Frame;
    if (CaptionRect().contains(point))
        return Part::Caption;
    return rect().contains(point) ? Part::Background : Part::None;
}

QFont GalleryPreview::CaptionFont() const {
    QFont font = this->font();
    if (!schema_.Font.empty())
        font.setFamily(QString::fromStdString(schema_.Font));
    font.setBold(schema_.Bold);
    font.setItalic(schema_.Italic);
    font.setPixelSize(kFontPixels[std::clamp(schema_.FontSize, 1, 7) - 1]);
    return font;
}

void GalleryPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(schema_.BackGround));
    const QRect frame = FrameRect();
    painter.fillRect(frame, ToQColor(schema_.Ramecek));
    if (!picture_.isNull()) {
        const QSize size = picture_.size().scaled(
            QSize(std::max(1, schema_.SirkaNahledu), std::max(1, schema_.VyskaNahledu)),
            Qt::KeepAspectRatio);
        const QSize shown =
            picture_.width() <= schema_.SirkaNahledu && picture_.height() <= schema_.VyskaNahledu
                ? picture_.size()
                : size;
        QRect target(QPoint(0, 0), shown);
        target.moveCenter(frame.center());
        painter.drawImage(target, picture_);
    }
    const QRect caption = CaptionRect();
    painter.fillRect(caption, ToQColor(schema_.Titulek));
    painter.setFont(CaptionFont());
    painter.setPen(schema_.TitulekOdkaz ? QColor(Qt::blue) : ToQColor(schema_.FontColor));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

void GalleryPreview::mouseReleaseEvent(QMouseEvent* event) {
    const Part part = PartAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && part != Part::None)
        emit PartClicked(part);
}

QSize GalleryPreview::sizeHint() const {
    return {std::max(160, schema_.SirkaRamecku + 40), std::max(130, schema_.VyskaRamecku + 40)};
}

} // namespace zn::structure::ui
