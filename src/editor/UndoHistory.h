// The undo and redo history of a text model: steps of replacements, one step per command.
#pragma once

#include "editor/Position.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zn::editor {

/// A selection as the user made it: the anchor stays, the caret moves.
struct Selection {
    Position anchor = 0;
    Position caret = 0;
    Position Start() const { return anchor < caret ? anchor : caret; }
    Position End() const { return anchor < caret ? caret : anchor; }
    bool Empty() const { return anchor == caret; }
    bool operator==(const Selection&) const = default;
};

/// One replacement: `removed` stood at `position` and `inserted` took its place.
struct Replacement {
    Position position = 0;
    std::string removed;
    std::string inserted;
};

/// What typing-like edits may be merged into the step before. `Field` is a value typed into a
/// field outside the text (the Tag Inspector): its edit merges when it lies within the text the
/// step before put in, so a word typed there is one step even though quotes come and go.
enum class Coalesce { None, Typing, Deleting, Field };

class UndoHistory {
public:
    struct Step {
        std::vector<Replacement> edits;
        Selection before;
        Selection after;
        Coalesce coalesce = Coalesce::None;
    };

    /// Opens a group; edits recorded until the matching EndGroup form one step.
    void BeginGroup(const Selection& before);
    void EndGroup(const Selection& after);
    bool InGroup() const { return depth_ > 0; }

    /// Records one edit. Outside a group it is a step of its own, or joins the previous step when
    /// both are of the same coalescing kind and the new edit continues where the last one ended.
    /// Typing joins per word and line: a step ends after a line break, a word typed after a blank
    /// starts a new one, and so does any edit after a pause of kPauseMs.
    void Record(Replacement edit, const Selection& before, const Selection& after,
                Coalesce coalesce);
    /// The edit recorded last (there must be one).
    const Replacement& LastEdit() const;
    /// Ends merging into the last step (the caret moved, another command ran).
    void BreakCoalescing() { lastCoalesce_ = Coalesce::None; }

    bool CanUndo() const { return applied_ > 0; }
    bool CanRedo() const { return applied_ < steps_.size(); }
    /// The step to revert, moved back; nullptr when none.
    const Step* TakeUndo();
    const Step* TakeRedo();
    void Clear();

    /// The text as it now stands is the saved one: undoing or redoing back to this point reports
    /// the text unmodified again. Typing afterwards starts a new step.
    void MarkSaved();
    /// The saved text cannot be reached by undo or redo any more.
    void ForgetSaved() { saved_ = -1; }
    bool AtSaved() const { return saved_ == static_cast<std::ptrdiff_t>(applied_); }

    /// Milliseconds of a monotonic clock; tests put in their own.
    using Clock = std::function<std::int64_t()>;
    void SetClock(Clock clock) { clock_ = std::move(clock); }
    static constexpr std::int64_t kPauseMs = 1000;

private:
    void Push(Step step);
    bool Continues(const Replacement& edit, Coalesce coalesce) const;

    std::vector<Step> steps_;
    std::size_t applied_ = 0; ///< steps_[0, applied_) are done; the rest can be redone
    int depth_ = 0;
    Step open_;
    Coalesce lastCoalesce_ = Coalesce::None;
    std::int64_t lastTime_ = 0; ///< when the last edit was recorded
    std::ptrdiff_t saved_ = 0;  ///< applied_ of the saved text; -1 when out of reach
    Clock clock_;
};

} // namespace zn::editor
