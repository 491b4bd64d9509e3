// Painting, scrolling, keyboard, mouse, input methods and drag and drop of the text view.
#include "editor/ui/HtmlEditView.h"

#include "base/Utf8.h"
#include "editor/Completion.h"
#include "editor/ui/HtmlEditAccessible.h"
#include "editor/ui/LineGutter.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyleHints>

#include <cmath>

namespace zn::editor::ui {
namespace {

constexpr int kMargin = 3; ///< pixels left of the text, so a caret at column 0 shows

std::string ToDocument(const QString& text, bool utf8) {
    return base::Utf8ToDocument(text.toUtf8().toStdString(), utf8);
}

/// Document text for the clipboard and drags: Unicode with the platform's LF line ends.
QString FromDocument(const std::string& bytes, bool utf8) {
    QString text = QString::fromUtf8(base::DocumentToUtf8(bytes, utf8));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool IsPrintable(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            return false;
        }
    }
    return true;
}

} // namespace

HtmlEditView::HtmlEditView(THTMLRichEdit& edit, QWidget* parent)
    : QAbstractScrollArea(parent), edit_(edit), layout_(edit.Model()), keys_(edit) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_InputMethodEnabled);
    edit_.Model().AddObserver(this, true);
    keys_.OnEnterReleased = [this] { ContinueList(edit_, upperCaseTags_); };
    // Pasting anywhere (Shift+Insert here, the main window's Paste) reads the clipboard so.
    edit_.ClipboardText = [this] {
        return ToDocument(QApplication::clipboard()->text(), Model().Utf8());
    };
    gutter_ = new LineGutter(*this);
    HtmlEditAccessible::InstallFactory();
    setEditorFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    shownSel_ = Model().Sel();
}

HtmlEditView::~HtmlEditView() {
    edit_.Model().RemoveObserver(this);
}

// --- appearance ---

void HtmlEditView::setEditorFont(const QFont& font) {
    fonts_ = std::make_unique<FontTable>(font);
    layout_.SetMetrics(fonts_->Advances(), fonts_->TabWidth(),
                       [fonts = fonts_.get()](char32_t c) { return fonts->CodePointAdvance(c); });
    gutterDigits_ = 0;
    UpdateGutterWidth();
    UpdateWrapWidth();
    UpdateScrollBars();
    viewport()->update();
}

void HtmlEditView::setWordWrap(bool on) {
    wrap_ = on;
    UpdateWrapWidth();
    UpdateScrollBars();
    ensureCaretVisible();
    viewport()->update();
}

void HtmlEditView::setTextColors(const QColor& text, const QColor& background) {
    palette_.text = text;
    palette_.background = background;
    viewport()->update();
}

void HtmlEditView::UpdateWrapWidth() {
    layout_.SetWrapWidth(wrap_ ? std::max(viewport()->width() - 2 * kMargin, 20) : 0);
}

int HtmlEditView::visibleRows() const {
    return std::max(1, static_cast<int>(viewport()->height() / fonts_->LineHeight()));
}

void HtmlEditView::UpdateScrollBars() {
    const Position rows = layout_.RowCount();
    const int visible = visibleRows();
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<Position>(0, rows - visible)));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
    if (wrap_) {
        horizontalScrollBar()->setRange(0, 0);
    } else {
        const double wide = layout_.WidestRow() + 2 * kMargin + fonts_->Advances()['W'] * 4;
        const int width = viewport()->width();
        horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(std::ceil(wide)) - width));
        horizontalScrollBar()->setPageStep(width);
        horizontalScrollBar()->setSingleStep(static_cast<int>(fonts_->Advances()['x'] * 2) + 1);
    }
}

double HtmlEditView::RowY(Position row) const {
    return static_cast<double>(row - topRow()) * fonts_->LineHeight();
}

Position HtmlEditView::RowAtY(int y) const {
    const Position row = topRow() + static_cast<Position>(std::floor(y / fonts_->LineHeight()));
    return std::clamp<Position>(row, 0, layout_.RowCount() - 1);
}

Position HtmlEditView::positionAt(const QPoint& point) const {
    const double x = point.x() - kMargin + horizontalScrollBar()->value();
    return layout_.PositionAtX(RowAtY(point.y()), x);
}

