// The Tag Inspector's reading: the panel for each tag and the value each control receives.
#include "tags/InspectorRead.h"

#include "base/HtmlColor.h"

#include <gtest/gtest.h>

#include <map>

using namespace zn::tags;

namespace {

std::string Shown(const TControlValue& v) {
    switch (v.Kind) {
    case ReaderKind::Check:
        return v.Checked ? "on" : "off";
    case ReaderKind::Enumerated:
    case ReaderKind::Bar:
        return std::to_string(v.Index);
    case ReaderKind::Color:
    case ReaderKind::LabelColor:
    case ReaderKind::Mirror:
        return zn::base::ColorToHtml(v.Color);
    default:
        return v.Text;
    }
}

struct TRowCase {
    const char* tag;
    const char* panel;
    std::map<std::string, std::string> values; ///< control -> shown value
};

} // namespace

TEST(InspectorRead, EveryPanelRowFromATag) {
    const TRowCase cases[] = {
        {"h2 align=center", "HeadingPanel", {{"SizeBar", "5"}, {"HPreview", "2"}, {"Align", "2"}}},
        {"H6", "HeadingPanel", {{"SizeBar", "1"}, {"Align", "0"}}},
        {"input type=text name=n value=\"a b\" src=s alt=t size=5 maxlength=9 checked disabled "
         "readonly",
         "InputPanel",
         {{"InputTypeCB", "text"},
          {"NameEdit", "n"},
          {"ValueEdit", "a b"},
          {"SrcEdit", "s"},
          {"AltEdit", "t"},
          {"SizeEdit", "5"},
          {"MaxLEdit", "9"},
          {"CheckCH", "on"},
          {"DisabledCH", "on"},
          {"ReadOnlyCH", "on"}}},
        {"form action=a.cgi enctype=e accept-charset=c target=t method=post",
         "FormPanel",
         {{"ActionEdit", "a.cgi"},
          {"EncTypeEdit", "e"},
          {"AcceptEdit", "c"},
          {"FTarget", "t"},
          {"MethodCB", "post"}}},
        {"br clear=all", "BreakPanel", {{"BreakClear", "1"}}},
        {"hr size=2 width=50% align=right noshade color=red",
         "LinePanel",
         {{"LineSize", "2"},
          {"LineWidth", "50%"},
          {"LineAlign", "3"},
          {"Noshade", "on"},
          {"HRColorPanel", "#FF0000"}}},
        {"hr", "LinePanel", {{"LineAlign", "0"}, {"Noshade", "off"}, {"HRColorPanel", "#808080"}}},
        {"textarea rows=3 cols=4 name=x tabindex=1 accesskey=k readonly",
         "TAPanel",
         {{"TAROWS", "3"},
          {"TACOLS", "4"},
          {"TANAME", "x"},
          {"TATabIndex", "1"},
          {"TAAccessKey", "k"},
          {"TAROch", "on"}}},
        {"p align=justify nowrap", "PPanel", {{"PAlign", "4"}, {"NoWrapChb", "on"}}},
        {"p align=middle", "PPanel", {{"PAlign", "0"}, {"NoWrapChb", "off"}}},
        {"a href=x.html target=_blank",
         "APanel",
         {{"AType", "0"}, {"RefCombo", "x.html"}, {"RefTarget", "_blank"}}},
        {"img alt=A src=a.gif usemap=#m width=1 height=2 border=0 hspace=3 vspace=4 align=top "
         "ismap",
         "IMGPanel",
         {{"IMGAlt", "A"},
          {"IMGSRC", "a.gif"},
          {"usemapCB", "#m"},
          {"IMGWidth", "1"},
          {"IMGHeight", "2"},
          {"IMGBorder", "0"},
          {"IMGHSpace", "3"},
          {"IMGVSpace", "4"},
          {"AlignCombo", "top"},
          {"ISMAP", "on"}}},
        {"image src=b.jpg", "IMGPanel", {{"IMGSRC", "b.jpg"}, {"ISMAP", "off"}}},
        {"body background=bg.gif topmargin=1 leftmargin=2 bgcolor=white text=#102030",
         "BodyPanel",
         {{"BGPicture", "bg.gif"},
          {"TopMargin", "1"},
          {"LeftMargin", "2"},
          {"BackGround", "#FFFFFF"},
          {"TextL", "#102030"},
          {"LinkL", "#0000FF"},
          {"AlinkL", "#FF0000"},
          {"VlinkL", "#FF00FF"}}},
        {"body", "BodyPanel", {{"BackGround", "#C0C0C0"}, {"TextL", "#000000"}}},
        {"font size=+1 face=Arial color=lime",
         "FontPanel",
         {{"FLabel", "FONT"}, {"Size", "+1"}, {"FaceCombo", "Arial"}, {"FontColor", "#00FF00"}}},
        {"basefont", "FontPanel", {{"FLabel", "BASEFONT"}, {"FontColor", "#123456"}}},
        {"ul type=Circle compact", "ULPanel", {{"TypeRg", "2"}, {"Compact1", "on"}}},
        {"ol type=a start=3 continue compact",
         "OLPanel",
         {{"Type2RG", "2"}, {"OLStart", "3"}, {"Continue", "on"}, {"Compact", "on"}}},
        {"ol type=A", "OLPanel", {{"Type2RG", "1"}}},
        {"ol type=I", "OLPanel", {{"Type2RG", "3"}}},
        {"table border=1 width=100% cellspacing=2 cellpadding=3 align=center colspec=c nowrap "
         "noflow units=ex frame=box rules=all bgcolor=red bordercolor=blue "
         "bordercolorlight=yellow bordercolordark=black",
         "TablePanel",
         {{"TBorder", "1"},
          {"TWidth", "100%"},
          {"Cspacing", "2"},
          {"CPadding", "3"},
          {"TAlignRG", "2"},
          {"colspec", "c"},
          {"TNoWrap", "on"},
          {"NoFlow", "on"},
          {"units", "ex"},
          {"FrameCB", "box"},
          {"RulesCB", "all"},
          {"DTPanel", "#FF0000"},
          {"B1Panel", "#0000FF"},
          {"L1Panel", "#FFFF00"},
          {"D1Panel", "#000000"},
          {"B2Panel", "#0000FF"},
          {"D2Panel", "#000000"},
          {"L2Panel", "#FFFF00"}}},
        {"table align=justify",
         "TablePanel",
         {{"TAlignRG", "3"},
          {"DTPanel", "#C0C0C0"},
          {"L2Panel", "#FFFFFF"},
          {"D2Panel", "#808080"}}},
        {"tr align=left valign=top bgcolor=red",
         "TRPanel",
         {{"TRAlignCB", "left"},
          {"TRVAlignCB", "top"},
          {"RPanel", "#FF0000"},
          {"RB1Panel", "#C0C0C0"},
          {"RL2Panel", "#FFFFFF"},
          {"RD2Panel", "#808080"}}},
        {"td width=1 height=2 colspan=3 rowspan=4 nowrap align=right valign=bottom bgcolor=red",
         "TDPanel",
         {{"TDWidth", "1"},
          {"TDHeight", "2"},
          {"TDCSp", "3"},
          {"TDRSp", "4"},
          {"TDNw", "on"},
          {"TDAlignCB", "right"},
          {"TDVAlignCB", "bottom"},
          {"DPanel", "#FF0000"}}},
        {"td bgcolor=#f00", "TDPanel", {{"DPanel", "#000000"}}},
        {"th width=5 bordercolordark=white",
         "THPanel",
         {{"THWidth", "5"},
          {"HD1Panel", "#FFFFFF"},
          {"HD2Panel", "#FFFFFF"},
          {"HPanel", "#C0C0C0"}}},
        {"bgsound src=a.wav loop=infinite delay=2",
         "BGSPanel",
         {{"SndSrc", "a.wav"}, {"Rep", "infinite"}, {"Dela", "2"}}},
        {"map name=\"m1\"", "MapPanel", {{"MNAme", "m1"}}},
        {"area nohref alt=Dom target=_top tabindex=2 accesskey=d href=d.html",
         "AreaPanel",
         {{"AreaNoHref", "on"},
          {"AreaName", "Dom"},
          {"AreaTarget", "_top"},
          {"AreaTI", "2"},
          {"AreaAK", "d"},
          {"AHRCB", "d.html"}}},
        {"frame src=f.html name=n marginwidth=1 marginheight=2 scrolling=no noresize",
         "FPanel",
         {{"FSrc", "f.html"},
          {"FName", "n"},
          {"MWidth", "1"},
          {"MHeight", "2"},
          {"Scrolling", "1"},
          {"NoResize", "on"}}},
        {"frame", "FPanel", {{"Scrolling", "2"}, {"NoResize", "off"}}},
        {"frameset rows=\"*,2*\" cols=50% border=0",
         "FSPanel",
         {{"rows", "*,2*"}, {"cols", "50%"}, {"border", "0"}}},
        {"caption", "CaptPanel", {{"Caption", "0"}}},
        {"caption align=right", "CaptPanel", {{"Caption", "3"}}},
        {"div id=i class=c title=t style=\"color:red\"",
         "ClassPanel",
         {{"IDEdit", "i"}, {"ClassCombo", "c"}, {"TitleEdit", "t"}, {"StyleEdit", "color:red"}}},
        {"/b", "ClassPanel", {{"IDEdit", ""}}},
        {"b", "ChangePanel", {{"TTCB", "B"}}},
        {"blockquote class=x", "ChangePanel", {{"TTCB", "BlockQuote"}}},
        {"!-- note", "TP", {}},
    };
    TInspectorContext context;
    context.TextColor = zn::base::HtmlToColor("#123456");
    for (const TRowCase& c : cases) {
        const TInspectorRead read = ReadTag(c.tag, context);
        EXPECT_EQ(read.Panel, c.panel) << c.tag;
        for (const auto& [control, shown] : c.values) {
            const TControlValue* v = read.Find(control);
            ASSERT_NE(v, nullptr) << c.tag << " / " << control;
            EXPECT_EQ(Shown(*v), shown) << c.tag << " / " << control;
        }
        // Every control of the panel that reads an attribute got a value.
        if (const TPanelRow* row = FindPanel(read.Panel)) {
            for (const TControlRow& control : row->Controls) {
                if (control.Attribute[0] != '\0') {
                    EXPECT_NE(read.Find(control.Control), nullptr)
                        << c.tag << " / " << control.Control;
                }
            }
        }
    }
}

