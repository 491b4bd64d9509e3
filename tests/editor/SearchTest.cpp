// Find and replace: 1-based indices, the options word, Czech case folding, the diacritics
// option, replacing once or everywhere, prompting, and the history rules.
#include "editor/Search.h"
#include "base/Cp1250.h"
#include "base/TextCase.h"
#include "editor/THTMLRichEdit.h"
#include "editor/TextStore.h"

#include <gtest/gtest.h>

namespace zn::editor {
namespace {

using base::Utf8ToCp1250;

TEncodings WindowsAndAscii() {
    const std::string folder = std::string(ZN_DATA_DIR) + "/encodings/";
    TEncodings encodings;
    encodings.Load({folder + "windows-1250.enc", folder + "ascii.enc"});
    return encodings;
}

/// The text spread over blocks of a few bytes, so that occurrences cross block boundaries.
void FillStore(TextStore& store, const std::string& text) {
    store.Assign("");
    for (std::size_t at = 0; at < text.size(); at += 3) {
        store.Insert(static_cast<Position>(at), text.substr(at, 3), 0);
    }
}

struct SearchCase {
    const char* what;
    Position start;
    const char* text;
    int options;
    Position expected;
};

class SearchTextCases : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTextCases, FindsTheFirstOccurrenceAtOrAfterTheStart) {
    const SearchCase& c = GetParam();
    const TEncodings encodings = WindowsAndAscii();
    const std::string what = Utf8ToCp1250(c.what);
    const std::string text = Utf8ToCp1250(c.text);
    EXPECT_EQ(SearchText(what, c.start, text, c.options, encodings), c.expected);
    TextStore store;
    FillStore(store, text);
    EXPECT_EQ(SearchText(what, c.start, store, c.options, encodings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchTextCases,
    ::testing::Values(SearchCase{"b", 1, "abcabc", 1, 2}, SearchCase{"b", 2, "abcabc", 1, 2},
                      SearchCase{"b", 3, "abcabc", 1, 5}, SearchCase{"b", 6, "abcabc", 1, 0},
                      SearchCase{"c", 7, "abcabc", 1, 0}, // start past the end
                      SearchCase{"B", 1, "abcabc", 1, 0}, SearchCase{"B", 1, "abcabc", 0, 2},
                      SearchCase{"Č", 1, "xčx", 0, 2}, // Czech letters fold too
                      SearchCase{"č", 1, "xČx", 1, 0},
                      SearchCase{"prilis", 1, "Ten příliš dlouhý", 2, 5},
                      SearchCase{"PRILIS", 1, "Ten příliš dlouhý", 2, 5},
                      SearchCase{"PRILIS", 1, "Ten příliš dlouhý", 3, 0},
                      SearchCase{"příliš", 1, "Ten prilis dlouhý", 2, 5},
                      SearchCase{"prilis", 1, "Ten příliš dlouhý", 0, 0},
                      SearchCase{"abcd", 1, "xxabcabcd", 1, 6}, // crosses blocks
                      SearchCase{"", 1, "abc", 0, 0}));

TEST(SearchText, DiacriticsOptionWithoutTheEncodingsSearchesUnconverted) {
    const TEncodings none;
    const std::string text = Utf8ToCp1250("příliš prilis");
    EXPECT_EQ(SearchText("prilis", 1, text, 2, none), 8);
}

TEST(SearchText, AllFifteenCzechPairsMatchEitherCase) {
    const std::string lower = Utf8ToCp1250("áčďéěíňóřšťúůýž");
    const std::string upper = Utf8ToCp1250("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    ASSERT_EQ(lower.size(), 15u);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        EXPECT_EQ(SearchText(lower.substr(i, 1), 1, "x" + upper, 0), static_cast<Position>(i + 2));
        EXPECT_EQ(SearchText(upper.substr(i, 1), 1, "x" + lower, 0), static_cast<Position>(i + 2));
        EXPECT_EQ(SearchText(upper.substr(i, 1), 1, "x" + lower, 1), 0);
    }
}

struct ReplaceCase {
    const char* text;
    Position start;
    const char* what;
    int options;
    const char* with;
    const char* expected; ///< nullptr: nothing replaced
};

class ReplaceTextCases : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextCases, ReplacesInOnePass) {
    const ReplaceCase& c = GetParam();
    std::string text = c.text;
    const bool replaced = ReplaceText(text, c.start, c.what, c.options, c.with);
    EXPECT_EQ(replaced, c.expected != nullptr);
    EXPECT_EQ(text, c.expected ? c.expected : c.text);
    TextStore store;
    FillStore(store, c.text);
    ReplaceResult result;
    ASSERT_EQ(ReplaceInStore(store, c.start, c.what, c.options, c.with, result), replaced);
    if (replaced) {
        std::string spliced = c.text;
        spliced.replace(static_cast<std::size_t>(result.From),
                        static_cast<std::size_t>(result.To - result.From), result.Middle);
        EXPECT_EQ(spliced, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTextCases,
    ::testing::Values(ReplaceCase{"banana", 1, "a", 8, "aa", "baanaanaa"}, // never re-replaced
                      ReplaceCase{"banana", 1, "a", 0, "aa", "baanana"},   // first only
                      ReplaceCase{"banana", 3, "a", 0, "o", "banona"},     // from the start index
                      ReplaceCase{"bAnana", 1, "a", 8, "o", "bonono"},
                      ReplaceCase{"bAnana", 1, "a", 9, "o", "bAnono"},
                      ReplaceCase{"abcabcabc", 1, "bca", 8, "", "abc"},
                      ReplaceCase{"abc", 1, "", 8, "x", nullptr},
                      ReplaceCase{"abc", 4, "c", 8, "x", nullptr},
                      ReplaceCase{"abc", 1, "d", 8, "x", nullptr}));

TEST(ReplaceText, DiacriticsAlwaysCountWhenReplacing) {
    std::string text = Utf8ToCp1250("čas cas");
    EXPECT_TRUE(ReplaceText(text, 1, "cas", 2 | 8, "X"));
    EXPECT_EQ(text, Utf8ToCp1250("čas X"));
}

class DocumentSearch : public ::testing::Test {
protected:
    THTMLRichEdit edit_;
    base::ScriptedPrompter prompter_;
};

TEST_F(DocumentSearch, FindAndShowPutsTheCaretAfterTheOccurrenceSoF3WalksOn) {
    edit_.Model().Load("a<b>a<b>a");
    Position caret = 0;
    std::vector<Position> stops;
    while (FindAndShow(edit_, StartIndex(false, caret), "a", 0, prompter_)) {
        caret = edit_.Model().Sel().caret;
        EXPECT_TRUE(edit_.Model().Sel().Empty());
        stops.push_back(caret);
    }
    EXPECT_EQ(stops, (std::vector<Position>{1, 5, 9}));
    EXPECT_EQ(prompter_.shown, (std::vector<std::string>{"Hledání skončilo"}));
    EXPECT_FALSE(FindAndShow(edit_, 1, "", 0, prompter_));
    EXPECT_EQ(prompter_.shown.size(), 2u);
}

TEST_F(DocumentSearch, Utf8DocumentsFoldCzechLettersAndMatchWholeCharacters) {
    // Search texts come from the dialogs as Windows-1250; the document is UTF-8 ("Řeka řeka
    // ŘEKA reka", then "ž" and "Ž" whose second bytes differ from "ř" only in the lead).
    LoadedEncodings() = WindowsAndAscii();
    edit_.Model().SetUtf8(true);
    struct Row {
        std::string what;
        int options;
        std::vector<Position> stops; ///< caret after each occurrence
    };
    const Row rows[] = {
        {Utf8ToCp1250("řeka"), 0, {5, 11, 17}},
        {Utf8ToCp1250("řeka"), kMatchCase, {11}},
        {"reka", kIgnoreDiacritics, {5, 11, 17, 22}},
        {Utf8ToCp1250("ž"), 0, {25, 27}},
    };
    for (const Row& row : rows) {
        edit_.Model().Load("\xC5\x98"
                           "eka \xC5\x99"
                           "eka \xC5\x98"
                           "EKA reka \xC5\xBE\xC5\xBD");
        std::vector<Position> stops;
        while (FindAndShow(edit_, StartIndex(false, edit_.Model().Sel().caret), row.what,
                           row.options, prompter_)) {
            stops.push_back(edit_.Model().Sel().caret);
        }
        EXPECT_EQ(stops, row.stops) << row.what;
    }
    EXPECT_EQ(ReplaceInDocument(edit_, 1, Utf8ToCp1250("řeka"), kReplaceAll, Utf8ToCp1250("ó")), 3);
    EXPECT_EQ(edit_.Model().Text(), "\xC3\xB3 \xC3\xB3 \xC3\xB3 reka \xC5\xBE\xC5\xBD");
    LoadedEncodings() = TEncodings{};
}

TEST_F(DocumentSearch, ReplaceAllIsOneUndoStepAndKeepsTheCaretNearItsPlace) {
    edit_.Model().Load("xx\r\nab ab\r\nyy");
    edit_.Model().SetCaret(2);
    EXPECT_EQ(ReplaceInDocument(edit_, 1, "ab", 8, "abab"), 2);
    EXPECT_EQ(edit_.Model().Text(), "xx\r\nabab abab\r\nyy");
    EXPECT_EQ(edit_.Model().Sel().caret, 2);
    edit_.Undo();
    EXPECT_EQ(edit_.Model().Text(), "xx\r\nab ab\r\nyy");
    EXPECT_FALSE(edit_.Model().CanUndo());
}

TEST_F(DocumentSearch, ReplacedTextIsColouredAgainInAHighlightedDocument) {
    edit_.SyntaxHighLighting = true;
    edit_.Model().Load("x <b>x</b>");
    ReplaceInDocument(edit_, 1, "x", 8, "<i>");
    EXPECT_EQ(edit_.Model().ColorAt(0), ColorKind::Tag);
}

TEST_F(DocumentSearch, PromptsAnswerYesNoAllWithoutStartingOver) {
    edit_.Model().Load("a a a a a");
    prompter_.answers = {base::Answer::Yes, base::Answer::No, base::Answer::All};
    EXPECT_EQ(ReplaceWithPrompts(edit_, 1, "a", 8, "aa", prompter_), 4);
    EXPECT_EQ(edit_.Model().Text(), "aa a aa aa aa");
    EXPECT_EQ(prompter_.shown.size(), 3u);
    EXPECT_EQ(prompter_.shown[0], "Zaměnit?");
}

TEST_F(DocumentSearch, PromptWithoutReplaceAllOffersOneOccurrence) {
    edit_.Model().Load("a a");
    prompter_.answers = {base::Answer::No};
    EXPECT_EQ(ReplaceWithPrompts(edit_, 1, "a", 0, "b", prompter_), 0);
    EXPECT_EQ(prompter_.shown.size(), 1u);
    prompter_.answers = {base::Answer::Yes, base::Answer::Cancel};
    EXPECT_EQ(ReplaceWithPrompts(edit_, 1, "a", 8, "b", prompter_), 1);
    EXPECT_EQ(edit_.Model().Text(), "b a");
}

TEST(SearchHistory, FindKeepsTextsWithMoreThanSpacesOnceAtTheTop) {
    std::vector<std::string> items = {"b"};
    EXPECT_TRUE(AddToFindHistory(items, "a"));
    EXPECT_FALSE(AddToFindHistory(items, "   "));
    EXPECT_FALSE(AddToFindHistory(items, "b"));
    EXPECT_TRUE(AddToFindHistory(items, "B"));
    EXPECT_TRUE(AddToFindHistory(items, " x "));
    EXPECT_EQ(items, (std::vector<std::string>{" x ", "B", "a", "b"}));
    EXPECT_FALSE(AddToReplaceHistory(items, ""));
    EXPECT_TRUE(AddToReplaceHistory(items, "  "));
}

} // namespace
} // namespace zn::editor
