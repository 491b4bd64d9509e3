// Output and caret of every tag insertion command, with upper- and lower-case tags.
#include "tags/TagCommands.h"

#include "base/TextCase.h"
#include "editor/DocumentKeys.h"
#include "editor/EditorTestUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace zn::tags;
using zn::base::Answer;
using zn::base::ScriptedPrompter;
using zn::editor::Position;
using zn::editor::test::LoadWithCaret;
using zn::editor::test::TextWithCaret;

namespace {

struct Row {
    const char* name;
    std::function<void(THTMLRichEdit&, bool upper)> run;
    const char* before;
    const char* upper;
    const char* lower;
};

std::function<void(THTMLRichEdit&, bool)> Command(TagCommand command) {
    return [command](THTMLRichEdit& edit, bool upper) { RunTagCommand(edit, command, upper); };
}

const Row kRows[] = {
    {"Font", Command(TagCommand::Font), "x[sel]y", "x<FONT|>sel</FONT>y", "x<font|>sel</font>y"},
    {"Font empty", Command(TagCommand::Font), "x|y", "x<FONT|></FONT>y", "x<font|></font>y"},
    {"Break", Command(TagCommand::Break), "a|b", "a<BR>\r\n|b", "a<br>\r\n|b"},
    {"Break over selection", Command(TagCommand::Break), "a[s]b", "a<BR>\r\n|b", "a<br>\r\n|b"},
    {"Heading", Command(TagCommand::Heading), "[t]", "<H3|>t</H3>", "<h3|>t</h3>"},
    {"Odkaz", Command(TagCommand::AnchorLink), "|", "<A|></A>", "<a|></a>"},
    {"Odkaz around", Command(TagCommand::AnchorLink), "go [here]", "go <A|>here</A>",
     "go <a|>here</a>"},
    {"Image", Command(TagCommand::Image), "a|b", "a<IMG|>b", "a<img|>b"},
    {"BGSound", Command(TagCommand::BGSound), "|", "<BGSOUND|>", "<bgsound|>"},
    {"Horizontal line", Command(TagCommand::HorizontalLine), "a|", "a<HR>|", "a<hr>|"},
    {"Paragraph", Command(TagCommand::Paragraph), "|x", "<P>\r\n|x", "<p>\r\n|x"},
    {"Input", Command(TagCommand::Input), "|", "<INPUT|>", "<input|>"},
    {"TextArea", Command(TagCommand::TextArea), "a\r\n|", "a\r\n<TEXTAREA|>\r\n</TEXTAREA>",
     "a\r\n<textarea|>\r\n</textarea>"},
    {"Ordered list", Command(TagCommand::OrderedList), "x|", "x<OL>\r\n<LI>|\r\n</OL>",
     "x<ol>\r\n<li>|\r\n</ol>"},
    {"Unordered list", Command(TagCommand::UnorderedList), "|", "<UL>\r\n<LI>|\r\n</UL>",
     "<ul>\r\n<li>|\r\n</ul>"},
    {"Definition list", Command(TagCommand::DefinitionList), "|", "<DL>\r\n<DT>|<DD>\r\n</DL>",
     "<dl>\r\n<dt>|<dd>\r\n</dl>"},
    {"Bold button", Command(TagCommand::Bold), "a[b]c", "a<B>[b]</B>c", "a<b>[b]</b>c"},
    {"Bold button empty", Command(TagCommand::Bold), "a|c", "a<B>|</B>c", "a<b>|</b>c"},
    {"Strike button", Command(TagCommand::Strike), "[x]", "<STRIKE>[x]</STRIKE>",
     "<strike>[x]</strike>"},
    {"Center button", Command(TagCommand::Center), "|", "<CENTER>|</CENTER>", "<center>|</center>"},
    {"Superscript button", Command(TagCommand::Superscript), "m[2]", "m<SUP>[2]</SUP>",
     "m<sup>[2]</sup>"},
    {"Comment", Command(TagCommand::Comment), "a|b", "a<!--| -->b", "a<!--| -->b"},
    // Generic handlers, fed with the captions and hints of their menu items.
    {"BaseFont", [](auto& e, bool u) { EnteredMenu(e, "BaseFont", u); }, "|", "<BASEFONT>|",
     "<basefont>|"},
    {"WBR", [](auto& e, bool u) { EnteredMenu(e, "WBR", u); }, "a[x]b", "a<WBR>|b", "a<wbr>|b"},
    {"DIV", [](auto& e, bool u) { EnteredMenuPar(e, "DIV", u); }, "[x]", "<DIV>[x]</DIV>",
     "<div>[x]</div>"},
    {"Tučný", [](auto& e, bool u) { MenuParByHint(e, "b", u); }, "[x]", "<B>[x]</B>", "<b>[x]</b>"},
    {"&lt;", [](auto& e, bool) { MenuByHint(e, "&lt;"); }, "a|b", "a&lt;|b", "a&lt;|b"},
    {"&nbsp;", [](auto& e, bool) { MenuByHint(e, "&nbsp;"); }, "[x]", "&nbsp;|", "&nbsp;|"},
    {"SPAN across lines", [](auto& e, bool u) { EnteredMenuPar(e, "SPAN", u); }, "[one\r\ntwo]",
     "<SPAN>[one\r\ntwo]</SPAN>", "<span>[one\r\ntwo]</span>"},
    // "Vytvořit odkaz".
    {"Create link", CreateLink, "see [www.example.cz] now",
     "see <A HREF=\"www.example.cz\">www.example.cz</A>| now",
     "see <a href=\"www.example.cz\">www.example.cz</a>| now"},
    {"Create link without selection", CreateLink, "a|b", "a<A|></A>b", "a<a|></a>b"},
};

} // namespace

