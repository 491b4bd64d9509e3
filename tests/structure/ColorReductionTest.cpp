// Colour reduction: exact palettes for few colours, a close median cut for many.
#include "structure/ColorReduction.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

using namespace zn::structure;

namespace {

TRgbImage Noise(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    TRgbImage image(width, height);
    for (auto& v : image.Pixels)
        v = uint8_t(random());
    return image;
}

double MeanError(const TRgbImage& image, const TIndexedImage& reduced) {
    double sum = 0;
    for (std::size_t i = 0; i < reduced.Indices.size(); ++i) {
        const TGifRgb& c = reduced.Palette[reduced.Indices[i]];
        sum += std::abs(c.Red - image.Pixels[i * 3]) + std::abs(c.Green - image.Pixels[i * 3 + 1]) +
               std::abs(c.Blue - image.Pixels[i * 3 + 2]);
    }
    return sum / double(image.Pixels.size());
}

} // namespace

TEST(ColorReduction, FewColoursAreKeptExactly) {
    TRgbImage image(16, 16);
    for (int i = 0; i < 256; ++i) {
        uint8_t* p = image.Pixels.data() + i * 3;
        p[0] = uint8_t(i);
        p[1] = uint8_t(255 - i);
        p[2] = uint8_t(i * 3);
    }
    TIndexedImage reduced = ReduceColors(image);
    EXPECT_EQ(reduced.Palette.size(), 256u);
    EXPECT_EQ(MeanError(image, reduced), 0.0);
    EXPECT_EQ(reduced.Width, 16);
}

TEST(ColorReduction, ManyColoursBecomeAtMost256) {
    TRgbImage image = Noise(200, 150, 1);
    TIndexedImage reduced = ReduceColors(image);
    ASSERT_LE(reduced.Palette.size(), 256u);
    EXPECT_GE(reduced.Palette.size(), 200u) << "the palette is used, not wasted";
    EXPECT_EQ(reduced.Indices.size(), 200u * 150u);
    for (uint8_t index : reduced.Indices)
        ASSERT_LT(index, reduced.Palette.size());
    // Uniform noise over the whole cube: 256 cells of about 40 levels per side.
    EXPECT_LT(MeanError(image, reduced), 20.0);
}

TEST(ColorReduction, ClustersGetTheirOwnColours) {
    // Three tight clusters of 100 shades each: every cluster must keep a colour close to it.
    TRgbImage image(300, 1);
    for (int i = 0; i < 300; ++i) {
        uint8_t* p = image.Pixel(i, 0);
        int cluster = i / 100, shade = i % 100;
        p[0] = uint8_t(cluster == 0 ? 200 + shade / 10 : 10);
        p[1] = uint8_t(cluster == 1 ? 150 + shade / 5 : 20);
        p[2] = uint8_t(cluster == 2 ? 100 + shade / 4 : 30 + shade % 3);
    }
    TIndexedImage reduced = ReduceColors(image, 16);
    EXPECT_LE(reduced.Palette.size(), 16u);
    EXPECT_LT(MeanError(image, reduced), 3.0);
}

TEST(ColorReduction, TwoColourLimit) {
    TRgbImage image = Noise(20, 20, 2);
    TIndexedImage reduced = ReduceColors(image, 2);
    EXPECT_LE(reduced.Palette.size(), 2u);
    std::set<uint8_t> used(reduced.Indices.begin(), reduced.Indices.end());
    EXPECT_EQ(used.size(), reduced.Palette.size());
}
