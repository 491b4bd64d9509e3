// The Tag Inspector's reading: the panel for each tag and the value each control receives
// (the table of tags is tests/data/tags/inspector-rows.txt).
#include "tags/TagPanelRead.h"

#include "base/HtmlColor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

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

/// Splits a line of the table at " | ".
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t bar; (bar = line.find(" | ", start)) != std::string::npos; start = bar + 3)
        fields.push_back(line.substr(start, bar - start));
    fields.push_back(line.substr(start));
    return fields;
}

} // namespace

TEST(InspectorRead, EveryPanelRowFromATag) {
    TInspectorContext context;
    context.TextColor = zn::base::HtmlToColor("#123456");
    std::ifstream table(ZN_TEST_DATA "/tags/inspector-rows.txt");
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        ++rows;
        const std::vector<std::string> f = Fields(line);
        const std::string& tag = f[0];
        const TInspectorRead read = ReadTag(tag, context);
        EXPECT_EQ(read.Panel, f[1]) << tag;
        for (std::size_t i = 2; i < f.size(); ++i) {
            const std::size_t eq = f[i].find('=');
            const TControlValue* v = read.Find(f[i].substr(0, eq));
            ASSERT_NE(v, nullptr) << tag << " / " << f[i];
            EXPECT_EQ(Shown(*v), f[i].substr(eq + 1)) << tag << " / " << f[i];
        }
        // Every control of the panel that reads an attribute got a value.
        if (const TPanelRow* row = FindPanel(read.Panel)) {
            for (const TControlRow& control : row->Controls) {
                if (control.Attribute[0] != '\0') {
                    EXPECT_NE(read.Find(control.Control), nullptr)
                        << tag << " / " << control.Control;
                }
            }
        }
    }
    EXPECT_EQ(rows, 40); // the whole table was read
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
