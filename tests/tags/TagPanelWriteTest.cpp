// The Tag Inspector's writers: each kind of control on sample tags, the write guard, reading
// back what every control wrote, and one undo step per word typed into a field.
#include "tags/TagPanelWrite.h"

#include "base/HtmlColor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace zn;
using namespace zn::tags;

namespace {

/// Loads a tag text with the caret inside the tag.
void Load(editor::THTMLRichEdit& edit, const std::string& text) {
    edit.Model().Load(text);
    edit.Model().SetCaret(2);
}

/// The value a control of that kind holds: text, checked (1/0), item index or "#RRGGBB".
TControlValue ValueOf(const TWriterRow& row, const std::string& v) {
    TControlValue value;
    value.Control = row.Control;
    value.Text = v;
    value.Checked = v == "1";
    value.Index = !v.empty() && v.size() < 3 && std::isdigit(static_cast<unsigned char>(v[0]))
                      ? std::stoi(v)
                      : -1;
    value.Color = base::HtmlToColor(v);
    return value;
}

std::string Write(const std::string& tag, const std::string& control, const std::string& v,
                  bool upper = true, std::string refText = "x") {
    editor::THTMLRichEdit edit;
    Load(edit, tag);
    bool flag = false;
    TWriteContext context{&edit, false, upper, &flag, 0, {}, {}};
    context.RefComboText = std::move(refText);
    const TWriterRow* row = FindWriter(control);
    EXPECT_NE(row, nullptr) << control;
    WriteControl(*row, ValueOf(*row, v), context);
    EXPECT_FALSE(flag) << "the combo write flag lasts only for the write";
    return edit.Model().Text();
}

} // namespace

TEST(InspectorWrite, EachWriterOnSampleTags) {
    struct Case {
        const char* tag;
        const char* control;
        const char* value;
        bool upper;
        const char* expected;
    } cases[] = {
        {"<IMG SRC=\"a.gif\">", "IMGWidth", "1", true, "<IMG SRC=\"a.gif\" WIDTH=1>"},
        {"<IMG SRC=\"a.gif\" WIDTH=1>", "IMGWidth", "120", true, "<IMG SRC=\"a.gif\" WIDTH=120>"},
        {"<img src=\"a.gif\">", "IMGWidth", "50%", false, "<img src=\"a.gif\" width=\"50%\">"},
        {"<IMG WIDTH=100 SRC=\"a.gif\">", "IMGWidth", "", true, "<IMG SRC=\"a.gif\">"},
        {"<IMG>", "IMGAlt", "a \"b\" <c>", true, "<IMG ALT=\"a &quot;b&quot; &lt;c&gt;\">"},
        {"<P>", "PAlign", "1", true, "<P ALIGN=\"LEFT\">"},
        {"<p>", "PAlign", "1", false, "<p align=\"left\">"},
        {"<P ALIGN=\"LEFT\">", "PAlign", "0", true, "<P>"},
        {"<OL>", "Type2RG", "4", true, "<OL TYPE=\"i\">"},
        {"<OL TYPE=\"A\">", "Type2RG", "0", true, "<OL>"},
        {"<FRAME>", "Scrolling", "2", true, "<FRAME SCROLLING=\"AUTO\">"},
        {"<FRAME>", "Scrolling", "0", false, "<FRAME scrolling=\"yes\">"},
        {"<CAPTION ALIGN=\"LEFT\">", "Caption", "0", true, "<CAPTION ALIGN=\"TOP\">"},
        {"<HR>", "Noshade", "1", true, "<HR NOSHADE>"},
        {"<HR NOSHADE SIZE=2>", "Noshade", "0", true, "<HR SIZE=2>"},
        {"<HR>", "HRColorPanel", "#00ff80", true, "<HR COLOR=\"#00FF80\">"},
        {"<TABLE>", "B2Panel", "#102030", true, "<TABLE BORDERCOLOR=\"#102030\">"},
        {"<A HREF=\"x.html\">", "AType", "1", true, "<A NAME=\"x.html\">"},
        {"<A NAME=\"top\">", "AType", "0", true, "<A HREF=\"top\">"},
        {"<A>", "AType", "0", true, "<A HREF=\"http://\">"},
        {"<A>", "AType", "1", true, "<A NAME>"},
        {"<A HREF=\"x\">", "RefCombo", "y.html", true, "<A HREF=\"y.html\">"},
        {"<H2>a</H2>", "SizeBar", "6", true, "<H1>a</H1>"},
        {"<h2>a</h2>", "SizeBar", "1", false, "<h6>a</h6>"},
        {"<B>a</B>", "TTCB", "Strong", true, "<STRONG>a</STRONG>"},
        {"x<B>a</B>y", "DeleteSB", "", true, "xay"},
        {"<BGSOUND>", "InfiniteSB", "", true, "<BGSOUND LOOP=\"infinite\">"},
        {"<BODY>", "TextL", "#0000ff", true, "<BODY TEXT=\"#0000FF\">"},
    };
    for (const Case& c : cases) {
        const std::string tag = c.tag;
        EXPECT_EQ(Write(tag, c.control, c.value, c.upper), c.expected) << c.tag << " " << c.control;
    }
    EXPECT_EQ(Write("<A>", "AType", "0", true, ""), "<A>") << "no address, no link type change";
}

