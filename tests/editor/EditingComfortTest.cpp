// Typing comforts of the text control: stepping over the completed ">", undo steps per word and
// line, the saved text found again by undo and redo, and the partner of the tag at the caret.
#include "editor/Completion.h"
#include "editor/TagPair.h"

#include "EditorTestUtil.h"

#include <gtest/gtest.h>

using namespace zn::editor;
using zn::editor::test::LoadWithCaret;
using zn::editor::test::TextWithCaret;

namespace {

void TypeEach(THTMLRichEdit& edit, std::string_view text) {
    for (char c : text) {
        TypeIntoControl(edit, std::string_view(&c, 1));
    }
}

} // namespace

TEST(SkipOver, TypingAWholeTagLeavesOneClosingBracket) {
    struct Case {
        const char* start;
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {"a|b", "<b>", "a<b>|b"},
        {"|", "<b>x", "<b>x|"},
        {"|", "<a href=\"x\">", "<a href=\"x\">|"},
        // only the completion's own ">" is stepped over
        {"|>", ">", ">|>"},
        {"|", "<b>>", "<b>>|"},
        // a ">" typed after the completed one is gone
        {"|", "<b", "<b|>"},
    };
    for (const Case& c : cases) {
        THTMLRichEdit edit;
        LoadWithCaret(edit, c.start);
        TypeEach(edit, c.typed);
        EXPECT_EQ(TextWithCaret(edit), c.result) << c.typed;
    }
}

TEST(SkipOver, ForgottenWhenTheBracketIsDeletedOrReplaced) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "|");
    TypeEach(edit, "<b");
    edit.Model().DeleteForward(); // the completion's ">" goes
    TypeEach(edit, "x>");
    EXPECT_EQ(TextWithCaret(edit), "<bx>|");

    LoadWithCaret(edit, "|");
    TypeEach(edit, "<i");
    edit.Model().Load("i>"); // a new text: no mark survives
    edit.Model().SetCaret(1);
    TypeEach(edit, ">");
    EXPECT_EQ(TextWithCaret(edit), "i>|>");
}

TEST(SkipOver, FollowsEditsBeforeTheBracket) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "xy|");
    TypeEach(edit, "<p");
    edit.Model().SetCaret(0);
    edit.Model().Type("\r\n"); // moves the ">" by two
    edit.Model().SetCaret(6);
    TypeEach(edit, ">");
    EXPECT_EQ(TextWithCaret(edit), "\r\nxy<p>|");
}

class UndoSteps : public ::testing::Test {
protected:
    void SetUp() override {
        model_.SetUndoClock([this] { return now_; });
    }
    void TypeEach(std::string_view text, std::int64_t pauseMs = 10) {
        for (char c : text) {
            now_ += pauseMs;
            model_.Type(std::string_view(&c, 1));
        }
    }
    /// The texts seen by undoing until nothing is left.
    std::vector<std::string> UndoAll() {
        std::vector<std::string> texts;
        while (model_.CanUndo()) {
            model_.Undo();
            texts.push_back(model_.Text());
        }
        return texts;
    }
    TextModel model_;
    std::int64_t now_ = 100000;
};

TEST_F(UndoSteps, OneStepPerWordAndLine) {
    TypeEach("ab cd\nef  gh");
    EXPECT_EQ(model_.Text(), "ab cd\r\nef  gh");
    EXPECT_EQ(UndoAll(), (std::vector<std::string>{"ab cd\r\nef  ", "ab cd\r\n", "ab ", ""}));
}

TEST_F(UndoSteps, APauseEndsAStep) {
    TypeEach("abc");
    now_ += UndoHistory::kPauseMs;
    TypeEach("def");
    TypeEach("g", UndoHistory::kPauseMs - 1);
    EXPECT_EQ(UndoAll(), (std::vector<std::string>{"abc", ""}));
}

TEST_F(UndoSteps, DeletingPausesToo) {
    model_.Load("abcdef");
    model_.SetCaret(6);
    model_.Backspace();
    model_.Backspace();
    now_ += UndoHistory::kPauseMs;
    model_.Backspace();
    EXPECT_EQ(UndoAll(), (std::vector<std::string>{"abcd", "abcdef"}));
}

