// Row layout of the text: wrapping, x positions, and their upkeep after edits.
#include "editor/TextLayout.h"

#include "base/Utf8.h"

#include <algorithm>

namespace zn::editor {

// --- RowIndex ---

void RowIndex::Build(const std::vector<std::int32_t>& counts) {
    tree_.assign(counts.size() + 1, 0);
    for (std::size_t i = 1; i <= counts.size(); ++i) {
        tree_[i] += counts[i - 1];
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < tree_.size()) {
            tree_[parent] += tree_[i];
        }
    }
    top_ = 1;
    while (top_ * 2 < tree_.size()) {
        top_ *= 2;
    }
}

void RowIndex::Add(std::size_t line, std::int64_t delta) {
    for (std::size_t k = line + 1; k < tree_.size(); k += k & (~k + 1)) {
        tree_[k] += delta;
    }
}

std::int64_t RowIndex::Prefix(std::size_t lines) const {
    std::int64_t sum = 0;
    for (std::size_t k = std::min(lines, tree_.size() - 1); k > 0; k -= k & (~k + 1)) {
        sum += tree_[k];
    }
    return sum;
}

std::pair<std::size_t, std::int64_t> RowIndex::Find(std::int64_t row) const {
    std::size_t k = 0;
    std::int64_t before = 0;
    for (std::size_t step = top_; step > 0; step /= 2) {
        if (k + step < tree_.size() && before + tree_[k + step] <= row) {
            k += step;
            before += tree_[k];
        }
    }
    return {k, before};
}

// --- TextLayout ---

TextLayout::TextLayout(TextModel& model) : model_(model) {
    advances_.fill(8);
    tabWidth_ = 64;
    model_.AddObserver(this, true);
    Rebuild();
}

TextLayout::~TextLayout() {
    model_.RemoveObserver(this);
}

void TextLayout::SetMetrics(const std::array<double, 256>& advances, double tabWidth,
                            std::function<double(char32_t)> measure) {
    advances_ = advances;
    tabWidth_ = tabWidth > 0 ? tabWidth : 1;
    measure_ = std::move(measure);
    bmpAdvances_.clear();
    otherAdvances_.clear();
    maxAdvance_ = std::max(*std::max_element(advances_.begin(), advances_.end()), tabWidth_);
    Rebuild();
}

double TextLayout::CodePointAdvance(char32_t c) const {
    if (c < 0x80) {
        return advances_[c];
    }
    const auto measure = [this, c] { return measure_ ? measure_(c) : advances_['x']; };
    if (c >= 0x10000) {
        auto it = otherAdvances_.find(c);
        if (it == otherAdvances_.end()) {
            it = otherAdvances_.emplace(c, measure()).first;
        }
        return it->second;
    }
    if (bmpAdvances_.empty()) {
        bmpAdvances_.assign(0x10000, -1.0);
    }
    double& advance = bmpAdvances_[c];
    if (advance < 0) {
        advance = measure();
    }
    return advance;
}

double TextLayout::Measure::Finish() {
    const double marks = pending_ * layout_.CodePointAdvance(0xFFFD);
    pending_ = 0;
    return marks;
}

double TextLayout::Measure::StepUtf8(unsigned char c, double x) {
    if (pending_ > 0 && base::IsUtf8Continuation(c)) {
        code_ = (code_ << 6) | (c & 0x3F);
        if (++pending_ < need_) {
            return 0;
        }
        pending_ = 0;
        static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
        const bool real =
            code_ >= kLeast[need_] && code_ <= 0x10FFFF && (code_ < 0xD800 || code_ >= 0xE000);
        return layout_.CodePointAdvance(real ? code_ : 0xFFFD);
    }
    const double before = Finish(); // a sequence cut short: its bytes stand alone
    if (c < 0x80) {
        return before + layout_.Advance(c, x + before);
    }
    need_ = base::Utf8LeadLength(c);
    if (need_ == 0) {
        return before + layout_.CodePointAdvance(0xFFFD);
    }
    code_ = c & (0x7F >> need_);
    pending_ = 1;
    return before;
}

void TextLayout::SetWrapWidth(double width) {
    width = std::max(width, 0.0);
    if (width == wrapWidth_) {
        return;
    }
    wrapWidth_ = width;
    Rebuild();
}

double TextLayout::SumAdvances(std::string_view text) const {
    double x = 0;
    Measure m(*this);
    for (char c : text) {
        x += m.Step(static_cast<unsigned char>(c), x);
    }
    return x + m.Finish();
}

