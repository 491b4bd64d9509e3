// Editing operations of the text model and the notifications they raise.
#include "editor/TextModel.h"

#include "base/Utf8.h"
#include "editor/LineEnds.h"

#include <algorithm>

namespace zn::editor {
namespace {

enum class CharClass { Word, Blank, Break, Other };

bool IsWindows1250Letter(unsigned char c) {
    if (c >= 0xC0) {
        return c != 0xD7 && c != 0xF7; // × and ÷
    }
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8D:
    case 0x8E:
    case 0x8F:
    case 0x9A:
    case 0x9C:
    case 0x9D:
    case 0x9E:
    case 0x9F:
    case 0xA3:
    case 0xA5:
    case 0xAA:
    case 0xAF:
    case 0xB3:
    case 0xB9:
    case 0xBA:
    case 0xBC:
    case 0xBE:
    case 0xBF:
        return true;
    default:
        return false;
    }
}

CharClass ClassOf(char ch, bool utf8) {
    const auto c = static_cast<unsigned char>(ch);
    if (utf8 && c >= 0x80) {
        return CharClass::Word; // every byte of a UTF-8 letter, so words end between characters
    }
    if (c == ' ' || c == '\t') {
        return CharClass::Blank;
    }
    if (c == '\r' || c == '\n') {
        return CharClass::Break;
    }
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
        IsWindows1250Letter(c)) {
        return CharClass::Word;
    }
    return CharClass::Other;
}

/// Removed texts longer than this move into the undo record instead of being copied.
constexpr std::size_t kHandOverAbove = 4096;

/// Where a position moves when [pos, pos + len) is replaced by `inserted` characters.
Position MapPosition(Position p, Position pos, Position len, Position inserted) {
    if (p <= pos) {
        return p;
    }
    if (p >= pos + len) {
        return p - len + inserted;
    }
    return pos + inserted;
}

} // namespace

void TextModel::Load(std::string_view bytes) {
    TextChange loaded;
    loaded.removedLength = Length();
    loaded.linesRemoved = LineCount() - 1;
    store_.Assign(NormalizeLineEnds(bytes));
    loaded.insertedLength = Length();
    loaded.linesAdded = LineCount() - 1;
    loaded.reset = true;
    undo_.Clear();
    modified_ = false;
    sel_ = {};
    stickyColumn_ = -1;
    insertionColor_ = ColorKind::Text;
    NotifyText(loaded);
    NotifySelection();
}

Position TextModel::Snap(Position pos, bool forward) const {
    pos = std::clamp<Position>(pos, 0, Length());
    if (pos > 0 && pos < Length() && CharAt(pos - 1) == '\r' && CharAt(pos) == '\n') {
        return forward ? pos + 1 : pos - 1;
    }
    if (utf8_ && pos > 0 && pos < Length() &&
        base::IsUtf8Continuation(static_cast<unsigned char>(CharAt(pos)))) {
        const auto byteAt = [this](Position k) { return static_cast<unsigned char>(CharAt(k)); };
        const Position start = base::Utf8UnitStart(byteAt, pos, Length());
        if (start != pos) {
            return forward ? start + base::Utf8LeadLength(byteAt(start)) : start;
        }
    }
    return pos;
}

void TextModel::SetSelection(Position anchor, Position caret) {
    ChangeSelection({Snap(anchor), Snap(caret)});
}

void TextModel::ChangeSelection(const Selection& sel, bool keepSticky) {
    if (!keepSticky) {
        stickyColumn_ = -1;
    }
    if (sel == sel_) {
        return;
    }
    undo_.BreakCoalescing();
    sel_ = sel;
    UpdateInsertionColor();
    NotifySelection();
}

void TextModel::UpdateInsertionColor() {
    // As in a rich-edit control: text typed at a caret takes the colour of the character before
    // it; text typed over a selection takes the colour of the first selected character.
    if (sel_.Empty()) {
        insertionColor_ = sel_.caret > 0 ? ColorAt(sel_.caret - 1) : ColorKind::Text;
    } else {
        insertionColor_ = ColorAt(sel_.Start());
    }
}

