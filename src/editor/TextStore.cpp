// Block storage of text, colours and line feeds.
#include "editor/TextStore.h"

#include <algorithm>
#include <cstring>

namespace zn::editor {
namespace {

constexpr std::size_t kMinBlock = 1024; ///< smaller blocks are merged with a neighbour

} // namespace

TextStore::TextStore() {
    blocks_.emplace_back();
    Reindex();
}

void TextStore::IndexBreaks(Block& block) {
    block.breaks.clear();
    const char* data = block.text.data();
    const char* end = data + block.text.size();
    for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p) {
        block.breaks.push_back(static_cast<std::uint16_t>(p - data));
    }
    block.breaks.shrink_to_fit();
}

void TextStore::Reindex() {
    std::vector<BlockIndex::Counts> counts(blocks_.size());
    length_ = 0;
    feeds_ = 0;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        counts[b] = {static_cast<Position>(blocks_[b].text.size()),
                     static_cast<Position>(blocks_[b].breaks.size())};
        length_ += counts[b].chars;
        feeds_ += counts[b].feeds;
    }
    index_.Build(counts);
}

void TextStore::Assign(std::string_view text) {
    blocks_.clear();
    for (std::size_t at = 0; at < text.size(); at += kFillBlock) {
        Block block;
        block.text.assign(text.substr(at, kFillBlock));
        block.colors.assign(block.text.size(), 0);
        IndexBreaks(block);
        blocks_.push_back(std::move(block));
    }
    if (blocks_.empty()) {
        blocks_.emplace_back();
    }
    blocks_.shrink_to_fit();
    Reindex();
}

TextStore::Place TextStore::CharPlace(Position pos) const {
    const BlockIndex::Found found = index_.FindChar(pos);
    return {found.block, pos - found.before.chars, found.before.feeds};
}

TextStore::Place TextStore::InsertPlace(Position pos) const {
    if (pos <= 0) {
        return {0, 0, 0};
    }
    // Append to the block of the character before, so typing at a block's end stays in it.
    Place place = CharPlace(pos - 1);
    return {place.block, place.offset + 1, place.feedsBefore};
}

char TextStore::CharAt(Position pos) const {
    if (pos < 0 || pos >= length_) {
        return '\0';
    }
    Place place = CharPlace(pos);
    return blocks_[place.block].text[place.offset];
}

std::uint8_t TextStore::ColorAt(Position pos) const {
    if (pos < 0 || pos >= length_) {
        return 0;
    }
    Place place = CharPlace(pos);
    return blocks_[place.block].colors[place.offset];
}

std::string TextStore::GetText(Position pos, Position len) const {
    std::string out;
    if (len > 0) {
        out.reserve(static_cast<std::size_t>(std::min(len, length_)));
    }
    ForEachPiece(pos, len, [&](const char* data, Position, Position take) {
        out.append(data, static_cast<std::size_t>(take));
        return true;
    });
    return out;
}

std::vector<std::uint8_t> TextStore::GetColors(Position pos, Position len) const {
    std::vector<std::uint8_t> out;
    VisitBlocks(*this, pos, len, [&](const Block& block, Position offset, Position take, Position) {
        out.insert(out.end(), block.colors.begin() + offset, block.colors.begin() + offset + take);
        return true;
    });
    return out;
}

void TextStore::SetColors(Position pos, Position len, std::uint8_t color) {
    VisitBlocks(*this, pos, len, [&](Block& block, Position offset, Position take, Position) {
        std::memset(block.colors.data() + offset, color, static_cast<std::size_t>(take));
        return true;
    });
}

void TextStore::Insert(Position pos, std::string_view text, std::uint8_t color) {
    if (text.empty()) {
        return;
    }
    pos = std::clamp<Position>(pos, 0, length_);
    Place place = InsertPlace(pos);
    if (blocks_[place.block].text.size() + text.size() <= kMaxBlock) {
        InsertIntoBlock(place.block, place.offset, text, color);
    } else {
        Rewrite(place.block, place.offset, place.block, place.offset, text, color);
    }
}

