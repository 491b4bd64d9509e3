// Undo history bookkeeping: grouping and merging of typed characters.
#include "editor/UndoHistory.h"

namespace zn::editor {

void UndoHistory::BeginGroup(const Selection& before) {
    if (depth_++ == 0) {
        open_ = Step{};
        open_.before = before;
    }
}

void UndoHistory::EndGroup(const Selection& after) {
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    lastCoalesce_ = Coalesce::None;
    if (open_.edits.empty()) {
        return;
    }
    open_.after = after;
    steps_.resize(applied_);
    steps_.push_back(std::move(open_));
    applied_ = steps_.size();
    open_ = Step{};
}

bool UndoHistory::Continues(const Replacement& edit, Coalesce coalesce) const {
    if (coalesce == Coalesce::None || coalesce != lastCoalesce_ || applied_ == 0 ||
        applied_ != steps_.size()) {
        return false;
    }
    const Replacement& last = steps_.back().edits.back();
    if (coalesce == Coalesce::Typing) {
        return edit.position == last.position + static_cast<Position>(last.inserted.size());
    }
    // Backspace removes the character before the last removal, Delete the one at the same place.
    return edit.inserted.empty() &&
           (edit.position + static_cast<Position>(edit.removed.size()) == last.position ||
            edit.position == last.position);
}

void UndoHistory::Record(Replacement edit, const Selection& before, const Selection& after,
                         Coalesce coalesce) {
    if (depth_ > 0) {
        open_.edits.push_back(std::move(edit));
        return;
    }
    if (Continues(edit, coalesce)) {
        Step& step = steps_.back();
        Replacement& last = step.edits.back();
        if (coalesce == Coalesce::Typing) {
            // In overwrite mode each character also removed the one that followed the last.
            last.removed += edit.removed;
            last.inserted += edit.inserted;
        } else if (edit.position == last.position) {
            last.removed += edit.removed;
        } else {
            last.removed.insert(0, edit.removed);
            last.position = edit.position;
        }
        step.after = after;
        return;
    }
    steps_.resize(applied_);
    steps_.push_back(Step{{std::move(edit)}, before, after, coalesce});
    applied_ = steps_.size();
    lastCoalesce_ = coalesce;
}

const UndoHistory::Step* UndoHistory::TakeUndo() {
    lastCoalesce_ = Coalesce::None;
    if (!CanUndo() || depth_ > 0) {
        return nullptr;
    }
    return &steps_[--applied_];
}

const UndoHistory::Step* UndoHistory::TakeRedo() {
    lastCoalesce_ = Coalesce::None;
    if (!CanRedo() || depth_ > 0) {
        return nullptr;
    }
    return &steps_[applied_++];
}

void UndoHistory::Clear() {
    steps_.clear();
    applied_ = 0;
    lastCoalesce_ = Coalesce::None;
}

} // namespace zn::editor