TextChange TextModel::ApplyToStore(Position pos, std::string_view removed, std::string_view text,
                                   ColorKind color, const Selection* after) {
    const auto len = static_cast<Position>(removed.size());
    TextChange change;
    change.position = pos;
    change.removedLength = len;
    change.insertedLength = static_cast<Position>(text.size());
    // The store counts line feeds before any position, so a long text is not scanned for them.
    change.firstLine = LineFromPosition(pos);
    change.linesRemoved = LineFromPosition(pos + len) - change.firstLine;
    change.removedText = removed;

    store_.Replace(pos, len, text, static_cast<std::uint8_t>(color));
    change.linesAdded = LineFromPosition(pos + change.insertedLength) - change.firstLine;
    // Undo and redo have moved the history already: back at the saved text nothing is modified.
    modified_ = !replaying_ || !undo_.AtSaved();

    if (after != nullptr) {
        sel_ = {Snap(after->anchor), Snap(after->caret)};
    } else {
        sel_ = {MapPosition(sel_.anchor, pos, len, change.insertedLength),
                MapPosition(sel_.caret, pos, len, change.insertedLength)};
    }
    UpdateInsertionColor();
    return change;
}

void TextModel::Announce(const TextChange& change, const Selection& old) {
    NotifyText(change);
    if (sel_ != old) {
        NotifySelection();
    }
}

void TextModel::ApplyReplacement(Position pos, std::string_view removed, std::string_view text,
                                 ColorKind color, const Selection* after) {
    const Selection old = sel_;
    Announce(ApplyToStore(pos, removed, text, color, after), old);
}

void TextModel::RecordAndApply(Position pos, Position len, std::string text, Selection after,
                               Coalesce coalesce) {
    if (len == 0 && text.empty()) {
        ChangeSelection(after);
        return;
    }
    std::string removed = GetText(pos, len);
    const Selection before = sel_;
    stickyColumn_ = -1;
    // The store changes first, so the texts can then move into the undo record; the record
    // precedes the notification, so that edits made by observers are recorded after this one.
    TextChange change = ApplyToStore(pos, removed, text, insertionColor_, &after);
    if (!replaying_) {
        // A long removed text moves into the record, and the notification reads it there: an
        // edit that observers make meanwhile may move the record, but moving a long string hands
        // its buffer over, and no later edit is merged into a step of this kind. A short one is
        // copied.
        const bool hand = coalesce == Coalesce::None && removed.size() > kHandOverAbove;
        undo_.Record({pos, hand ? std::move(removed) : removed, std::move(text)}, before, after,
                     coalesce);
        if (hand) {
            change.removedText = undo_.LastEdit().removed;
        }
    }
    Announce(change, before);
}

void TextModel::ReplaceSelection(std::string_view text, Coalesce coalesce) {
    std::string buffer;
    const std::string_view normal = NormalizeLineEnds(text, buffer);
    const Position end = SelStart() + static_cast<Position>(normal.size());
    RecordAndApply(SelStart(), SelLength(), std::string(normal), {end, end}, coalesce);
}

TextModel::Range TextModel::Replace(Position pos, Position len, std::string_view text,
                                    Coalesce coalesce) {
    const Position start = Snap(pos);
    const Position end = len > 0 ? std::max(start, Snap(pos + len, true)) : start;
    std::string buffer;
    const std::string_view normal = NormalizeLineEnds(text, buffer);
    const auto inserted = static_cast<Position>(normal.size());
    const Selection after{MapPosition(sel_.anchor, start, end - start, inserted),
                          MapPosition(sel_.caret, start, end - start, inserted)};
    RecordAndApply(start, end - start, std::string(normal), after, coalesce);
    return {start, end - start};
}

TextModel::Range TextModel::ReplaceTaking(Position pos, Position len, std::string&& text,
                                          Coalesce coalesce) {
    const Position start = Snap(pos);
    const Position end = len > 0 ? std::max(start, Snap(pos + len, true)) : start;
    if (HasLoneLineBreak(text)) {
        text = NormalizeLineEnds(text);
    }
    const auto inserted = static_cast<Position>(text.size());
    const Selection after{MapPosition(sel_.anchor, start, end - start, inserted),
                          MapPosition(sel_.caret, start, end - start, inserted)};
    RecordAndApply(start, end - start, std::move(text), after, coalesce);
    return {start, end - start};
}

void TextModel::Type(std::string_view text) {
    std::string buffer;
    const std::string_view normal = NormalizeLineEnds(text, buffer);
    Position over = 0;
    if (overwrite_ && sel_.Empty() && normal.find('\n') == std::string::npos) {
        const Position lineEnd = LineEnd(LineFromPosition(sel_.caret));
        over = std::min<Position>(static_cast<Position>(normal.size()), lineEnd - sel_.caret);
        over = std::min(Snap(sel_.caret + over, true), lineEnd) - sel_.caret;
    }
    const Position start = over > 0 ? sel_.caret : SelStart();
    const Position len = over > 0 ? over : SelLength();
    const Position end = start + static_cast<Position>(normal.size());
    RecordAndApply(start, len, std::string(normal), {end, end}, Coalesce::Typing);
}

