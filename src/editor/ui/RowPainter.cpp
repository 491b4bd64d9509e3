// Painting one row: selection background, then runs of one colour at their computed x.
#include "editor/ui/RowPainter.h"

#include <QPainter>

namespace zn::editor::ui {

QColor TextPalette::Of(ColorKind kind) const {
    switch (kind) {
    case ColorKind::Tag:
        return tag;
    case ColorKind::Parameter:
        return parameter;
    case ColorKind::Value:
        return value;
    case ColorKind::Text:
        break;
    }
    return text;
}

void RowPainter::PaintRow(QPainter& painter, Position row, double y, double scrollX, double width,
                          Position selStart, Position selEnd) const {
    const Position start = layout_.RowStart(row);
    const Position end = layout_.RowEnd(row);
    Position pos = start;
    double x = 0;
    if (scrollX > 0 && end - start > 512) {
        // Far along a long line: begin a little left of the visible part.
        pos = std::max(start, layout_.PositionAtX(row, scrollX) - 1);
        x = layout_.XOfPosition(pos);
    }
    const double right = scrollX + width;
    const double lineHeight = font_.LineHeight();
    const double baseline = y + font_.Ascent();
    constexpr Position kChunk = 2048;
    constexpr int kMaxRun = 32; // short runs keep rounding in the font from adding up
    while (pos < end && x <= right) {
        Position take = std::min(kChunk, end - pos);
        if (pos + take < end) {
            take = model_.Snap(pos + take) - pos; // whole characters only
        }
        const std::string bytes = model_.GetText(pos, take);
        const std::vector<std::uint8_t> colors = model_.Store().GetColors(pos, take);
        Position i = 0;
        while (i < take && x <= right) {
            const bool selected = pos + i >= selStart && pos + i < selEnd;
            const std::uint8_t color = colors[static_cast<std::size_t>(i)];
            const double runX = x;
            Position j = i;
            // A run never ends inside a character (a UTF-8 sequence is measured to its end).
            TextLayout::Measure measure(layout_);
            while (j < take && (measure.Pending() > 0 ||
                                (j - i < kMaxRun && colors[static_cast<std::size_t>(j)] == color &&
                                 (pos + j >= selStart && pos + j < selEnd) == selected &&
                                 bytes[static_cast<std::size_t>(j)] != '\t' && x <= right))) {
                x +=
                    measure.Step(static_cast<unsigned char>(bytes[static_cast<std::size_t>(j)]), x);
                ++j;
            }
            x += measure.Finish();
            if (j == i) { // a tab: only space
                x += layout_.Advance('\t', x);
                j = i + 1;
            }
            if (selected) {
                painter.fillRect(QRectF(runX - scrollX, y, x - runX, lineHeight),
                                 palette_.selection);
            }
            if (bytes[static_cast<std::size_t>(i)] != '\t' && x >= scrollX) {
                painter.setPen(selected ? palette_.selectedText
                                        : palette_.Of(static_cast<ColorKind>(color)));
                painter.drawText(QPointF(runX - scrollX, baseline),
                                 model_.Utf8() ? font_.DecodeUtf8(bytes.data() + i, j - i)
                                               : font_.Decode(bytes.data() + i, j - i));
            }
            i = j;
        }
        pos += i;
    }
    // A selected line break shows as a little selected space after the row.
    const bool lineEnds =
        end == model_.LineEnd(model_.LineFromPosition(end)) && end < model_.Length();
    if (lineEnds && pos >= end && end >= selStart && end < selEnd && x <= right) {
        painter.fillRect(QRectF(x - scrollX, y, font_.Advances()[' '], lineHeight),
                         palette_.selection);
    }
}

} // namespace zn::editor::ui