QRect HtmlEditView::caretRect() const {
    const Position caret = edit_.Model().Sel().caret;
    const double x = layout_.XOfPosition(caret) + kMargin - horizontalScrollBar()->value();
    const double y = RowY(layout_.RowOfPosition(caret));
    double width = 2;
    if (edit_.Model().Overwrite()) {
        const char c = edit_.Model().CharAt(caret);
        width = (c == '\r' || c == '\0') ? fonts_->Advances()[' ']
                                         : layout_.XOfEnd(edit_.Model().Snap(caret + 1, true)) -
                                               layout_.XOfPosition(caret);
    }
    return QRectF(x - (width <= 2 ? 1 : 0), y, width, fonts_->LineHeight()).toAlignedRect();
}

// --- painting ---

void HtmlEditView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    lastPainted_ = event->region();
    painter.fillRect(event->rect(), palette_.background);
    painter.setFont(fonts_->Font());
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    palette_.selection = palette().color(group, QPalette::Highlight);
    palette_.selectedText = palette().color(group, QPalette::HighlightedText);
    palette_.tag = QColor(base::RedOf(edit_.TagColor), base::GreenOf(edit_.TagColor),
                          base::BlueOf(edit_.TagColor));
    palette_.parameter =
        QColor(base::RedOf(edit_.ParameterColor), base::GreenOf(edit_.ParameterColor),
               base::BlueOf(edit_.ParameterColor));
    palette_.value = QColor(base::RedOf(edit_.ValueColor), base::GreenOf(edit_.ValueColor),
                            base::BlueOf(edit_.ValueColor));

    const TextModel& model = edit_.Model();
    const double lineHeight = fonts_->LineHeight();
    const Position rows = layout_.RowCount();
    const Position first = topRow() + static_cast<Position>(event->rect().top() / lineHeight);
    const Position last = topRow() + static_cast<Position>(event->rect().bottom() / lineHeight);
    const double scrollX = horizontalScrollBar()->value() - kMargin;
    PaintMarks(painter, first, std::min(last, rows - 1), scrollX);
    const RowPainter rowPainter(model, layout_, *fonts_, palette_);
    for (Position row = first; row <= last && row < rows; ++row) {
        rowPainter.PaintRow(painter, row, RowY(row), scrollX, viewport()->width(), model.SelStart(),
                            model.SelEnd());
    }
    if (dropCaret_ >= 0) {
        const double x = layout_.XOfPosition(dropCaret_) - scrollX;
        painter.fillRect(QRectF(x - 1, RowY(layout_.RowOfPosition(dropCaret_)), 2, lineHeight),
                         palette_.text);
    }
    if (!preedit_.isEmpty()) {
        const QRect caret = caretRect();
        QFont underlined = fonts_->Font();
        underlined.setUnderline(true);
        painter.setFont(underlined);
        const QRectF box(caret.left(), caret.top(),
                         painter.fontMetrics().horizontalAdvance(preedit_), lineHeight);
        painter.fillRect(box, palette_.background);
        painter.setPen(palette_.text);
        painter.drawText(QPointF(caret.left(), caret.top() + fonts_->Ascent()), preedit_);
    } else if (hasFocus() && caretOn_) {
        painter.fillRect(caretRect(), model.Overwrite() ? QColor(0, 0, 0, 90) : palette_.text);
    }
    shownSel_ = model.Sel();
}

void HtmlEditView::UpdateRows(Position first, Position last) {
    const Position top = topRow();
    const Position bottom = top + visibleRows() + 1;
    first = std::max(first, top);
    last = std::min(last, bottom);
    if (first > last) {
        return;
    }
    const int y = static_cast<int>(std::floor(RowY(first)));
    const int height = static_cast<int>(std::ceil(RowY(last + 1))) - y + 1;
    viewport()->update(QRect(0, y, viewport()->width(), height));
}

void HtmlEditView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    PlaceGutter();
    if (wrap_) {
        UpdateWrapWidth();
    }
    UpdateScrollBars();
}

void HtmlEditView::scrollContentsBy(int, int dy) {
    viewport()->update();
    if (dy != 0) {
        gutter_->update();
    }
}

// --- model notifications ---

