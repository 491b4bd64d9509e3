// The text model: CR LF pairs kept whole, editing, undo, caret movement and notifications.
#include "editor/TextModel.h"
#include "editor/LineEnds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using namespace zn::editor;

namespace {

std::string WithCaret(const TextModel& m) {
    std::string text = m.Text();
    text.insert(static_cast<std::size_t>(m.Sel().caret), "|");
    return text;
}

void Load(TextModel& m, std::string text) {
    const std::size_t caret = text.find('|');
    text.erase(caret, 1);
    m.Load(text);
    m.SetCaret(static_cast<Position>(caret));
}

struct Recorder : TextObserver {
    std::vector<TextChange> changes;
    std::vector<std::pair<Position, Position>> colors;
    int selections = 0;
    int resumed = 0;
    std::string* log = nullptr;
    std::string name;
    void TextChanged(const TextChange& c) override {
        changes.push_back(c);
        if (log) {
            *log += name;
        }
    }
    void ColorsChanged(Position p, Position l) override { colors.emplace_back(p, l); }
    void SelectionChanged() override { ++selections; }
    void RedrawResumed() override { ++resumed; }
};

} // namespace

TEST(LineEnds, NormaliseEveryKind) {
    EXPECT_EQ(NormalizeLineEnds("a\nb\rc\r\nd\r\r\n\n"), "a\r\nb\r\nc\r\nd\r\n\r\n\r\n");
    EXPECT_EQ(NormalizeLineEnds(std::string("\0\r", 2)), std::string("\0\r\n", 3));
    EXPECT_EQ(NormalizeLineEnds(""), "");
    EXPECT_TRUE(HasLoneLineBreak("a\r"));
    EXPECT_FALSE(HasLoneLineBreak("a\r\nb\r\n"));
}

TEST(TextModel, LoadNormalisesAndResets) {
    TextModel m;
    m.Type("x");
    m.Load("a\nb\rc");
    EXPECT_EQ(m.Text(), "a\r\nb\r\nc");
    EXPECT_EQ(m.LineCount(), 3);
    EXPECT_FALSE(m.Modified());
    EXPECT_FALSE(m.CanUndo());
    EXPECT_EQ(m.SelStart(), 0);
}

TEST(TextModel, CaretNeverBetweenCrAndLf) {
    TextModel m;
    m.Load("ab\r\ncd");
    m.SetCaret(3);
    EXPECT_EQ(m.Sel().caret, 2);
    m.SetSelection(1, 3);
    EXPECT_EQ(m.SelEnd(), 2);
    EXPECT_EQ(m.Snap(3, true), 4);
    EXPECT_EQ(m.Snap(-5), 0);
    EXPECT_EQ(m.Snap(99), 6);
}

struct ReplaceCase {
    std::string text;
    Position pos;
    Position len;
    std::string with;
    std::string result;
    Position replacedStart;
    Position replacedLength;
};

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, KeepsPairsWhole) {
    const ReplaceCase& c = GetParam();
    TextModel m;
    m.Load(c.text);
    const TextModel::Range r = m.Replace(c.pos, c.len, c.with);
    EXPECT_EQ(m.Text(), c.result);
    EXPECT_EQ(r.position, c.replacedStart);
    EXPECT_EQ(r.length, c.replacedLength);
    EXPECT_FALSE(HasLoneLineBreak(m.Text()));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ReplaceTest,
    ::testing::Values(ReplaceCase{"ab\r\ncd", 3, 1, "", "abcd", 2, 2}, // starts inside a pair
                      ReplaceCase{"ab\r\ncd", 1, 2, "", "acd", 1, 3},  // ends inside a pair
                      ReplaceCase{"ab\r\ncd", 3, 0, "X", "abX\r\ncd", 2, 0},
                      ReplaceCase{"ab", 1, 0, "\n", "a\r\nb", 1, 0},
                      ReplaceCase{"ab", 2, 0, "x\ry\n", "abx\r\ny\r\n", 2, 0},
                      ReplaceCase{"ab", 0, 99, "", "", 0, 2}, ReplaceCase{"", 0, 0, "", "", 0, 0}));

