// Painting the line numbers of the visible rows; a click selects the line.
#include "editor/ui/LineGutter.h"

#include "editor/ui/HtmlEditView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace zn::editor::ui {

LineGutter::LineGutter(HtmlEditView& view) : QWidget(&view), view_(view) {
    setCursor(Qt::ArrowCursor);
    setAccessibleName(QStringLiteral("Čísla řádků"));
}

int LineGutter::WidthFor(int digits) const {
    return static_cast<int>(std::ceil(view_.Fonts().Advances()['9'] * digits)) + 10;
}

void LineGutter::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    painter.fillRect(event->rect(), background);
    painter.setPen(background.darker(115));
    painter.drawLine(width() - 1, event->rect().top(), width() - 1, event->rect().bottom());
    painter.setFont(view_.Fonts().Font());
    const TextLayout& layout = view_.Layout();
    const TextModel& model = view_.Edit().Model();
    const double lineHeight = view_.Fonts().LineHeight();
    const Position caretLine = model.LineFromPosition(model.Sel().caret);
    const Position first = view_.topRow() + static_cast<Position>(event->rect().top() / lineHeight);
    const Position last =
        std::min(layout.RowCount() - 1,
                 view_.topRow() + static_cast<Position>(event->rect().bottom() / lineHeight));
    const QColor number = palette().color(QPalette::PlaceholderText);
    const QColor current = palette().color(QPalette::WindowText);
    for (Position row = first; row <= last; ++row) {
        const Position start = layout.RowStart(row);
        const Position line = model.LineFromPosition(start);
        if (start != model.LineStart(line)) {
            continue; // a wrapped continuation row has no number
        }
        painter.setPen(line == caretLine ? current : number);
        const QRectF box(0, view_.rowY(row), width() - 5, lineHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(line + 1));
    }
}

void LineGutter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const double lineHeight = view_.Fonts().LineHeight();
    const Position row = std::clamp<Position>(
        view_.topRow() + static_cast<Position>(event->position().y() / lineHeight), 0,
        view_.Layout().RowCount() - 1);
    TextModel& model = view_.Edit().Model();
    const auto range = model.LineRangeAt(view_.Layout().RowStart(row));
    model.Select(range.position, range.length);
    view_.setFocus();
}

} // namespace zn::editor::ui
