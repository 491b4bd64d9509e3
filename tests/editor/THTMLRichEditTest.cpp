// The current tag of the text control and the edits it makes on tags.
#include "editor/THTMLRichEdit.h"

#include "EditorTestUtil.h"

#include <gtest/gtest.h>

using namespace zn::editor;
using zn::editor::test::LoadWithCaret;
using zn::editor::test::TextWithCaret;

namespace {

struct AroundCase {
    std::string text; // "|" marks the position asked about
    bool inTag;
    Position tagStart;
    std::string tagText;
};

class FindTagAroundTest : public ::testing::TestWithParam<AroundCase> {};

TEST_P(FindTagAroundTest, Locates) {
    const AroundCase& c = GetParam();
    THTMLRichEdit edit;
    LoadWithCaret(edit, c.text);
    Position start = -7;
    std::string text = "stale";
    EXPECT_EQ(edit.FindTagAround(edit.Model().SelStart(), start, text), c.inTag);
    EXPECT_EQ(text, c.tagText);
    EXPECT_EQ(start, c.inTag ? c.tagStart : -7); // written only when a tag is found
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FindTagAroundTest,
    ::testing::Values(AroundCase{"|<b>x</b>", false, 0, ""}, AroundCase{"<b>x</b>|", false, 0, ""},
                      AroundCase{"<|b>", true, 1, "b"}, AroundCase{"<b|>", true, 1, "b"},
                      AroundCase{"<b>|x", false, 0, ""}, AroundCase{"<|>x", true, 1, ""},
                      AroundCase{"x<a href=|\"y\">z", true, 2, "a href=\"y\""},
                      // No ">" ahead, or a "<" before the first ">": not in a tag.
                      AroundCase{"x<a|b", false, 0, ""}, AroundCase{"x<a|b<c>", false, 0, ""},
                      // A stray ">" behind the caret.
                      AroundCase{"a>b|c>", false, 0, ""},
                      // A line break inside a tag belongs to it.
                      AroundCase{"<a\r\n|href=x>", true, 1, "a\r\nhref=x"},
                      // A ">" inside a quoted value ends the tag.
                      AroundCase{"<a title=\"|x>y\">", true, 1, "a title=\"x"}));

/// Counts the events of a control.
struct Events {
    int tagChanges = 0;
    int changes = 0;
    int selectionChanges = 0;
    explicit Events(THTMLRichEdit& edit) {
        edit.OnTagChange = [this] { ++tagChanges; };
        edit.OnChange = [this] { ++changes; };
        edit.OnSelectionChange = [this] { ++selectionChanges; };
    }
};

TEST(CurrentTag, EnteringMovingTypingLeaving) {
    THTMLRichEdit edit;
    edit.Model().Load("ab <font color=red> cd <i>");
    Events events(edit);
    TextModel& m = edit.Model();

    m.SetCaret(1);
    EXPECT_FALSE(edit.InTag);
    EXPECT_EQ(events.tagChanges, 0);

    m.SetCaret(5); // enter the FONT tag
    EXPECT_TRUE(edit.InTag);
    EXPECT_EQ(edit.CurrentTagName, "font");
    EXPECT_EQ(edit.TagStart, 4);
    EXPECT_EQ(edit.CurrentTagText, "font color=red");
    ASSERT_EQ(edit.Parameters.size(), 1u);
    EXPECT_EQ(edit.Parameters[0].ParamName, "color");
    EXPECT_EQ(events.tagChanges, 1);
    EXPECT_EQ(edit.ReportedTagText, "");

    m.SetCaret(6); // the next update inside the tag reports it once more
    EXPECT_EQ(events.tagChanges, 2);
    EXPECT_EQ(edit.ReportedTagText, "font color=red");
    m.SetCaret(8);
    m.SetCaret(17);
    EXPECT_EQ(events.tagChanges, 2); // moving within the tag is silent

    m.Type("x"); // typing changes the tag text: one event
    EXPECT_EQ(edit.CurrentTagText, "font color=rexd");
    EXPECT_EQ(events.tagChanges, 3);
    EXPECT_GE(events.changes, 1);

    m.SetCaret(0); // leaving reports the change too
    EXPECT_FALSE(edit.InTag);
    EXPECT_EQ(edit.CurrentTagText, "");
    EXPECT_EQ(events.tagChanges, 4);
    EXPECT_GE(events.selectionChanges, 5);
}

TEST(CurrentTag, EqualTagsRaiseNothingBetweenThem) {
    THTMLRichEdit edit;
    edit.Model().Load("<b>1<b>2");
    Events events(edit);
    edit.Model().SetCaret(1);
    edit.Model().SetCaret(2);
    EXPECT_EQ(events.tagChanges, 2);
    edit.Model().SetCaret(5); // the caret jumps straight into an equal tag
    EXPECT_EQ(events.tagChanges, 2);
    EXPECT_EQ(edit.TagStart, 5);
}

TEST(CurrentTag, UpdatingAndSilentSuppress) {
    THTMLRichEdit edit;
    edit.Model().Load("x <b> y");
    Events events(edit);
    edit.Updating = true;
    edit.Model().SetCaret(3);
    EXPECT_FALSE(edit.InTag);
    edit.Updating = false;
    edit.Silent = true;
    edit.Model().SetCaret(4);
    EXPECT_TRUE(edit.InTag);
    EXPECT_EQ(events.tagChanges, 0);
}

TEST(CurrentTag, GetAttributeValue) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "<a |HREF=\"x.html\" title=\"\" n=5 x=\"y q=\"\">");
    std::string value = "stale";
    EXPECT_TRUE(edit.GetAttributeValue("href", value));
    EXPECT_EQ(value, "x.html");
    EXPECT_TRUE(edit.GetAttributeValue("Title", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(edit.GetAttributeValue("N", value));
    EXPECT_EQ(value, "5");
    EXPECT_FALSE(edit.GetAttributeValue("target", value));
    EXPECT_EQ(value, "");
}

struct SetCase {
    std::string before; // "|" inside the tag
    std::string name;
    std::string value;
    bool upper;
    std::string after; // "|" where the caret ends
};

class SetAttributeTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetAttributeTest, Rewrites) {
    const SetCase& c = GetParam();
    THTMLRichEdit edit;
    LoadWithCaret(edit, c.before);
    edit.SetAttribute(c.name, c.value, c.upper);
    EXPECT_EQ(TextWithCaret(edit), c.after);
    EXPECT_TRUE(edit.InTag);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SetAttributeTest,
    ::testing::Values(
        SetCase{"<img |src=a.gif>", "width", "100", false, "<img src=a.gif width=100|>"},
        SetCase{"<img |src=a.gif>", "alt", "a b", false, "<img src=a.gif alt=\"a b\"|>"},
        SetCase{"<img |src=a.gif>", "alt", "a b", true, "<img src=a.gif ALT=\"a b\"|>"},
        SetCase{"<hr |noshade>", "noshade", "1", false, "<hr noshade=1|>"},
        SetCase{"<hr |noshade>", "noshade", "", false, "<hr |noshade>"},
        SetCase{"<a |href=\"x\">", "HREF", "y", true, "<a href=\"y\"|>"},
        // Old value in single quotes is not quoted: the new one gets double quotes.
        SetCase{"<a |title='x'>", "title", "new", false, "<a title=\"new\"|>"},
        SetCase{"<a |title='x'>", "title", "12", false, "<a title=12|>"},
        // A value in its own double quotes on a bare old value is quoted again...
        SetCase{"<a |name=x>", "name", "\"q\"", false, "<a name=\"\"q\"\"|>"},
        // ...but its quotes are dropped on a quoted old value and on a new attribute.
        SetCase{"<a |name=\"x\">", "name", "\"q\"", false, "<a name=\"q\"|>"},
        SetCase{"<a |>", "name", "\"q\"", false, "<a name=\"q\"| >"},
        // Emptying: a bare value leaves "name=", a quoted one two quotes.
        SetCase{"<td |width=5>", "width", "", false, "<td width=|>"},
        SetCase{"<td |align=\"left\">", "align", "", false, "<td align=\"\"|>"},
        // "=" without a value.
        SetCase{"<img |alt=>", "alt", "x y", false, "<img alt=\"x y\"|>"},
        SetCase{"<img |alt= >", "ALT", "7", false, "<img alt=7| >"},
        // New attributes go after the name, or after a lone "/".
        SetCase{"<br|>", "clear", "all", true, "<br CLEAR=\"all\"|>"},
        SetCase{"<br |/>", "clear", "all", false, "<br / clear=\"all\"|>"},
        SetCase{"<|>", "x", "1", false, "< x=1|>"},
        // An empty name renames the tag in the chosen case (ASCII letters only).
        SetCase{"<h1 |align=center>", "", "h2", true, "<H2| align=center>"},
        SetCase{"<P|>", "", "Div\xC8", false, "<div\xC8|>"},
        // Attribute names keep their case; comparing ignores it.
        SetCase{"<TD |Width=5>", "WIDTH", "6", false, "<TD Width=6|>"},
        // A line break in the tag.
        SetCase{"<a\r\n|href=x>", "target", "_top", false, "<a\r\nhref=x target=\"_top\"|>"}));

