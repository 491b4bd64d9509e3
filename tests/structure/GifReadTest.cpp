// Reading GIF files: versions, extensions, palettes, interlacing, animations, LZW corner cases.
#include "GifFixtures.h"
#include "structure/GifBitmap.h"
#include "structure/GifException.h"
#include "structure/GifFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include <string>
#include <vector>

using namespace zn::structure;
using namespace zn::structure::test;

namespace {

std::vector<uint8_t> Flat(const TGifSubImage& image) {
    const uint8_t* p = image.Pixels.Data();
    return {p, p + std::size_t(image.Width) * image.Height};
}

std::string LoadError(const std::vector<uint8_t>& bytes) {
    TGifFile gif;
    try {
        gif.LoadFromMemory(bytes);
    } catch (const EGifException& e) {
        return e.what();
    }
    return "(loaded)";
}

std::vector<uint8_t> SimpleGif(const std::string& header) {
    auto pixels = TestPattern(7, 5, 4);
    return TGifBuilder()
        .Header(header)
        .Screen(7, 5, TestPalette(4))
        .Image(7, 5, pixels)
        .Trailer()
        .Build();
}

} // namespace

TEST(GifRead, SmallestTransparentGifFromTheWeb) {
    // The well-known 43-byte transparent 1 × 1 GIF89a.
    const std::vector<uint8_t> bytes = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00,
        0x00, 0xFF, 0xFF, 0xFF, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
    TGifFile gif;
    gif.LoadFromMemory(bytes);
    EXPECT_EQ(gif.Version, "89a");
    ASSERT_EQ(gif.Images.size(), 1u);
    EXPECT_EQ(gif.Images[0].Width, 1);
    EXPECT_EQ(gif.Images[0].Pixels.Get(0, 0), 0);
    ASSERT_EQ(gif.GlobalColorTable.size(), 2u);
    EXPECT_EQ(gif.GlobalColorTable[1], (TGifRgb{255, 255, 255}));
    ASSERT_EQ(gif.Extensions.size(), 1u);
    EXPECT_EQ(gif.Extensions[0].Kind, TGifExtensionKind::GraphicControl);
    EXPECT_TRUE(gif.Extensions[0].HasTransparency());
    EXPECT_EQ(gif.Extensions[0].TransparentIndex(), 0);
}

TEST(GifRead, ApplicationAndPlainTextExtensionsAreRead) {
    std::string longComment(600, 'x'); // spans three sub-blocks
    auto bytes = TGifBuilder()
                     .Header()
                     .Screen(4, 4, TestPalette(2))
                     .Application("NETSCAPE2.0", {1, 0, 0})
                     .PlainText("ahoj")
                     .Comment(longComment)
                     .Image(4, 4, std::vector<uint8_t>(16, 1))
                     .Build();
    TGifFile gif;
    gif.LoadFromMemory(bytes);
    ASSERT_EQ(gif.Extensions.size(), 3u);
    EXPECT_EQ(gif.Extensions[0].ApplicationId(), "NETSCAPE2.0");
    EXPECT_EQ(gif.Extensions[0].Data, (std::vector<uint8_t>{1, 0, 0}));
    EXPECT_EQ(gif.Extensions[1].Kind, TGifExtensionKind::PlainText);
    EXPECT_EQ(gif.Extensions[1].Text(), "ahoj");
    EXPECT_EQ(gif.Extensions[2].Text(), longComment);
    EXPECT_EQ(Flat(gif.Images[0]), std::vector<uint8_t>(16, 1)) << "a missing trailer is fine";
}

TEST(GifRead, UnknownExtensionIsRefusedWithItsCode) {
    for (int label : {0x00, 0x02, 0x2C, 0xAB, 0xF8}) {
        auto bytes = TGifBuilder()
                         .Header()
                         .Screen(2, 2, TestPalette(2))
                         .Bytes({'!', uint8_t(label), 1, 0, 0})
                         .Image(2, 2, {0, 1, 1, 0})
                         .Build();
        char code[3];
        std::snprintf(code, sizeof code, "%02X", label);
        EXPECT_EQ(LoadError(bytes),
                  std::string("Unrecognized extension block.\r\nCode = $") + code);
    }
}

TEST(GifRead, InterlacedImagesComeOutInDisplayOrder) {
    // Heights around the pass boundaries: 1 row, fewer rows than a pass step, and odd sizes.
    for (int height : {1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 33}) {
        auto pixels = TestPattern(6, height, 16);
        auto bytes = TGifBuilder()
                         .Header()
                         .Screen(6, height, TestPalette(16))
                         .Image(6, height, pixels, true)
                         .Build();
        TGifFile gif;
        gif.LoadFromMemory(bytes);
        ASSERT_EQ(gif.Images.size(), 1u);
        EXPECT_TRUE(gif.Images[0].Interlaced());
        EXPECT_EQ(Flat(gif.Images[0]), pixels) << "height " << height;
    }
}

TEST(GifRead, LocalColorTableIsThePaletteOfTheImage) {
    auto local = TestPalette(8);
    std::reverse(local.begin(), local.end());
    auto bytes = TGifBuilder()
                     .Header()
                     .Screen(3, 1, TestPalette(4))
                     .Image(3, 1, {0, 5, 7}, false, local)
                     .Build();
    TGifFile gif;
    gif.LoadFromMemory(bytes);
    ASSERT_TRUE(gif.Images[0].HasLocalColorTable());
    EXPECT_EQ(gif.PaletteOf(gif.Images[0]), local);
    TRgbImage rgb = FirstImageAsRgb(gif);
    EXPECT_EQ(rgb.Pixel(1, 0)[0], local[5].Red);
    EXPECT_EQ(rgb.Pixel(2, 0)[2], local[7].Blue);
}

