// The text model under the HTML text control: text, colours, selection, undo and notifications.
#pragma once

#include "editor/Position.h"
#include "editor/TextStore.h"
#include "editor/UndoHistory.h"

#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

/// One change of the text: `removedLength` characters at `position` were replaced by
/// `insertedLength` others. Lines are those of the text before the change for `firstLine` and
/// `linesRemoved`, and of the text after it for `linesAdded`.
struct TextChange {
    Position position = 0;
    Position removedLength = 0;
    Position insertedLength = 0;
    Position firstLine = 0;
    Position linesRemoved = 0;    ///< line breaks that went away
    Position linesAdded = 0;      ///< line breaks that came
    std::string_view removedText; ///< valid during the notification only; empty after Load
    bool reset = false;           ///< the whole text was replaced (Load)
};

/// Receives the model's notifications synchronously, after the model is consistent again.
class TextObserver {
public:
    virtual ~TextObserver() = default;
    virtual void TextChanged(const TextChange& /*change*/) {}
    virtual void ColorsChanged(Position /*position*/, Position /*length*/) {}
    virtual void SelectionChanged() {}
    /// Redrawing was suspended and is allowed again: everything may have changed.
    virtual void RedrawResumed() {}
};

/// Caret movements of an editor.
enum class Move {
    CharLeft,
    CharRight,
    WordLeft,
    WordRight,
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    LineHome,
    LineEnd,
    DocumentStart,
    DocumentEnd,
};

/// The text of one document as bytes (Windows-1250 characters, or UTF-8) in which every line break
/// is CR LF. The model never holds half a pair: inserted text has its line ends normalised, and a
/// range or caret position that would split a pair is widened to take the whole pair (ranges) or
/// moved before the CR (positions). In a UTF-8 text a whole multi-byte sequence counts as one
/// character in the same way: no caret, selection end or edit range falls inside it (a broken
/// sequence's bytes stand alone). Colouring never sets the modified flag and is not undone.
class TextModel {
public:
    TextModel() = default;
    TextModel(const TextModel&) = delete;
    TextModel& operator=(const TextModel&) = delete;

    /// Replaces the whole text (line ends normalised); clears colours, undo and the modified flag
    /// and puts the caret at 0.
    void Load(std::string_view bytes);

    /// The encoding of the bytes; it takes effect with the next Load.
    void SetUtf8(bool utf8) { utf8_ = utf8; }
    bool Utf8() const { return utf8_; }

    // --- reading ---
    Position Length() const { return store_.Length(); }
    std::string Text() const { return store_.Text(); }
    std::string GetText(Position pos, Position len) const { return store_.GetText(pos, len); }
    char CharAt(Position pos) const { return store_.CharAt(pos); }
    ColorKind ColorAt(Position pos) const { return static_cast<ColorKind>(store_.ColorAt(pos)); }
    const TextStore& Store() const { return store_; }

    // --- lines ---
    Position LineCount() const { return store_.LineCount(); }
    Position LineFromPosition(Position pos) const { return store_.LineFromPosition(pos); }
    Position LineStart(Position line) const { return store_.LineStart(line); }
    /// End of a line before its CR LF.
    Position LineEnd(Position line) const { return store_.LineEnd(line); }
    Position Column(Position pos) const { return pos - LineStart(LineFromPosition(pos)); }

    // --- finding (forward, in [from, to)) ---
    Position FindChar(char c, Position from, Position to) const {
        return store_.FindChar(c, from, to);
    }
    Position Find(std::string_view what, Position from, Position to) const {
        return store_.Find(what, from, to);
    }

    // --- selection ---
    const Selection& Sel() const { return sel_; }
    Position SelStart() const { return sel_.Start(); }
    Position SelEnd() const { return sel_.End(); }
    Position SelLength() const { return sel_.End() - sel_.Start(); }
    std::string SelText() const { return GetText(SelStart(), SelLength()); }
    /// Selects from anchor to caret (both clipped and kept off the middle of a CR LF pair).
    void SetSelection(Position anchor, Position caret);
    void Select(Position start, Position length) { SetSelection(start, start + length); }
    void SetCaret(Position pos) { SetSelection(pos, pos); }
    /// A valid caret position near pos: clipped to the text, and before the CR of a pair when pos
    /// lies between CR and LF (after the LF when `forward`); likewise before (after) a UTF-8
    /// multi-byte sequence that pos lies inside.
    Position Snap(Position pos, bool forward = false) const;