TEST(SetAttribute, OutsideATagChangesNothing) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "a|b <i>");
    edit.SetAttribute("x", "1", true);
    EXPECT_EQ(TextWithCaret(edit), "a|b <i>");
}

TEST(SetAttribute, IsOneUndoStep) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "<img |src=a.gif>");
    edit.SetAttribute("width", "10", true);
    edit.SetAttribute("height", "20", true);
    EXPECT_EQ(edit.Model().Text(), "<img src=a.gif WIDTH=10 HEIGHT=20>");
    edit.Model().Undo();
    EXPECT_EQ(edit.Model().Text(), "<img src=a.gif WIDTH=10>");
    edit.Model().Undo();
    EXPECT_EQ(TextWithCaret(edit), "<img |src=a.gif>");
    edit.Model().Redo();
    EXPECT_EQ(edit.Model().Text(), "<img src=a.gif WIDTH=10>");
}

struct RemoveCase {
    std::string before;
    std::vector<std::string> names;
    std::string after;
};

class RemoveAttributeTest : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveAttributeTest, Removes) {
    const RemoveCase& c = GetParam();
    THTMLRichEdit edit;
    LoadWithCaret(edit, c.before);
    for (const std::string& name : c.names) {
        edit.RemoveAttribute(name);
    }
    EXPECT_EQ(edit.Model().Text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Attributes, RemoveAttributeTest,
    ::testing::Values(
        RemoveCase{"<img |src=a width=1 height=2>", {"WIDTH"}, "<img src=a height=2>"},
        RemoveCase{"<img |src=a width=1 height=2>", {"width", "height"}, "<img src=a>"},
        RemoveCase{"<img |src=a width=1 height=2>", {"height", "src"}, "<img width=1>"},
        RemoveCase{"<hr |noshade size=>", {"noshade", "size"}, "<hr>"},
        RemoveCase{"<a |title=\"x y\" b>", {"title"}, "<a b>"},
        RemoveCase{"<a |href=x>", {"target"}, "<a href=x>"},
        // A line break before the name goes whole, never half a CR LF pair.
        RemoveCase{"<a |href=x\r\ntarget=y>", {"target"}, "<a href=x>"},
        // Directly after a closing quote the quote stays.
        RemoveCase{"<a |b=\"1\"c=2>", {"c"}, "<a b=\"1\">"}));

TEST(RemoveAttribute, ThenSetAttributeActsOnTheRightPlaces) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "<img |src=a.gif width=10 height=20 alt=\"x\">");
    edit.RemoveAttribute("width");
    EXPECT_EQ(edit.Model().Text(), "<img src=a.gif height=20 alt=\"x\">");
    ASSERT_EQ(edit.Parameters.size(), 3u);
    EXPECT_EQ(edit.Parameters[1].NameOffset, 14);
    edit.SetAttribute("alt", "y", false);
    EXPECT_EQ(edit.Model().Text(), "<img src=a.gif height=20 alt=\"y\">");
    edit.RemoveAttribute("height");
    edit.SetAttribute("border", "0", false);
    EXPECT_EQ(edit.Model().Text(), "<img src=a.gif alt=\"y\" border=0>");
}