TEST(TagCommands, OutputAndCaretOfEveryCommand) {
    for (const Row& row : kRows) {
        for (const bool upper : {true, false}) {
            THTMLRichEdit edit;
            edit.SyntaxHighLighting = true;
            LoadWithCaret(edit, row.before);
            row.run(edit, upper);
            EXPECT_EQ(TextWithCaret(edit), upper ? row.upper : row.lower)
                << row.name << (upper ? " (upper case)" : " (lower case)");
        }
    }
}

TEST(TagCommands, EachCommandIsOneUndoStep) {
    for (const Row& row : kRows) {
        THTMLRichEdit edit;
        LoadWithCaret(edit, row.before);
        const std::string before = edit.Model().Text();
        row.run(edit, true);
        edit.Model().Undo();
        EXPECT_EQ(edit.Model().Text(), before) << row.name;
    }
}

TEST(TagCommands, WrappingTwiceNestsDirectlyAroundTheText) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "a [text] b");
    MenuParByHint(edit, "i", true); // "Kurzíva"
    MenuParByHint(edit, "b", true); // "Tučný"
    EXPECT_EQ(TextWithCaret(edit), "a <I><B>[text]</B></I> b");
    RunTagCommand(edit, TagCommand::Underlined, false);
    EXPECT_EQ(TextWithCaret(edit), "a <I><B><u>[text]</u></B></I> b");
}

TEST(TagCommands, InsertedTagsAreTracked) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    LoadWithCaret(edit, "|");
    RunTagCommand(edit, TagCommand::Image, true);
    EXPECT_TRUE(edit.InTag);
    EXPECT_EQ(edit.CurrentTagName, "IMG");
    EXPECT_EQ(edit.Model().ColorAt(0), zn::editor::ColorKind::Tag);
}

namespace {

const std::string kSkeleton = "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n";

} // namespace

TEST(NormalDocument, AsksOnlyWhenThereIsText) {
    const std::string end = "\r\n</BODY>\r\n</HTML>";
    const struct {
        const char* before;
        std::optional<Answer> answer; // none: no question
        bool upper;
        std::string after;
    } cases[] = {
        {"|", {}, true, kSkeleton + ("|" + end)},
        {"|", {}, false, zn::base::LowerCaseCZ(kSkeleton + ("|" + end))},
        {"Hello|", Answer::No, true, kSkeleton + ("|\r\nHello" + end)}, // the text in the body
        {"\r\n|", Answer::No, true, kSkeleton + ("|\r\n\r\n" + end)},   // an empty line is text
        {"old\r\ntext|", Answer::Yes, false, zn::base::LowerCaseCZ(kSkeleton + ("|\r\n" + end))},
        {"ke|ep", Answer::Cancel, true, "ke|ep"},
    };
    for (const auto& c : cases) {
        THTMLRichEdit edit;
        LoadWithCaret(edit, c.before);
        ScriptedPrompter prompter;
        if (c.answer)
            prompter.answers = {*c.answer};
        NormalDocument(edit, c.upper, prompter);
        EXPECT_EQ(TextWithCaret(edit), c.after) << c.before;
        EXPECT_EQ(prompter.shown, c.answer ? std::vector<std::string>{kClearDocumentQuestion}
                                           : std::vector<std::string>{})
            << c.before;
        edit.Model().Undo(); // one step, or none at all after Cancel
        EXPECT_EQ(TextWithCaret(edit), c.before) << c.before;
    }
}

TEST(TagPairCommands, SelectBetweenTags) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "<B|>bold <I>x</I></B> after");
    SelectBetweenTags(edit, false);
    EXPECT_EQ(TextWithCaret(edit), "<B>[bold <I>x</I>]</B> after");
    LoadWithCaret(edit, "<B|>bold</B>");
    SelectBetweenTags(edit, true);
    EXPECT_EQ(TextWithCaret(edit), "[<B>bold</B>]");
    LoadWithCaret(edit, "<B>bo|ld</B>");
    SelectBetweenTags(edit, true);
    EXPECT_EQ(TextWithCaret(edit), "<B>bo|ld</B>"); // not inside a tag: nothing
}

TEST(TagPairCommands, RemoveTagTakesOnePairOnly) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "<I><B|>x</B></I>");
    zn::editor::RemoveTagAtCaret(edit);
    EXPECT_EQ(TextWithCaret(edit), "<I>|x</I>");
    EXPECT_FALSE(edit.InTag);
}