TEST(InspectorRead, HeadingPreviewFontAndNoTag) {
    EXPECT_EQ(ReadTag("h2", {}).Find("HPreview")->FontSize, 16);
    EXPECT_EQ(ReadTag("H1", {}).Find("HPreview")->FontSize, 18);
    EXPECT_EQ(ReadTag("", {}).Panel, "TP");
    EXPECT_EQ(ReadTag("font", {}).Panel, "FontPanel"); // although "Font" is a text type
    EXPECT_EQ(ReadTag("dl", {}).Panel, "ClassPanel");
}

TEST(InspectorRead, StylesButtonShowsAttributesOfEveryTag) {
    TInspectorContext context;
    context.StylesDown = true;
    EXPECT_EQ(ReadTag("img src=a.gif class=k", context).Panel, "ClassPanel");
    EXPECT_EQ(ReadTag("img src=a.gif class=k", context).Find("ClassCombo")->Text, "k");
    EXPECT_EQ(ReadTag("b", context).Panel, "ClassPanel");
    EXPECT_EQ(ReadTag("!-- x", context).Panel, "TP");
}

TEST(InspectorRead, ComboWriteFlagLeavesLinkAndPictureTags) {
    TInspectorContext context;
    context.ComboWriteFlag = true;
    for (const char* tag : {"a href=x", "img src=y", "IMAGE", "area href=z", "frame src=f"}) {
        const TInspectorRead read = ReadTag(tag, context);
        EXPECT_EQ(read.Panel, "") << tag;
        EXPECT_TRUE(read.Values.empty()) << tag;
    }
    EXPECT_EQ(ReadTag("td", context).Panel, "TDPanel");
}

