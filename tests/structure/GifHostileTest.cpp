// Broken and hostile GIF files: each must end in an EGifException with a clear message,
// never in a crash, a hang or an allocation the file cannot justify.
#include "GifFixtures.h"
#include "structure/GifBitmap.h"
#include "structure/GifException.h"
#include "structure/GifFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace zn::structure;
using namespace zn::structure::test;

namespace {

std::string LoadError(const std::vector<uint8_t>& bytes) {
    TGifFile gif;
    try {
        gif.LoadFromMemory(bytes);
    } catch (const EGifException& e) {
        EXPECT_TRUE(gif.Images.empty()) << "a failed load leaves the object empty";
        return e.what();
    }
    return "(loaded)";
}

std::vector<uint8_t> ValidGif() {
    return TGifBuilder()
        .Header()
        .Screen(20, 10, TestPalette(16))
        .Comment("komentář")
        .GraphicControl(5, 2)
        .Image(20, 10, TestPattern(20, 10, 16), true)
        .Trailer()
        .Build();
}

/// A descriptor header with a screen of the given size, ready for an image.
TGifBuilder WithScreen(int width, int height) {
    TGifBuilder builder;
    builder.Header().Screen(width, height, TestPalette(4));
    return builder;
}

void ExpectMessage(const std::vector<uint8_t>& bytes, const std::string& part, const char* name) {
    std::string message = LoadError(bytes);
    EXPECT_NE(message.find(part), std::string::npos) << name << ": " << message;
}

} // namespace

TEST(GifHostile, EveryTruncationFailsCleanly) {
    auto bytes = ValidGif();
    // Cutting anywhere before the end of the image data is a truncated file; only the
    // trailer may go missing.
    EXPECT_EQ(LoadError({bytes.begin(), bytes.end() - 1}), "(loaded)");
    for (std::size_t length = 0; length + 1 < bytes.size(); ++length) {
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + length);
        std::string message = LoadError(cut);
        EXPECT_NE(message.find("zkrácený"), std::string::npos) << length << ": " << message;
    }
}

TEST(GifHostile, HugeDescriptorWithLittleDataAllocatesNothing) {
    auto bytes = WithScreen(65535, 65535).RawImage(0, 0, 65535, 65535, 2, {0x04, 0x10}).Build();
    std::string message = LoadError(bytes);
    EXPECT_NE(message.find("65535 × 65535"), std::string::npos) << message;
}

TEST(GifHostile, SizesTheFileCannotHold) {
    ExpectMessage(WithScreen(20000, 20000).RawImage(0, 0, 20000, 20000, 8, {1, 2, 3}).Build(),
                  "příliš velký", "beyond the pixel limit");
    ExpectMessage(WithScreen(4000, 3000).RawImage(0, 0, 4000, 3000, 8, {1, 2, 3}).Build(),
                  "nemohou vyplnit", "more pixels than the data can hold");
}

TEST(GifHostile, ImageOverrunningTheScreenKeepsItsOwnSize) {
    auto pixels = std::vector<uint8_t>(12, 1);
    auto lzw = LiteralLzw(pixels, 2, 2);
    struct TCase {
        std::vector<uint8_t> bytes;
        const char* what;
    };
    const TCase cases[] = {
        {WithScreen(3, 3).RawImage(0, 0, 4, 3, 2, lzw).Build(), "wider than the screen"},
        {WithScreen(4, 2).RawImage(0, 0, 4, 3, 2, lzw).Build(), "taller than the screen"},
        {WithScreen(4, 3).RawImage(1, 0, 4, 3, 2, lzw).Build(), "moved past the right edge"},
        {WithScreen(4, 3).RawImage(0, 65535, 4, 3, 2, lzw).Build(), "moved far below"},
        {WithScreen(0, 0).RawImage(0, 0, 4, 3, 2, lzw).Build(), "screen declared 0 x 0"},
        {WithScreen(5, 4).RawImage(1, 1, 4, 3, 2, lzw).Build(), "inside the screen"},
    };
    for (const TCase& c : cases) {
        TGifFile gif;
        ASSERT_NO_THROW(gif.LoadFromMemory(c.bytes)) << c.what;
        ASSERT_EQ(gif.Images.size(), 1u) << c.what;
        EXPECT_EQ(gif.Images[0].Width, 4) << c.what;
        EXPECT_EQ(gif.Images[0].Height, 3) << c.what;
        EXPECT_EQ(gif.Images[0].Pixels.Get(2, 1), 1) << c.what;
    }
}

TEST(GifHostile, CodesBeyondTheTable) {
    // After clear and a literal only code 6 is defined next; 7 is not in the table.
    auto lzw = PackCodes({4, 1, 7, 5}, 3);
    EXPECT_EQ(LoadError(WithScreen(4, 1).RawImage(0, 0, 4, 1, 2, lzw).Build()), "Bad code");
    // A literal above 255 with code size 9.
    auto wide = PackCodes({512, 300, 513}, 10);
    EXPECT_EQ(LoadError(WithScreen(4, 1).RawImage(0, 0, 4, 1, 9, wide).Build()), "Bad code");
}

TEST(GifHostile, ZeroLengthAndEndlessSubBlockChains) {
    ExpectMessage(WithScreen(4, 4).RawImage(0, 0, 4, 4, 2, {}).Build(), "nemohou vyplnit",
                  "image without data");
    // Sub-blocks that never end: 255-byte blocks up to the end of the file.
    TGifBuilder endless = WithScreen(4, 4);
    endless.Bytes({',', 0, 0, 0, 0, 4, 0, 4, 0, 0, 2});
    for (int i = 0; i < 200; ++i) {
        endless.Bytes({255});
        endless.Bytes(std::vector<uint8_t>(255, 0x11));
    }
    ExpectMessage(endless.Build(), "zkrácený", "endless image data");
    TGifBuilder endlessComment = WithScreen(4, 4);
    endlessComment.Bytes({'!', 0xFE});
    for (int i = 0; i < 200; ++i)
        endlessComment.Bytes({3, 'a', 'b', 'c'});
    ExpectMessage(endlessComment.Build(), "zkrácený", "endless comment");
    // A length byte promising more than the file has left.
    ExpectMessage(WithScreen(4, 4).Bytes({'!', 0xFE, 200, 'x'}).Build(), "zkrácený",
                  "short sub-block");
}

TEST(GifHostile, DataEndingBeforeTheLastPixel) {
    auto lzw = PackCodes({4, 1, 2, 5}, 3);
    ExpectMessage(WithScreen(4, 4).RawImage(0, 0, 4, 4, 2, lzw).Build(), "končí dřív",
                  "end code too early");
    auto noEnd = PackCodes({4, 1, 2, 3}, 3);
    ExpectMessage(WithScreen(4, 4).RawImage(0, 0, 4, 4, 2, noEnd).Build(), "končí dřív",
                  "data runs out");
}

TEST(GifHostile, RandomDamageNeverCrashes) {
    auto good = ValidGif();
    std::mt19937 random(20240601);
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        auto bytes = good;
        int changes = 1 + int(random() % 4);
        for (int i = 0; i < changes; ++i)
            bytes[random() % bytes.size()] = uint8_t(random());
        if (random() % 5 == 0)
            bytes.resize(random() % bytes.size());
        TGifFile gif;
        try {
            gif.LoadFromMemory(bytes);
            ++loaded;
            if (auto dib = FirstImageAsDib(gif)) {
                EXPECT_GE(dib->size(), DibPixelOffset);
            }
        } catch (const EGifException&) {
        }
    }
    EXPECT_GT(loaded, 0) << "some damage (palette, comment bytes) still leaves a loadable file";
}
