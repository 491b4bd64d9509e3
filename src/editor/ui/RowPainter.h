// Paints rows of the text in their colours, for the editing view and for printing.
#pragma once

#include "editor/TextLayout.h"
#include "editor/TextModel.h"
#include "editor/ui/FontTable.h"

#include <QColor>

class QPainter;

namespace zn::editor::ui {

struct TextPalette {
    QColor text = Qt::black;
    QColor background = Qt::white;
    QColor tag = Qt::red;
    QColor parameter = Qt::blue;
    QColor value = QColor(128, 0, 128);
    QColor selection = QColor(51, 153, 255);
    QColor selectedText = Qt::white;

    QColor Of(ColorKind kind) const;
};

class RowPainter {
public:
    RowPainter(const TextModel& model, const TextLayout& layout, const FontTable& font,
               const TextPalette& palette)
        : model_(model), layout_(layout), font_(font), palette_(palette) {}

    /// Paints the part of a row between x = scrollX and scrollX + width (row coordinates) with
    /// its top at y; characters in [selStart, selEnd) are drawn selected.
    void PaintRow(QPainter& painter, Position row, double y, double scrollX, double width,
                  Position selStart, Position selEnd) const;

private:
    const TextModel& model_;
    const TextLayout& layout_;
    const FontTable& font_;
    const TextPalette& palette_;
};

} // namespace zn::editor::ui