void TextModel::Backspace() {
    if (!sel_.Empty()) {
        RecordAndApply(SelStart(), SelLength(), {}, {SelStart(), SelStart()}, Coalesce::None);
        return;
    }
    const Position caret = sel_.caret;
    if (caret == 0) {
        return;
    }
    const Position n = caret - Snap(caret - 1);
    RecordAndApply(caret - n, n, {}, {caret - n, caret - n}, Coalesce::Deleting);
}

void TextModel::DeleteForward() {
    if (!sel_.Empty()) {
        RecordAndApply(SelStart(), SelLength(), {}, {SelStart(), SelStart()}, Coalesce::None);
        return;
    }
    const Position caret = sel_.caret;
    if (caret >= Length()) {
        return;
    }
    const Position n = Snap(caret + 1, true) - caret;
    RecordAndApply(caret, n, {}, {caret, caret}, Coalesce::Deleting);
}

void TextModel::SetColors(Position pos, Position len, ColorKind kind) {
    pos = std::clamp<Position>(pos, 0, Length());
    len = std::min(len, Length() - pos);
    if (len <= 0) {
        return;
    }
    store_.SetColors(pos, len, static_cast<std::uint8_t>(kind));
    NotifyColors(pos, len);
}

void TextModel::ColorPainter::Paint(Position pos, Position len, ColorKind kind) {
    if (len <= 0) {
        return;
    }
    cursor_.Paint(pos, len, static_cast<std::uint8_t>(kind));
    from_ = from_ < 0 ? pos : std::min(from_, pos);
    to_ = std::max(to_, pos + len);
}

TextModel::ColorPainter::~ColorPainter() {
    if (from_ >= 0) {
        const Position from = std::clamp<Position>(from_, 0, model_.Length());
        model_.NotifyColors(from, std::min(to_, model_.Length()) - from);
    }
}

void TextModel::EndUpdate() {
    if (updateDepth_ > 0 && --updateDepth_ == 0) {
        for (std::size_t i = 0; i < observers_.size(); ++i) {
            observers_[i]->RedrawResumed();
        }
    }
}

void TextModel::ApplyStep(const UndoHistory::Step& step, bool undo) {
    replaying_ = true;
    if (undo) {
        for (auto it = step.edits.rbegin(); it != step.edits.rend(); ++it) {
            ApplyReplacement(it->position, it->inserted, it->removed, ColorKind::Text, nullptr);
        }
    } else {
        for (const Replacement& edit : step.edits) {
            ApplyReplacement(edit.position, edit.removed, edit.inserted, ColorKind::Text, nullptr);
        }
    }
    replaying_ = false;
    modified_ = !undo_.AtSaved();
    // A recorded selection may fall inside a UTF-8 character that the edit completed.
    const Selection& sel = undo ? step.before : step.after;
    ChangeSelection({Snap(sel.anchor), Snap(sel.caret)});
}

void TextModel::SetModified(bool modified) {
    modified_ = modified;
    if (modified) {
        undo_.ForgetSaved();
    } else {
        undo_.MarkSaved();
    }
}

void TextModel::ClearUndo() {
    undo_.Clear();
    if (modified_) {
        undo_.ForgetSaved();
    }
}

void TextModel::Undo() {
    if (const UndoHistory::Step* step = undo_.TakeUndo()) {
        ApplyStep(*step, true);
    }
}

void TextModel::Redo() {
    if (const UndoHistory::Step* step = undo_.TakeRedo()) {
        ApplyStep(*step, false);
    }
}

Position TextModel::WordRightFrom(Position pos) const {
    const Position len = Length();
    if (pos >= len) {
        return len;
    }
    const CharClass first = ClassOf(CharAt(pos), utf8_);
    if (first == CharClass::Break) {
        return Snap(pos + 1, true);
    }
    while (pos < len && ClassOf(CharAt(pos), utf8_) == first) {
        ++pos;
    }
    while (pos < len && ClassOf(CharAt(pos), utf8_) == CharClass::Blank) {
        ++pos;
    }
    return pos;
}

