// Colouring of tags, attribute names and values, and the insertions that colour what they bring.
#include "editor/THTMLRichEdit.h"

#include "EditorTestUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

using namespace zn::editor;
using zn::editor::test::ColorString;
using zn::editor::test::LoadWithCaret;
using zn::editor::test::TextWithCaret;

namespace {

struct ColorCase {
    std::string text;
    std::string colors; // see ColorString
};

class ColorAllTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorAllTest, Colours) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.Model().Load(GetParam().text);
    edit.ColorAll();
    EXPECT_EQ(ColorString(edit.Model()), GetParam().colors);
    EXPECT_FALSE(edit.Model().Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColorAllTest,
    ::testing::Values(
        ColorCase{"<a href=\"x\">t</a>", "TT.PPPPPVVVT.TTTT"},
        ColorCase{"no tags at all", ".............."}, ColorCase{"a < b > c", "..T.T.T.."},
        ColorCase{"<>", "TT"},
        // The name runs over the blanks and "=" up to the value.
        ColorCase{"<td width = 5 nowrap>", "TTT.PPPPPPPPV.PPPPPPT"},
        // A comment is a tag named by its first word.
        ColorCase{"<!-- c -->", "TTTT.P.PPT"},
        // Single quotes mean nothing: only the first word is the value.
        ColorCase{"<a t='x y'>", "TT.PPVV.PPT"},
        // A ">" inside a quoted value ends the tag; the rest stays as it was.
        ColorCase{"<a t=\"x>y\">", "TT.PPVVT..."},
        // A line break inside the tag separates like a blank.
        ColorCase{"<a\r\nb=1>", "TT..PPVT"},
        // An unterminated "<" before a real tag: the tag text runs from the first "<", and
        // the inner tag is coloured once more on its own.
        ColorCase{"x<y <b>", ".TT.TTT"},
        // A lone "=" keeps its colour; an attribute with "=" and no value is only its name.
        ColorCase{"<a b= >", "TT.P..T"}));

TEST(Highlight, NothingWhenSwitchedOff) {
    THTMLRichEdit edit;
    edit.Model().Load("<b>x</b>");
    edit.ColorAll();
    EXPECT_EQ(ColorString(edit.Model()), "........");
    edit.Model().SetCaret(1);
    EXPECT_EQ(ColorString(edit.Model()), "........"); // the current tag is not coloured either
}

TEST(Highlight, CurrentTagColouredOnEntry) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.Model().Load("x <b c=1>yy<i>");
    edit.Model().SetCaret(3);
    EXPECT_EQ(ColorString(edit.Model()), "..TT.PPVT....."); // the next tag is not touched
    EXPECT_FALSE(edit.Model().Modified());
}

TEST(Highlight, TypedGreaterThanInsideAValue) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    LoadWithCaret(edit, "<a t=\"x|y\">z<b>");
    edit.ColorAll();
    EXPECT_EQ(ColorString(edit.Model()), "TT.PPVVVVT.TTT");
    edit.Model().Type(">");
    edit.Model().SetCaret(6); // back into the tag: it now ends at the typed ">"
    EXPECT_EQ(edit.CurrentTagText, "a t=\"x");
    EXPECT_EQ(ColorString(edit.Model()), "TT.PPVVT....TTT");
}

TEST(Highlight, ColorFromStopsAfterTheFirstTagBeyondTheEnd) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.Model().Load("<a><b><c><d>");
    edit.ColorFrom(1, 7); // content starts 4, 7, 10: the tag at 7 is beyond 7 - 2 and is last
    EXPECT_EQ(ColorString(edit.Model()), "...TTTTTT...");
    edit.ColorFrom(20, 30);
    EXPECT_EQ(ColorString(edit.Model()), "...TTTTTT...");
}

TEST(Highlight, ColourRangeKeepsModifiedAndSelection) {
    THTMLRichEdit edit;
    edit.Model().Load("abcdef");
    edit.Model().Select(1, 2);
    edit.ColorRange(3, 2, ColorKind::Value, true);
    EXPECT_EQ(ColorString(edit.Model()), "...VV.");
    EXPECT_EQ(edit.Model().SelStart(), 1);
    EXPECT_EQ(edit.Model().SelLength(), 2);
    EXPECT_FALSE(edit.Model().Modified());
    edit.ColorRange(0, 1, ColorKind::Tag, false);
    EXPECT_EQ(edit.Model().SelStart(), 0);
    EXPECT_EQ(edit.Model().SelLength(), 1);
}

TEST(Highlight, TypedTextTakesTheColourOfTheInsertionPoint) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    LoadWithCaret(edit, "<a href=\"x|\">");
    edit.ColorAll();
    edit.Model().SetCaret(9);
    edit.Model().SetCaret(10);
    edit.Model().Type("y");
    EXPECT_EQ(edit.Model().ColorAt(10), ColorKind::Value);
    // Outside a tag typed text has the font colour, even right after a tag.
    edit.Model().SetCaret(edit.Model().Length());
    EXPECT_EQ(edit.Model().InsertionColor(), ColorKind::Text);
    edit.Model().Type("z");
    EXPECT_EQ(edit.Model().ColorAt(edit.Model().Length() - 1), ColorKind::Text);
}

