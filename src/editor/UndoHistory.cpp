// Undo history bookkeeping: grouping and merging of typed characters.
#include "editor/UndoHistory.h"

#include <chrono>

namespace zn::editor {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::int64_t SteadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

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
    Push(std::move(open_));
    open_ = Step{};
}

void UndoHistory::Push(Step step) {
    if (saved_ > static_cast<std::ptrdiff_t>(applied_)) {
        saved_ = -1; // the saved text lay in the redo steps dropped now
    }
    steps_.resize(applied_);
    steps_.push_back(std::move(step));
    applied_ = steps_.size();
}

bool UndoHistory::Continues(const Replacement& edit, Coalesce coalesce) const {
    if (coalesce == Coalesce::None || coalesce != lastCoalesce_ || applied_ == 0 ||
        applied_ != steps_.size()) {
        return false;
    }
    const Replacement& last = steps_.back().edits.back();
    if (coalesce == Coalesce::Field) {
        const Position offset = edit.position - last.position;
        if (offset < 0 || offset + static_cast<Position>(edit.removed.size()) >
                              static_cast<Position>(last.inserted.size())) {
            return false;
        }
        // A word typed after a blank begins a step of its own.
        return edit.inserted.empty() || IsBlank(edit.inserted.front()) || offset == 0 ||
               !IsBlank(last.inserted[static_cast<std::size_t>(offset - 1)]);
    }
    if (coalesce == Coalesce::Typing) {
        if (edit.position != last.position + static_cast<Position>(last.inserted.size())) {
            return false;
        }
        if (!last.inserted.empty() && last.inserted.back() == '\n') {
            return false; // a line break ends the step
        }
        // A word typed after a blank begins a step of its own.
        return edit.inserted.empty() || IsBlank(edit.inserted.front()) || last.inserted.empty() ||
               !IsBlank(last.inserted.back());
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
    const std::int64_t now = clock_ ? clock_() : SteadyMs();
    const bool paused = now - lastTime_ >= kPauseMs;
    lastTime_ = now;
    if (!paused && Continues(edit, coalesce)) {
        Step& step = steps_.back();
        Replacement& last = step.edits.back();
        if (coalesce == Coalesce::Field) {
            last.inserted.replace(static_cast<std::size_t>(edit.position - last.position),
                                  edit.removed.size(), edit.inserted);
            step.after = after;
            if (step.edits.size() == 1 && last.inserted == last.removed) {
                // The field is back to what it held: the step changes nothing any more.
                steps_.pop_back();
                applied_ = steps_.size();
                if (saved_ > static_cast<std::ptrdiff_t>(applied_)) {
                    saved_ = -1;
                }
                lastCoalesce_ = Coalesce::None;
            }
            return;
        }
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
    // Not a braced list: its elements would be copied, texts of megabytes included.
    Step step{{}, before, after, coalesce};
    step.edits.push_back(std::move(edit));
    Push(std::move(step));
    lastCoalesce_ = coalesce;
}

const Replacement& UndoHistory::LastEdit() const {
    return depth_ > 0 ? open_.edits.back() : steps_.back().edits.back();
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
    saved_ = 0;
    lastCoalesce_ = Coalesce::None;
}

void UndoHistory::MarkSaved() {
    saved_ = static_cast<std::ptrdiff_t>(applied_);
    lastCoalesce_ = Coalesce::None;
}

} // namespace zn::editor
