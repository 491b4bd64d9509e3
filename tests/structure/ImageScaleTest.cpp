// The area-averaging resampler used for thumbnails.
#include "structure/ImageScale.h"

#include <gtest/gtest.h>

using namespace zn::structure;

TEST(ScaleRgbImage, AveragesTheCoveredPixels) {
    TRgbImage image(4, 2);
    const uint8_t values[8] = {0, 100, 200, 40, 10, 30, 60, 80};
    for (int i = 0; i < 8; ++i)
        image.Pixels[i * 3] = image.Pixels[i * 3 + 1] = image.Pixels[i * 3 + 2] = values[i];
    TRgbImage half = ScaleRgbImage(image, 2, 1);
    ASSERT_EQ(half.Size(), (TPictureSize{2, 1}));
    EXPECT_EQ(half.Pixel(0, 0)[0], (0 + 100 + 10 + 30 + 2) / 4);
    EXPECT_EQ(half.Pixel(1, 0)[2], (200 + 40 + 60 + 80 + 2) / 4);
}

TEST(ScaleRgbImage, UnevenAndEnlargingSizes) {
    TRgbImage image(3, 3);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
        image.Pixels[i] = uint8_t(i * 9);
    EXPECT_EQ(ScaleRgbImage(image, 2, 2).Size(), (TPictureSize{2, 2}));
    TRgbImage big = ScaleRgbImage(image, 6, 6);
    ASSERT_EQ(big.Size(), (TPictureSize{6, 6}));
    EXPECT_EQ(big.Pixel(5, 5)[0], image.Pixel(2, 2)[0]) << "enlarging repeats pixels";
    EXPECT_EQ(ScaleRgbImage(image, 3, 3).Pixels, image.Pixels);
    EXPECT_TRUE(ScaleRgbImage(image, 0, 3).Empty());
    EXPECT_TRUE(ScaleRgbImage(TRgbImage(), 3, 3).Empty());
}
