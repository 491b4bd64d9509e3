// "<" completion, list continuation and combo-box completion.
#include "editor/Completion.h"

#include "EditorTestUtil.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace zn::editor;
using zn::editor::test::LoadWithCaret;
using zn::editor::test::TextWithCaret;

TEST(Completion, LessThanGivesAPair) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    int tagChanges = 0;
    edit.OnTagChange = [&] { ++tagChanges; };
    LoadWithCaret(edit, "a|b");
    TypeIntoControl(edit, "<");
    EXPECT_EQ(TextWithCaret(edit), "a<|>b");
    EXPECT_TRUE(edit.InTag);
    EXPECT_EQ(edit.CurrentTagText, "");
    EXPECT_GE(tagChanges, 1);
    EXPECT_EQ(edit.Model().ColorAt(1), ColorKind::Tag);
    EXPECT_EQ(edit.Model().ColorAt(2), ColorKind::Tag);
    TypeIntoControl(edit, "b");
    EXPECT_EQ(TextWithCaret(edit), "a<b|>b");
    EXPECT_EQ(edit.CurrentTagName, "b");
}

TEST(Completion, LessThanOverASelectionOrSwitchedOff) {
    for (const auto& [before, complete, after] :
         {std::tuple{"a[bc]d", true, "a<|>d"}, std::tuple{"a|b", false, "a<|b"}}) {
        THTMLRichEdit edit;
        edit.AutoComplete = complete;
        LoadWithCaret(edit, before);
        TypeIntoControl(edit, "<");
        EXPECT_EQ(TextWithCaret(edit), after);
    }
}

struct ListCase {
    std::string text; // "|" after the Enter
    bool upper;
    std::string result;
};

class ContinueListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ContinueListTest, Continues) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, GetParam().text);
    ContinueList(edit, GetParam().upper);
    EXPECT_EQ(TextWithCaret(edit), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ContinueListTest,
    ::testing::Values(ListCase{"   <ul>\r\n|", false, "   <ul>\r\n   <li>|"},
                      ListCase{"   <UL>\r\n|", true, "   <UL>\r\n   <LI>|"},
                      ListCase{"  <dl>\r\n|", false, "  <dl>\r\n  <dt><dd>|"},
                      ListCase{"<ul> x <li>a\r\n|", true, "<ul> x <li>a\r\n       <LI>|"},
                      ListCase{"<ol><Li>\r\n|rest", false, "<ol><Li>\r\n    <li>|rest"},
                      ListCase{"</ul>\r\n|", true, "</ul>\r\n|"},
                      ListCase{"<p>\r\n|", true, "<p>\r\n|"}, ListCase{"|<ul>", true, "|<ul>"}));

TEST(ComboCompletion, FirstMatchingItem) {
    const std::vector<std::string> items{"_blank", "_parent", "_self", "_top", "Main"};
    EXPECT_EQ(ComboCompletion("_p", items, 0, false), "arent");
    EXPECT_EQ(ComboCompletion("_S", items, 0, false), "elf");
    EXPECT_EQ(ComboCompletion("ma", items, 0, false), "in");
    EXPECT_EQ(ComboCompletion("_", items, 0, false), "blank");
    EXPECT_EQ(ComboCompletion("main", items, 0, false), "");
    EXPECT_EQ(ComboCompletion("x", items, 0, false), std::nullopt);
    EXPECT_EQ(ComboCompletion("_p", items, 0, true), std::nullopt); // after Backspace or Delete
    EXPECT_EQ(ComboCompletion("_p", items, 3, false), std::nullopt);
    EXPECT_EQ(ComboCompletion("_p", {}, 0, false), std::nullopt);
}