TEST(InspectorRead, EnumeratedKinds) {
    struct TCase {
        const char* value;
        bool present;
        int kind, defaultIndex, items, expected;
    };
    const TCase cases[] = {
        {"a", true, 5, 0, 5, 2},      {"A", true, 5, 0, 5, 1},    {"i", true, 5, 0, 5, 4},
        {"circle", true, 4, 0, 4, 2}, {"Left", true, 1, 0, 4, 1}, {"middle", true, 3, 0, 5, 0},
        {"", false, 6, 2, 3, 2},      {"auto", true, 6, 2, 3, 2}, {"justify", true, 3, 0, 4, 3},
        {"bottom", true, 7, 0, 4, 1}, {"all", true, 2, 0, 4, 1},  {"x", true, 9, 1, 2, 1},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(EnumIndex(c.value, c.present, c.kind, c.defaultIndex, c.items), c.expected)
            << c.value << " kind " << c.kind;
    }
}

TEST(InspectorRead, LinkRuleBothWays) {
    TInspectorContext context;
    context.RefComboText = "old.html";
    const TInspectorRead named = ReadTag("a name=kotva", context);
    EXPECT_EQ(named.Find("AType")->Index, 1);
    EXPECT_EQ(named.Find("RefCombo")->Text, "kotva");
    EXPECT_TRUE(named.Writes.empty());

    const TInspectorRead bare = ReadTag("a", context);
    EXPECT_EQ(bare.Find("AType")->Index, 0);
    EXPECT_EQ(bare.Find("RefCombo")->Text, "http://");
    EXPECT_EQ(bare.Writes, (std::vector<TAttributeWrite>{{"HREF", "http://"}}));

    context.RefComboText.clear();
    const TInspectorRead empty = ReadTag("a", context);
    EXPECT_EQ(empty.Find("AType")->Index, 0);
    EXPECT_TRUE(empty.Writes.empty());
}

