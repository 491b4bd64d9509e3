// The undo and redo history of a text model: steps of replacements, one step per command.
#pragma once

#include "editor/Position.h"

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

/// What typing-like edits may be merged into the step before.
enum class Coalesce { None, Typing, Deleting };

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
    void Record(Replacement edit, const Selection& before, const Selection& after,
                Coalesce coalesce);
    /// Ends merging into the last step (the caret moved, another command ran).
    void BreakCoalescing() { lastCoalesce_ = Coalesce::None; }

    bool CanUndo() const { return applied_ > 0; }
    bool CanRedo() const { return applied_ < steps_.size(); }
    /// The step to revert, moved back; nullptr when none.
    const Step* TakeUndo();
    const Step* TakeRedo();
    void Clear();

private:
    bool Continues(const Replacement& edit, Coalesce coalesce) const;

    std::vector<Step> steps_;
    std::size_t applied_ = 0; ///< steps_[0, applied_) are done; the rest can be redone
    int depth_ = 0;
    Step open_;
    Coalesce lastCoalesce_ = Coalesce::None;
};

} // namespace zn::editor
