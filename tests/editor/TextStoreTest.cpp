// The block store against a plain string: text, colours, lines and finding after every edit.
#include "editor/TextStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace zn::editor;

namespace {

/// The same text kept the simple way, to compare the store with.
struct Reference {
    std::string text;
    std::vector<std::uint8_t> colors;

    void Insert(Position pos, const std::string& s, std::uint8_t color) {
        text.insert(static_cast<std::size_t>(pos), s);
        colors.insert(colors.begin() + pos, s.size(), color);
    }
    void Erase(Position pos, Position len) {
        text.erase(static_cast<std::size_t>(pos), static_cast<std::size_t>(len));
        colors.erase(colors.begin() + pos, colors.begin() + pos + len);
    }
    Position LineOf(Position pos) const {
        return std::count(text.begin(), text.begin() + pos, '\n');
    }
};

void ExpectSame(const TextStore& store, const Reference& ref) {
    ASSERT_EQ(store.Length(), static_cast<Position>(ref.text.size()));
    ASSERT_EQ(store.Text(), ref.text);
    ASSERT_EQ(store.GetColors(0, store.Length()), ref.colors);
    const Position lines = std::count(ref.text.begin(), ref.text.end(), '\n') + 1;
    ASSERT_EQ(store.LineCount(), lines);
    Position line = 0;
    for (Position pos = 0; pos <= store.Length(); ++pos) {
        if (pos > 0 && ref.text[pos - 1] == '\n') {
            ++line;
            ASSERT_EQ(store.LineStart(line), pos) << "line " << line;
        }
        if (pos % 97 == 0 || (pos > 0 && ref.text[pos - 1] == '\n')) {
            ASSERT_EQ(store.LineFromPosition(pos), line) << "pos " << pos;
        }
    }
}

std::string RandomText(std::mt19937& rng, std::size_t size) {
    static const char kChars[] = "abc <>=\"\r\n\0";
    std::uniform_int_distribution<int> pick(0, sizeof(kChars) - 2);
    std::string s(size, ' ');
    for (char& c : s) {
        c = kChars[pick(rng)];
    }
    return s;
}

} // namespace

TEST(TextStore, EmptyText) {
    TextStore store;
    EXPECT_EQ(store.Length(), 0);
    EXPECT_EQ(store.LineCount(), 1);
    EXPECT_EQ(store.LineStart(0), 0);
    EXPECT_EQ(store.LineStart(5), 0);
    EXPECT_EQ(store.LineEnd(0), 0);
    EXPECT_EQ(store.LineFromPosition(0), 0);
    EXPECT_EQ(store.CharAt(0), '\0');
    EXPECT_EQ(store.FindChar('a', 0, 10), -1);
    EXPECT_EQ(store.FindLastOf('<', '>', 0), -1);
    store.Erase(0, 10);
    EXPECT_EQ(store.Length(), 0);
}

TEST(TextStore, LinesEndWithCrLf) {
    TextStore store;
    store.Assign("ab\r\ncd\r\n\r\ne");
    EXPECT_EQ(store.LineCount(), 4);
    EXPECT_EQ(store.LineStart(1), 4);
    EXPECT_EQ(store.LineEnd(0), 2);
    EXPECT_EQ(store.LineEnd(1), 6);
    EXPECT_EQ(store.LineEnd(2), 8);
    EXPECT_EQ(store.LineEnd(3), 11);
    EXPECT_EQ(store.LineFromPosition(3), 0); // between CR and LF still counts as the first line
    EXPECT_EQ(store.LineFromPosition(4), 1);
    EXPECT_EQ(store.LineFromPosition(99), 3);
}

// Insert at every position of a text that spans several blocks, so that every block boundary
// and every offset inside the first blocks is an insertion point once.
TEST(TextStore, InsertAtEveryPositionAcrossBlocks) {
    std::mt19937 rng(7);
    const std::string base = RandomText(rng, TextStore::kFillBlock * 2 + 100);
    TextStore store;
    store.Assign(base);
    Reference ref{base, std::vector<std::uint8_t>(base.size(), 0)};
    for (Position pos = 0; pos <= static_cast<Position>(base.size()); pos += 37) {
        store.Insert(pos, "<\n>", 2);
        ref.Insert(pos, "<\n>", 2);
    }
    ExpectSame(store, ref);
    for (Position pos = static_cast<Position>(ref.text.size()) - 3; pos >= 0; pos -= 41) {
        store.Erase(pos, 3);
        ref.Erase(pos, 3);
    }
    ExpectSame(store, ref);
}

