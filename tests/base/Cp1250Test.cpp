// Windows-1250 against Unicode and UTF-8.
#include "base/Cp1250.h"

#include <gtest/gtest.h>

using namespace zn::base;

TEST(Cp1250, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const char32_t c = Cp1250ToUnicode(static_cast<std::uint8_t>(b));
        ASSERT_EQ(UnicodeToCp1250(c), static_cast<std::uint8_t>(b)) << b;
    }
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(Cp1250, CzechLetters) {
    EXPECT_EQ(Utf8ToCp1250("Příliš žluťoučký kůň"),
              "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2");
    EXPECT_EQ(Cp1250ToUtf8("\x8A\x8E\x80"), "ŠŽ€");
}

TEST(Cp1250, UnrepresentableBecomesACharacterReference) {
    EXPECT_EQ(Utf8ToCp1250("a≠b"), "a&#8800;b");
    EXPECT_EQ(Utf8ToCp1250("😀"), "&#128512;");
    EXPECT_EQ(Utf8ToCp1250("ñ"), "&#241;");
    EXPECT_EQ(UnicodeToDocumentText(U'ř'), "\xF8");
}

TEST(Cp1250, MalformedUtf8IsTakenByteByByte) {
    EXPECT_EQ(Utf8ToCp1250("a\xE9z"), "a\xE9z"); // Latin-1 é, not UTF-8
    EXPECT_EQ(Utf8ToCp1250("\xC5"), "&#197;");   // truncated sequence at the end
    // An encoded surrogate: each byte as Latin-1; í and the no-break space exist in the code page.
    EXPECT_EQ(Utf8ToCp1250("\xED\xA0\x80"), "\xED\xA0&#128;");
}