TEST(Highlight, SwitchingOffAndOn) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    LoadWithCaret(edit, "<b>x</b>|");
    edit.ColorAll();
    edit.Model().Replace(0, 1, ""); // the first "<" goes: "b>" is plain text now but stays red
    edit.ColorAll();
    EXPECT_EQ(ColorString(edit.Model()), "TT.TTTT");
    edit.SyntaxHighLighting = false;
    edit.Uncolor();
    EXPECT_EQ(ColorString(edit.Model()), ".......");
    EXPECT_EQ(edit.Model().SelStart(), 0);
}

TEST(Highlight, UndoColoursWhatItBringsBack) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    LoadWithCaret(edit, "<img |src=a width=1> x <b>");
    edit.ColorAll();
    const std::string colored = ColorString(edit.Model());
    edit.RemoveAttribute("width");
    edit.Model().SetCaret(edit.Model().Length());
    edit.Undo();
    EXPECT_EQ(edit.Model().Text(), "<img src=a width=1> x <b>");
    EXPECT_EQ(ColorString(edit.Model()), colored);
    edit.Redo();
    EXPECT_EQ(edit.Model().Text(), "<img src=a> x <b>");
    EXPECT_EQ(ColorString(edit.Model()), "TTTT.PPPPVT...TTT");
}

TEST(Insertions, SurroundSelection) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.Model().Load("a word b");
    edit.Model().Select(2, 4);
    edit.SurroundSelection("<B>", "</B>");
    EXPECT_EQ(edit.Model().Text(), "a <B>word</B> b");
    EXPECT_EQ(edit.Model().SelText(), "word");
    EXPECT_EQ(ColorString(edit.Model()), "..TTT....TTTT..");
}

TEST(Insertions, EditsColourWhatTheyBringAndTheNextTag) {
    const struct {
        const char* name;
        const char* before; // "|" marks the caret
        std::function<void(THTMLRichEdit&)> act;
        const char* after;
        const char* colors;
    } cases[] = {
        {"typing in a tag", "<a hre|>x<b>", [](auto& e) { e.Model().Type("f=1"); },
         "<a href=1|>x<b>", "TT.PPPPPVT...."},
        {"plain text: only the next tag", "a|b <i> cd <b>", [](auto& e) { e.InsertText("xyz"); },
         "axyz|b <i> cd <b>", "......TTT......."},
        {"tags it brings", "a|b", [](auto& e) { e.InsertText("<p align=center></p>"); },
         "a<p align=center></p>|b", ".TT.PPPPPPVVVVVVTTTTT."},
        {"around the caret", "ab|c", [](auto& e) { e.SurroundSelection("<A HREF=\"\">", "</A>"); },
         "ab<A HREF=\"\">|</A>c", "..TT.PPPPPVVTTTTT."},
        {"paste with line feeds", "a|b", [](auto& e) { e.PasteColored(); }, "a<i>\r\nx|b",
         ".TTT...."},
    };
    for (const auto& c : cases) {
        THTMLRichEdit edit;
        edit.SyntaxHighLighting = true;
        edit.ClipboardText = [] { return std::string("<i>\nx"); };
        LoadWithCaret(edit, c.before);
        c.act(edit);
        EXPECT_EQ(TextWithCaret(edit), c.after) << c.name;
        EXPECT_EQ(ColorString(edit.Model()), c.colors) << c.name;
        EXPECT_TRUE(edit.Model().Modified()) << c.name;
        edit.Model().Undo(); // one step
        EXPECT_EQ(TextWithCaret(edit), c.before) << c.name;
    }
}

// The sample page against its reviewed colours: one line of colour letters per text line.
TEST(Highlight, SamplePageGolden) {
    const std::filesystem::path page = std::filesystem::path(ZN_DATA_DIR) / "sample.html";
    const std::filesystem::path golden =
        std::filesystem::path(ZN_TEST_DATA) / "editor" / "sample.html.styled";
    std::ifstream in(page, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.Model().Load(bytes.str());
    edit.ColorAll();
    std::string styled;
    const std::string colors = ColorString(edit.Model());
    for (Position line = 0; line < edit.Model().LineCount(); ++line) {
        const Position start = edit.Model().LineStart(line);
        styled += colors.substr(static_cast<std::size_t>(start),
                                static_cast<std::size_t>(edit.Model().LineEnd(line) - start));
        styled += '\n';
    }
    std::ifstream expectedIn(golden, std::ios::binary);
    std::stringstream expected;
    expected << expectedIn.rdbuf();
    if (styled != expected.str()) {
        std::ofstream(golden.string() + ".new", std::ios::binary) << styled;
    }
    EXPECT_EQ(styled, expected.str()) << "new colours written to " << golden << ".new";
}

} // namespace