TEST(TextStore, LargeInsertSplitsAndLargeEraseMerges) {
    std::mt19937 rng(11);
    TextStore store;
    Reference ref;
    const std::string big = RandomText(rng, TextStore::kMaxBlock * 5 + 3);
    store.Insert(0, "head\r\ntail", 1);
    ref.Insert(0, "head\r\ntail", 1);
    store.Insert(6, big, 2);
    ref.Insert(6, big, 2);
    EXPECT_GT(store.BlockCount(), 5u);
    ExpectSame(store, ref);
    store.Erase(3, static_cast<Position>(big.size()));
    ref.Erase(3, static_cast<Position>(big.size()));
    ExpectSame(store, ref);
    EXPECT_LE(store.BlockCount(), 2u);
}

TEST(TextStore, RandomEditsMatchAPlainString) {
    std::mt19937 rng(1234);
    TextStore store;
    Reference ref;
    const std::string start = RandomText(rng, 50000);
    store.Assign(start);
    ref = {start, std::vector<std::uint8_t>(start.size(), 0)};
    for (int round = 0; round < 3000; ++round) {
        const auto len = static_cast<Position>(ref.text.size());
        std::uniform_int_distribution<Position> at(0, len);
        const Position pos = at(rng);
        switch (rng() % 4) {
        case 0:
        case 1: {
            const std::size_t size = (rng() % 10 == 0) ? rng() % 20000 : rng() % 8;
            const std::string s = RandomText(rng, size);
            const auto color = static_cast<std::uint8_t>(rng() % 4);
            store.Insert(pos, s, color);
            ref.Insert(pos, s, color);
            break;
        }
        case 2: {
            // Removing, or replacing in one block or across blocks.
            const Position n =
                std::min<Position>(len - pos, (rng() % 10 == 0) ? rng() % 30000 : rng() % 8);
            const std::string s = RandomText(rng, (rng() % 10 == 0) ? rng() % 12000 : rng() % 3);
            store.Replace(pos, n, s, 3);
            ref.Erase(pos, n);
            ref.Insert(pos, s, 3);
            break;
        }
        default: {
            const Position n = std::min<Position>(len - pos, rng() % 40);
            const auto color = static_cast<std::uint8_t>(rng() % 4);
            store.SetColors(pos, n, color);
            std::fill(ref.colors.begin() + pos, ref.colors.begin() + pos + n, color);
            break;
        }
        }
        if (round % 300 == 0) {
            ExpectSame(store, ref);
        }
    }
    ExpectSame(store, ref);
}

TEST(TextStore, FindingAcrossBlockBoundaries) {
    std::string text(TextStore::kFillBlock * 3, 'x');
    const Position boundary = TextStore::kFillBlock;
    text.replace(boundary - 2, 4, "<ab>");
    TextStore store;
    store.Assign(text);
    EXPECT_EQ(store.FindChar('>', 0, store.Length()), boundary + 1);
    EXPECT_EQ(store.FindChar('>', 0, boundary + 1), -1); // the end is exclusive
    EXPECT_EQ(store.Find("<ab>", 0, store.Length()), boundary - 2);
    EXPECT_EQ(store.Find("<ab>", 0, boundary + 1), -1);
    EXPECT_EQ(store.Find("b>x", boundary, store.Length()), boundary);
    EXPECT_EQ(store.FindLastOf('<', '>', store.Length()), boundary + 1);
    EXPECT_EQ(store.FindLastOf('<', '-', boundary + 1), boundary - 2);
    EXPECT_EQ(store.FindLastOf('<', '>', boundary - 2), -1);
    EXPECT_EQ(store.GetText(boundary - 2, 4), "<ab>");
}

TEST(TextStore, NulBytesAreOrdinaryCharacters) {
    const std::string text{"a\0b\0<\0>", 7};
    TextStore store;
    store.Assign(text);
    EXPECT_EQ(store.Length(), 7);
    EXPECT_EQ(store.Text(), text);
    EXPECT_EQ(store.FindChar('\0', 2, 7), 3);
    EXPECT_EQ(store.Find(std::string{"\0>", 2}, 0, 7), 5);
}
