// The preview panel of the gallery wizard: one framed cell of the gallery at its real size, with
// the table background around it, the thumbnail of the chosen picture and its caption.
#pragma once

#include "structure/GalleryLayout.h"

#include <QImage>
#include <QString>
#include <QWidget>

namespace zn::structure::ui {

class GalleryPreview : public QWidget {
    Q_OBJECT

public:
    /// The parts of the preview that stand for a colour of the schema.
    enum class Part { None, Background, Frame, Caption };

    explicit GalleryPreview(QWidget* parent = nullptr);

    void SetSchema(const TGallerySchema& schema);
    /// The picture shown in the frame (null for none) and the caption under it.
    void SetPicture(const QImage& picture, const QString& caption);

    /// The part under a point of the panel.
    Part PartAt(const QPoint& point) const;
    QRect FrameRect() const;
    QRect CaptionRect() const;
    /// The caption's font as the browser would show it (face, bold, italic, HTML size).
    QFont CaptionFont() const;

signals:
    void PartClicked(GalleryPreview::Part part);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QSize sizeHint() const override;

private:
    TGallerySchema schema_;
    QImage picture_;
    QString caption_;
};

} // namespace zn::structure::ui
