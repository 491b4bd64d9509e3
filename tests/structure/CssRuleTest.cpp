// The style editor's reading and writing of a rule, and the rule list of the selector.
#include "structure/CssRule.h"
#include "structure/StyleRules.h"

#include "base/FileIO.h"

#include <gtest/gtest.h>

using namespace zn::structure;

namespace {

std::string Rewrite(std::string_view css) {
    return WriteCss(FillControls(SplitCss(css).List));
}

} // namespace

TEST(CssRule, RuleWrittenBackFromTheControls) {
    const std::pair<const char*, const char*> cases[] = {
        {"font-size: 12px; color: #FF0000", " font-size: 12px; color: #FF0000;"},
        // Colours the colour functions do not know stay as written; addresses keep their case.
        {"COLOR: #f00 !important; background-image: URL(Img/Pic.GIF)",
         " color: #f00 !important;background-image: url(Img/Pic.GIF);"},
        {"color: rgb(1, 2, 3); background-color: navy",
         " color: rgb(1, 2, 3); background-color: #000080;"},
        {"text-decoration: Underline blink", " text-decoration:  underline blink;"},
        {"background-position: left top", " background-position: left top;"},
        {"background-position: 10px  20%", " background-position: 10px 20%;"},
        {"border-color: red blue", " border-color: #FF0000 #0000FF #FF0000 #0000FF;"},
        {"border-color: red lime blue", " border-color: #FF0000 #00FF00 #0000FF #00FF00;"},
        {"border-color: black", " border-color: #000000;"},
        {"clip: rect( 1px 2px 3px auto )", " clip: rect(1px 2px 3px auto);"},
        {"clip: rect(1px 2px)", ""},
        {"outline: 1px solid; font-weight: bold", " font-weight: bold;"},
        {"width: 10px; height: auto", " width: 10px; height: auto;"},
        {"list-style-image: url( a b.gif ) ; margin-top: 1.5em",
         " margin-top: 1.5em;list-style-image: url(a b.gif);"},
        {"/* a; b */ color: #00FF00; { font-size: 'a; } unclosed /* x", " color: #00FF00;"},
        {"font-family: \"Arial; color: red", " font-family: \"Arial; color: #FF0000;"},
        {"line-height: 1.5; z-index: 3; filter: Gray()",
         " line-height: 1.5; z-index: 3; filter: Gray();"},
        {";;:;a:;:b;", ""},
    };
    for (const auto& [css, written] : cases) {
        EXPECT_EQ(Rewrite(css), written) << css;
        // Written once, the rule is read and written again without change.
        EXPECT_EQ(Rewrite(Rewrite(css)), Rewrite(css)) << css;
    }
}

TEST(CssRule, ValuesUnitsAndPositionHalves) {
    const std::tuple<const char*, const char*, const char*> units[] = {
        {"12px", "12", "px"},     {"1.5em", "1", ".5em"}, {"14", "14", ""},
        {"larger", "larger", ""}, {"-3px", "-3px", ""},   {"", "", ""}};
    for (const auto& [value, number, unit] : units) {
        EXPECT_EQ(SplitUnits(value), (TValueUnit{number, unit})) << value;
    }
    const std::tuple<const char*, const char*, const char*> automatic[] = {{"14", "", "px"},
                                                                           {"14", "em", "em"},
                                                                           {"larger", "px", ""},
                                                                           {"", "pt", ""},
                                                                           {"1.5", "px", ""}};
    for (const auto& [value, unit, result] : automatic) {
        EXPECT_EQ(AutoUnit(value, unit), result) << value << " " << unit;
    }
    const std::tuple<const char*, const char*, const char*> halves[] = {
        {"left top", "left", "top"}, {"center", "", "center"}, {"10px  20%", "10px", "20%"}};
    for (const auto& [value, h, v] : halves) {
        const TCssList list = SplitCss(std::string("Background-Position: ") + value).List;
        EXPECT_EQ(CssValue(list, "bkghp"), h) << value;
        EXPECT_EQ(CssValue(list, "bkgvp"), v) << value;
    }
    const TStyleControls read = FillControls(SplitCss("background-position: left top").List);
    EXPECT_EQ(read.TextOf("HPosCB"), "left");
    EXPECT_EQ(read.TextOf("VPosCB"), "top");
    // Only the horizontal half set: it must come back as the horizontal half.
    TStyleControls left;
    left.Text["HPosCB"] = "left";
    const TStyleControls again = FillControls(SplitCss(WriteCss(left)).List);
    EXPECT_EQ(again.TextOf("HPosCB"), "left");
    EXPECT_EQ(SplitCss("bkghp: left").Unread, std::vector<std::string>{"bkghp: left"});
}

