// The 8-bit bitmap of a GIF's first image: header fields, palette order, row order, padding.
#include "structure/GifBitmap.h"
#include "GifFixtures.h"
#include "structure/GifFile.h"

#include <gtest/gtest.h>

using namespace zn::structure;
using namespace zn::structure::test;

namespace {

uint32_t U32(const std::vector<uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

uint16_t U16(const std::vector<uint8_t>& b, std::size_t at) {
    return uint16_t(b[at] | (b[at + 1] << 8));
}

TGifFile Load(const std::vector<uint8_t>& bytes) {
    TGifFile gif;
    gif.LoadFromMemory(bytes);
    return gif;
}

} // namespace

TEST(GifBitmap, HeaderPaletteAndBottomUpPaddedRows) {
    for (int width : {1, 3, 4, 5, 7, 8}) {
        const int height = 3;
        auto pixels = TestPattern(width, height, 8);
        auto palette = TestPalette(8);
        TGifFile gif = Load(TGifBuilder()
                                .Header()
                                .Screen(width, height, palette)
                                .Image(width, height, pixels)
                                .Build());
        auto dib = FirstImageAsDib(gif);
        ASSERT_TRUE(dib.has_value());
        const std::vector<uint8_t>& b = *dib;
        const std::size_t stride = (width + 3) / 4 * 4;
        EXPECT_EQ(U32(b, 2), b.size());
        EXPECT_EQ(U32(b, 10), 14u + 40u + 1024u);
        EXPECT_EQ(U32(b, 18), uint32_t(width));
        EXPECT_EQ(U32(b, 22), uint32_t(height)) << "positive height: bottom-up rows";
        EXPECT_EQ(U16(b, 28), 8);
        EXPECT_EQ(b.size(), 14 + 40 + 1024 + stride * height);
        // Palette entries are blue, green, red, zero; entries past the table are black.
        const std::size_t pal = 54;
        EXPECT_EQ(U32(b, pal + 5 * 4),
                  palette[5].Blue | palette[5].Green << 8 | uint32_t(palette[5].Red) << 16);
        EXPECT_EQ(U32(b, pal + 200 * 4), 0u);
        // The first stored row is the bottom row of the picture.
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(b[1078 + (height - 1 - y) * stride + x], pixels[y * width + x])
                    << width << ": " << x << "," << y;
    }
}

TEST(GifBitmap, FileWithoutColourTablesGetsAGreyRamp) {
    auto bytes = TGifBuilder()
                     .Header()
                     .Screen(2, 1, {})
                     .RawImage(0, 0, 2, 1, 8, LiteralLzw({10, 200}, 8, 254))
                     .Build();
    TGifFile gif = Load(bytes);
    TRgbImage rgb = FirstImageAsRgb(gif);
    EXPECT_EQ(rgb.Pixel(0, 0)[1], 10);
    EXPECT_EQ(rgb.Pixel(1, 0)[2], 200);
}

TEST(GifBitmap, ScreenOffsetIsIgnored) {
    auto lzw = LiteralLzw({1, 2, 3, 0}, 2, 2);
    TGifFile gif = Load(
        TGifBuilder().Header().Screen(10, 10, TestPalette(4)).RawImage(6, 7, 2, 2, 2, lzw).Build());
    auto dib = FirstImageAsDib(gif);
    ASSERT_TRUE(dib.has_value());
    EXPECT_EQ(U32(*dib, 18), 2u);
    EXPECT_EQ(U32(*dib, 22), 2u);
}