    // --- editing ---
    /// Replaces the selection by text in the colour for typed text; the caret ends after it.
    void ReplaceSelection(std::string_view text, Coalesce coalesce = Coalesce::None);
    /// Replaces a range (widened to whole CR LF pairs) and leaves the selection where the same
    /// characters stand afterwards. Returns the range actually replaced.
    struct Range {
        Position position;
        Position length;
    };
    Range Replace(Position pos, Position len, std::string_view text,
                  Coalesce coalesce = Coalesce::None);
    /// Replace for a text the caller gives up: the undo step takes it over instead of a copy,
    /// which matters when a command rewrites megabytes at once.
    Range ReplaceTaking(Position pos, Position len, std::string&& text,
                        Coalesce coalesce = Coalesce::None);
    /// Typing: inserts at the caret, over the next characters of the line in overwrite mode.
    void Type(std::string_view text);
    void Backspace();
    void DeleteForward();
    bool Overwrite() const { return overwrite_; }
    void SetOverwrite(bool on) { overwrite_ = on; }

    // --- colours ---
    void SetColors(Position pos, Position len, ColorKind kind);
    ColorKind InsertionColor() const { return insertionColor_; }
    /// Sets the colour that the next typed text takes (until the selection moves).
    void SetInsertionColor(ColorKind kind) { insertionColor_ = kind; }
    /// Takes the colour for typed text from the text again, as setting the selection does.
    void RefreshInsertionColor() { UpdateInsertionColor(); }

    /// Colours many ranges in one pass; observers hear of the painted stretch when it ends.
    class ColorPainter {
    public:
        explicit ColorPainter(TextModel& model) : model_(model), cursor_(model.store_) {}
        ~ColorPainter();
        ColorPainter(const ColorPainter&) = delete;
        ColorPainter& operator=(const ColorPainter&) = delete;
        void Paint(Position pos, Position len, ColorKind kind);

    private:
        TextModel& model_;
        TextStore::ColorCursor cursor_;
        Position from_ = -1;
        Position to_ = -1;
    };

    // --- modified flag ---
    bool Modified() const { return modified_; }
    /// Clearing marks the text as saved: undo or redo back to it clears the flag again.
    void SetModified(bool modified);

    // --- redrawing ---
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();
    bool UpdatesSuspended() const { return updateDepth_ > 0; }

    // --- undo ---
    void BeginUndoGroup() { undo_.BeginGroup(sel_); }
    void EndUndoGroup() { undo_.EndGroup(sel_); }
    /// The next edit starts an undo step of its own.
    void BreakUndoMerge() { undo_.BreakCoalescing(); }
    bool CanUndo() const { return undo_.CanUndo(); }
    bool CanRedo() const { return undo_.CanRedo(); }
    void Undo();
    void Redo();
    /// Forgets undo and redo; a modified text stays modified.
    void ClearUndo();
    /// The clock that decides pauses between typed words (tests put in their own).
    void SetUndoClock(UndoHistory::Clock clock) { undo_.SetClock(std::move(clock)); }

    // --- caret movement ---
    /// Moves the caret; with `extend` the anchor stays. Page moves go by pageLines lines.
    void MoveCaret(Move move, bool extend, Position pageLines = 20);
    /// The word (or run of blanks, or of other characters) around pos, for a double click.
    Range WordAt(Position pos) const;
    /// A whole line with its line break, for a triple click.
    Range LineRangeAt(Position pos) const;

    // --- observers ---
    /// Observers are called in order; `early` ones (views keeping a layout) come first.
    void AddObserver(TextObserver* observer, bool early = false);
    void RemoveObserver(TextObserver* observer);

private:
    void ApplyReplacement(Position pos, std::string_view removed, std::string_view text,
                          ColorKind color, const Selection* after);
    TextChange ApplyToStore(Position pos, std::string_view removed, std::string_view text,
                            ColorKind color, const Selection* after);
    void Announce(const TextChange& change, const Selection& old);
    void RecordAndApply(Position pos, Position len, std::string text, Selection after,
                        Coalesce coalesce);
    void ChangeSelection(const Selection& sel, bool keepSticky = false);
    void NotifyText(const TextChange& change);
    void NotifyColors(Position pos, Position len);
    void NotifySelection();
    void ApplyStep(const UndoHistory::Step& step, bool undo);
    Position WordLeftFrom(Position pos) const;
    Position WordRightFrom(Position pos) const;
    Position VerticalTarget(Position lines);
    Position MoveTarget(Move move, Position pageLines);
    void UpdateInsertionColor();

    TextStore store_;
    Selection sel_;
    ColorKind insertionColor_ = ColorKind::Text;
    bool modified_ = false;
    bool overwrite_ = false;
    bool utf8_ = false;
    int updateDepth_ = 0;
    bool replaying_ = false;
    Position stickyColumn_ = -1; ///< column kept by vertical moves; -1 when none
    UndoHistory undo_;
    std::vector<TextObserver*> observers_;
    std::size_t earlyObservers_ = 0;
};

/// Opens an undo group for the lifetime of the object.
class UndoGroup {
public:
    explicit UndoGroup(TextModel& model) : model_(model) { model_.BeginUndoGroup(); }
    ~UndoGroup() { model_.EndUndoGroup(); }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    TextModel& model_;
};

} // namespace zn::editor
