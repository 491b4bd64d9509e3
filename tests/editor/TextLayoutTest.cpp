// Row layout: wrapping, x positions and hit-testing, kept right through edits.
#include "editor/TextLayout.h"

#include <gtest/gtest.h>

#include <random>

using namespace zn::editor;

namespace {

std::array<double, 256> Advances() {
    std::array<double, 256> a{};
    a.fill(7);
    a[' '] = 3;
    a['i'] = 2;
    a['W'] = 11;
    return a;
}

/// Every row start of a layout.
std::vector<Position> Rows(const TextLayout& layout) {
    std::vector<Position> rows;
    for (Position r = 0; r < layout.RowCount(); ++r) {
        rows.push_back(layout.RowStart(r));
    }
    return rows;
}

/// A fresh layout of the same text, to compare an updated one with.
std::vector<Position> FreshRows(const TextModel& model, double wrap) {
    TextModel copy;
    copy.Load(model.Text());
    TextLayout fresh(copy);
    fresh.SetMetrics(Advances(), 20);
    fresh.SetWrapWidth(wrap);
    return Rows(fresh);
}

std::string Words(std::mt19937& rng, std::size_t n) {
    static const char* kWords[] = {"a", "ab", "iii", "WWWWW", "slovo", "<b>", "\t", "x"};
    std::string s;
    while (s.size() < n) {
        s += kWords[rng() % 8];
        s += (rng() % 9 == 0) ? "\r\n" : " ";
    }
    return s;
}

} // namespace

TEST(TextLayout, NoWrapRowsAreLines) {
    TextModel m;
    m.Load("ab\r\n\r\ncd");
    TextLayout layout(m);
    layout.SetMetrics(Advances(), 20);
    EXPECT_EQ(layout.RowCount(), 3);
    EXPECT_EQ(layout.RowStart(2), 6);
    EXPECT_EQ(layout.RowEnd(0), 2);
    EXPECT_EQ(layout.RowOfPosition(5), 1);
    EXPECT_DOUBLE_EQ(layout.XOfPosition(8), 14);
    EXPECT_EQ(layout.PositionAtX(2, 3.4), 6); // nearer the left edge of "c"
    EXPECT_EQ(layout.PositionAtX(2, 3.6), 7);
    EXPECT_EQ(layout.PositionAtX(2, 500), 8);
    EXPECT_EQ(layout.PositionAtX(1, 5), 4);
}

TEST(TextLayout, TabsAdvanceToTheNextStop) {
    TextModel m;
    m.Load("a\tb\t\tc");
    TextLayout layout(m);
    layout.SetMetrics(Advances(), 20);
    EXPECT_DOUBLE_EQ(layout.XOfPosition(1), 7);
    EXPECT_DOUBLE_EQ(layout.XOfPosition(2), 20);
    EXPECT_DOUBLE_EQ(layout.XOfPosition(3), 27);
    EXPECT_DOUBLE_EQ(layout.XOfPosition(4), 40);
    EXPECT_DOUBLE_EQ(layout.XOfPosition(5), 60);
    EXPECT_EQ(layout.PositionAtX(0, 41),
              4); // a click after a tab lands on the character drawn there
    EXPECT_EQ(layout.PositionAtX(0, 52), 5);
}

TEST(TextLayout, WrapsAfterBlanksAndInsideLongWords) {
    TextModel m;
    // Words of 7 px letters: "aaaa " is 31 px; rows of 50 px hold one such word each. "W" is
    // 11 px: a word of ten of them breaks after every fourth.
    m.Load("aaaa bbbb cccc\r\nWWWWWWWWWW");
    TextLayout layout(m);
    layout.SetMetrics(Advances(), 20);
    layout.SetWrapWidth(50);
    EXPECT_EQ(Rows(layout), (std::vector<Position>{0, 5, 10, 16, 20, 24}));
    EXPECT_EQ(layout.RowEnd(0), 5);
    EXPECT_EQ(layout.RowEnd(2), 14);
    EXPECT_EQ(layout.RowOfPosition(5), 1); // a wrap point belongs to the next row
    EXPECT_EQ(layout.LineOfRow(4), 1);
    EXPECT_DOUBLE_EQ(layout.XOfPosition(7), 14);
    EXPECT_EQ(layout.PositionAtX(0, 200), 4);  // past a wrapped row's end: before its blank
    EXPECT_EQ(layout.PositionAtX(2, 200), 14); // the line's last row ends at the line end
}

TEST(TextLayout, EditsKeepTheSameRowsAsAFreshLayout) {
    std::mt19937 rng(3);
    for (double wrap : {0.0, 60.0, 230.0}) {
        SCOPED_TRACE(wrap);
        TextModel m;
        m.Load(Words(rng, 3000));
        TextLayout layout(m);
        layout.SetMetrics(Advances(), 20);
        layout.SetWrapWidth(wrap);
        for (int round = 0; round < 300; ++round) {
            const Position pos = m.Snap(static_cast<Position>(rng() % (m.Length() + 1)));
            if (rng() % 3 == 0) {
                m.Replace(pos, static_cast<Position>(rng() % 30), "");
            } else {
                m.Replace(pos, 0, Words(rng, rng() % 12));
            }
            if (round % 30 == 0) {
                ASSERT_EQ(Rows(layout), FreshRows(m, wrap)) << "round " << round;
            }
        }
        ASSERT_EQ(Rows(layout), FreshRows(m, wrap));
    }
}