TEST(TextModel, KeysTakeTheWholePair) {
    const struct {
        const char* before;
        void (*key)(TextModel&);
        const char* after;
    } cases[] = {
        {"a\r\n|b", [](TextModel& m) { m.Backspace(); }, "a|b"},
        {"a|\r\nb", [](TextModel& m) { m.DeleteForward(); }, "a|b"},
        {"|a", [](TextModel& m) { m.Backspace(); }, "|a"},
        {"a|", [](TextModel& m) { m.DeleteForward(); }, "a|"},
        {"ab|c", [](TextModel& m) { m.Type("\n"); }, "ab\r\n|c"},
    };
    for (const auto& c : cases) {
        TextModel m;
        Load(m, c.before);
        c.key(m);
        EXPECT_EQ(WithCaret(m), c.after) << c.before;
    }
}

TEST(TextModel, ModifiedByEditsNotByColours) {
    TextModel m;
    m.Load("abc");
    m.SetColors(0, 2, ColorKind::Tag);
    EXPECT_FALSE(m.Modified());
    m.Type("x");
    EXPECT_TRUE(m.Modified());
    m.SetModified(false);
    EXPECT_FALSE(m.Modified());
    m.Undo();
    EXPECT_TRUE(m.Modified());
}

TEST(TextModel, TypingIsOneUndoStepUntilTheCaretMoves) {
    TextModel m;
    Load(m, "x|y");
    m.Type("a");
    m.Type("b");
    m.Type("c");
    m.SetCaret(0);
    m.Type("d");
    EXPECT_EQ(m.Text(), "dxabcy");
    m.Undo();
    EXPECT_EQ(WithCaret(m), "|xabcy"); // the caret goes back where it was before typing "d"
    m.Undo();
    EXPECT_EQ(WithCaret(m), "x|y");
    EXPECT_FALSE(m.CanUndo());
    m.Redo();
    EXPECT_EQ(WithCaret(m), "xabc|y");
    m.Redo();
    EXPECT_EQ(WithCaret(m), "d|xabcy");
    EXPECT_FALSE(m.CanRedo());
}

TEST(TextModel, BackspacesMergeAndNewEditDropsRedo) {
    TextModel m;
    Load(m, "abcd|");
    m.Backspace();
    m.Backspace();
    EXPECT_EQ(m.Text(), "ab");
    m.Undo();
    EXPECT_EQ(WithCaret(m), "abcd|");
    m.Redo();
    m.Undo();
    m.Type("z");
    EXPECT_FALSE(m.CanRedo());
    EXPECT_EQ(m.Text(), "abcdz");
}

TEST(TextModel, OverwriteTypingUndoesAsOneStep) {
    TextModel m;
    Load(m, "|abc");
    m.SetOverwrite(true);
    m.Type("x");
    m.Type("y");
    EXPECT_EQ(WithCaret(m), "xy|c");
    m.Undo();
    EXPECT_EQ(WithCaret(m), "|abc");
}

TEST(TextModel, GroupIsOneStep) {
    TextModel m;
    Load(m, "ab|");
    {
        UndoGroup group(m);
        m.Replace(0, 1, "X");
        m.Replace(2, 0, "Y");
        m.SetCaret(1);
    }
    EXPECT_EQ(m.Text(), "XbY");
    m.Undo();
    EXPECT_EQ(WithCaret(m), "ab|");
    m.Redo();
    EXPECT_EQ(WithCaret(m), "X|bY");
    { UndoGroup empty(m); } // leaves no step
    m.Undo();
    EXPECT_EQ(WithCaret(m), "ab|");
}

TEST(TextModel, InsertionColourFollowsTheCaret) {
    TextModel m;
    m.Load("<b>x");
    m.SetColors(0, 3, ColorKind::Tag);
    m.SetCaret(3);
    EXPECT_EQ(m.InsertionColor(), ColorKind::Tag);
    m.SetCaret(4);
    EXPECT_EQ(m.InsertionColor(), ColorKind::Text);
    m.Select(1, 3);
    EXPECT_EQ(m.InsertionColor(), ColorKind::Tag);
    m.SetCaret(0);
    EXPECT_EQ(m.InsertionColor(), ColorKind::Text);
    m.SetInsertionColor(ColorKind::Value);
    m.Type("q");
    EXPECT_EQ(m.ColorAt(0), ColorKind::Value);
}

struct MoveCase {
    std::string text; // with "|"
    Move move;
    std::string result;
};

class MoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveTest, Moves) {
    TextModel m;
    Load(m, GetParam().text);
    m.MoveCaret(GetParam().move, false, 2);
    EXPECT_EQ(WithCaret(m), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveTest,
    ::testing::Values(MoveCase{"a\r\n|b", Move::CharLeft, "a|\r\nb"},
                      MoveCase{"a|\r\nb", Move::CharRight, "a\r\n|b"},
                      MoveCase{"|a", Move::CharLeft, "|a"}, MoveCase{"a|", Move::CharRight, "a|"},
                      MoveCase{"|one two", Move::WordRight, "one |two"},
                      MoveCase{"one |two", Move::WordRight, "one two|"},
                      MoveCase{"a|<b>c", Move::WordRight, "a<|b>c"},
                      MoveCase{"one|\r\ntwo", Move::WordRight, "one\r\n|two"},
                      MoveCase{"one two|", Move::WordLeft, "one |two"},
                      MoveCase{"one |two", Move::WordLeft, "|one two"},
                      MoveCase{"one\r\n|two", Move::WordLeft, "one|\r\ntwo"},
                      MoveCase{"p\xF8\xEDli\x9A|", Move::WordLeft,
                               "|p\xF8\xEDli\x9A"}, // Czech letters are a word
                      MoveCase{"ab\r\ncd|e", Move::LineHome, "ab\r\n|cde"},
                      MoveCase{"a|b\r\ncd", Move::LineEnd, "ab|\r\ncd"},
                      MoveCase{"abc\r\nd|", Move::LineUp, "a|bc\r\nd"},
                      MoveCase{"a|bc\r\nd", Move::LineDown, "abc\r\nd|"},
                      MoveCase{"a|b", Move::LineUp, "a|b"},
                      MoveCase{"a\r\nb\r\nc\r\n|d", Move::PageUp, "a\r\n|b\r\nc\r\nd"},
                      MoveCase{"a|\r\nb\r\nc", Move::PageDown, "a\r\nb\r\nc|"},
                      MoveCase{"ab|c", Move::DocumentStart, "|abc"},
                      MoveCase{"ab|c", Move::DocumentEnd, "abc|"}));

TEST(TextModel, VerticalMovesKeepTheColumn) {
    TextModel m;
    Load(m, "abcd|e\r\nx\r\nabcdef");
    m.MoveCaret(Move::LineDown, false);
    EXPECT_EQ(m.Column(m.SelStart()), 1);
    m.MoveCaret(Move::LineDown, false);
    EXPECT_EQ(m.Column(m.SelStart()), 4);
    m.MoveCaret(Move::CharLeft, false); // a sideways move forgets the column
    m.MoveCaret(Move::LineUp, false);
    EXPECT_EQ(m.Column(m.SelStart()), 1);
}

TEST(TextModel, ExtendingAndCollapsing) {
    TextModel m;
    Load(m, "ab|cd");
    m.MoveCaret(Move::CharRight, true);
    m.MoveCaret(Move::CharRight, true);
    EXPECT_EQ(m.SelText(), "cd");
    m.MoveCaret(Move::LineHome, true);
    EXPECT_EQ(m.SelText(), "ab");
    EXPECT_EQ(m.Sel().anchor, 2);
    m.MoveCaret(Move::CharRight, false); // collapses to the right side of the selection
    EXPECT_EQ(WithCaret(m), "ab|cd");
}

TEST(TextModel, WordAndLineRanges) {
    TextModel m;
    m.Load("say <b>ahoj</b>  x\r\nnext");
    auto word = m.WordAt(8);
    EXPECT_EQ(m.GetText(word.position, word.length), "ahoj");
    word = m.WordAt(16);
    EXPECT_EQ(m.GetText(word.position, word.length), "  ");
    word = m.WordAt(19);
    EXPECT_EQ(m.GetText(word.position, word.length), "\r\n");
    auto line = m.LineRangeAt(3);
    EXPECT_EQ(m.GetText(line.position, line.length), "say <b>ahoj</b>  x\r\n");
    line = m.LineRangeAt(22);
    EXPECT_EQ(m.GetText(line.position, line.length), "next");
}

TEST(TextModel, ChangeNotificationsDescribeTheEdit) {
    TextModel m;
    m.Load("l0\r\nl1\r\nl2");
    Recorder r;
    m.AddObserver(&r);
    m.Replace(1, 6, "x\r\ny\r\nz"); // "0\r\nl1\r" widened to take the whole pair
    ASSERT_EQ(r.changes.size(), 1u);
    EXPECT_EQ(r.changes[0].position, 1);
    EXPECT_EQ(r.changes[0].removedLength, 7);
    EXPECT_EQ(r.changes[0].insertedLength, 7);
    EXPECT_EQ(r.changes[0].firstLine, 0);
    EXPECT_EQ(r.changes[0].linesRemoved, 2);
    EXPECT_EQ(r.changes[0].linesAdded, 2);
    m.SetColors(0, 3, ColorKind::Tag);
    ASSERT_EQ(r.colors.size(), 1u);
    EXPECT_EQ(r.colors[0], (std::pair<Position, Position>(0, 3)));
    m.RemoveObserver(&r);
}

TEST(TextModel, SuspendedRedrawReportsOnceAtTheEnd) {
    TextModel m;
    m.Load("abcdef");
    Recorder r;
    m.AddObserver(&r);
    m.BeginUpdate();
    m.BeginUpdate();
    m.SetColors(0, 2, ColorKind::Tag);
    m.EndUpdate();
    EXPECT_EQ(r.resumed, 0);
    m.EndUpdate();
    EXPECT_EQ(r.resumed, 1);
    EXPECT_TRUE(r.colors.empty());
    m.RemoveObserver(&r);
}

TEST(TextModel, EarlyObserversHearFirst) {
    TextModel m;
    std::string log;
    Recorder late, early;
    late.log = early.log = &log;
    late.name = "L";
    early.name = "E";
    m.AddObserver(&late);
    m.AddObserver(&early, true);
    m.Type("x");
    EXPECT_EQ(log, "EL");
    m.RemoveObserver(&late);
    m.RemoveObserver(&early);
}

TEST(TextModel, UndoNeverLeavesTheSelectionOutsideTheText) {
    TextModel m;
    Recorder r;
    m.Load("");
    m.Type("abc");
    struct Checker : TextObserver {
        TextModel* m;
        void TextChanged(const TextChange&) override { EXPECT_LE(m->Sel().End(), m->Length()); }
    } checker;
    checker.m = &m;
    m.AddObserver(&checker);
    m.Undo();
    EXPECT_EQ(m.Text(), "");
    m.RemoveObserver(&checker);
}

// Large replacements rewrite blocks and hand their texts to the undo step. Undo and redo bring back
// bytes, selection and saved state; observers read the edit right even when one of them edits.
TEST(TextModel, LargeReplacementsUndoAndRedoExactly) {
    struct EditChecker : TextObserver {
        TextModel* m;
        std::string old;
        bool edit = true;
        explicit EditChecker(TextModel* model) : m(model), old(model->Text()) {}
        void TextChanged(const TextChange& ch) override {
            const std::string removed(ch.removedText),
                added = m->GetText(ch.position, ch.insertedLength);
            EXPECT_TRUE(removed == old.substr(ch.position, ch.removedLength));
            EXPECT_EQ(ch.linesRemoved, std::count(removed.begin(), removed.end(), '\n'));
            EXPECT_EQ(ch.linesAdded, std::count(added.begin(), added.end(), '\n'));
            old = m->Text();
            if (std::exchange(edit, false)) {
                m->Replace(0, 0, "!");
            }
        }
    };
    std::string base;
    for (int i = 0; base.size() < 3 * TextStore::kFillBlock; ++i) {
        base += "line " + std::to_string(i) + (i % 7 == 0 ? " <b>\r\n" : " text\r\n");
    }
    const auto size = static_cast<Position>(base.size());
    const struct {
        Position pos, len, anchor, caret;
        std::string text;
    } cases[] = {
        {0, size, size / 2, size / 2, base + base},
        {100, size - 200, size - 50, size - 60, "short\nlone\rends"},
        {5000, size - 6000, 10, 10, ""},
        {7, 0, 7, 30, std::string(40000, 'x')},
    };
    for (const auto& c : cases) {
        TextModel m;
        m.Load(base);
        m.SetSelection(c.anchor, c.caret);
        const Selection before = m.Sel();
        EditChecker checker(&m);
        m.AddObserver(&checker);
        const TextModel::Range range = m.ReplaceTaking(c.pos, c.len, std::string(c.text));
        m.Undo(); // the observer's edit, recorded after the replacement
        const std::string after = m.Text();
        const Selection selAfter = m.Sel();
        EXPECT_TRUE(after == base.substr(0, range.position) + NormalizeLineEnds(c.text) +
                                 base.substr(range.position + range.length));
        m.Undo();
        EXPECT_TRUE(m.Text() == base && m.Sel() == before && !m.Modified()) << c.pos;
        m.Redo();
        EXPECT_TRUE(m.Text() == after && m.Sel() == selAfter && m.Modified()) << c.pos;
    }
}