TEST(InspectorRead, InputEnablingByType) {
    struct TCase {
        const char* tag;
        bool check, readOnly, src;
    };
    const TCase cases[] = {
        {"input type=radio", true, false, false}, {"input type=Checkbox", true, false, false},
        {"input type=text", false, true, false},  {"input type=PASSWORD", false, true, false},
        {"input type=image", false, false, true}, {"input", false, false, false},
    };
    for (const TCase& c : cases) {
        const TInspectorRead read = ReadTag(c.tag, {});
        EXPECT_EQ(read.Find("CheckCH")->Enabled, c.check) << c.tag;
        EXPECT_EQ(read.Find("ReadOnlyCH")->Enabled, c.readOnly) << c.tag;
        EXPECT_EQ(read.Find("MaxLEdit")->Enabled, c.readOnly) << c.tag;
        EXPECT_EQ(read.Find("SrcEdit")->Enabled, c.src) << c.tag;
    }
}

TEST(InspectorRead, AutoDimensionsWriteOnlyWhatDiffers) {
    using W = std::vector<TAttributeWrite>;
    EXPECT_EQ(AutoDimensions("10", "", 32, 20), (W{{"WIDTH", "32"}, {"HEIGHT", "20"}}));
    EXPECT_EQ(AutoDimensions("32", "20", 32, 20), W{});
    EXPECT_EQ(AutoDimensions("32", "50%", 32, 20), (W{{"HEIGHT", "20"}}));
}

TEST(InspectorRead, MapPictureAndAreaMap) {
    const std::vector<TMapPair> pairs{{"a.gif", "#m"}, {"b.gif", "#n"}, {"c.gif", "#m"}};
    EXPECT_EQ(MapPicture("m", pairs), "c.gif");
    EXPECT_EQ(MapPicture("x", pairs), "");
    const std::vector<TAreaMap> areas{{"Dům", "#m"}, {"Les", "unknown"}, {"Dům", "#n"}};
    EXPECT_EQ(AreaMapName("Dům", areas), "n");
    EXPECT_EQ(AreaMapName("Les", areas), "unknown"); // no "#" to drop
    EXPECT_EQ(AreaMapName("Nic", areas), "");
}