TEST(CssRule, FourBorderColoursComeBackToTheirPanels) {
    TStyleControls controls;
    controls.Colors = {{"TMC", "#FF0000"}, {"RMC", "#00FF00"}, {"BMC", "#f00"}, {"LMC", "teal"}};
    const std::string css = WriteCss(controls);
    EXPECT_EQ(css, " border-color: #FF0000 #00FF00 #f00 #008080;");
    const TStyleControls read = FillControls(SplitCss(css).List);
    EXPECT_EQ(read.Colors,
              (std::map<std::string, std::string>{
                  {"TMC", "#FF0000"}, {"RMC", "#00FF00"}, {"BMC", "#f00"}, {"LMC", "#008080"}}));
    controls.Colors.erase("LMC"); // three colours are not written
    EXPECT_EQ(WriteCss(controls), "");
}

TEST(CssRule, WhatTheEditorWouldDropIsListed) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"font-size: 12px; color: red; background-position: left top", {}},
        {"outline: 1px; color: #FF0000", {"outline"}},
        {"text-decoration: underline !important; /* c */ :x; y",
         {"text-decoration", "/* c */", ":x", "y"}},
        {"background-image: url(a.gif) no-repeat; clip: rect(1px)", {"background-image", "clip"}},
        {"border-color: red green blue", {}},
    };
    for (const auto& [css, dropped] : cases) {
        EXPECT_EQ(DroppedByEditor(css), dropped) << css;
    }
}

TEST(StyleRules, AddingAndDeletingRules) {
    StyleList styles{{"P", "color: red"}, {".a", ""}};
    const std::tuple<TStyleKind, const char*, std::optional<std::size_t>, const char*> adds[] = {
        {TStyleKind::Own, "abc", 2, ".abc"},
        {TStyleKind::Own, " a ", 1, ".a"},
        {TStyleKind::Tag, "P", 0, "P"},
        {TStyleKind::Selector, "A:hover", 3, "A:hover"},
        {TStyleKind::Own, "  ", std::nullopt, ""}};
    for (const auto& [kind, name, index, selector] : adds) {
        EXPECT_EQ(AddStyleRule(styles, kind, name), index) << name;
        if (index) {
            EXPECT_EQ(styles[*index].Selector, selector);
        }
    }
    EXPECT_EQ(styles.size(), 4u);
    EXPECT_EQ(DeleteStyleRule(styles, 1), std::optional<std::size_t>(1)); // ".a" gone
    EXPECT_EQ(styles[1].Selector, ".abc");
    EXPECT_EQ(DeleteStyleRule(styles, 2), std::optional<std::size_t>(1)); // the last
    EXPECT_EQ(DeleteStyleRule(styles, 0), std::optional<std::size_t>(0));
    EXPECT_EQ(DeleteStyleRule(styles, 0), std::nullopt);
}

TEST(StyleRules, NameListsShippedWithTheProgram) {
    EXPECT_EQ(SplitNameList("A\r\n B \r\n\r\nC\nD"),
              (std::vector<std::string>{"A", "B", "C", "D"}));
    const std::pair<TStyleKind, const char*> lists[] = {{TStyleKind::Tag, "BLOCKQUOTE"},
                                                        {TStyleKind::Selector, "A:hover"}};
    for (const auto& [kind, expected] : lists) {
        std::string bytes;
        ASSERT_TRUE(zn::base::ReadDocumentFile(ZN_DATA_DIR "/" + NameListFile(kind), bytes).ok);
        const std::vector<std::string> names = SplitNameList(bytes);
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    }
    EXPECT_EQ(NameListFile(TStyleKind::Own), "");
}

TEST(StyleRules, RulesOutsideTheCommentWouldBeLost) {
    const std::pair<const char*, bool> pages[] = {
        {"<STYLE TYPE=text/css>\r\nH1 { color: red }\r\n</STYLE>", true},
        {"<STYLE TYPE=text/css>\r\n<!--\r\nH1 { color: red }\r\n-->\r\n</STYLE>", false},
        {"<STYLE TYPE=text/css>P {}<!-- H1 {} --></STYLE>", true},
        {"<HEAD></HEAD><P>{</P>", false}};
    for (const auto& [page, lost] : pages) {
        EXPECT_EQ(WritingLosesRules(page), lost) << page;
    }
}
