// The small tools' arithmetic: number systems, Roman numerals, rainbow text and the colour
// editor's normalising, labels and lightness.
#include "tags/SmallTools.h"

#include "base/HtmlColor.h"

#include <gtest/gtest.h>

using namespace zn;
using namespace zn::tags;

TEST(SmallTools, NumberConversions) {
    using N = NumberSystem;
    struct Case {
        const char* source;
        N from;
        N to;
        int places;
        std::string expected;
    } cases[] = {
        {"255", N::Decimal, N::Hexadecimal, 4, "00FF"},
        {"255", N::Decimal, N::Binary, 4, "1111"},
        {"255", N::Decimal, N::Roman, 4, "CCLV"},
        {"255", N::Decimal, N::Hexadecimal, 1, "FF"},
        {"5", N::Decimal, N::Binary, 0, ""},
        {"5", N::Decimal, N::Binary, 40, std::string(29, '0') + "101"},
        {"mcmxcix", N::Roman, N::Decimal, 4, "1999"},
        {"MCMXCIX", N::Roman, N::Decimal, 4, "1999"},
        {"IIX", N::Roman, N::Decimal, 4, "10"},
        {"ABC", N::Roman, N::Decimal, 4, "0"},
        {"-XIV", N::Roman, N::Decimal, 4, "-14"},
        {"-X", N::Roman, N::Roman, 4, ""},
        {"FF", N::Hexadecimal, N::Decimal, 4, "255"},
        {"$FF", N::Hexadecimal, N::Decimal, 4, "255"},
        {"ff", N::Hexadecimal, N::Decimal, 4, "255"},
        {"F$F", N::Hexadecimal, N::Decimal, 4, "0"},
        {"$", N::Hexadecimal, N::Decimal, 4, "0"},
        {"G1", N::Hexadecimal, N::Decimal, 4, "0"},
        {"1011", N::Binary, N::Decimal, 4, "11"},
        {"102", N::Binary, N::Decimal, 4, "0"},
        {"12a", N::Decimal, N::Decimal, 4, "0"},
        {"", N::Decimal, N::Hexadecimal, 2, "00"},
        {"3888", N::Decimal, N::Roman, 4, "MMMDCCCLXXXVIII"},
        {"444", N::Decimal, N::Roman, 4, "CDXLIV"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WriteNumber(ReadNumber(c.source, c.from), c.to, c.places), c.expected)
            << c.source;
    }
    EXPECT_EQ(SourceMaxLength(N::Decimal), 9);
    EXPECT_EQ(SourceMaxLength(N::Roman), 100);
    EXPECT_TRUE(UsesPlaces(N::Binary));
    EXPECT_FALSE(UsesPlaces(N::Roman));
}

TEST(SmallTools, RomanNumeralsRoundTrip) {
    for (int v = 1; v < 4000; ++v) {
        ASSERT_EQ(RomanToInt(IntToRoman(v)), v) << IntToRoman(v);
    }
}

TEST(SmallTools, RainbowText) {
    const base::TColor blue = base::HtmlToColor("#0000FF");
    const base::TColor red = base::HtmlToColor("#FF0000");
    EXPECT_EQ(RainbowText("ab", blue, red, true),
              "<FONT COLOR=#0000FF>a</FONT><FONT COLOR=#80007F>b</FONT>");
    EXPECT_EQ(RainbowText("a", blue, red, false), "<font color=#0000FF>a</font>");
    EXPECT_EQ(RainbowText("", blue, red, true), "");
    // Halves go to the even neighbour: 0 + 255 * 1/2 and 0 + 1 * 1/2 and 0 + 3 * 1/2.
    EXPECT_EQ(base::ColorToHtml(RainbowColor(0, base::RGBColor(255, 1, 3), 1, 2)), "#800002");
}

TEST(SmallTools, ColorEditorNormalisesAndLabels) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {{"red", "#FF0000"},    {"Navy", "#000080"},     {"12", "#000000"},
                 {"a0b1c2", "#A0B1C2"}, {"#a0b1c2", "#A0B1C2"},  {"#GG0000", "#000000"},
                 {"", "#000000"},       {"#12345678", "#000000"}};
    for (const Case& c : cases) {
        EXPECT_EQ(NormalizeColorText(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(ColorValueLabel(255), "255(ffh)");
    EXPECT_EQ(ColorValueLabel(7), "7(07h)");
    EXPECT_EQ(ColorCodeLabel(base::HtmlToColor("#0A0BFF")), "#0a0bff");
}

TEST(SmallTools, LightnessKeepsHueAndSaturation) {
    EXPECT_EQ(ColorToHLS(base::HtmlToColor("#FF0000")), (THLS{0, 128, 256}));
    EXPECT_EQ(ColorToHLS(base::HtmlToColor("#FFFFFF")), (THLS{0, 256, 0}));
    EXPECT_EQ(ColorToHLS(base::HtmlToColor("#0000FF")), (THLS{170, 128, 256}));
    const THLS red = ColorToHLS(base::HtmlToColor("#FF0000"));
    EXPECT_EQ(base::ColorToHtml(LightnessColor(red, 255 - 128)), "#FF0000");
    EXPECT_EQ(base::ColorToHtml(LightnessColor(red, 255 - 64)), "#800000");
    EXPECT_EQ(base::ColorToHtml(LightnessColor(red, 255)), "#000000");
    // Every colour survives the way there and back within rounding.
    for (base::TColor c : {base::HtmlToColor("#123456"), base::HtmlToColor("#C0FFEE"),
                           base::HtmlToColor("#808080")}) {
        const THLS hls = ColorToHLS(c);
        const base::TColor back = HLSToColor(hls.H / 255.0, hls.L / 256.0, hls.S / 256.0);
        EXPECT_NEAR(base::RedOf(back), base::RedOf(c), 3) << base::ColorToHtml(c);
        EXPECT_NEAR(base::BlueOf(back), base::BlueOf(c), 3) << base::ColorToHtml(c);
    }
}