TEST(InspectorWrite, NothingIsWrittenUnderTheGuardOrWithoutADocument) {
    for (const TWriterRow& row : InspectorWriters()) {
        editor::THTMLRichEdit edit;
        Load(edit, "<B ALIGN=\"LEFT\" HREF=\"x\">a</B>");
        TWriteContext guarded{&edit, true, true, nullptr, 0, {}, {}};
        guarded.RefComboText = "x";
        EXPECT_FALSE(WriteControl(row, ValueOf(row, "1"), guarded)) << row.Control;
        EXPECT_EQ(edit.Model().Text(), "<B ALIGN=\"LEFT\" HREF=\"x\">a</B>") << row.Control;
        EXPECT_FALSE(edit.Model().CanUndo());
        TWriteContext none{nullptr, false, true, nullptr, 0, {}, {}};
        EXPECT_FALSE(WriteControl(row, ValueOf(row, "1"), none)) << row.Control;
    }
}

TEST(InspectorWrite, ReadingBackGivesEveryControlsValue) {
    int checked = 0;
    for (const TPanelRow& panel : InspectorPanels()) {
        const std::string panelName = panel.Panel;
        const std::string tag = panelName == "ClassPanel"    ? "DIV"
                                : panelName == "ChangePanel" ? "B"
                                : panelName == "APanel"      ? "A HREF=\"x\""
                                                             : panel.Tags.front();
        for (const TControlRow& control : panel.Controls) {
            const TWriterRow* row = FindWriter(control.Control);
            if (row == nullptr || row->Kind > WriterKind::Link) {
                continue;
            }
            std::vector<std::string> samples;
            switch (row->Kind) {
            case WriterKind::Check:
                samples = {"1", "0"};
                break;
            case WriterKind::Enumerated:
            case WriterKind::LinkType:
                for (std::size_t i = control.Items.size(); i-- > 0;) {
                    samples.push_back(std::to_string(i));
                }
                break;
            case WriterKind::Color:
                samples = {"#12AB34", "#FFFFFF"};
                break;
            case WriterKind::HeadingSize:
                samples = {"1", "4", "6"};
                break;
            case WriterKind::TextType:
                samples = {"Strong", "Cite"};
                break;
            default:
                samples = {"7", "50%", "a \"b\" <c> d", "x=y'z", ""};
            }
            editor::THTMLRichEdit edit;
            Load(edit, "<" + tag + ">");
            for (const std::string& sample : samples) {
                bool flag = false;
                TWriteContext context{&edit, false, true, &flag, 0, {}, {}};
                context.RefComboText = "x";
                const TControlValue written = ValueOf(*row, sample);
                ASSERT_TRUE(WriteControl(*row, written, context)) << control.Control;
                const std::string text = edit.Model().Text();
                ASSERT_EQ(std::count(text.begin(), text.end(), '>'), 1) << text;
                const TInspectorRead read = ReadTag(edit.CurrentTagText, {});
                ASSERT_EQ(read.Panel, panelName) << text;
                const TControlValue* back = read.Find(control.Control);
                ASSERT_NE(back, nullptr) << control.Control;
                switch (row->Kind) {
                case WriterKind::Check:
                    EXPECT_EQ(back->Checked, written.Checked) << text;
                    break;
                case WriterKind::Enumerated:
                case WriterKind::LinkType:
                case WriterKind::HeadingSize:
                    EXPECT_EQ(back->Index, written.Index) << text;
                    break;
                case WriterKind::Color:
                    EXPECT_EQ(back->Color, written.Color) << text;
                    break;
                default:
                    EXPECT_EQ(back->Text, written.Text) << text;
                }
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 300);
}

TEST(InspectorWrite, TypingIntoAFieldIsOneUndoStepPerWordOrPause) {
    editor::THTMLRichEdit edit;
    Load(edit, "<IMG SRC=\"a.gif\">");
    std::int64_t now = 0;
    edit.Model().SetUndoClock([&now] { return now; });
    const TWriterRow& alt = *FindWriter("IMGAlt");
    const TWriterRow& width = *FindWriter("IMGWidth");
    TWriteContext context{&edit, false, true, nullptr, 0, {}, {}};
    const auto type = [&](const TWriterRow& row, const std::string& text) {
        now += 100;
        WriteControl(row, ValueOf(row, text), context);
    };
    for (const char* text : {"5", "50", "50%"}) {
        type(width, text);
    }
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\" WIDTH=\"50%\">");
    for (const char* text : {"a", "ab", "ab ", "ab c", "ab cd"}) {
        type(alt, text);
    }
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\" WIDTH=\"50%\" ALT=\"ab cd\">");
    EXPECT_EQ(edit.Model().SelStart(), 2) << "the caret stays where it was";
    edit.Undo();
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\" WIDTH=\"50%\" ALT=\"ab \">");
    edit.Undo();
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\" WIDTH=\"50%\">");
    edit.Undo();
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\">");
    EXPECT_FALSE(edit.Model().CanUndo());

    // After a pause the next character is a step of its own; a field typed back to what it
    // held leaves no step behind.
    type(width, "1");
    now += 5000;
    type(width, "12");
    type(width, "1");
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\" WIDTH=1>");
    type(width, "");
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\">");
    edit.Undo();
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\" WIDTH=1>");
    edit.Undo();
    EXPECT_EQ(edit.Model().Text(), "<IMG SRC=\"a.gif\">");
    EXPECT_FALSE(edit.Model().CanUndo());
}
