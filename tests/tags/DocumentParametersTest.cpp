// Document parameters: reading the head and BODY, "Zapsat", colour schemes, colours of a page.
#include "tags/DocumentParameters.h"

#include "../base/TempFolder.h"

#include <gtest/gtest.h>

namespace zn::tags {
namespace {

std::string Written(const std::string& text, const TParameters& values, bool upper = true) {
    editor::THTMLRichEdit edit;
    edit.Model().Load(text);
    WriteParameters(edit, values, upper);
    std::string result = edit.Model().Text();
    edit.Model().Undo();
    EXPECT_EQ(edit.Model().Text(), text) << "one undo step";
    return result;
}

TParameters Read(const std::string& text) {
    editor::THTMLRichEdit edit;
    edit.Model().Load(text);
    return ReadParameters(edit);
}

TEST(DocumentParametersTest, EmptyDocumentGetsTheSkeleton) {
    EXPECT_EQ(
        Written("", DefaultParameters()),
        "<HTML>\r\n  <HEAD>\r\n    <TITLE></TITLE>\r\n  </HEAD>\r\n<BODY TEXT=\"#000000\" "
        "LINK=\"#0000FF\" ALINK=\"#FF0000\" VLINK=\"#FF00FF\" BGCOLOR=\"#C0C0C0\">\r\n\r\n\r\n"
        "</BODY>\r\n</HTML>");
}

TEST(DocumentParametersTest, NewTagsStandBelowHeadInTheirOrder) {
    TParameters v = DefaultParameters();
    const std::pair<Parameter, const char*> set[] = {
        {Keywords, "K"},           {Author, "A"},    {Description, "say \"hi\""},
        {Classification, "C"},     {Generator, "G"}, {Redirection, "5"},
        {Charset, "windows-1250"}, {Title, "T"},     {BaseUrl, "b/"}};
    for (const auto& [index, value] : set) {
        v[index] = value;
    }
    const std::string text =
        Written("<html><head></head><body bgcolor=white></body></html>", v, false);
    EXPECT_EQ(text, "<html><head>\r\n"
                    "    <meta name=\"generator\" content=\"G\">\r\n"
                    "    <meta name=\"classification\" content=\"C\">\r\n"
                    "    <meta name=\"description\" content=\"say &quot;hi&quot;\">\r\n"
                    "    <meta name=\"author\" content=\"A\">\r\n"
                    "    <meta name=\"keywords\" content=\"K\">\r\n"
                    "    <meta http-equiv=\"refresh\" content=5>\r\n"
                    "    <meta http-equiv=\"content-type\" content=\"text/html; "
                    "charset=windows-1250\">\r\n"
                    "    <title>T</title>\r\n"
                    "    <base href=\"b/\"></head><body bgcolor=\"#C0C0C0\" text=\"#000000\" "
                    "link=\"#0000FF\" alink=\"#FF0000\" vlink=\"#FF00FF\"></body></html>");
    EXPECT_EQ(Read(text), v) << "what was written reads back";
}

TEST(DocumentParametersTest, ExistingHeadTagsAreReadAndFilledInPlace) {
    struct Case {
        const char* meta;
        const char* charset;
        const char* rewritten;
    };
    const Case cases[] = {
        {"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-2\">",
         "iso-8859-2",
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-2\">"},
        {"<meta http-equiv=content-type content=text/html;charset=\"utf-8\">", "utf-8",
         "<meta http-equiv=content-type content=\"text/html; charset=utf-8\">"},
    };
    for (const Case& c : cases) {
        const std::string page = std::string("<HTML><HEAD>") + c.meta +
                                 "<META NAME=author CONTENT=\"Já\"><TITLE>Ahoj</TITLE></HEAD>"
                                 "<BODY TEXT=red></BODY></HTML>";
        TParameters v = Read(page);
        EXPECT_EQ(v[Charset], c.charset);
        EXPECT_EQ(v[Author], "Já");
        EXPECT_EQ(v[Title], "Ahoj");
        EXPECT_EQ(v[TextColor], "red");
        EXPECT_EQ(v[LinkColor], "#0000FF");
        const std::string text = Written(page, v);
        EXPECT_NE(text.find(std::string(c.rewritten) +
                            "<META NAME=author CONTENT=\"Já\">"
                            "<TITLE>Ahoj</TITLE></HEAD><BODY TEXT=\"red\""),
                  std::string::npos)
            << text;
    }
}

TEST(DocumentParametersTest, UnclosedTitleStillLetsTheBodyBeRead) {
    const TParameters v = Read("<TITLE>x<BODY TEXT=red>");
    EXPECT_EQ(v[Title], "");
    EXPECT_EQ(v[TextColor], "red");
}

TEST(DocumentParametersTest, SchemeFiles) {
    test::TempFolder folder;
    TParameters v = DefaultParameters();
    v[TextColor] = "#123456";
    v[BackgroundColor] = "#ABCDEF";
    const std::string file = folder.File("a.csh");
    ASSERT_TRUE(SaveScheme(file, v).ok);
    EXPECT_EQ(test::TempFolder::Read(file).size(), 35U);
    TParameters loaded;
    ASSERT_TRUE(LoadScheme(file, loaded).ok);
    EXPECT_EQ(loaded, (TParameters{"", "#123456", "#0000FF", "#FF0000", "#FF00FF", "#ABCDEF"}));

    struct Case {
        std::string bytes;
        bool ok;
        const char* link;
        const char* background;
    };
    const Case cases[] = {{"#111111#222222#3", true, "#222222", "#C0C0C0"},
                          {std::string(36, '1'), false, "#0000FF", "#C0C0C0"},
                          {std::string("#111111\0", 8), false, "#0000FF", "#C0C0C0"}};
    for (const Case& c : cases) {
        TParameters p = DefaultParameters();
        const std::string name = folder.Write("b.csh", c.bytes);
        const base::FileResult r = LoadScheme(name, p);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.ok || r.message.find(name) != std::string::npos, true) << r.message;
        EXPECT_EQ(p[LinkColor], c.link);
        EXPECT_EQ(p[BackgroundColor], c.background);
    }
    EXPECT_FALSE(LoadScheme(folder.File("none.csh"), loaded).ok);
}

TEST(DocumentParametersTest, ColorsFromAnotherPage) {
    test::TempFolder folder;
    const std::string page = folder.Write(
        "p.HTM", "<html><BODY\r\nTEXT=red><body text = red link=\"#00FF00\" bgcolor=#FFFFFF>");
    ASSERT_TRUE(IsPageFileName(page));
    TParameters v = DefaultParameters();
    ASSERT_TRUE(LoadColorsFromPage(page, v).ok);
    EXPECT_EQ(v, (TParameters{"", "#000000", "#00FF00", "#FF0000", "#FF00FF", "#FFFFFF"}));
}

} // namespace
} // namespace zn::tags