void TextStore::InsertIntoBlock(std::size_t b, Position offset, std::string_view text,
                                std::uint8_t color) {
    Block& block = blocks_[b];
    const auto n = static_cast<std::uint16_t>(text.size());
    block.text.insert(static_cast<std::size_t>(offset), text);
    block.colors.insert(block.colors.begin() + offset, text.size(), color);
    auto first = std::lower_bound(block.breaks.begin(), block.breaks.end(), offset);
    for (auto it = first; it != block.breaks.end(); ++it) {
        *it = static_cast<std::uint16_t>(*it + n);
    }
    std::vector<std::uint16_t> added;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            added.push_back(static_cast<std::uint16_t>(offset + static_cast<Position>(i)));
        }
    }
    block.breaks.insert(first, added.begin(), added.end());
    index_.Add(b, static_cast<Position>(text.size()), static_cast<Position>(added.size()));
    length_ += static_cast<Position>(text.size());
    feeds_ += static_cast<Position>(added.size());
}

// Replaces the text from offset `from` of block `first` up to offset `to` of block `last` by
// `text`: those blocks are cut into new equal pieces of the text around and in the change.
void TextStore::Rewrite(std::size_t first, Position from, std::size_t last, Position to,
                        std::string_view text, std::uint8_t color) {
    // What the first block keeps before the change and the last one after it.
    const Block& head = blocks_[first];
    const Block& tail = blocks_[last];
    const std::string headText = head.text.substr(0, static_cast<std::size_t>(from));
    const std::vector<std::uint8_t> headColors(head.colors.begin(), head.colors.begin() + from);
    const std::string tailText = tail.text.substr(static_cast<std::size_t>(to));
    const std::vector<std::uint8_t> tailColors(tail.colors.begin() + to, tail.colors.end());

    struct Part {
        const char* text;
        const std::uint8_t* colors; ///< nullptr: every character takes `color`
        std::size_t size;
    };
    const Part parts[] = {{headText.data(), headColors.data(), headText.size()},
                          {text.data(), nullptr, text.size()},
                          {tailText.data(), tailColors.data(), tailText.size()}};
    const std::size_t total = headText.size() + text.size() + tailText.size();
    // Equal pieces of about kFillBlock bytes, so no tiny block is left at the end.
    std::size_t pieces = (total + kFillBlock - 1) / kFillBlock;
    const std::size_t had = last - first + 1;
    if (pieces == 0 && had == blocks_.size()) {
        pieces = 1; // the empty text keeps one empty block
    }
    const auto at = [this](std::size_t b) {
        return blocks_.begin() + static_cast<std::ptrdiff_t>(b);
    };
    if (pieces < had) {
        blocks_.erase(at(first + pieces), at(last + 1));
    } else if (pieces > had) {
        blocks_.insert(at(last + 1), pieces - had, Block{});
    }
    // The blocks are filled again in place: their memory is reused, and nothing is zeroed only to
    // be overwritten.
    std::size_t part = 0;
    std::size_t offset = 0;
    for (std::size_t i = 0; i < pieces; ++i) {
        Block& block = blocks_[first + i];
        std::size_t need = total / pieces + (i < total % pieces ? 1 : 0);
        block.text.clear();
        block.text.reserve(need);
        block.colors.clear();
        block.colors.reserve(need);
        while (need > 0) {
            const Part& source = parts[part];
            const std::size_t take = std::min(need, source.size - offset);
            if (take == 0) {
                ++part;
                offset = 0;
                continue;
            }
            block.text.append(source.text + offset, take);
            if (source.colors != nullptr) {
                block.colors.insert(block.colors.end(), source.colors + offset,
                                    source.colors + offset + take);
            } else {
                block.colors.insert(block.colors.end(), take, color);
            }
            offset += take;
            need -= take;
        }
        IndexBreaks(block);
    }
    Reindex();
    if (pieces > 0) {
        MergeSmall(first);
    }
}

void TextStore::Replace(Position pos, Position len, std::string_view text, std::uint8_t color) {
    pos = std::clamp<Position>(pos, 0, length_);
    len = std::clamp<Position>(len, 0, length_ - pos);
    if (len == 0) {
        Insert(pos, text, color);
        return;
    }
    const Place first = CharPlace(pos);
    const Place last = CharPlace(pos + len - 1);
    if (first.block == last.block &&
        blocks_[first.block].text.size() - static_cast<std::size_t>(len) + text.size() <=
            kMaxBlock) {
        // Within one block: an edit as typing makes.
        Erase(pos, len);
        Insert(pos, text, color);
        return;
    }
    Rewrite(first.block, first.offset, last.block, last.offset + 1, text, color);
}