double TextLayout::WidthOf(Position from, Position to, double x0) const {
    double x = x0;
    Measure m(*this);
    model_.Store().ForEachPiece(from, to - from, [&](const char* data, Position, Position take) {
        for (Position i = 0; i < take; ++i) {
            x += m.Step(static_cast<unsigned char>(data[i]), x);
        }
        return true;
    });
    return x + m.Finish() - x0;
}

Position TextLayout::Wrap(Position start, Position end, Position from, std::vector<Position>& out,
                          const std::vector<Position>* old, Position stable, Position shift) const {
    Position synced = -1;
    out.push_back(from);
    Position rowStart = from;
    Position lastBreak = -1; // offset just after the last blank of the row
    double x = 0;
    Position offset = from;
    Measure m(*this);
    model_.Store().ForEachPiece(
        start + from, end - start - from, [&](const char* data, Position, Position take) {
            for (Position i = 0; i < take; ++i, ++offset) {
                const auto c = static_cast<unsigned char>(data[i]);
                if ((c == ' ' || c == '\t') && m.Pending() == 0) {
                    x += m.Step(c, x); // blanks may hang over the edge; a row breaks after them
                    lastBreak = offset + 1;
                    continue;
                }
                // The character this byte ends starts `Pending` bytes back.
                const Position charStart = offset - m.Pending();
                Measure probe = m;
                const double w = probe.Step(c, x);
                if (x + w > wrapWidth_ && charStart > rowStart) {
                    const Position next = lastBreak > rowStart ? lastBreak : charStart;
                    if (old != nullptr && next >= stable) {
                        auto same = std::lower_bound(old->begin(), old->end(), next - shift);
                        if (same != old->end() && *same == next - shift) {
                            synced = static_cast<Position>(out.size());
                            for (auto it = same; it != old->end(); ++it) {
                                out.push_back(*it + shift);
                            }
                            return false;
                        }
                    }
                    out.push_back(next);
                    rowStart = next;
                    lastBreak = -1;
                    x = WidthOf(start + next, start + charStart, 0);
                }
                x += m.Step(c, x);
            }
            return true;
        });
    return synced;
}

const std::vector<Position>& TextLayout::RowStartsOf(Position line) const {
    auto it = longLines_.find(line);
    if (it != longLines_.end()) {
        return it->second.rowStarts;
    }
    if (scratchLine_ != line) {
        scratch_.clear();
        Wrap(model_.LineStart(line), model_.LineEnd(line), 0, scratch_);
        scratchLine_ = line;
    }
    return scratch_;
}

std::int32_t TextLayout::CountRows(Position line) {
    const Position start = model_.LineStart(line);
    const Position end = model_.LineEnd(line);
    if (end - start > kLongLine) {
        LongLine& entry = longLines_[line];
        entry.rowStarts.clear();
        Wrap(start, end, 0, entry.rowStarts);
        return static_cast<std::int32_t>(entry.rowStarts.size());
    }
    longLines_.erase(line);
    if (static_cast<double>(end - start) * maxAdvance_ <= wrapWidth_) {
        return 1; // cannot reach the edge
    }
    std::vector<Position> starts;
    Wrap(start, end, 0, starts);
    return static_cast<std::int32_t>(starts.size());
}

void TextLayout::Rebuild() {
    utf8_ = model_.Utf8();
    scratchLine_ = -1;
    longLines_.clear();
    widest_ = 0;
    shiftedFrom_ = 0;
    rowsPerLine_.clear();
    if (!Wrapping()) {
        return;
    }
    const Position lines = model_.LineCount();
    rowsPerLine_.resize(static_cast<std::size_t>(lines));
    for (Position line = 0; line < lines; ++line) {
        rowsPerLine_[static_cast<std::size_t>(line)] = CountRows(line);
    }
    rowIndex_.Build(rowsPerLine_);
}

void TextLayout::RenumberLongLines(Position fromLine, Position delta) {
    if (delta == 0) {
        return;
    }
    std::vector<std::pair<Position, LongLine>> moved;
    for (auto it = longLines_.lower_bound(fromLine); it != longLines_.end();) {
        moved.emplace_back(it->first + delta, std::move(it->second));
        it = longLines_.erase(it);
    }
    for (auto& [line, entry] : moved) {
        longLines_.emplace(line, std::move(entry));
    }
}

