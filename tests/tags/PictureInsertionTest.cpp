// Links and IMG tags of the batch picture insertion on POSIX paths.
#include "tags/PictureInsertion.h"

#include <gtest/gtest.h>

using namespace zn::tags;

TEST(PictureInsertion, LinkRelativeOnlyInsideTheDocumentFolder) {
    struct Row {
        const char* file;
        const char* folder;
        const char* link;
    } rows[] = {
        {"/web/a.gif", "/web", "a.gif"},
        {"/web/img/A.GIF", "/web", "img/A.GIF"},
        {"/webold/a.gif", "/web", "FILE:///webold/a.gif"},
        {"/other/b.jpg", "/web", "FILE:///other/b.jpg"},
        {"/web/a.gif", "", "FILE:///web/a.gif"},
        {"/a.gif", "/", "a.gif"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_EQ(PictureLink(row.file, row.folder, true), row.link);
    }
    EXPECT_EQ(PictureLink("/x/B.jpg", "/web", false), "file:///x/B.jpg");
}

TEST(PictureInsertion, AllOptionsAlternateAlignmentAndWriteSizes) {
    const std::vector<TPictureEntry> pictures = {{"/web/img/a.gif", 32, 20},
                                                 {"/b.jpg", 100, 50},
                                                 {"/web/c.png", std::nullopt, std::nullopt}};
    const TPictureOptions all{true, true, true};
    EXPECT_EQ(InsertPicturesText(pictures, "/web", all, true),
              "<IMG SRC=\"img/a.gif\" ALIGN=\"LEFT\"  WIDTH=32 HEIGHT=20>\r\n"
              "<BR CLEAR=\"ALL\">\r\n"
              "<IMG SRC=\"FILE:///b.jpg\" ALIGN=\"RIGHT\"  WIDTH=100 HEIGHT=50>\r\n"
              "<BR CLEAR=\"ALL\">\r\n"
              "<IMG SRC=\"c.png\" ALIGN=\"LEFT\" >\r\n"
              "<BR CLEAR=\"ALL\">\r\n");
    EXPECT_EQ(InsertPicturesText({pictures[0]}, "/web", all, false),
              "<img src=\"img/a.gif\" align=\"left\"  width=32 height=20>\r\n"
              "<br clear=\"all\">\r\n");
}

TEST(PictureInsertion, NoOptionsAndAwkwardNames) {
    const std::vector<TPictureEntry> pictures = {{"/web/a.gif", 1, 2},
                                                 {"/web/\xC5\xA1\"k.gif", std::nullopt, {}}};
    EXPECT_EQ(InsertPicturesText(pictures, "/web", {}, true),
              "<IMG SRC=\"a.gif\">\r\n<IMG SRC=\"\x9A%22k.gif\">\r\n");
}