TEST(TagPairs, ClosingTagOfNestedEqualTags) {
    THTMLRichEdit edit;
    edit.Model().Load("<b>1<B>2</b>3</B>4");
    Position open = 0, close = 0;
    ASSERT_TRUE(edit.FindClosingTag(1, open, close));
    EXPECT_EQ(open, 13);
    EXPECT_EQ(close, 17);
    ASSERT_TRUE(edit.FindClosingTag(5, open, close));
    EXPECT_EQ(open, 8);
    EXPECT_FALSE(edit.FindClosingTag(10, open, close)); // a closing tag has no closing tag
    EXPECT_FALSE(edit.FindClosingTag(3, open, close));  // not in a tag
}

TEST(TagPairs, SelectBetweenAndWhole) {
    THTMLRichEdit edit;
    edit.Model().Load("x<p class=a>text</P>y");
    edit.SelectTagPair(3, false);
    EXPECT_EQ(edit.Model().SelText(), "text");
    edit.SelectTagPair(3, true);
    EXPECT_EQ(edit.Model().SelText(), "<p class=a>text</P>");
    edit.Model().Load("<br>x");
    edit.Model().SetCaret(2);
    edit.SelectTagPair(2, true);
    EXPECT_EQ(edit.Model().SelLength(), 0);
}