void HtmlEditView::TextChanged(const TextChange& change) {
    MarksTextChanged(change);
    if (change.reset) {
        UpdateScrollBars();
        viewport()->update();
        return;
    }
    const Position row = layout_.RowOfPosition(change.position);
    const Position shifted = layout_.ShiftedFrom();
    if (shifted < 0) {
        const Position line = edit_.Model().LineFromPosition(change.position);
        const Position until = layout_.ChangedUntil();
        UpdateRows(std::max<Position>(row - 1, 0),
                   until >= 0 ? until : layout_.RowOfPosition(edit_.Model().LineEnd(line)));
    } else {
        UpdateRows(std::max<Position>(std::min(row, shifted) - 1, 0), layout_.RowCount());
    }
    UpdateScrollBars();
}

void HtmlEditView::ColorsChanged(Position position, Position length) {
    UpdateRows(layout_.RowOfPosition(position), layout_.RowOfPosition(position + length));
}

void HtmlEditView::SelectionChanged() {
    const Selection& now = edit_.Model().Sel();
    const Position from = std::min(now.Start(), shownSel_.Start());
    const Position to = std::max(now.End(), shownSel_.End());
    if (now.Empty() && shownSel_.Empty()) {
        UpdateRows(layout_.RowOfPosition(shownSel_.caret), layout_.RowOfPosition(shownSel_.caret));
        UpdateRows(layout_.RowOfPosition(now.caret), layout_.RowOfPosition(now.caret));
    } else {
        UpdateRows(layout_.RowOfPosition(from), layout_.RowOfPosition(to));
    }
    shownSel_ = now;
    MarksSelectionChanged();
    if (!edit_.Updating) {
        ensureCaretVisible();
        RestartBlink();
    }
    emit caretMoved();
}

void HtmlEditView::RedrawResumed() {
    UpdateScrollBars();
    viewport()->update();
    pairStale_ = true;
    UpdateGutterWidth();
    gutter_->update();
}

void HtmlEditView::ensureCaretVisible() {
    const Position caret = edit_.Model().Sel().caret;
    const Position row = layout_.RowOfPosition(caret);
    const int visible = visibleRows();
    QScrollBar* v = verticalScrollBar();
    if (row < v->value()) {
        v->setValue(static_cast<int>(row));
    } else if (row >= v->value() + visible) {
        if (row - visible + 1 > v->maximum()) {
            UpdateScrollBars();
        }
        v->setValue(static_cast<int>(row - visible + 1));
    }
    if (wrap_) {
        return;
    }
    QScrollBar* h = horizontalScrollBar();
    const double x = layout_.XOfPosition(caret);
    const int width = viewport()->width();
    const int margin = std::min(width / 4, static_cast<int>(fonts_->Advances()['W'] * 6));
    if (x < h->value()) {
        h->setValue(std::max(0, static_cast<int>(x) - margin));
    } else if (x + 2 * kMargin > h->value() + width) {
        const int wanted = static_cast<int>(x) + margin - width;
        if (wanted > h->maximum()) {
            h->setRange(0, wanted);
        }
        h->setValue(wanted);
    }
}

void HtmlEditView::RestartBlink() {
    caretOn_ = true;
    blinks_ = 0;
    const int flash = QApplication::cursorFlashTime();
    if (flash > 0) {
        blink_.start(flash / 2, this);
    } else {
        blink_.stop();
    }
    viewport()->update(caretRect().adjusted(-1, 0, 1, 0));
}

void HtmlEditView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == blink_.timerId()) {
        // As desktop text fields do, the caret stops blinking (shown) after ten seconds without
        // input: an idle editor repaints nothing.
        constexpr int kRestAfterMs = 10000;
        const int flash = std::max(QApplication::cursorFlashTime(), 2);
        if (++blinks_ * (flash / 2) >= kRestAfterMs && !caretOn_) {
            blink_.stop();
        }
        caretOn_ = !caretOn_;
        viewport()->update(caretRect().adjusted(-1, 0, 1, 0));
    } else if (event->timerId() == autoScroll_.timerId()) {
        const QRect area = viewport()->rect();
        QScrollBar* v = verticalScrollBar();
        QScrollBar* h = horizontalScrollBar();
        if (lastMouse_.y() < area.top()) {
            v->setValue(v->value() - 1);
        } else if (lastMouse_.y() > area.bottom()) {
            v->setValue(v->value() + 1);
        }
        if (lastMouse_.x() < area.left()) {
            h->setValue(h->value() - h->singleStep());
        } else if (lastMouse_.x() > area.right()) {
            h->setValue(h->value() + h->singleStep());
        }
        const QPoint inside(std::clamp(lastMouse_.x(), area.left(), area.right()),
                            std::clamp(lastMouse_.y(), area.top(), area.bottom()));
        Model().SetSelection(Model().Sel().anchor, positionAt(inside));
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void HtmlEditView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    RestartBlink();
    viewport()->update();
}

