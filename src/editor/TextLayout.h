// Rows of the text on screen: x positions from a table of character widths, and word wrapping.
#pragma once

#include "editor/Position.h"
#include "editor/TextModel.h"

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <unordered_map>
#include <vector>

namespace zn::editor {

/// Counts per line with prefix sums: rows per line in wrap mode.
class RowIndex {
public:
    void Build(const std::vector<std::int32_t>& counts);
    void Add(std::size_t line, std::int64_t delta);
    std::int64_t Prefix(std::size_t lines) const;
    /// The line holding row `row` (0-based) and the rows before that line.
    std::pair<std::size_t, std::int64_t> Find(std::int64_t row) const;

private:
    std::vector<std::int64_t> tree_; ///< 1-based
    std::size_t top_ = 1;
};

/// Lays the text out in rows. In Windows-1250 text a table of 256 advances gives every x by
/// addition; a tab advances to the next multiple of the tab width. In UTF-8 text ASCII takes the
/// same table, and a multi-byte character takes the advance of its code point (measured once and
/// cached), all of it on its last byte; each byte of a broken sequence shows as a replacement
/// mark. Without wrapping every line is
/// one row. With wrapping a line breaks after blanks (or inside a word longer than a row) so that
/// no row is wider than the wrap width; the rows per line are kept with prefix sums, so finding a
/// row costs O(log lines).
///
/// Lines longer than kLongLine keep their row starts (wrapping) or x checkpoints (no wrapping),
/// and an edit re-wraps only from the row before it until the rows fall in step again, so typing
/// in a 10 MB line costs about as much as typing in a short one.
class TextLayout : private TextObserver {
public:
    static constexpr Position kLongLine = 4096;
    static constexpr Position kCheckpointStep = 1024;

    explicit TextLayout(TextModel& model);
    ~TextLayout() override;
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    /// Advances of the 256 bytes, and for UTF-8 text a function measuring one code point (without
    /// it every code point is as wide as 'x').
    void SetMetrics(const std::array<double, 256>& advances, double tabWidth,
                    std::function<double(char32_t)> measure = {});
    /// Width of a row in wrap mode; 0 (or less) switches wrapping off.
    void SetWrapWidth(double width);
    bool Wrapping() const { return wrapWidth_ > 0; }
    double WrapWidth() const { return wrapWidth_; }

    /// Advance of character c standing at x.
    double Advance(unsigned char c, double x) const {
        if (c == '\t') {
            return tabWidth_ - std::fmod(x, tabWidth_);
        }
        return advances_[c];
    }

    /// Measures a run of bytes one at a time, for either encoding. The bytes of a multi-byte
    /// character give 0 until its last one, which gives the whole advance; `Pending` counts the
    /// bytes still waiting, and `Finish` adds replacement marks for them.
    class Measure {
    public:
        explicit Measure(const TextLayout& layout) : layout_(layout), utf8_(layout.utf8_) {}
        double Step(unsigned char c, double x) {
            if (c < 0x80 && pending_ == 0) {
                return layout_.Advance(c, x);
            }
            return utf8_ ? StepUtf8(c, x) : layout_.advances_[c];
        }
        int Pending() const { return pending_; }
        double Finish();

    private:
        double StepUtf8(unsigned char c, double x);

        const TextLayout& layout_;
        bool utf8_;
        int pending_ = 0; ///< bytes of an unfinished sequence taken so far
        int need_ = 0;    ///< bytes of the whole sequence
        char32_t code_ = 0;
    };

    /// Advance of a code point in UTF-8 text (U+FFFD for the replacement mark).
    double CodePointAdvance(char32_t c) const;

    Position RowCount() const;
    Position RowOfPosition(Position pos) const;
    Position RowStart(Position row) const;
    /// End of a row's characters (a line's last row ends before its line break).
    Position RowEnd(Position row) const;
    Position LineOfRow(Position row) const;
    /// x of a position within its row, from the row's start.
    double XOfPosition(Position pos) const;
    /// x of the end of the character that ends at `end`, on the row of the character.
    double XOfEnd(Position end) const;
    /// The caret position nearest to x on a row.
    Position PositionAtX(Position row, double x) const;
    /// The widest row measured so far (no wrapping), or the wrap width.
    double WidestRow() const { return Wrapping() ? wrapWidth_ : widest_; }

    /// Rows from `firstRow` on moved or changed by the last edit; -1 after an edit that kept
    /// every row in place (only the edited row needs repainting then).
    Position ShiftedFrom() const { return shiftedFrom_; }
    /// After an edit that kept every row in place: the last row whose characters changed. In a
    /// long wrapped line the rows after it show the same text as before, only moved along the
    /// line, so they need no repainting. -1 when unknown (up to the line's end then).
    Position ChangedUntil() const { return changedUntil_; }

private:
    struct LongLine {
        std::vector<Position> rowStarts;                      ///< wrapping: offsets, first 0
        std::vector<std::pair<Position, double>> checkpoints; ///< no wrapping: (offset, x)
        double width = 0;                                     ///< no wrapping: estimate
    };

    void TextChanged(const TextChange& change) override;

    void Rebuild();
    void RenumberLongLines(Position fromLine, Position delta);
    /// Row starts (offsets from the line start) of a line, from a stored long line when there
    /// is one.
    const std::vector<Position>& RowStartsOf(Position line) const;
    /// Greedy wrapping of [start, end) from `from` (an offset that begins a row), appending
    /// row starts (offsets) to out. With `old`, stops as soon as a new row start past `stable`
    /// equals an old one moved by `shift`, and takes the old rows from there; returns the index
    /// in `out` of that first old row, or -1.
    Position Wrap(Position start, Position end, Position from, std::vector<Position>& out,
                  const std::vector<Position>* old = nullptr, Position stable = 0,
                  Position shift = 0) const;
    double WidthOf(Position from, Position to, double x0) const;
    double LineX(Position line, Position lineStart, Position offset) const;
    void UpdateWrappedLine(Position line, const TextChange& change);
    void UpdateLongLine(Position line, const TextChange& change);
    std::int32_t CountRows(Position line);
    double SumAdvances(std::string_view text) const;

    TextModel& model_;
    std::array<double, 256> advances_{};
    double tabWidth_ = 64;
    bool utf8_ = false; ///< the model's encoding when the layout was last built
    std::function<double(char32_t)> measure_;
    mutable std::vector<double> bmpAdvances_; ///< UTF-8: per code point below U+10000; < 0 unknown
    mutable std::unordered_map<char32_t, double> otherAdvances_;
    double wrapWidth_ = 0;
    std::vector<std::int32_t> rowsPerLine_; ///< wrapping only
    RowIndex rowIndex_;
    mutable std::map<Position, LongLine> longLines_;
    mutable double widest_ = 0;
    double maxAdvance_ = 8;
    Position shiftedFrom_ = 0;
    Position changedUntil_ = -1;
    std::vector<Position> spareRows_;   ///< the previous row starts of the last re-wrapped line
    mutable Position scratchLine_ = -1; ///< line whose row starts `scratch_` holds
    mutable std::vector<Position> scratch_;
};

} // namespace zn::editor
