// The text view's aids beside the text: the line-number gutter, the caret line's background and
// the background of the tag under the caret and of its partner, found lazily when painting.
#include "base/Utf8.h"
#include "editor/ui/HtmlEditView.h"
#include "editor/ui/LineGutter.h"

#include <QAccessible>
#include <QPainter>

#include <string>

namespace zn::editor::ui {
namespace {

QColor CaretLineColor(const QColor& background) {
    return background.lightness() > 128 ? background.darker(108) : background.lighter(130);
}

const QColor kPairColor(255, 214, 92, 130); ///< a light amber laid over the background

/// Edits longer than this are announced without their text.
constexpr Position kAnnouncedText = 1 << 20;

QString Announced(std::string_view bytes, bool utf8) {
    return static_cast<Position>(bytes.size()) > kAnnouncedText
               ? QString()
               : QString::fromUtf8(base::DocumentToUtf8(bytes, utf8));
}

} // namespace

void HtmlEditView::setLineNumbers(bool on) {
    if (on == lineNumbers_) {
        return;
    }
    lineNumbers_ = on;
    gutterDigits_ = 0;
    UpdateGutterWidth();
}

void HtmlEditView::UpdateGutterWidth() {
    if (!lineNumbers_) {
        gutter_->hide();
        setViewportMargins(0, 0, 0, 0);
        return;
    }
    const int digits =
        std::max<int>(2, static_cast<int>(std::to_string(Model().LineCount()).size()));
    if (digits == gutterDigits_) {
        return;
    }
    gutterDigits_ = digits;
    setViewportMargins(gutter_->WidthFor(digits), 0, 0, 0);
    PlaceGutter();
    gutter_->show();
}

void HtmlEditView::PlaceGutter() {
    const QRect area = contentsRect();
    gutter_->setGeometry(area.left(), area.top(),
                         lineNumbers_ ? gutter_->WidthFor(gutterDigits_) : 0, viewport()->height());
}

void HtmlEditView::UpdatePositionRows(Position from, Position to) {
    UpdateRows(layout_.RowOfPosition(from), layout_.RowOfPosition(to));
}

void HtmlEditView::MarksTextChanged(const TextChange& change) {
    pairStale_ = true;
    if (QAccessible::isActive()) {
        const QString removed =
            change.reset ? QString() : Announced(change.removedText, Model().Utf8());
        const QString inserted =
            change.insertedLength > kAnnouncedText
                ? QString()
                : Announced(Model().GetText(change.position, change.insertedLength),
                            Model().Utf8());
        const int at = static_cast<int>(change.position);
        if (change.removedLength == 0) {
            QAccessibleTextInsertEvent event(this, at, inserted);
            QAccessible::updateAccessibility(&event);
        } else if (change.insertedLength == 0) {
            QAccessibleTextRemoveEvent event(this, at, removed);
            QAccessible::updateAccessibility(&event);
        } else {
            QAccessibleTextUpdateEvent event(this, at, removed, inserted);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (pair_ && !change.reset) {
        const Position length = Model().Length();
        UpdatePositionRows(std::min(pair_->pairOpen, length), std::min(pair_->pairEnd, length));
    }
    if (change.reset || change.linesAdded != change.linesRemoved || layout_.ShiftedFrom() >= 0) {
        UpdateGutterWidth();
        gutter_->update();
    }
}

void HtmlEditView::MarksSelectionChanged() {
    pairStale_ = true;
    const TextModel& model = Model();
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent cursor(this, static_cast<int>(model.Sel().caret));
        QAccessible::updateAccessibility(&cursor);
        if (!model.Sel().Empty()) {
            QAccessibleTextSelectionEvent selection(this, static_cast<int>(model.SelStart()),
                                                    static_cast<int>(model.SelEnd()));
            QAccessible::updateAccessibility(&selection);
        }
    }
    if (pair_) {
        const Position length = model.Length();
        UpdatePositionRows(std::min(pair_->tagOpen, length), std::min(pair_->tagEnd, length));
        UpdatePositionRows(std::min(pair_->pairOpen, length), std::min(pair_->pairEnd, length));
    }
    const Position line = model.LineFromPosition(model.Sel().caret);
    if (line != markedLine_) {
        // Only the visible rows of both lines: finding the last row of a long wrapped line
        // would cost more than the whole paint.
        const Position top = topRow();
        const Position bottom = std::min(layout_.RowCount() - 1, top + visibleRows());
        for (Position row = top; row <= bottom; ++row) {
            const Position of = layout_.LineOfRow(row);
            if (of == line || of == markedLine_) {
                UpdateRows(row, row);
            }
        }
        markedLine_ = line;
        gutter_->update();
    }
}

void HtmlEditView::PaintRangeBackground(QPainter& painter, Position from, Position to,
                                        Position first, Position last, double scrollX,
                                        const QColor& color) {
    const Position lastRow = std::min(last, layout_.RowOfPosition(to - 1));
    for (Position row = std::max(first, layout_.RowOfPosition(from)); row <= lastRow; ++row) {
        const Position a = std::max(from, layout_.RowStart(row));
        const Position b = std::min(to, layout_.RowEnd(row));
        if (b <= a) {
            continue;
        }
        const double x1 = layout_.XOfPosition(a);
        const double x2 = layout_.XOfEnd(b);
        painter.fillRect(QRectF(x1 - scrollX, RowY(row), x2 - x1, fonts_->LineHeight()), color);
    }
}

void HtmlEditView::PaintMarks(QPainter& painter, Position first, Position last, double scrollX) {
    const TextModel& model = Model();
    if (model.Sel().Empty()) {
        const Position line = model.LineFromPosition(model.Sel().caret);
        const QColor color = CaretLineColor(palette_.background);
        for (Position row = first; row <= last; ++row) {
            if (layout_.LineOfRow(row) == line) {
                painter.fillRect(QRectF(0, RowY(row), viewport()->width(), fonts_->LineHeight()),
                                 color);
            }
        }
    }
    if (pairStale_) {
        pairStale_ = false;
        const auto before = pair_;
        pair_ = edit_.InTag ? FindTagPair(edit_, model.SelStart()) : std::nullopt;
        if (pair_ && (!before || before->pairOpen != pair_->pairOpen)) {
            // The partner may stand in rows this paint does not cover.
            UpdatePositionRows(pair_->pairOpen, pair_->pairEnd);
        }
    }
    if (pair_) {
        PaintRangeBackground(painter, pair_->tagOpen, pair_->tagEnd, first, last, scrollX,
                             kPairColor);
        PaintRangeBackground(painter, pair_->pairOpen, pair_->pairEnd, first, last, scrollX,
                             kPairColor);
    }
}

} // namespace zn::editor::ui