Position TextModel::WordLeftFrom(Position pos) const {
    Position p = pos;
    while (p > 0 && ClassOf(CharAt(p - 1), utf8_) == CharClass::Blank) {
        --p;
    }
    if (p == 0) {
        return 0;
    }
    const CharClass kind = ClassOf(CharAt(p - 1), utf8_);
    if (kind == CharClass::Break) {
        return p == pos ? Snap(p - 1) : p;
    }
    while (p > 0 && ClassOf(CharAt(p - 1), utf8_) == kind) {
        --p;
    }
    return p;
}

Position TextModel::VerticalTarget(Position lines) {
    const Position line = LineFromPosition(sel_.caret);
    if (stickyColumn_ < 0) {
        stickyColumn_ = sel_.caret - LineStart(line);
    }
    const Position target = std::clamp<Position>(line + lines, 0, LineCount() - 1);
    return Snap(std::min(LineStart(target) + stickyColumn_, LineEnd(target)));
}

Position TextModel::MoveTarget(Move move, Position pageLines) {
    const Position caret = sel_.caret;
    switch (move) {
    case Move::CharLeft:
        return Snap(caret - 1);
    case Move::CharRight:
        return Snap(caret + 1, true);
    case Move::WordLeft:
        return WordLeftFrom(caret);
    case Move::WordRight:
        return WordRightFrom(caret);
    case Move::LineUp:
        return VerticalTarget(-1);
    case Move::LineDown:
        return VerticalTarget(1);
    case Move::PageUp:
        return VerticalTarget(-std::max<Position>(pageLines, 1));
    case Move::PageDown:
        return VerticalTarget(std::max<Position>(pageLines, 1));
    case Move::LineHome:
        return LineStart(LineFromPosition(caret));
    case Move::LineEnd:
        return LineEnd(LineFromPosition(caret));
    case Move::DocumentStart:
        return 0;
    case Move::DocumentEnd:
        return Length();
    }
    return caret;
}

void TextModel::MoveCaret(Move move, bool extend, Position pageLines) {
    const bool vertical = move == Move::LineUp || move == Move::LineDown || move == Move::PageUp ||
                          move == Move::PageDown;
    if (!extend && !sel_.Empty() && (move == Move::CharLeft || move == Move::CharRight)) {
        // An arrow key without Shift collapses a selection to its side.
        const Position side = move == Move::CharLeft ? SelStart() : SelEnd();
        ChangeSelection({side, side});
        return;
    }
    const Position target = MoveTarget(move, pageLines);
    ChangeSelection({extend ? sel_.anchor : target, target}, vertical);
}

TextModel::Range TextModel::WordAt(Position pos) const {
    pos = Snap(pos);
    const Position len = Length();
    if (len == 0) {
        return {0, 0};
    }
    Position at = pos < len ? pos : pos - 1;
    const CharClass kind = ClassOf(CharAt(at), utf8_);
    if (kind == CharClass::Break) {
        const Position start = Snap(at);
        return {start, CharAt(start) == '\r' ? 2 : 1};
    }
    Position start = at;
    Position end = at + 1;
    while (start > 0 && ClassOf(CharAt(start - 1), utf8_) == kind) {
        --start;
    }
    while (end < len && ClassOf(CharAt(end), utf8_) == kind) {
        ++end;
    }
    return {start, end - start};
}

TextModel::Range TextModel::LineRangeAt(Position pos) const {
    const Position line = LineFromPosition(pos);
    const Position start = LineStart(line);
    return {start, LineStart(line + 1) - start};
}

void TextModel::AddObserver(TextObserver* observer, bool early) {
    if (early) {
        observers_.insert(observers_.begin() + static_cast<std::ptrdiff_t>(earlyObservers_),
                          observer);
        ++earlyObservers_;
    } else {
        observers_.push_back(observer);
    }
}

void TextModel::RemoveObserver(TextObserver* observer) {
    auto it = std::find(observers_.begin(), observers_.end(), observer);
    if (it == observers_.end()) {
        return;
    }
    if (static_cast<std::size_t>(it - observers_.begin()) < earlyObservers_) {
        --earlyObservers_;
    }
    observers_.erase(it);
}

// Observers are walked by index: one may add another while being notified.
void TextModel::NotifyText(const TextChange& change) {
    for (std::size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->TextChanged(change);
    }
}

void TextModel::NotifyColors(Position pos, Position len) {
    if (UpdatesSuspended()) {
        return; // RedrawResumed covers it
    }
    for (std::size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->ColorsChanged(pos, len);
    }
}

void TextModel::NotifySelection() {
    for (std::size_t i = 0; i < observers_.size(); ++i) {
        observers_[i]->SelectionChanged();
    }
}

} // namespace zn::editor