void HtmlEditView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    viewport()->update();
}

bool HtmlEditView::focusNextPrevChild(bool) {
    return false;
} // Tab is a character here

// --- keyboard ---

bool HtmlEditView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Plain typing and editing keys belong to the text, whatever the menus bind.
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const bool plain = mods == Qt::NoModifier || mods == Qt::ShiftModifier;
        const bool editing = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Home ||
                             key->key() == Qt::Key_End || key->key() == Qt::Key_Left ||
                             key->key() == Qt::Key_Right || key->key() == Qt::Key_Up ||
                             key->key() == Qt::Key_Down || key->key() == Qt::Key_Tab ||
                             (key->key() == Qt::Key_Delete && mods == Qt::NoModifier);
        if (plain && (IsPrintable(key->text()) || editing)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool HtmlEditView::HandleShortcut(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_Insert && (mods & Qt::ShiftModifier)) {
        paste(); // Shift with any other modifiers
    } else if (e->key() == Qt::Key_Insert && mods == Qt::ControlModifier) {
        copy();
    } else if (e->key() == Qt::Key_Delete && mods == Qt::ShiftModifier) {
        cut();
    } else if (e->matches(QKeySequence::Copy)) {
        copy();
    } else if (e->matches(QKeySequence::Cut)) {
        cut();
    } else if (e->matches(QKeySequence::Paste)) {
        paste();
    } else if (e->matches(QKeySequence::Undo)) {
        undo();
    } else if (e->matches(QKeySequence::Redo) ||
               (e->key() == Qt::Key_Y && mods == Qt::ControlModifier) ||
               (e->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier))) {
        redo();
    } else if (e->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else {
        return false;
    }
    return true;
}

bool HtmlEditView::HandleMovement(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    TextModel& model = Model();
    const Position caret = model.Sel().caret;
    auto moveTo = [&](Position target) {
        model.SetSelection(shift ? model.Sel().anchor : target, target);
    };
    auto rowsDown = [&](Position rows) {
        // Vertical moves go by rows on screen and keep the x where they started.
        static double stickyX = 0;
        static Position expected = -1;
        if (expected != caret) {
            stickyX = layout_.XOfPosition(caret);
        }
        const Position row =
            std::clamp<Position>(layout_.RowOfPosition(caret) + rows, 0, layout_.RowCount() - 1);
        const Position target = layout_.PositionAtX(row, stickyX);
        moveTo(target);
        expected = model.Sel().caret;
    };
    switch (e->key()) {
    case Qt::Key_Left:
        if (!shift && !model.Sel().Empty() && !ctrl) {
            model.SetCaret(model.SelStart());
        } else {
            model.MoveCaret(ctrl ? Move::WordLeft : Move::CharLeft, shift);
        }
        return true;
    case Qt::Key_Right:
        if (!shift && !model.Sel().Empty() && !ctrl) {
            model.SetCaret(model.SelEnd());
        } else {
            model.MoveCaret(ctrl ? Move::WordRight : Move::CharRight, shift);
        }
        return true;
    case Qt::Key_Up:
        rowsDown(-1);
        return true;
    case Qt::Key_Down:
        rowsDown(1);
        return true;
    case Qt::Key_PageUp:
        verticalScrollBar()->setValue(verticalScrollBar()->value() - visibleRows());
        rowsDown(-visibleRows());
        return true;
    case Qt::Key_PageDown:
        verticalScrollBar()->setValue(verticalScrollBar()->value() + visibleRows());
        rowsDown(visibleRows());
        return true;
    case Qt::Key_Home:
        if (ctrl) {
            model.MoveCaret(Move::DocumentStart, shift);
        } else {
            moveTo(layout_.RowStart(layout_.RowOfPosition(caret)));
        }
        return true;
    case Qt::Key_End:
        if (ctrl) {
            model.MoveCaret(Move::DocumentEnd, shift);
        } else {
            moveTo(layout_.PositionAtX(layout_.RowOfPosition(caret), 1e18));
        }
        return true;
    default:
        return false;
    }
}

