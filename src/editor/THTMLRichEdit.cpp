// Tag tracking of the HTML text control: the current tag and the edits made on tags.
#include "editor/THTMLRichEdit.h"

#include "base/TextCase.h"

#include <algorithm>

namespace zn::editor {

using base::AsciiCase;
using base::SameTextCZ;
using base::UpperCaseCZ;

namespace {

bool DigitsOnly(std::string_view value) {
    return std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Quoted(std::string_view value) {
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

/// One leading and one trailing double quote removed, each only when present.
std::string StripQuotes(std::string_view value) {
    if (!value.empty() && value.front() == '"') {
        value.remove_prefix(1);
    }
    if (!value.empty() && value.back() == '"') {
        value.remove_suffix(1);
    }
    return std::string(value);
}

/// A value for a place that had no value: bare when digits only, else in double quotes as is.
std::string BareOrQuoted(std::string_view value) {
    return DigitsOnly(value) ? std::string(value) : "\"" + std::string(value) + "\"";
}

std::string UpperName(std::string_view tagText) {
    std::string name;
    Position offset = 0;
    TTagParameters ignored;
    ParseTag(tagText, name, offset, ignored);
    return UpperCaseCZ(name);
}

} // namespace

THTMLRichEdit::THTMLRichEdit() {
    model_.AddObserver(this);
}

THTMLRichEdit::~THTMLRichEdit() {
    model_.RemoveObserver(this);
}

void THTMLRichEdit::TextChanged(const TextChange& change) {
    if (CompletionClose >= 0) {
        if (change.reset || (change.removedLength > 0 && change.position <= CompletionClose &&
                             CompletionClose < change.position + change.removedLength)) {
            CompletionClose = -1;
        } else if (change.position <= CompletionClose) {
            CompletionClose += change.insertedLength - change.removedLength;
        }
    }
    if (trackChanges_) {
        if (change.position <= changedTo_) {
            changedTo_ += change.insertedLength - change.removedLength;
        }
        changedFrom_ = std::min(changedFrom_, change.position);
        changedTo_ = std::max(changedTo_, change.position + change.insertedLength);
    }
    UpdateCurrentTag();
    if (OnChange) {
        OnChange();
    }
}

void THTMLRichEdit::SelectionChanged() {
    UpdateCurrentTag();
    if (!Updating && model_.Sel().Empty() && !InTag) {
        model_.SetInsertionColor(ColorKind::Text);
    }
    if (OnSelectionChange) {
        OnSelectionChange();
    }
}

bool THTMLRichEdit::FindTagAround(Position p, Position& tagStart, std::string& tagText) const {
    tagText.clear();
    const Position length = model_.Length();
    if (p <= 0 || p >= length) {
        return false;
    }
    // Back to the nearest "<" or ">": only a "<" opens a tag around p.
    const Position back = model_.Store().FindLastOf('<', '>', p);
    if (back < 0 || model_.CharAt(back) != '<') {
        return false;
    }
    // Ahead, a ">" must come before any "<".
    const Position lt = model_.FindChar('<', p, length);
    const Position gt = model_.FindChar('>', p, lt < 0 ? length : lt);
    if (gt < 0) {
        return false;
    }
    tagStart = back + 1;
    tagText = model_.GetText(tagStart, gt - tagStart);
    return true;
}

void THTMLRichEdit::UpdateCurrentTag() {
    if (Updating) {
        return;
    }
    const Position oldStart = TagStart;
    const std::string oldText = CurrentTagText;
    const bool inTag = FindTagAround(model_.SelStart(), TagStart, CurrentTagText);
    ParseTag(CurrentTagText, CurrentTagName, NameOffset, Parameters);
    if (SyntaxHighLighting && !CurrentTagText.empty() &&
        (TagStart != oldStart || CurrentTagText != oldText)) {
        ColorCurrentTag();
    }
    if (inTag != InTag) {
        InTag = inTag;
        ReportedTagText.clear();
        if (model_.Sel().Empty()) {
            model_.SetInsertionColor(ColorKind::Text);
        }
    } else if (CurrentTagText == ReportedTagText) {
        return;
    } else {
        ReportedTagText = CurrentTagText;
    }
    if (!Silent && OnTagChange) {
        OnTagChange();
    }
}

bool THTMLRichEdit::GetAttributeValue(std::string_view name, std::string& value) const {
    return AttributeValue(Parameters, name, value);
}

void THTMLRichEdit::SetAttribute(std::string_view name, std::string_view value, bool upperCase,
                                 bool typed) {
    if (!InTag) {
        return;
    }
    Position offset = 0;
    Position removed = 0;
    std::string text;
    if (name.empty()) {
        offset = NameOffset;
        removed = static_cast<Position>(CurrentTagName.size());
        text = AsciiCase(value, upperCase);
    } else {
        auto found =
            std::find_if(Parameters.begin(), Parameters.end(),
                         [&](const TTagParameter& p) { return SameTextCZ(p.ParamName, name); });
        if (found != Parameters.end() && found->ValueOffset >= 0) {
            offset = found->ValueOffset;
            removed = static_cast<Position>(found->ParamValue.size());
            text =
                Quoted(found->ParamValue) ? "\"" + StripQuotes(value) + "\"" : BareOrQuoted(value);
        } else if (found != Parameters.end() && found->EqualsOffset >= 0) {
            offset = found->EqualsOffset + 1;
            text = BareOrQuoted(value);
        } else if (found != Parameters.end()) {
            if (value.empty()) {
                return;
            }
            offset = found->NameOffset + static_cast<Position>(found->ParamName.size());
            text = "=" + BareOrQuoted(value);
        } else {
            offset = Parameters.empty() ? NameOffset + static_cast<Position>(CurrentTagName.size())
                                        : Parameters.back().EndOffset();
            text = " " + AsciiCase(name, upperCase);
            if (!value.empty()) {
                text += "=" +
                        (DigitsOnly(value) ? std::string(value) : "\"" + StripQuotes(value) + "\"");
            }
        }
    }
    if (typed) {
        StartTypedAttribute(name);
        ReplaceTyped(TagStart + offset, removed, text);
    } else {
        ReplaceRange(TagStart + offset, removed, text);
    }
    UpdateCurrentTag();
}

void THTMLRichEdit::StartTypedAttribute(std::string_view name) {
    if (typedTag_ != TagStart || !SameTextCZ(typedAttribute_, name)) {
        model_.BreakUndoMerge();
        typedAttribute_ = name;
        typedTag_ = TagStart;
    }
}

void THTMLRichEdit::ReplaceTyped(Position start, Position length, std::string_view text) {
    const std::string old = model_.GetText(start, length);
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < text.size() && old[prefix] == text[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < text.size() - prefix &&
           old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix]) {
        ++suffix;
    }
    Updating = true;
    model_.Replace(start + static_cast<Position>(prefix),
                   static_cast<Position>(old.size() - prefix - suffix),
                   text.substr(prefix, text.size() - prefix - suffix), Coalesce::Field);
    Updating = false;
}

void THTMLRichEdit::RemoveAttribute(std::string_view name, bool typed) {
    auto found = std::find_if(Parameters.begin(), Parameters.end(), [&](const TTagParameter& p) {
        return SameTextCZ(p.ParamName, name);
    });
    if (found == Parameters.end()) {
        return;
    }
    // The blank before the name goes too. After a closing quote there is no blank, and taking
    // the quote would break the value before.
    Position start = found->NameOffset;
    if (start > 0 && IsTagBlank(model_.CharAt(TagStart + start - 1))) {
        --start;
    }
    const Position end = found->EndOffset();
    const Position before = model_.Length();
    if (typed) {
        StartTypedAttribute(name);
        ReplaceTyped(TagStart + start, end - start, {});
    } else {
        ReplaceRange(TagStart + start, end - start, {});
    }
    const Position removed = before - model_.Length();
    found = Parameters.erase(found);
    for (auto it = found; it != Parameters.end(); ++it) {
        it->NameOffset -= removed;
        if (it->ValueOffset >= 0) {
            it->ValueOffset -= removed;
        }
        if (it->EqualsOffset >= 0) {
            it->EqualsOffset -= removed;
        }
    }
    if (typed) {
        UpdateCurrentTag();
    }
}

void THTMLRichEdit::ReplaceRange(Position start, Position length, std::string_view text) {
    UndoGroup group(model_);
    Updating = true;
    // A range that would split a CR LF pair takes the whole pair.
    const Position from = model_.Snap(start);
    const Position to = length > 0 ? std::max(from, model_.Snap(start + length, true)) : from;
    model_.Select(from, to - from);
    model_.ReplaceSelection(text); // leaves the caret after the new text
    Updating = false;
}

bool THTMLRichEdit::GetTagBounds(Position p, Position& open, Position& close) const {
    Position start = 0;
    std::string text;
    if (!FindTagAround(p, start, text)) {
        return false;
    }
    open = start - 1;
    close = start + static_cast<Position>(text.size()) + 1;
    return true;
}

std::optional<FoundTag> THTMLRichEdit::NextTagAt(Position start) const {
    return NextTag(ModelSource{model_}, start);
}

std::string THTMLRichEdit::TagText(const FoundTag& tag) const {
    return model_.GetText(tag.contentStart, tag.TextLength());
}

std::optional<Position> THTMLRichEdit::NextTagInControl(Position start,
                                                        std::string& tagText) const {
    tagText.clear();
    const std::optional<FoundTag> tag = NextTagAt(start);
    if (!tag) {
        return std::nullopt;
    }
    tagText = TagText(*tag);
    return tag->contentStart;
}

bool THTMLRichEdit::FindClosingTag(Position p, Position& open, Position& close) const {
    Position start = 0;
    std::string text;
    if (!FindTagAround(p, start, text)) {
        return false;
    }
    const std::string name = UpperName(text);
    const std::string closing = "/" + name;
    int depth = 0;
    for (std::optional<FoundTag> tag = NextTagAt(p); tag; tag = NextTagAt(tag->contentStart + 1)) {
        const std::string other = UpperName(TagText(*tag));
        if (other == name) {
            ++depth;
        } else if (other == closing) {
            if (depth == 0) {
                open = tag->contentStart - 1;
                close = tag->contentStart + tag->TextLength() + 1;
                return true;
            }
            --depth;
        }
    }
    return false;
}

void THTMLRichEdit::SelectTagPair(Position p, bool whole) {
    Position open = 0, openEnd = 0, close = 0, closeEnd = 0;
    if (!GetTagBounds(p, open, openEnd) || !FindClosingTag(p, close, closeEnd)) {
        return;
    }
    if (whole) {
        model_.Select(open, closeEnd - open);
    } else {
        model_.Select(openEnd, close - openEnd);
    }
}

void THTMLRichEdit::RenameTagPair(Position p, std::string_view newName, bool upperCase) {
    Position start = 0;
    std::string text;
    if (!FindTagAround(p, start, text)) {
        return;
    }
    UndoGroup group(model_);
    const std::string name = AsciiCase(newName, upperCase);
    std::string oldName;
    Position nameOffset = 0;
    TTagParameters ignored;
    Position close = 0, closeEnd = 0;
    if (FindClosingTag(p, close, closeEnd)) {
        ParseTag(model_.GetText(close + 1, closeEnd - close - 2), oldName, nameOffset, ignored);
        ReplaceRange(close + 1 + nameOffset, static_cast<Position>(oldName.size()), "/" + name);
    }
    ParseTag(text, oldName, nameOffset, ignored);
    ReplaceRange(start + nameOffset, static_cast<Position>(oldName.size()), name);
    model_.SetCaret(start);
}

void THTMLRichEdit::RemoveTagPair(Position p) {
    Position open = 0, openEnd = 0;
    if (!GetTagBounds(p, open, openEnd)) {
        return;
    }
    UndoGroup group(model_);
    Position close = 0, closeEnd = 0;
    if (FindClosingTag(p, close, closeEnd)) {
        ReplaceRange(close, closeEnd - close, {});
    }
    ReplaceRange(open, openEnd - open, {});
}

std::optional<Position> THTMLRichEdit::FindTagStart(std::string_view name, Position start) const {
    for (std::optional<FoundTag> tag = NextTagAt(start); tag;
         tag = NextTagAt(tag->contentStart + 1)) {
        if (SameTextCZ(UpperName(TagText(*tag)), name)) {
            return tag->contentStart - 1;
        }
    }
    return std::nullopt;
}

std::optional<Position> THTMLRichEdit::FindTagEnd(std::string_view name, Position start) const {
    for (std::optional<FoundTag> tag = NextTagAt(start); tag;
         tag = NextTagAt(tag->contentStart + 1)) {
        if (SameTextCZ(UpperName(TagText(*tag)), name)) {
            return tag->contentStart + tag->TextLength() + 1;
        }
    }
    return std::nullopt;
}

void THTMLRichEdit::Busy(bool busy) const {
    if (OnBusy) {
        OnBusy(busy);
    }
}

} // namespace zn::editor
