// The gallery table: the worked layout of four pictures, grids of other shapes, the case of tag
// names against links and captions, and thumbnail and caption patterns.
#include "structure/GalleryLayout.h"

#include "base/Cp1250.h"

#include <gtest/gtest.h>

using namespace zn::structure;

namespace {

std::vector<TGalleryPicture> Pictures(int count) {
    std::vector<TGalleryPicture> pictures;
    for (int i = 0; i < count; ++i) {
        const std::string name(1, char('a' + i));
        pictures.push_back({name + ".jpg", name + ".jpg", name + ".jpg", name + "icon.jpg"});
    }
    return pictures;
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(GalleryLayoutTest, FourPicturesWithTheDefaults) {
    std::string cells[2][2];
    for (int i = 0; i < 4; ++i) {
        const std::string n(1, char('a' + i));
        cells[i / 3][0] += "<td align=center valign=middle  bgcolor=#808080 width=120 height=70>"
                           "<a href=\"" +
                           n + ".jpg\"><img src=\"" + n +
                           "icon.jpg\" width=100 height=50></a></td>\r\n";
        cells[i / 3][1] += "<td align=center valign=middle bgcolor=#FFFFFF width=120 height=20>"
                           "<a href=\"" +
                           n + ".jpg\">" + n + ".jpg</a></td>\r\n";
        if (i % 3 != 2)
            for (int r = 0; r < 2; ++r)
                cells[i / 3][r] +=
                    "<td width=10 height=" + std::string(r ? "20" : "70") + "></td>\r\n";
    }
    for (int i = 0; i < 2; ++i) {
        cells[1][0] += "<td align=center valign=middle  width=120 height=70></td>\r\n";
        cells[1][1] += "<td align=center valign=middle width=120 height=20></td>\r\n";
        if (i == 0)
            cells[1][0] += "<td width=10 height=70></td>\r\n",
                cells[1][1] += "<td width=10 height=20></td>\r\n";
    }
    const std::string margin = "<tr><td colspan=7 height=10></td></tr>\r\n";
    std::string expected =
        "<table border=0 align=center cellpadding=0 cellspacing=0 width=400 bgcolor=#C0C0C0>\r\n" +
        margin;
    for (int row = 0; row < 2; ++row)
        expected += (row ? margin : "") + "<tr><td width=10 height=70></td>\r\n" + cells[row][0] +
                    "<td width=10 height=70></td></tr>\r\n<tr><td width=10 height=20></td>\r\n" +
                    cells[row][1] + "<td width=10 height=20></td></tr>\r\n";
    expected += margin + "</table>\r\n";
    const std::vector<std::optional<TPictureSize>> sizes(4, TPictureSize{100, 50});
    EXPECT_EQ(GalleryTableText(Pictures(4), sizes, TGallerySchema{}, false), expected);
}

TEST(GalleryLayoutTest, GridShapes) {
    struct Row {
        int columns, pictures, galleryRows, emptyFrames, width;
        std::string colspan;
    };
    for (const Row& row : {Row{1, 2, 2, 0, 140, "colspan=3 "}, Row{3, 7, 3, 2, 400, "colspan=7 "},
                           Row{2, 2, 1, 0, 270, "colspan=5 "}}) {
        TGallerySchema schema;
        schema.PocetSloupcu = row.columns;
        schema.VVR = 7;
        const std::string text = GalleryTableText(Pictures(row.pictures), {}, schema, false);
        SCOPED_TRACE(text);
        EXPECT_EQ(Count(text, row.colspan + "height=7>"), row.galleryRows - 1);
        EXPECT_EQ(Count(text, "middle  width=120"), row.emptyFrames);
        EXPECT_EQ(Count(text, "<td width=10 height=70>"), row.galleryRows * (row.columns + 1));
        EXPECT_NE(text.find(" width=" + std::to_string(row.width) + " bgcolor="),
                  std::string::npos);
        EXPECT_EQ(Count(text, "<img src=\""), row.pictures);
        EXPECT_EQ(Count(text, " height=50"), 0); // no sizes known: no WIDTH and HEIGHT
    }
}

TEST(GalleryLayoutTest, OnlyTagAndAttributeNamesChangeCase) {
    const std::string link = "Fotky/Léto.JPG";
    const std::vector<TGalleryPicture> pictures{{link, link, "Léto u Moře", "Fotky/Létoicon.JPG"}};
    TGallerySchema schema;
    schema.PocetSloupcu = 1;
    const std::string upper = GalleryTableText(pictures, {TPictureSize{9, 5}}, schema, true);
    const std::string d = zn::base::Utf8ToCp1250("Fotky/Léto");
    EXPECT_NE(upper.find("<TD ALIGN=center VALIGN=middle  BGCOLOR=#808080 WIDTH=120 HEIGHT=70><A "
                         "HREF=\"" +
                         d + ".JPG\"><IMG SRC=\"" + d +
                         "icon.JPG\" WIDTH=9 HEIGHT=5>"
                         "</A></TD>\r\n"),
              std::string::npos);
    EXPECT_NE(upper.find("<A HREF=\"" + d + ".JPG\">" + zn::base::Utf8ToCp1250("Léto u Moře") +
                         "</A></TD>"),
              std::string::npos);
    EXPECT_EQ(GalleryTableText(pictures, {}, schema, false).find("<TD"), std::string::npos);
}

TEST(GalleryLayoutTest, CaptionFontAndPlainThumbnail) {
    TGallerySchema schema;
    schema.PocetSloupcu = 1;
    schema.TitulekOdkaz = schema.NahledOdkaz = schema.NahledBorder = false;
    schema.Bold = schema.Italic = true;
    schema.Font = "Times \"New\" Roman";
    schema.FontSize = 5;
    schema.FontColor = zn::base::RGBColor(0x12, 0x34, 0x56);
    const std::string text = GalleryTableText(Pictures(1), {TPictureSize{7, 8}}, schema, false);
    EXPECT_NE(text.find("height=70><img src=\"aicon.jpg\" width=7 height=8 border=0></td>"),
              std::string::npos);
    EXPECT_NE(text.find("height=20><font color=#123456 face=\"Times New Roman\" size=5><i><b>a.jpg"
                        "</b></i></font></td>"),
              std::string::npos);
}

TEST(GalleryLayoutTest, Patterns) {
    EXPECT_EQ(ThumbnailFileName("/a/photo.jpg", kThumbnailPattern), "/a/photoicon.jpg");
    EXPECT_EQ(ThumbnailFileName("/a/b.c/name", "%s_t.%s"), "/a/b.c/name_t.");
    EXPECT_EQ(ThumbnailFileName("/a/x.jpeg", "male/%s-%d%%.%s.%s"), "/a/male/x-%d%.jpeg.%s");
    EXPECT_EQ(NumberedCaption(kCaptionPattern, 12), "obr č.12");
    EXPECT_EQ(NumberedCaption("%d. z %d %s", 3), "3. z 3 %s");
}

TEST(GalleryLayoutTest, NewPictureBesideTheDocument) {
    zn::base::LinkSettings settings;
    settings.DocumentFileName = "/web/index.html";
    zn::base::ScriptedPrompter prompter;
    const TGalleryPicture inside =
        NewGalleryPicture("/web/img/Moře.jpg", "%s_m.%s", settings, prompter);
    EXPECT_EQ(inside.Picture, "img/Moře.jpg");
    EXPECT_EQ(inside.Link, "img/Moře.jpg");
    EXPECT_EQ(inside.Caption, "Moře.jpg");
    EXPECT_EQ(inside.Thumbnail, "img/Moře_m.jpg");
}