TEST_F(UndoSteps, BackToTheSavedTextIsUnmodified) {
    TypeEach("one two");
    model_.SetModified(false); // saved
    TypeEach("x");             // continues the word, yet is a step of its own after saving
    EXPECT_TRUE(model_.Modified());
    model_.Undo();
    EXPECT_EQ(model_.Text(), "one two");
    EXPECT_FALSE(model_.Modified());
    model_.Undo();
    EXPECT_TRUE(model_.Modified());
    model_.Redo();
    EXPECT_FALSE(model_.Modified());
    model_.Redo();
    EXPECT_TRUE(model_.Modified());
}

TEST_F(UndoSteps, SavedTextOutOfReachAfterANewEdit) {
    TypeEach("ab");
    model_.SetModified(false);
    model_.Undo();
    TypeEach(" z"); // drops the redo step that led to the saved text
    while (model_.CanUndo()) {
        model_.Undo();
        EXPECT_TRUE(model_.Modified());
    }
    while (model_.CanRedo()) {
        model_.Redo();
        EXPECT_TRUE(model_.Modified());
    }
}

TEST_F(UndoSteps, SavedAfterLoadAndClearedHistory) {
    model_.Load("abc");
    TypeEach("x");
    model_.Undo();
    EXPECT_FALSE(model_.Modified());
    model_.Redo();
    model_.ClearUndo(); // a modified text stays modified with no history
    EXPECT_TRUE(model_.Modified());
}

namespace {

struct PairCase {
    const char* text; // "|" marks the caret
    int tagOpen;      // -1: no pair
    int pairOpen;
    int pairEnd;
};

} // namespace

TEST(TagPairTest, FindsThePartner) {
    const PairCase cases[] = {
        {"<|b>x</b>", 0, 4, 8},
        {"<b>x</|b>", 4, 0, 3},
        {"<B>x</b|>", 4, 0, 3},
        {"<b><b>x</b></b|>", 11, 0, 3},
        {"<b|><b>x</b></b>", 0, 11, 15},
        {"<p class=x|>a</p>", 0, 12, 16},
        {"<br|>", -1, 0, 0},
        {"<img /|>", -1, 0, 0},
        {"<!-- |x --><b></b>", -1, 0, 0},
        {"x <b>y|</b>", -1, 0, 0},
        {"<b>x</b|", -1, 0, 0},
        {"<|b>x", -1, 0, 0},
        {">a> <b>x</|b>", 8, 4, 7},
    };
    for (const PairCase& c : cases) {
        THTMLRichEdit edit;
        LoadWithCaret(edit, c.text);
        const auto pair = FindTagPair(edit, edit.Model().SelStart());
        ASSERT_EQ(pair.has_value(), c.tagOpen >= 0) << c.text;
        if (pair) {
            EXPECT_EQ(pair->tagOpen, c.tagOpen) << c.text;
            EXPECT_EQ(pair->pairOpen, c.pairOpen) << c.text;
            EXPECT_EQ(pair->pairEnd, c.pairEnd) << c.text;
        }
    }
}

TEST(TagPairTest, LooksOnlyWithinTheWindowOfAHugeLine) {
    // 10 MB in one line: the pair just beyond the window is not found, the one within it is.
    const std::string filler(10'000'000, 'x');
    THTMLRichEdit edit;
    edit.Model().Load("<b>" + filler + "</b>");
    edit.Model().SetCaret(1);
    EXPECT_FALSE(FindTagPair(edit, 1).has_value());
    EXPECT_TRUE(FindTagPair(edit, 1, 10'000'010).has_value());

    const std::string near(kTagPairWindow - 10, 'x');
    edit.Model().Load(filler + "<i>" + near + "</i>" + filler);
    const Position closing = static_cast<Position>(filler.size() + 3 + near.size());
    const auto fromOpening = FindTagPair(edit, static_cast<Position>(filler.size()) + 1);
    const auto fromClosing = FindTagPair(edit, closing + 2);
    ASSERT_TRUE(fromOpening && fromClosing);
    EXPECT_EQ(fromOpening->pairOpen, closing);
    EXPECT_EQ(fromClosing->pairOpen, static_cast<Position>(filler.size()));
}
