// Writing GIF files: the bytes of header and screen, and write-then-read round trips.
#include "GifFixtures.h"
#include "base/FileIO.h"
#include "base/TempFolder.h"
#include "structure/GifBitmap.h"
#include "structure/GifException.h"
#include "structure/GifFile.h"
#include "structure/GifWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <tuple>

using namespace zn::structure;
using namespace zn::base;
using namespace zn::test;
using namespace zn::structure::test;

namespace {

/// A true-colour picture using `colors` colours of TestPalette in the TestPattern layout.
TRgbImage PaletteImage(int width, int height, int colors) {
    auto palette = TestPalette(colors);
    auto pattern = TestPattern(width, height, colors);
    TRgbImage image(width, height);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const TGifRgb& c = palette[pattern[i]];
        image.Pixels[i * 3] = c.Red;
        image.Pixels[i * 3 + 1] = c.Green;
        image.Pixels[i * 3 + 2] = c.Blue;
    }
    return image;
}

TRgbImage Gradient(int width, int height) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.Pixel(x, y);
            p[0] = uint8_t(x * 255 / (width - 1));
            p[1] = uint8_t(y * 255 / (height - 1));
            p[2] = uint8_t((x + y) * 127 / (width + height));
        }
    return image;
}

TRgbImage ReadBack(const std::vector<uint8_t>& bytes) {
    TGifFile gif;
    gif.LoadFromMemory(bytes);
    return FirstImageAsRgb(gif);
}

} // namespace

TEST(GifWrite, HeaderAndScreenFlagsFollowThePaletteSize) {
    struct TCase {
        int colors;
        uint8_t flags;
        std::size_t tableEntries;
    };
    for (TCase c : {TCase{2, 0x80, 2}, TCase{3, 0xB3, 16}, TCase{16, 0xB3, 16},
                    TCase{17, 0xF7, 256}, TCase{256, 0xF7, 256}}) {
        auto bytes = EncodeBitmapAsGif(PaletteImage(33, 7, c.colors));
        ASSERT_GT(bytes.size(), 13u);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF87a");
        EXPECT_EQ(bytes[6] | (bytes[7] << 8), 33);
        EXPECT_EQ(bytes[8] | (bytes[9] << 8), 7);
        EXPECT_EQ(bytes[10], c.flags) << c.colors << " colours";
        EXPECT_EQ(bytes[13 + c.tableEntries * 3], ',') << "image follows the global table";
        EXPECT_EQ(bytes.back(), ';');
    }
}

TEST(GifWrite, RoundTripKeepsSizeAndPixels) {
    EXPECT_THROW(EncodeBitmapAsGif(TRgbImage()), EGifException); // an empty picture
    for (auto [w, h, colors] : {std::tuple{1, 1, 2}, {5, 3, 2}, {64, 48, 16}, {301, 97, 256}}) {
        TRgbImage image = PaletteImage(w, h, colors);
        TRgbImage back = ReadBack(EncodeBitmapAsGif(image));
        ASSERT_EQ(back.Size(), image.Size());
        EXPECT_EQ(back.Pixels, image.Pixels) << w << "x" << h << " " << colors;
    }
}

TEST(GifWrite, TrueColourPictureIsReducedCloseToTheOriginal) {
    TRgbImage image = Gradient(256, 200);
    TRgbImage back = ReadBack(EncodeBitmapAsGif(image));
    ASSERT_EQ(back.Size(), image.Size());
    double error = 0;
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
        error += std::abs(int(image.Pixels[i]) - int(back.Pixels[i]));
    error /= double(image.Pixels.size());
    EXPECT_LT(error, 4.0) << "mean error per channel of a 256-colour median cut";
}

TEST(GifWrite, LoadedFileSavesAgainUnchanged) {
    TGifFile gif;
    gif.LoadFromFile(ZN_TEST_DATA "/pictures/pattern-interlaced.gif");
    TGifFile again;
    again.LoadFromMemory(gif.SaveToMemory());
    EXPECT_EQ(FirstImageAsRgb(again).Pixels, FirstImageAsRgb(gif).Pixels);
    EXPECT_FALSE(again.Images[0].Interlaced());
}

TEST(GifWrite, SaveReplacesTheFileWholeAndNamesItOnFailure) {
    zn::test::TempFolder folder;
    std::string file = folder.WriteBytes("náhled.gif", {'o', 'l', 'd'});
    SaveBitmapAsGif(PaletteImage(10, 10, 4), file);
    EXPECT_EQ(ReadBack(ReadAll(file)).Size(), (TPictureSize{10, 10}));
    std::string missing = folder.File("chybí/náhled.gif");
    try {
        SaveBitmapAsGif(PaletteImage(10, 10, 4), missing);
        FAIL() << "wrote into a missing folder";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
    }
    auto entries = std::distance(std::filesystem::directory_iterator(folder.File("")),
                                 std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1) << "no temporary file is left behind";
}
