// The bytes of a document with one colour byte per character and a line index, kept in blocks.
#pragma once

#include "editor/Fenwick.h"
#include "editor/Position.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

/// Storage of the text. The text is a sequence of blocks of at most kMaxBlock bytes; each block
/// carries the colour byte of every character and the offsets of its LF characters. Two Fenwick
/// trees over the blocks give the start position and the first line of any block in O(log n),
/// so an edit anywhere touches one block and O(log n) counters, and line lookups never scan the
/// document.
///
/// The store does not know about CR LF pairs; TextModel keeps them whole. A line starts after
/// each LF.
class TextStore {
public:
    static constexpr std::size_t kMaxBlock = 16384; ///< a block never grows beyond this
    static constexpr std::size_t kFillBlock = 8192; ///< size of blocks made by Assign or a split

    TextStore();

    /// Replaces the whole text; every character gets colour 0.
    void Assign(std::string_view text);

    Position Length() const { return length_; }
    /// Number of lines: one more than the number of LF characters.
    Position LineCount() const { return feeds_ + 1; }

    /// Character at pos; '\0' outside the text.
    char CharAt(Position pos) const;
    std::uint8_t ColorAt(Position pos) const;

    /// Copies of a range; the range is clipped to the text.
    std::string GetText(Position pos, Position len) const;
    std::string Text() const { return GetText(0, length_); }
    std::vector<std::uint8_t> GetColors(Position pos, Position len) const;

    /// Inserts text at pos (0..Length) with every new character in the given colour.
    void Insert(Position pos, std::string_view text, std::uint8_t color);
    /// Removes len characters from pos; the range is clipped to the text.
    void Erase(Position pos, Position len);
    /// Replaces len characters from pos (clipped) by text in the given colour. A change that
    /// spans blocks or outgrows its block rewrites the blocks it covers, reusing their memory.
    void Replace(Position pos, Position len, std::string_view text, std::uint8_t color);
    /// Gives every character of the range the colour.
    void SetColors(Position pos, Position len, std::uint8_t color);

    /// Line of the character at pos (the line a caret at pos stands on); pos is clipped.
    Position LineFromPosition(Position pos) const;
    /// Position of the first character of a line; Length() beyond the last line.
    Position LineStart(Position line) const;
    /// Position just past the last character of a line before its line break.
    Position LineEnd(Position line) const;

    /// First occurrence of c in [from, to); -1 when none.
    Position FindChar(char c, Position from, Position to) const;
    /// Last position before `before` holding a or b; -1 when none.
    Position FindLastOf(char a, char b, Position before) const;
    /// First start of needle in [from, to - needle.size()]; -1 when none or needle is empty.
    Position Find(std::string_view needle, Position from, Position to) const;

    /// Calls f(const char* text, Position start, Position length) for every contiguous piece of
    /// the range [pos, pos + len) in order, until f returns false.
    template <typename F>
    void ForEachPiece(Position pos, Position len, F&& f) const;

    /// Number of blocks (tests and benchmarks look at the structure).
    std::size_t BlockCount() const { return blocks_.size(); }

    /// Reads the text at positions that mostly increase (a pass over many tags): it remembers
    /// the block it read last, so it rarely has to look a position up. Offers what NextTag needs.
    class Scanner {
    public:
        explicit Scanner(const TextStore& store) : store_(store) {}
        Position Length() const { return store_.length_; }
        /// First occurrence of c in [from, to); -1 when none.
        Position FindChar(char c, Position from, Position to) const;
        /// The characters of [pos, pos + len) into out (replacing its content).
        void CopyText(Position pos, Position len, std::string& out) const;

    private:
        /// Makes the remembered block the one holding the character at pos (< Length()).
        void Seek(Position pos) const;
        Position BlockEnd() const {
            return blockStart_ + static_cast<Position>(store_.blocks_[block_].text.size());
        }

        const TextStore& store_;
        mutable std::size_t block_ = 0;
        mutable Position blockStart_ = -1; ///< -1 until a block is found
    };

    /// Paints colours at positions that mostly increase (a colouring pass over many tags): it
    /// remembers the block it painted last, so it rarely has to look a position up.
    class ColorCursor {
    public:
        explicit ColorCursor(TextStore& store) : store_(store) {}
        void Paint(Position pos, Position len, std::uint8_t color);

    private:
        TextStore& store_;
        std::size_t block_ = 0;
        Position blockStart_ = -1; ///< -1 until a block is found
    };

private:
    struct Block {
        std::string text;
        std::vector<std::uint8_t> colors;  ///< one per byte of text
        std::vector<std::uint16_t> breaks; ///< sorted offsets of '\n' in text
    };

    struct Place {
        std::size_t block;
        Position offset;      ///< of the position inside the block
        Position feedsBefore; ///< line feeds in the blocks before
    };

    /// Block holding the character at pos (0 <= pos < Length()).
    Place CharPlace(Position pos) const;
    /// Where an insertion at pos (0..Length()) goes.
    Place InsertPlace(Position pos) const;
    Position BlockStart(std::size_t block) const { return index_.Prefix(block).chars; }

    void InsertIntoBlock(std::size_t b, Position offset, std::string_view text, std::uint8_t color);
    void Rewrite(std::size_t first, Position from, std::size_t last, Position to,
                 std::string_view text, std::uint8_t color);
    void EraseInBlock(std::size_t b, Position offset, Position len);
    void MergeSmall(std::size_t b);
    void Reindex();
    static void IndexBreaks(Block& block);
    bool MatchesAt(Position pos, std::string_view needle) const;

    /// Calls f(block, offset, take, start) for the blocks covering [pos, pos + len) (clipped),
    /// in order, until f returns false.
    template <typename Self, typename F>
    static void VisitBlocks(Self& self, Position pos, Position len, F&& f);

    std::vector<Block> blocks_; ///< never empty; only the text of an empty document is empty
    BlockIndex index_;
    Position length_ = 0;
    Position feeds_ = 0; ///< line feeds in the whole text
};

template <typename Self, typename F>
void TextStore::VisitBlocks(Self& self, Position pos, Position len, F&& f) {
    if (pos < 0) {
        len += pos;
        pos = 0;
    }
    if (len > self.length_ - pos) {
        len = self.length_ - pos;
    }
    if (len <= 0) {
        return;
    }
    Place place = self.CharPlace(pos);
    Position start = pos;
    for (std::size_t b = place.block; b < self.blocks_.size() && len > 0; ++b) {
        auto& block = self.blocks_[b];
        Position offset = (b == place.block) ? place.offset : 0;
        Position take = std::min<Position>(len, static_cast<Position>(block.text.size()) - offset);
        if (take > 0) {
            if (!f(block, offset, take, start)) {
                return;
            }
            start += take;
            len -= take;
        }
    }
}

template <typename F>
void TextStore::ForEachPiece(Position pos, Position len, F&& f) const {
    VisitBlocks(*this, pos, len,
                [&](const Block& block, Position offset, Position take, Position start) {
                    return f(block.text.data() + offset, start, take);
                });
}

} // namespace zn::editor