TEST(GifRead, LzwFaultsGiveTheirMessages) {
    struct TCase {
        const char* name;
        int codeSize;
        std::vector<int> codes;
        int width;
        std::string message;
    };
    const std::vector<TCase> cases = {
        {"end code right after clear", 2, {4, 5}, 3, "Bad code"},
        {"clear codes then end", 2, {4, 4, 4, 5}, 3, "Bad code"},
        {"table code as first code", 2, {4, 6, 5}, 3, "Bad code"},
        {"code beyond the next free code", 2, {4, 0, 7, 5}, 3, "Bad code"},
        {"code size 1", 1, {2, 0, 3}, 2, "Bad code Size"},
        {"code size 10", 10, {1024, 0, 1025}, 11, "Bad code Size"},
    };
    for (const TCase& c : cases) {
        auto bytes = TGifBuilder()
                         .Header()
                         .Screen(4, 1, TestPalette(4))
                         .RawImage(0, 0, 4, 1, c.codeSize, PackCodes(c.codes, c.width))
                         .Build();
        EXPECT_EQ(LoadError(bytes), c.message) << c.name;
    }
}

TEST(GifRead, FileWithoutImage) {
    auto bytes = TGifBuilder().Header().Screen(5, 5, TestPalette(2)).Comment("x").Trailer().Build();
    TGifFile gif;
    gif.LoadFromMemory(bytes);
    EXPECT_TRUE(gif.Images.empty());
    EXPECT_FALSE(FirstImageAsDib(gif).has_value());
    EXPECT_TRUE(FirstImageAsRgb(gif).Empty());
}

TEST(GifRead, MissingFileNamesTheFile) {
    TGifFile gif;
    try {
        gif.LoadFromFile("/nonexistent/obrázek.gif");
        FAIL() << "loaded a missing file";
    } catch (const EGifException& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/obrázek.gif"), std::string::npos);
    }
}

TEST(GifRead, VersionsInEitherLetterCaseAndNoOthers) {
    for (std::string version : {"87a", "89a", "87A", "89A"}) {
        TGifFile gif;
        gif.LoadFromMemory(SimpleGif("GIF" + version));
        EXPECT_EQ(gif.Version, version);
        ASSERT_EQ(gif.Images.size(), 1u) << version;
        EXPECT_EQ(Flat(gif.Images[0]), TestPattern(7, 5, 4)) << version;
    }
    for (std::string version : {"88a", "87b", "89 ", "90a", "\0\0\0"})
        EXPECT_EQ(LoadError(SimpleGif("GIF" + version)), "Gif Version must be 87a or 89a")
            << version;
    EXPECT_NE(LoadError(SimpleGif("JIF89a")).find("není obrázek GIF"), std::string::npos);
}

TEST(GifRead, LzwCornerCases) {
    std::vector<uint8_t> many(9000);
    for (std::size_t i = 0; i < many.size(); ++i)
        many[i] = uint8_t((i * 7 + i / 13) % 256);
    std::vector<uint8_t> four(9000);
    for (std::size_t i = 0; i < four.size(); ++i)
        four[i] = uint8_t(i % 4);
    const struct {
        const char* name;
        int width, height, codeSize;
        std::vector<uint8_t> lzw, pixels;
    } cases[] = {
        // The table fills after 3839 codes; the rest follow at 12 bits without a clear code,
        // as browsers accept ("deferred clear").
        {"deferred clear", 100, 90, 8, LiteralLzw(many, 8, 0), many},
        {"full table, then clear", 90, 100, 2, LiteralLzw(four, 2, 5000), four},
        // Clear 4, end 5, first free 6: "0" then code 6 (= "0" + "0") gives 0 0 0.
        {"code equal to the next free one", 4, 1, 2, PackCodes({4, 0, 6, 1, 5}, 3), {0, 0, 0, 1}},
        {"data after the last pixel", 2, 1, 2, PackCodes({4, 1, 2, 1, 1, 1}, 3), {1, 2}},
    };
    for (const auto& c : cases) {
        auto bytes = TGifBuilder()
                         .Header()
                         .Screen(c.width, c.height, TestPalette(1 << c.codeSize))
                         .RawImage(0, 0, c.width, c.height, c.codeSize, c.lzw)
                         .Build();
        TGifFile gif;
        gif.LoadFromMemory(bytes);
        EXPECT_EQ(Flat(gif.Images[0]), c.pixels) << c.name;
    }
}

TEST(GifRead, ImageMagickFilesInterlacedAndAnimated) {
    for (const char* name :
         {"/pictures/pattern-interlaced.gif", "/pictures/pattern-animated.gif"}) {
        TGifFile gif;
        gif.LoadFromFile(std::string(ZN_TEST_DATA) + name);
        ASSERT_EQ(gif.Images.size(), 1u) << name; // only the first frame
        TRgbImage rgb = FirstImageAsRgb(gif);
        ASSERT_EQ(rgb.Size(), (TPictureSize{40, 30}));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const int i = (x / 3 + y / 2) % 16;
                const uint8_t* p = rgb.Pixel(x, y);
                ASSERT_EQ(p[0], i * 16) << name << " " << x << "," << y;
                ASSERT_EQ(p[1], 255 - i * 16) << name << " " << x << "," << y;
                ASSERT_EQ(p[2], (i * 57) % 256) << name << " " << x << "," << y;
            }
    }
}
