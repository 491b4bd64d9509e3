// The Qt view of the HTML text control: paints the model and turns keys and mouse into edits.
#pragma once

#include "editor/DocumentKeys.h"
#include "editor/THTMLRichEdit.h"
#include "editor/TagPair.h"
#include "editor/TextLayout.h"
#include "editor/ui/FontTable.h"
#include "editor/ui/RowPainter.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QPointer>
#include <QRegion>
#include <QScrollBar>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QMimeData;

namespace zn::editor::ui {

class LineGutter;

/// A scroll area that paints the text model directly (no second copy of the text): only the
/// visible rows, in the colours the model holds. Both scroll bars are always shown and the
/// selection stays visible without focus.
class HtmlEditView : public QAbstractScrollArea, private TextObserver {
    Q_OBJECT

public:
    explicit HtmlEditView(THTMLRichEdit& edit, QWidget* parent = nullptr);
    ~HtmlEditView() override;

    THTMLRichEdit& Edit() { return edit_; }
    TextModel& Model() { return edit_.Model(); }
    const TextLayout& Layout() const { return layout_; }
    DocumentKeys& Keys() { return keys_; }
    const FontTable& Fonts() const { return *fonts_; }

    void setEditorFont(const QFont& font);
    void setWordWrap(bool on);
    bool wordWrap() const { return wrap_; }
    /// The font colour and the background; the tag colours come from the control.
    void setTextColors(const QColor& text, const QColor& background);
    QColor textColor() const { return palette_.text; }
    QColor backgroundColor() const { return palette_.background; }
    /// Case of the list items started after Enter.
    void setUpperCaseTags(bool on) { upperCaseTags_ = on; }
    /// The context menu shown on a right click (built anew by the provider each time).
    void setContextMenuProvider(std::function<QMenu*()> provider) {
        menuProvider_ = std::move(provider);
    }

    void copy();
    void cut();
    void paste();
    void selectAll();
    void undo();
    void redo();
    void ensureCaretVisible();
    /// Text dropped at a position (Unicode, as from another program). With `moveSelection` the
    /// selection is moved there (a drag inside the control); one undo step either way.
    void dropText(const QString& text, Position at, bool moveSelection);

    /// Where the caret is drawn, in viewport coordinates.
    QRect caretRect() const;
    /// The caret position under a point of the viewport.
    Position positionAt(const QPoint& point) const;
    /// Line numbers in a gutter left of the text.
    void setLineNumbers(bool on);
    bool lineNumbers() const { return lineNumbers_; }
    /// The tag under the caret and its partner as the last paint showed them.
    std::optional<TagPairRanges> shownTagPair() const { return pair_; }
    /// The row y of the viewport (the gutter paints beside it).
    double rowY(Position row) const { return RowY(row); }

    /// The region of the viewport the last paint covered (tests look at it).
    QRegion lastPaintedRegion() const { return lastPainted_; }
    Position topRow() const { return verticalScrollBar()->value(); }
    int visibleRows() const;

signals:
    void overwriteChanged(bool overwrite);
    void caretMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // model notifications
    void TextChanged(const TextChange& change) override;
    void ColorsChanged(Position position, Position length) override;
    void SelectionChanged() override;
    void RedrawResumed() override;

    bool HandleShortcut(QKeyEvent* event);
    bool HandleMovement(QKeyEvent* event);
    void TypeText(const QString& text);
    void UpdateRows(Position first, Position last);
    void UpdateScrollBars();
    void UpdateWrapWidth();
    void RestartBlink();
    double RowY(Position row) const;
    Position RowAtY(int y) const;
    void StartDrag();
    QMimeData* SelectionMime() const;
    // line numbers, the caret's line and the tag pair (HtmlEditViewMarks.cpp)
    void PaintMarks(QPainter& painter, Position first, Position last, double scrollX);
    void PaintRangeBackground(QPainter& painter, Position from, Position to, Position first,
                              Position last, double scrollX, const QColor& color);
    void UpdatePositionRows(Position from, Position to);
    void MarksTextChanged(const TextChange& change);
    void MarksSelectionChanged();
    void UpdateGutterWidth();
    void PlaceGutter();

    THTMLRichEdit& edit_;
    TextLayout layout_;
    DocumentKeys keys_;
    std::unique_ptr<FontTable> fonts_;
    TextPalette palette_;
    bool wrap_ = false;
    bool upperCaseTags_ = true;
    std::function<QMenu*()> menuProvider_;

    Selection shownSel_; ///< the selection as last painted
    bool caretOn_ = true;
    QBasicTimer blink_;
    int blinks_ = 0; ///< since the last key or caret move; blinking rests after a while
    QBasicTimer autoScroll_;
    QPoint lastMouse_;
    QString preedit_;
    QRegion lastPainted_;

    enum class Press { None, Select, MaybeDrag };
    Press press_ = Press::None;
    QPoint pressPoint_;
    QElapsedTimer sinceDoubleClick_;
    QPoint doubleClickPoint_;
    bool selectingWords_ = false;
    Position dropCaret_ = -1;
    double stickyX_ = 0;      ///< x kept by vertical moves
    Position stickyFor_ = -1; ///< the caret position stickyX_ belongs to
    bool droppedHere_ = false;

    LineGutter* gutter_ = nullptr;
    bool lineNumbers_ = true;
    int gutterDigits_ = 0;
    Position markedLine_ = 0;           ///< the caret's line as highlighted
    std::optional<TagPairRanges> pair_; ///< found by the last paint
    bool pairStale_ = true;             ///< the text or caret moved since
};

} // namespace zn::editor::ui
