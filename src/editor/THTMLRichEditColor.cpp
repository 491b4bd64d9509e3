// Syntax highlighting of the HTML text control, and the insertions that colour what they bring.
#include "editor/THTMLRichEdit.h"

namespace zn::editor {

void THTMLRichEdit::ColorRange(Position start, Position length, ColorKind kind,
                               bool keepSelection) {
    if (length > 0) {
        model_.SetColors(start, length, kind);
        if (!keepSelection) {
            model_.Select(start, length);
        }
        return;
    }
    // An empty range only sets the colour of text typed there.
    if (!keepSelection) {
        model_.SetCaret(start);
        model_.SetInsertionColor(kind);
    } else if (model_.Sel().Empty() && model_.SelStart() == start) {
        model_.SetInsertionColor(kind);
    }
}

void THTMLRichEdit::PaintTag(TextModel::ColorPainter& painter, Position c, std::string_view text) {
    ParseTagLayout(text, layout_);
    painter.Paint(c - 1, 1, ColorKind::Tag);
    painter.Paint(c + layout_.nameOffset, layout_.nameLength, ColorKind::Tag);
    for (const TagLayout::Attribute& attr : layout_.attributes) {
        // The name runs on over the blanks and "=" up to the value.
        const Position nameLength =
            attr.valueOffset >= 0 ? attr.valueOffset - attr.nameOffset : attr.nameLength;
        painter.Paint(c + attr.nameOffset, nameLength, ColorKind::Parameter);
        if (attr.valueOffset >= 0) {
            painter.Paint(c + attr.valueOffset, attr.valueLength, ColorKind::Value);
        }
    }
    painter.Paint(c + static_cast<Position>(text.size()), 1, ColorKind::Tag);
}

void THTMLRichEdit::ColorTag(Position contentStart, std::string_view tagText) {
    TextModel::ColorPainter painter(model_);
    PaintTag(painter, contentStart, tagText);
}

void THTMLRichEdit::ColorCurrentTag() {
    Updating = true;
    {
        TextModel::ColorPainter painter(model_);
        PaintTag(painter, TagStart, CurrentTagText);
        // The plain text after the tag, up to the next tag, loses any tag colour it had.
        const Position close = TagStart + static_cast<Position>(CurrentTagText.size());
        if (const std::optional<FoundTag> next = NextTagAt(close)) {
            painter.Paint(close + 1, next->contentStart - 1 - (close + 1), ColorKind::Text);
        }
    }
    Updating = false;
}

void THTMLRichEdit::ColorPass(Position from, std::optional<Position> to) {
    if (!SyntaxHighLighting) {
        return;
    }
    Busy(true);
    model_.BeginUpdate();
    Updating = true;
    Silent = true;
    {
        TextModel::ColorPainter painter(model_);
        const TextStore::Scanner scanner(model_.Store());
        std::string text;
        for (std::optional<FoundTag> tag = NextTag(scanner, from); tag;
             tag = NextTag(scanner, tag->contentStart + 1)) {
            scanner.CopyText(tag->contentStart, tag->TextLength(), text);
            PaintTag(painter, tag->contentStart, text);
            if (to && tag->contentStart > *to - 2) {
                break;
            }
        }
    }
    Updating = false;
    Silent = false;
    model_.EndUpdate();
    AfterSelectionRestored();
    Busy(false);
}

void THTMLRichEdit::ColorAll() {
    ColorPass(0, std::nullopt);
}

void THTMLRichEdit::ColorFrom(Position from, Position to) {
    ColorPass(from, to);
}

void THTMLRichEdit::AfterSelectionRestored() {
    // Putting the selection back takes the typing colour from the text, as any selection does.
    model_.RefreshInsertionColor();
    if (model_.Sel().Empty() && !InTag) {
        model_.SetInsertionColor(ColorKind::Text);
    }
}

void THTMLRichEdit::Uncolor() {
    model_.SetColors(0, model_.Length(), ColorKind::Text);
    model_.SetCaret(0);
    AfterSelectionRestored();
}

void THTMLRichEdit::Undo() {
    UndoOrRedo(true);
}

void THTMLRichEdit::Redo() {
    UndoOrRedo(false);
}

void THTMLRichEdit::UndoOrRedo(bool undo) {
    trackChanges_ = true;
    changedFrom_ = model_.Length();
    changedTo_ = -1;
    if (undo) {
        model_.Undo();
    } else {
        model_.Redo();
    }
    trackChanges_ = false;
    if (changedTo_ < 0) {
        return;
    }
    // From the tag the change may have begun in.
    const Position back = model_.Store().FindLastOf('<', '>', changedFrom_);
    const Position from = (back >= 0 && model_.CharAt(back) == '<') ? back : changedFrom_;
    ColorFrom(from, std::min(changedTo_, model_.Length()));
}

void THTMLRichEdit::InsertText(std::string_view text) {
    const Position start = model_.SelStart();
    model_.ReplaceSelection(text);
    ColorFrom(start, model_.SelStart());
}

void THTMLRichEdit::SurroundSelection(std::string_view before, std::string_view after) {
    UndoGroup group(model_);
    const Position p = model_.SelStart();
    const Position n = model_.SelLength();
    model_.SetCaret(p);
    model_.ReplaceSelection(before);
    const Position inner = model_.SelStart(); // p + length of `before` as inserted
    ColorFrom(p, inner);
    if (n > 0) {
        model_.SetCaret(inner + n);
        model_.ReplaceSelection(after);
        ColorFrom(inner + n, model_.SelStart());
        model_.Select(inner, n);
    } else {
        model_.ReplaceSelection(after);
        const Position end = model_.SelStart();
        model_.SetCaret(inner);
        ColorFrom(inner, end);
    }
}

void THTMLRichEdit::PasteColored() {
    const std::string text = ClipboardText ? ClipboardText() : std::string();
    const Position start = model_.SelStart();
    model_.ReplaceSelection(text);
    ColorFrom(start, model_.SelStart());
}

} // namespace zn::editor
