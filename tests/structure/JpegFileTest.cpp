// JPEG through libjpeg: sizes, thumbnails with DCT scaling, colour spaces, quality 75 and
// broken data reported as exceptions instead of ending the program.
#include "structure/JpegFile.h"
#include "base/TempFolder.h"
#include "structure/ImageScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>

using namespace zn::structure;
using namespace zn::test;

namespace {

TRgbImage Gradient(int width, int height) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.Pixel(x, y);
            p[0] = uint8_t(x * 255 / std::max(1, width - 1));
            p[1] = uint8_t(y * 255 / std::max(1, height - 1));
            p[2] = 90;
        }
    return image;
}

double MeanError(const TRgbImage& a, const TRgbImage& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.Pixels.size(); ++i)
        sum += std::abs(int(a.Pixels[i]) - int(b.Pixels[i]));
    return sum / double(a.Pixels.size());
}

std::string ErrorOf(const std::vector<uint8_t>& data) {
    try {
        JpegDecode(data);
    } catch (const EJpegException& e) {
        return e.what();
    }
    return "(decoded)";
}

} // namespace

TEST(ThumbnailSize, FitsAndKeepsProportions) {
    struct TCase {
        TPictureSize picture;
        int maxW, maxH;
        TPictureSize expected;
    };
    const TCase cases[] = {
        {{200, 400}, 100, 50, {25, 50}},   {{80, 40}, 100, 50, {80, 40}},
        {{4000, 3000}, 120, 70, {93, 70}}, {{101, 10}, 100, 50, {100, 10}},
        {{10000, 1}, 100, 50, {100, 1}},   {{1, 10000}, 100, 50, {1, 50}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ThumbnailSize(c.picture, c.maxW, c.maxH), c.expected)
            << c.picture.Width << "x" << c.picture.Height;
}

TEST(JpegFile, ThumbnailSizes) {
    struct TCase {
        TPictureSize picture;
        TPictureSize expected;
    };
    for (TCase c : {TCase{{400, 200}, {100, 50}}, TCase{{200, 400}, {25, 50}},
                    TCase{{60, 40}, {60, 40}}, TCase{{1000, 10}, {100, 1}}}) {
        auto data = JpegEncode(Gradient(c.picture.Width, c.picture.Height));
        TRgbImage thumb = JpegThumbnail(data, 100, 50);
        EXPECT_EQ(thumb.Size(), c.expected) << c.picture.Width << "x" << c.picture.Height;
        EXPECT_EQ(thumb.Pixels.size(), std::size_t(c.expected.Width) * c.expected.Height * 3);
    }
    // It looks like the picture scaled down.
    TRgbImage image = Gradient(800, 400);
    TRgbImage thumb = JpegThumbnail(JpegEncode(image), 100, 50);
    ASSERT_EQ(thumb.Size(), (TPictureSize{100, 50}));
    EXPECT_LT(MeanError(ScaleRgbImage(image, 100, 50), thumb), 4.0);
}

TEST(JpegFile, GreyAndCmykPicturesBecomeRgb) {
    TRgbImage expected(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            uint8_t* p = expected.Pixel(x, y);
            p[0] = uint8_t(x * 6);
            p[1] = uint8_t(y * 8);
            p[2] = 128;
        }
    TRgbImage cmyk = JpegLoadFile(ZN_TEST_DATA "/pictures/gradient-cmyk.jpg");
    ASSERT_EQ(cmyk.Size(), (TPictureSize{40, 30}));
    EXPECT_LT(MeanError(expected, cmyk), 8.0) << "Adobe CMYK is inverted CMYK";
    TRgbImage grey = JpegLoadFile(ZN_TEST_DATA "/pictures/gradient-gray.jpg");
    ASSERT_EQ(grey.Size(), (TPictureSize{40, 30}));
    const uint8_t* p = grey.Pixel(20, 15);
    int luma = (299 * 120 + 587 * 120 + 114 * 128) / 1000;
    EXPECT_NEAR(p[0], luma, 6);
    EXPECT_EQ(p[0], p[1]);
    EXPECT_EQ(p[1], p[2]);
}

TEST(JpegFile, WrittenWithQuality75) {
    EXPECT_THROW(JpegEncode(TRgbImage()), EJpegException); // an empty picture
    auto data = JpegEncode(Gradient(16, 16));
    EXPECT_EQ(data, JpegEncode(Gradient(16, 16), 75));
    // The first luminance quantiser of quality 75 is half the standard 16.
    const uint8_t marker[] = {0xFF, 0xDB};
    auto dqt = std::search(data.begin(), data.end(), std::begin(marker), std::end(marker));
    ASSERT_NE(dqt, data.end());
    EXPECT_EQ(dqt[4], 0) << "8-bit table 0";
    EXPECT_EQ(dqt[5], 8);
}

TEST(JpegFile, BrokenDataBecomesAMessage) {
    TRgbImage noisy = Gradient(256, 128);
    std::mt19937 random(5);
    for (auto& v : noisy.Pixels)
        v = uint8_t(v + random() % 32);
    auto good = JpegEncode(noisy);
    struct TCase {
        const char* name;
        std::vector<uint8_t> data;
        const char* part;
    };
    const TCase cases[] = {
        {"empty", {}, "prázdná data"},
        {"not a JPEG", {'G', 'I', 'F', '8', '9', 'a', 1, 2, 3}, "Not a JPEG file"},
        {"header only", {good.begin(), good.begin() + 20}, "poškozený"},
        {"cut in the middle", {good.begin(), good.begin() + good.size() / 2}, "remature end"},
        {"cut near the end", {good.begin(), good.end() - 100}, "remature end"},
        {"cut in the tables", {good.begin(), good.begin() + 200}, "poškozený"},
    };
    for (const TCase& c : cases) {
        std::string message = ErrorOf(c.data);
        EXPECT_NE(message.find(c.part), std::string::npos) << c.name << ": " << message;
    }
    EXPECT_THROW(JpegSize(std::vector<uint8_t>{0xFF, 0xD8, 0xFF}), EJpegException);
    EXPECT_THROW(JpegThumbnail(std::vector<uint8_t>(good.begin(), good.begin() + 300), 10, 10),
                 EJpegException);
}

TEST(JpegFile, ProgressivePictureWithMissingScansIsRefused) {
    auto data = ReadAll(ZN_TEST_DATA "/pictures/noisy-progressive.jpg");
    EXPECT_EQ(JpegDecode(data).Size(), (TPictureSize{64, 48}));
    // Cut anywhere, even between two scans, the picture would come out blurred or grey.
    for (std::size_t length = 1; length < data.size(); length += 7)
        EXPECT_THROW(JpegDecode(std::span(data.data(), length)), EJpegException) << length;
}

TEST(JpegFile, MissingEndMarkerIsTolerated) {
    auto data = JpegEncode(Gradient(64, 64));
    ASSERT_GT(data.size(), 2u);
    data.erase(data.end() - 2, data.end()); // the EOI marker
    EXPECT_EQ(JpegDecode(data).Size(), (TPictureSize{64, 64}));
}

TEST(JpegFile, RandomDamageNeverEndsTheProgram) {
    auto good = JpegEncode(Gradient(48, 32));
    std::mt19937 random(99);
    for (int round = 0; round < 400; ++round) {
        auto data = good;
        for (int i = 0; i < 3; ++i)
            data[random() % data.size()] = uint8_t(random());
        try {
            TRgbImage image = JpegDecode(data);
            EXPECT_EQ(image.Pixels.size(), std::size_t(image.Width) * image.Height * 3);
        } catch (const EJpegException&) {
        }
    }
}

TEST(JpegFile, FilesAreReadAndWrittenWhole) {
    zn::test::TempFolder folder;
    std::string file = folder.WriteBytes("fotka.jpg", {'x'});
    JpegSaveFile(Gradient(30, 20), file);
    EXPECT_EQ(JpegFileSize(file), (TPictureSize{30, 20}));
    EXPECT_EQ(JpegThumbnailFile(file, 15, 15).Size(), (TPictureSize{15, 10}));
    try {
        JpegLoadFile(folder.File("není.jpg"));
        FAIL() << "loaded a missing file";
    } catch (const EJpegException& e) {
        EXPECT_NE(std::string(e.what()).find("není.jpg"), std::string::npos);
    }
}
