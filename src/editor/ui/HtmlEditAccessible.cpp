// The accessibility interfaces of the text view over its text model.
#include "editor/ui/HtmlEditAccessible.h"

#include "base/Utf8.h"
#include "editor/ui/HtmlEditView.h"

#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace zn::editor::ui {
namespace {

QString Decode(const std::string& bytes, bool utf8) {
    return QString::fromUtf8(base::DocumentToUtf8(bytes, utf8));
}

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(HtmlEditView::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new HtmlEditAccessible(static_cast<HtmlEditView*>(object));
    }
    return nullptr;
}

} // namespace

HtmlEditAccessible::HtmlEditAccessible(HtmlEditView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void HtmlEditAccessible::InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

HtmlEditView* HtmlEditAccessible::View() const {
    return static_cast<HtmlEditView*>(widget());
}

void* HtmlEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString HtmlEditAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? QStringLiteral("Zdrojový kód") : name;
    }
    if (kind == QAccessible::Value) {
        // The caret's line: the whole text of a large page is asked for by ranges instead.
        int start = 0, end = 0;
        return textAtOffset(cursorPosition(), QAccessible::LineBoundary, &start, &end);
    }
    return QAccessibleWidget::text(kind);
}

QAccessible::State HtmlEditAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.multiLine = true;
    s.selectableText = true;
    s.focusable = true;
    return s;
}

void HtmlEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const TextModel& model = View()->Edit().Model();
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && !model.Sel().Empty()) {
        *startOffset = static_cast<int>(model.SelStart());
        *endOffset = static_cast<int>(model.SelEnd());
    }
}

int HtmlEditAccessible::selectionCount() const {
    return View()->Edit().Model().Sel().Empty() ? 0 : 1;
}

void HtmlEditAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void HtmlEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        TextModel& model = View()->Edit().Model();
        model.SetCaret(model.Sel().caret);
    }
}

void HtmlEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        View()->Edit().Model().SetSelection(startOffset, endOffset);
        View()->ensureCaretVisible();
    }
}

int HtmlEditAccessible::cursorPosition() const {
    return static_cast<int>(View()->Edit().Model().Sel().caret);
}

void HtmlEditAccessible::setCursorPosition(int position) {
    View()->Edit().Model().SetCaret(position);
    View()->ensureCaretVisible();
}

QString HtmlEditAccessible::text(int startOffset, int endOffset) const {
    const TextModel& model = View()->Edit().Model();
    const Position start = std::clamp<Position>(startOffset, 0, model.Length());
    const Position end = std::clamp<Position>(endOffset, start, model.Length());
    return Decode(model.GetText(start, end - start), model.Utf8());
}

QString HtmlEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* startOffset, int* endOffset) const {
    const TextModel& model = View()->Edit().Model();
    const Position at = std::clamp<Position>(offset, 0, model.Length());
    Position start = 0;
    Position end = 0;
    switch (boundary) {
    case QAccessible::CharBoundary:
        start = at;
        end = std::min(at + 1, model.Length());
        break;
    case QAccessible::WordBoundary: {
        const TextModel::Range word = model.WordAt(at);
        start = word.position;
        end = word.position + word.length;
        break;
    }
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary: {
        const TextModel::Range line = model.LineRangeAt(at);
        start = line.position;
        end = line.position + line.length;
        break;
    }
    default:
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    }
    *startOffset = static_cast<int>(start);
    *endOffset = static_cast<int>(end);
    return text(*startOffset, *endOffset);
}

int HtmlEditAccessible::characterCount() const {
    return static_cast<int>(std::min<Position>(View()->Edit().Model().Length(), INT_MAX));
}

QRect HtmlEditAccessible::characterRect(int offset) const {
    HtmlEditView* view = View();
    const TextLayout& layout = view->Layout();
    const Position pos = std::clamp<Position>(offset, 0, view->Edit().Model().Length());
    const double x = layout.XOfPosition(pos) - view->horizontalScrollBar()->value() + 3;
    const double y = view->rowY(layout.RowOfPosition(pos));
    const QRect local =
        QRectF(x, y, view->Fonts().Advances()['x'], view->Fonts().LineHeight()).toAlignedRect();
    return QRect(view->viewport()->mapToGlobal(local.topLeft()), local.size());
}

int HtmlEditAccessible::offsetAtPoint(const QPoint& point) const {
    HtmlEditView* view = View();
    return static_cast<int>(view->positionAt(view->viewport()->mapFromGlobal(point)));
}

void HtmlEditAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
    setCursorPosition(startIndex);
}

QString HtmlEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

void HtmlEditAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void HtmlEditAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void HtmlEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    TextModel& model = View()->Edit().Model();
    const Position start = std::clamp<Position>(startOffset, 0, model.Length());
    const Position end = std::clamp<Position>(endOffset, start, model.Length());
    model.Replace(start, end - start,
                  base::Utf8ToDocument(text.toUtf8().toStdString(), model.Utf8()));
}

} // namespace zn::editor::ui
