// Picture types by extension (only for existing files) and picture dimensions.
#include "structure/PictureType.h"
#include "GifFixtures.h"
#include "base/TempFolder.h"
#include "structure/GifException.h"
#include "structure/JpegFile.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zn::structure;
using namespace zn::test;
using namespace zn::structure::test;

TEST(PictureType, ExtensionsInAnyLetterCase) {
    zn::test::TempFolder folder;
    struct TCase {
        const char* name;
        bool jpeg, gif, bmp;
    };
    const TCase cases[] = {
        {"a.jpg", true, false, false},      {"b.JPE", true, false, false},
        {"c.jpeg", true, false, false},     {"d.JpEg", true, false, false},
        {"e.gif", false, true, false},      {"f.GIF", false, true, false},
        {"g.bmp", false, false, true},      {"h.png", false, false, false},
        {"i.jpg.txt", false, false, false}, {"j", false, false, false},
        {"k.jpegx", false, false, false},   {"ž.Gif", false, true, false},
    };
    for (const TCase& c : cases) {
        std::string file = folder.WriteBytes(c.name, {1});
        EXPECT_EQ(IsJpegFile(file), c.jpeg) << c.name;
        EXPECT_EQ(IsGifFile(file), c.gif) << c.name;
        EXPECT_EQ(IsBmpFile(file), c.bmp) << c.name;
    }
}

TEST(PictureType, OnlyExistingFilesAndFileLinks) {
    zn::test::TempFolder folder;
    std::string file = folder.WriteBytes("obr.gif", {1});
    EXPECT_TRUE(IsGifFile("file://" + file));
    EXPECT_TRUE(IsGifFile("FILE://" + file));
    EXPECT_FALSE(IsGifFile(folder.File("jiný.gif")));
    std::filesystem::create_directory(folder.File("složka.gif"));
    EXPECT_FALSE(IsGifFile(folder.File("složka.gif"))) << "a folder is not a picture";
    std::filesystem::create_directory(folder.File("v.jpg"));
    std::string inside = folder.WriteBytes("v.jpg/soubor", {1});
    EXPECT_FALSE(IsJpegFile(inside)) << "the dot of a folder name is no extension";
    EXPECT_EQ(PictureFileName("file:///home/a.gif"), "/home/a.gif");
    EXPECT_EQ(PictureFileName("obr/a.gif"), "obr/a.gif");
}

TEST(PictureType, DimensionsOfJpegAndGif) {
    zn::test::TempFolder folder;
    std::string jpeg = folder.File("foto.jpeg");
    JpegSaveFile(TRgbImage(123, 45), jpeg);
    EXPECT_EQ(PictureDimensions(jpeg), (TPictureSize{123, 45}));
    EXPECT_EQ(PictureDimensions("file://" + jpeg), (TPictureSize{123, 45}));
    std::string gif = folder.WriteBytes("anim.gif", TGifBuilder()
                                                        .Header()
                                                        .Screen(9, 8, TestPalette(4))
                                                        .Image(7, 5, TestPattern(7, 5, 4))
                                                        .Build());
    EXPECT_EQ(PictureDimensions(gif), (TPictureSize{7, 5})) << "the image's own size";
    EXPECT_FALSE(PictureDimensions(folder.WriteBytes("x.bmp", {1})).has_value());
    EXPECT_FALSE(PictureDimensions(folder.File("chybí.gif")).has_value());
    std::string broken = folder.WriteBytes("broken.gif", {'G', 'I', 'F', '8', '8', 'a'});
    EXPECT_THROW(PictureDimensions(broken), EGifException);
    std::string brokenJpeg = folder.WriteBytes("broken.jpg", {0xFF, 0xD8, 0xFF});
    EXPECT_THROW(PictureDimensions(brokenJpeg), EJpegException);
}
