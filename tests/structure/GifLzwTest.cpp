// LZW encoder against decoder on data that exercises code widths, full tables and clears.
#include "structure/GifLzw.h"
#include "structure/GifException.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace zn::structure;

namespace {

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& pixels, int codeSize) {
    auto data = LzwEncode(pixels, codeSize);
    std::vector<uint8_t> out(pixels.size(), 0xEE);
    LzwDecode(data, codeSize, out.data(), out.size());
    return out;
}

} // namespace

TEST(GifLzw, RoundTripsForEveryCodeSize) {
    std::mt19937 random(7);
    for (int codeSize = 2; codeSize <= 8; ++codeSize) {
        int colors = 1 << codeSize;
        // Sizes around the points where the code width grows or the table fills.
        for (std::size_t count : {1u, 2u, 3u, 5u, 6u, 7u, 255u, 256u, 511u, 4093u, 4096u, 20000u}) {
            std::vector<uint8_t> noise(count), runs(count);
            for (std::size_t i = 0; i < count; ++i) {
                noise[i] = uint8_t(random() % colors);
                runs[i] = uint8_t((i / 17) % colors);
            }
            EXPECT_EQ(RoundTrip(noise, codeSize), noise) << codeSize << "/" << count;
            EXPECT_EQ(RoundTrip(runs, codeSize), runs) << codeSize << "/" << count;
        }
    }
}

TEST(GifLzw, LongRunsUseLongStrings) {
    std::vector<uint8_t> flat(1'000'000, 3);
    auto data = LzwEncode(flat, 8);
    EXPECT_LT(data.size(), 4000u) << "one colour compresses to long strings";
    EXPECT_EQ(RoundTrip(flat, 8), flat);
    EXPECT_LE(flat.size(), LzwMaxPixels(data.size(), 8)) << "the size bound holds";
}

TEST(GifLzw, PixelsOutsideTheCodeSizeAreRefused) {
    std::vector<uint8_t> pixels = {0, 1, 4};
    EXPECT_THROW(LzwEncode(pixels, 2), EGifException);
    EXPECT_THROW(LzwEncode(pixels, 9), EGifException);
}

TEST(GifLzw, EmptyInputGivesClearAndEnd) {
    auto data = LzwEncode({}, 2);
    // clear (4) then end (5), three bits each: 100 101 -> 0b101100 = 0x2C.
    EXPECT_EQ(data, (std::vector<uint8_t>{0x2C}));
}