TEST(TagPairs, RemoveOnePairPerCall) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "a<b><|i>x</i></b>c");
    edit.RemoveTagPair(edit.Model().SelStart());
    EXPECT_EQ(TextWithCaret(edit), "a<b>|x</b>c");
    edit.RemoveTagPair(2);
    EXPECT_EQ(TextWithCaret(edit), "a|xc");
    edit.Model().Undo();
    EXPECT_EQ(edit.Model().Text(), "a<b>x</b>c");
    edit.Model().Undo();
    EXPECT_EQ(edit.Model().Text(), "a<b><i>x</i></b>c");
    // A tag without a closing one goes alone; outside a tag nothing happens.
    LoadWithCaret(edit, "a<b|r>c");
    edit.RemoveTagPair(3);
    EXPECT_EQ(TextWithCaret(edit), "a|c");
    edit.RemoveTagPair(1);
    EXPECT_EQ(edit.Model().Text(), "ac");
}

TEST(TagPairs, RenameWithClosingTag) {
    THTMLRichEdit edit;
    LoadWithCaret(edit, "<h1 al|ign=center>T</H1><h1>");
    edit.RenameTagPair(edit.Model().SelStart(), "h2", true);
    EXPECT_EQ(TextWithCaret(edit), "<|H2 align=center>T</H2><h1>");
    edit.RenameTagPair(1, "Div", false);
    EXPECT_EQ(edit.Model().Text(), "<div align=center>T</div><h1>");
    edit.RenameTagPair(26, "p", false); // no closing tag
    EXPECT_EQ(edit.Model().Text(), "<div align=center>T</div><p>");
}

TEST(Tags, FindTagStartAndEnd) {
    THTMLRichEdit edit;
    edit.Model().Load("<html><HEAD><title>x</title></head><body>");
    EXPECT_EQ(edit.FindTagStart("head", 0), 6);
    EXPECT_EQ(edit.FindTagEnd("head", 0), 12);
    EXPECT_EQ(edit.FindTagEnd("/HEAD", 0), 35);
    EXPECT_EQ(edit.FindTagStart("body", 0), 35);
    EXPECT_EQ(edit.FindTagStart("title", 20), std::nullopt);
    EXPECT_EQ(edit.FindTagStart("table", 0), std::nullopt);
    std::string text;
    EXPECT_EQ(edit.NextTagInControl(3, text), 7);
    EXPECT_EQ(text, "HEAD");
}

} // namespace