void TextStore::EraseInBlock(std::size_t b, Position offset, Position len) {
    Block& block = blocks_[b];
    block.text.erase(static_cast<std::size_t>(offset), static_cast<std::size_t>(len));
    block.colors.erase(block.colors.begin() + offset, block.colors.begin() + offset + len);
    auto first = std::lower_bound(block.breaks.begin(), block.breaks.end(), offset);
    auto last = std::lower_bound(first, block.breaks.end(), offset + len);
    const auto removed = static_cast<Position>(last - first);
    for (auto it = last; it != block.breaks.end(); ++it) {
        *it = static_cast<std::uint16_t>(*it - len);
    }
    block.breaks.erase(first, last);
    index_.Add(b, -len, -removed);
    length_ -= len;
    feeds_ -= removed;
}

void TextStore::Erase(Position pos, Position len) {
    if (pos < 0) {
        len += pos;
        pos = 0;
    }
    len = std::min(len, length_ - pos);
    if (len <= 0) {
        return;
    }
    Place first = CharPlace(pos);
    Place last = CharPlace(pos + len - 1);
    if (first.block == last.block) {
        EraseInBlock(first.block, first.offset, len);
        MergeSmall(first.block);
        return;
    }
    // Trim the two end blocks, drop the whole blocks between them.
    EraseInBlock(last.block, 0, last.offset + 1);
    Position firstSize = static_cast<Position>(blocks_[first.block].text.size());
    EraseInBlock(first.block, first.offset, firstSize - first.offset);
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(first.block) + 1,
                  blocks_.begin() + static_cast<std::ptrdiff_t>(last.block));
    Reindex();
    MergeSmall(first.block + 1 < blocks_.size() ? first.block + 1 : first.block);
    MergeSmall(std::min(first.block, blocks_.size() - 1));
}

void TextStore::MergeSmall(std::size_t b) {
    if (blocks_.size() < 2 || b >= blocks_.size() || blocks_[b].text.size() >= kMinBlock) {
        return;
    }
    std::size_t left = (b + 1 < blocks_.size()) ? b : b - 1;
    Block& into = blocks_[left];
    Block& from = blocks_[left + 1];
    if (into.text.size() + from.text.size() > kMaxBlock) {
        if (!blocks_[b].text.empty()) {
            return;
        }
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
        Reindex();
        return;
    }
    into.text += from.text;
    into.colors.insert(into.colors.end(), from.colors.begin(), from.colors.end());
    IndexBreaks(into);
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(left) + 1);
    Reindex();
}

Position TextStore::LineFromPosition(Position pos) const {
    pos = std::clamp<Position>(pos, 0, length_);
    if (pos == 0) {
        return 0;
    }
    Place place = CharPlace(pos - 1);
    const auto& breaks = blocks_[place.block].breaks;
    auto inBlock = std::upper_bound(breaks.begin(), breaks.end(), place.offset) - breaks.begin();
    return place.feedsBefore + inBlock;
}

Position TextStore::LineStart(Position line) const {
    if (line <= 0) {
        return 0;
    }
    if (line >= LineCount()) {
        return length_;
    }
    const BlockIndex::Found found = index_.FindFeed(line);
    const Position k = line - found.before.feeds;
    return found.before.chars + blocks_[found.block].breaks[static_cast<std::size_t>(k - 1)] + 1;
}

Position TextStore::LineEnd(Position line) const {
    if (line < 0) {
        return 0;
    }
    if (line + 1 >= LineCount()) {
        return length_;
    }
    Position lineFeed = LineStart(line + 1) - 1;
    return (lineFeed > LineStart(line) && CharAt(lineFeed - 1) == '\r') ? lineFeed - 1 : lineFeed;
}

Position TextStore::FindChar(char c, Position from, Position to) const {
    Position found = -1;
    from = std::max<Position>(from, 0);
    ForEachPiece(from, to - from, [&](const char* data, Position start, Position take) {
        const void* hit = std::memchr(data, c, static_cast<std::size_t>(take));
        if (hit != nullptr) {
            found = start + (static_cast<const char*>(hit) - data);
            return false;
        }
        return true;
    });
    return found;
}