void TextLayout::UpdateWrappedLine(Position line, const TextChange& change) {
    const Position start = model_.LineStart(line);
    const Position end = model_.LineEnd(line);
    std::int32_t rows = 0;
    Position synced = -1;
    auto it = longLines_.find(line);
    if (it != longLines_.end() && end - start > kLongLine) {
        // Re-wrap from the row before the edit until the rows fall in step again.
        // The old rows go to the spare buffer and the new ones into the spare's memory: a
        // keystroke in a line of a hundred thousand rows allocates nothing.
        std::vector<Position>& starts = it->second.rowStarts;
        spareRows_.swap(starts);
        const std::vector<Position>& old = spareRows_;
        const Position offset = change.position - start;
        auto row = std::upper_bound(old.begin(), old.end(), offset) - old.begin() - 1;
        row = std::max<std::ptrdiff_t>(row - 1, 0);
        starts.assign(old.begin(), old.begin() + row);
        synced = Wrap(start, end, old[static_cast<std::size_t>(row)], starts, &old,
                      offset + change.insertedLength, change.insertedLength - change.removedLength);
        rows = static_cast<std::int32_t>(starts.size());
    } else {
        rows = CountRows(line);
    }
    const std::int32_t before = rowsPerLine_[static_cast<std::size_t>(line)];
    rowsPerLine_[static_cast<std::size_t>(line)] = rows;
    rowIndex_.Add(static_cast<std::size_t>(line), rows - before);
    shiftedFrom_ = rows == before ? -1 : rowIndex_.Prefix(static_cast<std::size_t>(line));
    changedUntil_ = synced < 0 ? -1 : rowIndex_.Prefix(static_cast<std::size_t>(line)) + synced - 1;
}

void TextLayout::UpdateLongLine(Position line, const TextChange& change) {
    auto it = longLines_.find(line);
    if (it == longLines_.end()) {
        return; // measured when first needed
    }
    LongLine& entry = it->second;
    const Position offset = change.position - model_.LineStart(line);
    while (entry.checkpoints.size() > 1 && entry.checkpoints.back().first > offset) {
        entry.checkpoints.pop_back();
    }
    // Tabs after the edit may change width too; the estimate only steers the scroll bar.
    entry.width += SumAdvances(model_.GetText(change.position, change.insertedLength)) -
                   SumAdvances(change.removedText);
    widest_ = std::max(widest_, entry.width);
}

void TextLayout::TextChanged(const TextChange& change) {
    scratchLine_ = -1;
    changedUntil_ = -1;
    if (change.reset) {
        Rebuild();
        return;
    }
    const Position first = change.firstLine;
    if (change.linesRemoved == 0 && change.linesAdded == 0) {
        if (Wrapping()) {
            UpdateWrappedLine(first, change);
        } else {
            UpdateLongLine(first, change);
            shiftedFrom_ = -1;
        }
        return;
    }
    longLines_.erase(longLines_.lower_bound(first),
                     longLines_.upper_bound(first + change.linesRemoved));
    RenumberLongLines(first + change.linesRemoved + 1, change.linesAdded - change.linesRemoved);
    if (!Wrapping()) {
        shiftedFrom_ = first;
        return;
    }
    const auto at = rowsPerLine_.begin() + static_cast<std::ptrdiff_t>(first) + 1;
    rowsPerLine_.erase(at, at + static_cast<std::ptrdiff_t>(change.linesRemoved));
    rowsPerLine_.insert(rowsPerLine_.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                        static_cast<std::size_t>(change.linesAdded), 0);
    for (Position line = first; line <= first + change.linesAdded; ++line) {
        rowsPerLine_[static_cast<std::size_t>(line)] = CountRows(line);
    }
    rowIndex_.Build(rowsPerLine_);
    shiftedFrom_ = rowIndex_.Prefix(static_cast<std::size_t>(first));
}

Position TextLayout::RowCount() const {
    return Wrapping() ? rowIndex_.Prefix(rowsPerLine_.size()) : model_.LineCount();
}

Position TextLayout::LineOfRow(Position row) const {
    row = std::clamp<Position>(row, 0, RowCount() - 1);
    return Wrapping() ? static_cast<Position>(rowIndex_.Find(row).first) : row;
}

Position TextLayout::RowOfPosition(Position pos) const {
    const Position line = model_.LineFromPosition(pos);
    if (!Wrapping()) {
        return line;
    }
    const std::vector<Position>& starts = RowStartsOf(line);
    const Position offset = pos - model_.LineStart(line);
    const auto inLine = std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin() - 1;
    return rowIndex_.Prefix(static_cast<std::size_t>(line)) + inLine;
}

Position TextLayout::RowStart(Position row) const {
    if (!Wrapping()) {
        return model_.LineStart(row);
    }
    row = std::clamp<Position>(row, 0, RowCount() - 1);
    const auto [line, before] = rowIndex_.Find(row);
    const std::vector<Position>& starts = RowStartsOf(static_cast<Position>(line));
    const auto k = static_cast<std::size_t>(
        std::min<Position>(row - before, static_cast<Position>(starts.size()) - 1));
    return model_.LineStart(static_cast<Position>(line)) + starts[k];
}