void HtmlEditView::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const KeyModifiers km{bool(mods & Qt::ShiftModifier), bool(mods & Qt::ControlModifier),
                          bool(mods & Qt::AltModifier)};
    TextModel& model = Model();
    switch (e->key()) {
    case Qt::Key_Insert:
        if (keys_.KeyDown(EditKey::Insert, km)) {
            emit overwriteChanged(model.Overwrite());
            RestartBlink();
            return;
        }
        break;
    case Qt::Key_Delete:
        if (keys_.KeyDown(EditKey::Delete, km)) {
            ensureCaretVisible();
            return;
        }
        break;
    case Qt::Key_Tab:
        keys_.KeyDown(EditKey::Tab, km); // the tab goes in when the key is released
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        keys_.KeyDown(EditKey::Enter, km);
        model.Type("\r\n");
        ensureCaretVisible();
        return;
    default:
        break;
    }
    if (HandleShortcut(e) || HandleMovement(e)) {
        ensureCaretVisible();
        RestartBlink();
        return;
    }
    if (e->key() == Qt::Key_Backspace) {
        if (mods & Qt::ControlModifier && model.Sel().Empty()) {
            model.MoveCaret(Move::WordLeft, true);
        }
        model.Backspace();
    } else if (e->key() == Qt::Key_Delete && !(mods & Qt::AltModifier)) {
        if (mods & Qt::ControlModifier && model.Sel().Empty()) {
            model.MoveCaret(Move::WordRight, true);
        }
        model.DeleteForward();
    } else if (!(mods & Qt::ControlModifier) && IsPrintable(e->text())) {
        TypeText(e->text());
    } else {
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    ensureCaretVisible();
    RestartBlink();
}

void HtmlEditView::keyReleaseEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const KeyModifiers km{bool(mods & Qt::ShiftModifier), bool(mods & Qt::ControlModifier),
                          bool(mods & Qt::AltModifier)};
    if (e->key() == Qt::Key_Tab) {
        keys_.KeyUp(EditKey::Tab, km);
    } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        keys_.KeyUp(EditKey::Enter, km);
    } else {
        QAbstractScrollArea::keyReleaseEvent(e);
        return;
    }
    ensureCaretVisible();
}

void HtmlEditView::TypeText(const QString& text) {
    TypeIntoControl(edit_, ToDocument(text, Model().Utf8()));
}

void HtmlEditView::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        TypeText(event->commitString());
    }
    preedit_ = event->preeditString();
    viewport()->update();
    ensureCaretVisible();
    event->accept();
}

QVariant HtmlEditView::inputMethodQuery(Qt::InputMethodQuery query) const {
    const TextModel& model = edit_.Model();
    const Position caret = model.Sel().caret;
    const Position lineStart = model.LineStart(model.LineFromPosition(caret));
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return caretRect();
    case Qt::ImFont:
        return fonts_->Font();
    case Qt::ImCursorPosition:
        return static_cast<int>(caret - lineStart);
    case Qt::ImAnchorPosition:
        return static_cast<int>(
            std::clamp(model.Sel().anchor - lineStart, Position{0}, caret - lineStart + 4096));
    case Qt::ImSurroundingText: {
        const Position end = model.LineEnd(model.LineFromPosition(caret));
        return FromDocument(model.GetText(lineStart, std::min<Position>(end - lineStart, 4096)),
                            model.Utf8());
    }
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// --- clipboard and history ---

void HtmlEditView::copy() {
    if (Model().SelLength() > 0) {
        QApplication::clipboard()->setMimeData(SelectionMime());
    }
}

void HtmlEditView::cut() {
    if (Model().SelLength() > 0) {
        copy();
        Model().ReplaceSelection({});
    }
}

void HtmlEditView::paste() {
    edit_.PasteColored();
    ensureCaretVisible();
}

void HtmlEditView::selectAll() {
    Model().Select(0, Model().Length());
}

void HtmlEditView::undo() {
    edit_.Undo();
    ensureCaretVisible();
}

void HtmlEditView::redo() {
    edit_.Redo();
    ensureCaretVisible();
}

QMimeData* HtmlEditView::SelectionMime() const {
    auto* mime = new QMimeData;
    mime->setText(FromDocument(edit_.Model().SelText(), edit_.Model().Utf8()));
    return mime;
}

// --- mouse ---

void HtmlEditView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    TextModel& model = Model();
    const Position pos = positionAt(event->position().toPoint());
    const bool triple = sinceDoubleClick_.isValid() &&
                        sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval() &&
                        (event->position().toPoint() - doubleClickPoint_).manhattanLength() <
                            QApplication::startDragDistance();
    if (triple) {
        const TextModel::Range line = model.LineRangeAt(pos);
        model.Select(line.position, line.length);
        sinceDoubleClick_.invalidate();
        press_ = Press::None;
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        model.SetSelection(model.Sel().anchor, pos);
        press_ = Press::Select;
    } else if (!model.Sel().Empty() && pos >= model.SelStart() && pos < model.SelEnd()) {
        press_ = Press::MaybeDrag; // a press inside the selection may start dragging it
        pressPoint_ = event->position().toPoint();
    } else {
        model.SetCaret(pos);
        press_ = Press::Select;
    }
}

