// Output and caret of every tag insertion command, with upper- and lower-case tags.
#include "tags/TagCommands.h"

#include "base/TextCase.h"
#include "editor/DocumentKeys.h"

#include <gtest/gtest.h>

#include <functional>

using namespace zn::tags;
using zn::base::Answer;
using zn::base::ScriptedPrompter;
using zn::editor::Position;

namespace {

/// Loads text in which "|" marks the caret or "[" and "]" the selection.
void Load(THTMLRichEdit& edit, std::string text) {
    const std::size_t caret = text.find('|');
    if (caret != std::string::npos) {
        text.erase(caret, 1);
        edit.Model().Load(text);
        edit.Model().SetCaret(static_cast<Position>(caret));
        return;
    }
    const std::size_t open = text.find('[');
    const std::size_t close = text.find(']');
    text.erase(close, 1);
    text.erase(open, 1);
    edit.Model().Load(text);
    edit.Model().Select(static_cast<Position>(open), static_cast<Position>(close - open - 1));
}

/// The text with "|" at an empty selection, or "[" and "]" around a selection.
std::string Shown(const THTMLRichEdit& edit) {
    std::string text = edit.Model().Text();
    const auto start = static_cast<std::size_t>(edit.Model().SelStart());
    const auto end = static_cast<std::size_t>(edit.Model().SelEnd());
    if (start == end) {
        return text.insert(start, "|");
    }
    text.insert(end, "]");
    return text.insert(start, "[");
}

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
    {"Form", Command(TagCommand::Form), "[f]", "<FORM|>f</FORM>", "<form|>f</form>"},
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
    {"Italic button", Command(TagCommand::Italic), "[x]", "<I>[x]</I>", "<i>[x]</i>"},
    {"Underlined button", Command(TagCommand::Underlined), "[x]", "<U>[x]</U>", "<u>[x]</u>"},
    {"Strike button", Command(TagCommand::Strike), "[x]", "<STRIKE>[x]</STRIKE>",
     "<strike>[x]</strike>"},
    {"Center button", Command(TagCommand::Center), "|", "<CENTER>|</CENTER>", "<center>|</center>"},
    {"Subscript button", Command(TagCommand::Subscript), "H[2]O", "H<SUB>[2]</SUB>O",
     "H<sub>[2]</sub>O"},
    {"Superscript button", Command(TagCommand::Superscript), "m[2]", "m<SUP>[2]</SUP>",
     "m<sup>[2]</sup>"},
    {"Comment", Command(TagCommand::Comment), "a|b", "a<!--| -->b", "a<!--| -->b"},
    {"Comment over selection", Command(TagCommand::Comment), "[x]", "<!--| -->", "<!--| -->"},
    // Generic handlers, fed with the captions and hints of their menu items.
    {"BaseFont", [](auto& e, bool u) { EnteredMenu(e, "BaseFont", u); }, "|", "<BASEFONT>|",
     "<basefont>|"},
    {"WBR", [](auto& e, bool u) { EnteredMenu(e, "WBR", u); }, "a[x]b", "a<WBR>|b", "a<wbr>|b"},
    {"DIV", [](auto& e, bool u) { EnteredMenuPar(e, "DIV", u); }, "[x]", "<DIV>[x]</DIV>",
     "<div>[x]</div>"},
    {"NoBreak", [](auto& e, bool u) { EnteredMenuPar(e, "NoBreak", u); }, "|",
     "<NOBREAK>|</NOBREAK>", "<nobreak>|</nobreak>"},
    {"BlockQuote", [](auto& e, bool u) { EnteredMenuPar(e, "BlockQuote", u); }, "[q]",
     "<BLOCKQUOTE>[q]</BLOCKQUOTE>", "<blockquote>[q]</blockquote>"},
    {"Tučný", [](auto& e, bool u) { MenuParByHint(e, "b", u); }, "[x]", "<B>[x]</B>", "<b>[x]</b>"},
    {"Přeškrtnutý", [](auto& e, bool u) { MenuParByHint(e, "strike", u); }, "|",
     "<STRIKE>|</STRIKE>", "<strike>|</strike>"},
    {"&lt;", [](auto& e, bool) { MenuByHint(e, "&lt;"); }, "a|b", "a&lt;|b", "a&lt;|b"},
    {"&nbsp;", [](auto& e, bool) { MenuByHint(e, "&nbsp;"); }, "[x]", "&nbsp;|", "&nbsp;|"},
    {"Trade mark", [](auto& e, bool) { MenuByHint(e, "&#153;"); }, "|", "&#153;|", "&#153;|"},
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
            Load(edit, row.before);
            row.run(edit, upper);
            EXPECT_EQ(Shown(edit), upper ? row.upper : row.lower)
                << row.name << (upper ? " (upper case)" : " (lower case)");
        }
    }
}

TEST(TagCommands, EachCommandIsOneUndoStep) {
    for (const Row& row : kRows) {
        THTMLRichEdit edit;
        Load(edit, row.before);
        const std::string before = edit.Model().Text();
        row.run(edit, true);
        edit.Model().Undo();
        EXPECT_EQ(edit.Model().Text(), before) << row.name;
    }
}