Position TextStore::FindLastOf(char a, char b, Position before) const {
    before = std::min(before, length_);
    if (before <= 0) {
        return -1;
    }
    Place place = CharPlace(before - 1);
    for (std::size_t k = place.block + 1; k-- > 0;) {
        const std::string& text = blocks_[k].text;
        Position i = (k == place.block) ? place.offset : static_cast<Position>(text.size()) - 1;
        for (; i >= 0; --i) {
            if (text[static_cast<std::size_t>(i)] == a || text[static_cast<std::size_t>(i)] == b) {
                return BlockStart(k) + i;
            }
        }
    }
    return -1;
}

bool TextStore::MatchesAt(Position pos, std::string_view needle) const {
    std::size_t matched = 0;
    bool same = true;
    ForEachPiece(
        pos, static_cast<Position>(needle.size()), [&](const char* data, Position, Position take) {
            same = std::memcmp(data, needle.data() + matched, static_cast<std::size_t>(take)) == 0;
            matched += static_cast<std::size_t>(take);
            return same;
        });
    return same && matched == needle.size();
}

Position TextStore::Find(std::string_view needle, Position from, Position to) const {
    const auto n = static_cast<Position>(needle.size());
    from = std::max<Position>(from, 0);
    to = std::min(to, length_);
    if (n == 0) {
        return -1;
    }
    while (from + n <= to) {
        Position hit = FindChar(needle[0], from, to - n + 1);
        if (hit < 0) {
            return -1;
        }
        if (MatchesAt(hit, needle)) {
            return hit;
        }
        from = hit + 1;
    }
    return -1;
}

void TextStore::Scanner::Seek(Position pos) const {
    if (blockStart_ >= 0 && pos >= blockStart_) {
        // Walk a few blocks forward before asking the index.
        for (int steps = 0; steps < 8; ++steps) {
            if (pos < BlockEnd()) {
                return;
            }
            blockStart_ = BlockEnd();
            ++block_;
        }
    }
    const Place place = store_.CharPlace(pos);
    block_ = place.block;
    blockStart_ = pos - place.offset;
}

Position TextStore::Scanner::FindChar(char c, Position from, Position to) const {
    from = std::max<Position>(from, 0);
    to = std::min(to, store_.length_);
    while (from < to) {
        Seek(from);
        const std::string& text = store_.blocks_[block_].text;
        const Position end = std::min(to, BlockEnd());
        const void* hit = std::memchr(text.data() + (from - blockStart_), c,
                                      static_cast<std::size_t>(end - from));
        if (hit != nullptr) {
            return blockStart_ + (static_cast<const char*>(hit) - text.data());
        }
        from = end;
    }
    return -1;
}

void TextStore::Scanner::CopyText(Position pos, Position len, std::string& out) const {
    out.clear();
    pos = std::max<Position>(pos, 0);
    const Position end = std::min(pos + std::max<Position>(len, 0), store_.length_);
    while (pos < end) {
        Seek(pos);
        const Position take = std::min(end, BlockEnd()) - pos;
        out.append(store_.blocks_[block_].text, static_cast<std::size_t>(pos - blockStart_),
                   static_cast<std::size_t>(take));
        pos += take;
    }
}

void TextStore::ColorCursor::Paint(Position pos, Position len, std::uint8_t color) {
    if (pos < 0) {
        len += pos;
        pos = 0;
    }
    len = std::min(len, store_.length_ - pos);
    while (len > 0) {
        if (blockStart_ < 0 || pos < blockStart_) {
            Place place = store_.CharPlace(pos);
            block_ = place.block;
            blockStart_ = pos - place.offset;
        }
        auto blockEnd = [&] {
            return blockStart_ + static_cast<Position>(store_.blocks_[block_].text.size());
        };
        while (pos >= blockEnd()) {
            blockStart_ = blockEnd();
            ++block_;
        }
        Block& block = store_.blocks_[block_];
        const Position take = std::min(len, blockEnd() - pos);
        std::memset(block.colors.data() + (pos - blockStart_), color,
                    static_cast<std::size_t>(take));
        pos += take;
        len -= take;
    }
}

} // namespace zn::editor