void HtmlEditView::mouseMoveEvent(QMouseEvent* event) {
    lastMouse_ = event->position().toPoint();
    if (!(event->buttons() & Qt::LeftButton)) {
        return;
    }
    if (press_ == Press::MaybeDrag) {
        if ((lastMouse_ - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
            press_ = Press::None;
            StartDrag();
        }
        return;
    }
    if (press_ != Press::Select) {
        return;
    }
    if (viewport()->rect().contains(lastMouse_)) {
        autoScroll_.stop();
        Model().SetSelection(Model().Sel().anchor, positionAt(lastMouse_));
    } else if (!autoScroll_.isActive()) {
        autoScroll_.start(40, this);
    }
}

void HtmlEditView::mouseReleaseEvent(QMouseEvent* event) {
    autoScroll_.stop();
    if (press_ == Press::MaybeDrag) {
        Model().SetCaret(positionAt(event->position().toPoint()));
    }
    press_ = Press::None;
}

void HtmlEditView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const TextModel::Range word = Model().WordAt(positionAt(event->position().toPoint()));
    Model().Select(word.position, word.length);
    sinceDoubleClick_.start();
    doubleClickPoint_ = event->position().toPoint();
    press_ = Press::None;
}

void HtmlEditView::contextMenuEvent(QContextMenuEvent* event) {
    if (!menuProvider_) {
        return;
    }
    if (QMenu* menu = menuProvider_()) {
        menu->exec(event->globalPos());
    }
}

// --- drag and drop ---

void HtmlEditView::StartDrag() {
    auto* drag = new QDrag(this);
    drag->setMimeData(SelectionMime());
    droppedHere_ = false;
    const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    if (action == Qt::MoveAction && !droppedHere_ && Model().SelLength() > 0) {
        Model().ReplaceSelection({}); // moved into another program
    }
}

void HtmlEditView::dragEnterEvent(QDragEnterEvent* event) {
    // Files dropped on the editor are the main window's business.
    if (event->mimeData()->hasText() && !event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void HtmlEditView::dragMoveEvent(QDragMoveEvent* event) {
    dropCaret_ = positionAt(event->position().toPoint());
    if (event->source() == this && !(event->modifiers() & Qt::ControlModifier)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
    viewport()->update();
}

void HtmlEditView::dragLeaveEvent(QDragLeaveEvent*) {
    dropCaret_ = -1;
    viewport()->update();
}

void HtmlEditView::dropEvent(QDropEvent* event) {
    dropCaret_ = -1;
    const Position at = positionAt(event->position().toPoint());
    const bool move = event->source() == this && event->dropAction() == Qt::MoveAction;
    dropText(event->mimeData()->text(), at, move);
    if (event->source() == this) {
        droppedHere_ = true;
    }
    event->acceptProposedAction();
    if (move) {
        event->setDropAction(Qt::MoveAction);
    }
    setFocus(Qt::OtherFocusReason);
}

void HtmlEditView::dropText(const QString& text, Position at, bool moveSelection) {
    TextModel& model = Model();
    const std::string bytes = ToDocument(text, model.Utf8());
    UndoGroup group(model);
    if (moveSelection) {
        const Position start = model.SelStart();
        const Position length = model.SelLength();
        if (at >= start && at <= start + length) {
            return; // dropped onto itself
        }
        model.ReplaceSelection({});
        if (at > start) {
            at -= length;
        }
    }
    model.SetCaret(at);
    const Position before = model.Length();
    edit_.InsertText(bytes);
    const Position inserted = model.Length() - before;
    model.Select(model.SelStart() - inserted, inserted);
}

} // namespace zn::editor::ui