// One line longer than the long-line limit: re-wrapping starts near the edit and stops when the
// rows fall in step again, and must give the rows of a fresh layout.
TEST(TextLayout, LongLineRewrapsIncrementally) {
    std::mt19937 rng(17);
    std::string line;
    while (static_cast<Position>(line.size()) < 4 * TextLayout::kLongLine) {
        line += (rng() % 7 == 0) ? "WWWWWWWWWWWWWWWWWWWW" : "slovo ";
    }
    TextModel m;
    m.Load("start\r\n" + line + "\r\nend");
    TextLayout layout(m);
    layout.SetMetrics(Advances(), 20);
    layout.SetWrapWidth(90);
    const auto rowTexts = [&] {
        std::vector<std::string> texts;
        for (Position r = 0; r < layout.RowCount(); ++r) {
            texts.push_back(m.GetText(layout.RowStart(r), layout.RowEnd(r) - layout.RowStart(r)));
        }
        return texts;
    };
    for (int round = 0; round < 200; ++round) {
        const Position pos = 7 + static_cast<Position>(rng() % line.size());
        const std::vector<std::string> before =
            round % 10 == 0 ? rowTexts() : std::vector<std::string>{};
        switch (rng() % 3) {
        case 0:
            m.Replace(pos, 0, "x");
            break;
        case 1:
            m.Replace(pos, 1, "");
            break;
        default:
            m.Replace(pos, 0, "ab WWW ");
            break;
        }
        if (round % 20 == 0) {
            ASSERT_EQ(Rows(layout), FreshRows(m, 90)) << "round " << round;
        }
        // Rows the view does not repaint after the edit show the text they showed before.
        const Position until = layout.ChangedUntil();
        if (!before.empty() && layout.ShiftedFrom() < 0 && until >= 0) {
            const std::vector<std::string> after = rowTexts();
            ASSERT_GE(until, layout.RowOfPosition(pos));
            for (auto r = static_cast<std::size_t>(until) + 1; r < after.size(); ++r) {
                ASSERT_EQ(after[r], before[r]) << "round " << round << " row " << r;
            }
        }
    }
    ASSERT_EQ(Rows(layout), FreshRows(m, 90));
    // Shrinking it below the limit and growing it again.
    m.Replace(10, m.LineEnd(1) - 20, "");
    ASSERT_EQ(Rows(layout), FreshRows(m, 90));
    m.Replace(10, 0, line);
    ASSERT_EQ(Rows(layout), FreshRows(m, 90));
}

TEST(TextLayout, HitTestingOnALongUnwrappedLine) {
    std::string line;
    for (int i = 0; i < 20000; ++i) {
        line += (i % 10 == 9) ? '\t' : 'a';
    }
    TextModel m;
    m.Load("x\r\n" + line);
    TextLayout layout(m);
    layout.SetMetrics(Advances(), 20);
    std::mt19937 rng(1);
    for (int i = 0; i < 200; ++i) {
        const Position pos = 3 + static_cast<Position>(rng() % line.size());
        const double x = layout.XOfPosition(pos);
        ASSERT_EQ(layout.PositionAtX(1, x + 0.1), pos) << pos;
    }
    // An edit early in the line moves everything after it (by a tab stop here).
    const double before = layout.XOfPosition(15000);
    m.Replace(100, 0, "aaa");
    TextModel copy;
    copy.Load(m.Text());
    TextLayout fresh(copy);
    fresh.SetMetrics(Advances(), 20);
    EXPECT_DOUBLE_EQ(layout.XOfPosition(15003), fresh.XOfPosition(15003));
    EXPECT_DOUBLE_EQ(layout.XOfPosition(15003), before + 20);
    EXPECT_EQ(layout.PositionAtX(1, before + 20.1), 15003);
    EXPECT_GE(layout.WidestRow(), before);
}

TEST(TextLayout, RowsRoundTripThroughPositions) {
    std::mt19937 rng(8);
    TextModel m;
    m.Load(Words(rng, 2000));
    TextLayout layout(m);
    layout.SetMetrics(Advances(), 20);
    layout.SetWrapWidth(70);
    for (Position row = 0; row < layout.RowCount(); ++row) {
        const Position start = layout.RowStart(row);
        ASSERT_EQ(layout.RowOfPosition(start), row);
        for (Position p = start; p < layout.RowEnd(row); ++p) {
            ASSERT_LE(layout.XOfPosition(p), 70 + 3 * 20);
            ASSERT_EQ(layout.PositionAtX(row, layout.XOfPosition(p) + 0.5), p);
        }
    }
}
