// Case conversion of Czech Windows-1250 text.
#include "base/TextCase.h"

#include <gtest/gtest.h>

using namespace zn::base;

namespace {
// "Příliš žluťoučký kůň úpěl ďábelské ódy" in Windows-1250.
const std::string kLower = "p\xF8\xEDli\x9A \x9Elu\x9Do\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1\x62"
                           "elsk\xE9 \xF3\x64y";
const std::string kUpper = "P\xD8\xCDLI\x8A \x8ELU\x8DO\xC8K\xDD K\xD9\xD2 \xDAP\xCCL \xCF\xC1\x42"
                           "ELSK\xC9 \xD3\x44Y";
} // namespace

TEST(TextCase, CzechPangramBothWays) {
    EXPECT_EQ(UpperCaseCZ(kLower), kUpper);
    EXPECT_EQ(LowerCaseCZ(kUpper), kLower);
}

TEST(TextCase, OtherBytesStay) {
    // Bytes outside the letter pairs: digits, punctuation, NUL, ß-like and German umlaut bytes.
    const std::string other{"09<>/=\"\x00\xDF\xE4\xC4\xA0\xFF", 14};
    EXPECT_EQ(UpperCaseCZ(other), other);
    EXPECT_EQ(LowerCaseCZ(other), other);
}

TEST(TextCase, TagCaseFollowsTheSetting) {
    EXPECT_EQ(TagCase("<a href=\"x\">", true), "<A HREF=\"X\">");
    EXPECT_EQ(TagCase("<TABLE BORDER=1>", false), "<table border=1>");
}

TEST(TextCase, SameTextIgnoresCase) {
    EXPECT_TRUE(SameTextCZ("Href", "hREF"));
    EXPECT_TRUE(SameTextCZ("\xE8\x61ra", "\xC8\x41RA"));
    EXPECT_FALSE(SameTextCZ("href", "hre"));
    EXPECT_FALSE(SameTextCZ("a", "b"));
}

TEST(TextCase, AsciiCaseLeavesCzechLetters) {
    EXPECT_EQ(AsciiCase("width\xE8", true), "WIDTH\xE8");
    EXPECT_EQ(AsciiCase("WIDTH\xC8", false), "width\xC8");
}
