// Colour texts against colour numbers.
#include "base/HtmlColor.h"

#include <gtest/gtest.h>

using namespace zn::base;
using zn::base::TColor;

TEST(HtmlColor, TextsToNumbers) {
    const struct {
        const char* text;
        TColor color;
    } cases[] = {{"#ff0000", 255},
                 {"RED", 255},
                 {"fuchsia", 0xFF00FF},
                 {"#0000FF", 0xFF0000},
                 {"#aBcDeF", 0xEFCDAB},
                 {"navy", 0x800000},
                 {"Silver", 0xC0C0C0},
                 {"white", 0xFFFFFF},
                 {"#F00", 0},
                 {"#FF00000", 0},
                 {"#GG0000", 0},
                 {"#12 456", 0},
                 {"", 0},
                 {"#", 0},
                 {"chartreuse", 0},
                 {"ff0000", 0},
                 {" red", 0},
                 {"#-10000", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(HtmlToColor(c.text), c.color) << c.text;
    }
}

TEST(HtmlColor, NumbersToTexts) {
    EXPECT_EQ(ColorToHtml(255), "#FF0000");
    EXPECT_EQ(ColorToHtml(0), "#000000");
    EXPECT_EQ(ColorToHtml(0xFF0000), "#0000FF");
    EXPECT_EQ(ColorToHtml(0x0A0B0C), "#0C0B0A");
    // Only the colour bytes count, whatever stands above them.
    EXPECT_EQ(ColorToHtml(0x7F0000FF), "#FF0000");
}

TEST(HtmlColor, EveryNameSurvivesARoundTrip) {
    for (const char* name :
         {"black", "silver", "gray", "white", "maroon", "red", "purple", "fuchsia", "green", "lime",
          "olive", "yellow", "navy", "blue", "teal", "aqua"}) {
        const TColor color = HtmlToColor(name);
        EXPECT_EQ(HtmlToColor(ColorToHtml(color)), color) << name;
    }
    for (TColor c : {0x000001u, 0x010000u, 0xABCDEFu, 0xFFFFFFu}) {
        EXPECT_EQ(HtmlToColor(ColorToHtml(c)), c);
    }
}