TEST(TagCommands, WrappingTwiceNestsDirectlyAroundTheText) {
    THTMLRichEdit edit;
    Load(edit, "a [text] b");
    MenuParByHint(edit, "i", true); // "Kurzíva"
    MenuParByHint(edit, "b", true); // "Tučný"
    EXPECT_EQ(Shown(edit), "a <I><B>[text]</B></I> b");
    RunTagCommand(edit, TagCommand::Underlined, false);
    EXPECT_EQ(Shown(edit), "a <I><B><u>[text]</u></B></I> b");
}

TEST(TagCommands, WrapAcrossLines) {
    THTMLRichEdit edit;
    Load(edit, "[one\r\ntwo]");
    EnteredMenuPar(edit, "SPAN", true);
    EXPECT_EQ(Shown(edit), "<SPAN>[one\r\ntwo]</SPAN>");
}

TEST(TagCommands, InsertedTagsAreTracked) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    Load(edit, "|");
    RunTagCommand(edit, TagCommand::Image, true);
    EXPECT_TRUE(edit.InTag);
    EXPECT_EQ(edit.CurrentTagName, "IMG");
    EXPECT_EQ(edit.Model().ColorAt(0), zn::editor::ColorKind::Tag);
}

namespace {

const char* kSkeleton = "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n";

} // namespace

TEST(NormalDocument, EmptyDocumentGetsTheSkeletonWithoutAQuestion) {
    for (const bool upper : {true, false}) {
        THTMLRichEdit edit;
        ScriptedPrompter prompter;
        NormalDocument(edit, upper, prompter);
        const std::string expected = std::string(kSkeleton) + "|\r\n</BODY>\r\n</HTML>";
        EXPECT_EQ(Shown(edit), upper ? expected : zn::base::LowerCaseCZ(expected));
        EXPECT_TRUE(prompter.shown.empty());
        EXPECT_EQ(edit.Model().LineFromPosition(edit.Model().SelStart()), 5);
    }
}

TEST(NormalDocument, NoKeepsTheTextInsideTheBody) {
    THTMLRichEdit edit;
    Load(edit, "Hello|");
    ScriptedPrompter prompter;
    prompter.answers = {Answer::No};
    NormalDocument(edit, true, prompter);
    EXPECT_EQ(Shown(edit), std::string(kSkeleton) + "|\r\nHello\r\n</BODY>\r\n</HTML>");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0], kClearDocumentQuestion);
}

TEST(NormalDocument, YesClearsTheTextAndUndoBringsItBack) {
    THTMLRichEdit edit;
    Load(edit, "old\r\ntext|");
    ScriptedPrompter prompter;
    prompter.answers = {Answer::Yes};
    NormalDocument(edit, false, prompter);
    EXPECT_EQ(Shown(edit), zn::base::LowerCaseCZ(kSkeleton) + "|\r\n\r\n</body>\r\n</html>");
    edit.Model().Undo();
    EXPECT_EQ(edit.Model().Text(), "old\r\ntext");
}

TEST(NormalDocument, CancelLeavesTheDocumentAlone) {
    THTMLRichEdit edit;
    Load(edit, "ke|ep");
    ScriptedPrompter prompter;
    prompter.answers = {Answer::Cancel};
    NormalDocument(edit, true, prompter);
    EXPECT_EQ(Shown(edit), "ke|ep");
    EXPECT_FALSE(edit.Model().CanUndo());
}

TEST(NormalDocument, AnEmptyLineCountsAsText) {
    THTMLRichEdit edit;
    Load(edit, "\r\n|");
    ScriptedPrompter prompter;
    prompter.answers = {Answer::No};
    NormalDocument(edit, true, prompter);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(Shown(edit), std::string(kSkeleton) + "|\r\n\r\n\r\n</BODY>\r\n</HTML>");
}

TEST(TagPairCommands, SelectBetweenTags) {
    THTMLRichEdit edit;
    Load(edit, "<B|>bold <I>x</I></B> after");
    SelectBetweenTags(edit, false);
    EXPECT_EQ(Shown(edit), "<B>[bold <I>x</I>]</B> after");
    Load(edit, "<B|>bold</B>");
    SelectBetweenTags(edit, true);
    EXPECT_EQ(Shown(edit), "[<B>bold</B>]");
    Load(edit, "<B>bo|ld</B>");
    SelectBetweenTags(edit, true);
    EXPECT_EQ(Shown(edit), "<B>bo|ld</B>"); // not inside a tag: nothing
}

TEST(TagPairCommands, RemoveTagTakesOnePairOnly) {
    THTMLRichEdit edit;
    Load(edit, "<I><B|>x</B></I>");
    zn::editor::RemoveTagAtCaret(edit);
    EXPECT_EQ(Shown(edit), "<I>|x</I>");
    EXPECT_FALSE(edit.InTag);
}