Position TextLayout::RowEnd(Position row) const {
    if (!Wrapping()) {
        return model_.LineEnd(row);
    }
    row = std::clamp<Position>(row, 0, RowCount() - 1);
    const auto [line, before] = rowIndex_.Find(row);
    const std::vector<Position>& starts = RowStartsOf(static_cast<Position>(line));
    const auto k = static_cast<std::size_t>(row - before);
    if (k + 1 < starts.size()) {
        return model_.LineStart(static_cast<Position>(line)) + starts[k + 1];
    }
    return model_.LineEnd(static_cast<Position>(line));
}

double TextLayout::LineX(Position line, Position lineStart, Position offset) const {
    const Position lineEnd = model_.LineEnd(line);
    if (lineEnd - lineStart <= kLongLine) {
        const double x = WidthOf(lineStart, lineStart + offset, 0);
        if (lineStart + offset == lineEnd) {
            widest_ = std::max(widest_, x);
        }
        return x;
    }
    LongLine& entry = longLines_[line];
    if (entry.checkpoints.empty()) {
        entry.checkpoints.emplace_back(0, 0.0);
        entry.width = WidthOf(lineStart, lineEnd, 0);
        widest_ = std::max(widest_, entry.width);
    }
    // From the last checkpoint at or before the offset, leaving new checkpoints on the way.
    auto cp = std::upper_bound(entry.checkpoints.begin(), entry.checkpoints.end(),
                               std::make_pair(offset, 1e300)) -
              1;
    Position at = cp->first;
    double x = cp->second;
    const bool extend = cp + 1 == entry.checkpoints.end();
    Measure m(*this);
    model_.Store().ForEachPiece(
        lineStart + at, offset - at, [&](const char* data, Position, Position take) {
            for (Position i = 0; i < take; ++i) {
                x += m.Step(static_cast<unsigned char>(data[i]), x);
                ++at;
                // A checkpoint stands before the unfinished character, whose bytes add nothing
                // yet, so measuring can start afresh there.
                const Position mark = at - m.Pending();
                if (extend && mark - entry.checkpoints.back().first >= kCheckpointStep) {
                    entry.checkpoints.emplace_back(mark, x);
                }
            }
            return true;
        });
    return x + m.Finish();
}

double TextLayout::XOfPosition(Position pos) const {
    pos = model_.Snap(pos);
    if (!Wrapping()) {
        const Position line = model_.LineFromPosition(pos);
        const Position start = model_.LineStart(line);
        return LineX(line, start, pos - start);
    }
    const Position rowStart = RowStart(RowOfPosition(pos));
    return WidthOf(rowStart, pos, 0);
}

double TextLayout::XOfEnd(Position end) const {
    const Position last = model_.Snap(end - 1);
    const double x = XOfPosition(last);
    return x + WidthOf(last, end, x);
}

Position TextLayout::PositionAtX(Position row, double x) const {
    const Position start = RowStart(row);
    const Position end = RowEnd(row);
    Position pos = start;
    double at = 0;
    if (!Wrapping() && end - start > kLongLine) {
        // Jump to the last checkpoint left of x, measuring the line up to x first if needed.
        const Position line = model_.LineFromPosition(start);
        LineX(line, start, 0);
        LongLine& entry = longLines_[line];
        while (entry.checkpoints.back().second < x &&
               entry.checkpoints.back().first + kCheckpointStep <= end - start) {
            // A little past the step, so that a character across it is finished too.
            const std::size_t before = entry.checkpoints.size();
            LineX(line, start,
                  std::min(end - start, entry.checkpoints.back().first + kCheckpointStep + 4));
            if (entry.checkpoints.size() == before) {
                break;
            }
        }
        auto cp = std::upper_bound(entry.checkpoints.begin(), entry.checkpoints.end(), x,
                                   [](double value, const auto& c) { return value < c.second; });
        if (cp != entry.checkpoints.begin()) {
            --cp;
            pos = start + cp->first;
            at = cp->second;
        }
    }
    bool found = false;
    Measure m(*this);
    model_.Store().ForEachPiece(pos, end - pos, [&](const char* data, Position, Position take) {
        for (Position i = 0; i < take; ++i) {
            const double w = m.Step(static_cast<unsigned char>(data[i]), at);
            if (at + w / 2 > x) {
                found = true;
                return false;
            }
            at += w;
            ++pos;
        }
        return true;
    });
    if (found) {
        return model_.Snap(pos); // the last byte of a character: the caret goes before it
    }
    // Past the end of a row that wraps: before its last character (the blank it broke after),
    // so the caret stays on the clicked row.
    if (Wrapping() && end < model_.LineEnd(model_.LineFromPosition(start)) && end > start) {
        return end - 1;
    }
    return end;
}

} // namespace zn::editor
