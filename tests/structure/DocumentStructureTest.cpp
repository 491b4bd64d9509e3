// The document scanner's lists, the Go-to-picture entries and the map and style writers.
#include "structure/DocumentStructure.h"

#include "base/HtmlColor.h"

#include <gtest/gtest.h>

using namespace zn::structure;

namespace {

std::vector<std::string> Selectors(const TStructure& s) {
    std::vector<std::string> out;
    for (const TStyle& style : s.Styles) {
        out.push_back(style.Selector + "|" + style.Body);
    }
    return out;
}

} // namespace

TEST(ScanStructure, StyleRules) {
    using V = std::vector<std::string>;
    struct TCase {
        const char* name;
        const char* text;
        V rules;
        V classes;
    };
    const TCase cases[] = {
        {"rules in the comment of a text/css block",
         "<style type=\"text/css\"><!-- .a {color:red}\r\n p {margin:0} --></style>",
         {".a|color:red", "p|margin:0"},
         {"a"}},
        {"rules without the comment", "<STYLE TYPE=text/css>.a {color:red}</STYLE>", {}, {}},
        {"style without type", "<style><!-- .a {x:y} --></style>", {}, {}},
        {"comment outside style", "<!-- .a {x:y} --><style type=text/css></style>", {}, {}},
        {"comment not followed by a blank", "<style type=text/css><!--.a {x:y}--></style>", {}, {}},
        {"two style blocks",
         "<style type=text/css><!-- .a {x:1} --></style><p><STYLE TYPE=\"TEXT/CSS\">"
         "<!-- .b {y:2} --></STYLE>",
         {".a|x:1", ".b|y:2"},
         {"a", "b"}},
        {"a > inside the rules keeps them and the end of the block",
         "<style type=text/css><!-- ul > li {a:b} .c {d:e} --></style><!-- .z {q:r} -->",
         {"ul > li|a:b", ".c|d:e"},
         {"c"}},
    };
    for (const TCase& c : cases) {
        const TStructure s = ScanStructure(c.text);
        EXPECT_EQ(Selectors(s), c.rules) << c.name;
        EXPECT_EQ(s.Classes, c.classes) << c.name;
    }
}

TEST(ScanStructure, MapsAreasAndPictures) {
    const std::string text =
        "<map name=m><area coords=\"1, 2,3,4\" shape=rect href=a.html alt=A nohref>"
        "<AREA SHAPE=circle TARGET=_top ACCESSKEY=k TABINDEX=3><area shape=poly></map>"
        "<map><area shape=rectangle alt=U></map><area shape=\"oval\" alt=out>"
        "<img src=p.gif usemap=#m><img src=q.gif usemap=#missing><img alt=none>"
        "<image src=\"r.jpg\" usemap=\"#m\">";
    const TStructure s = ScanStructure(text);
    EXPECT_EQ(s.MapNames, (std::vector<std::string>{"#m", "unknown"}));
    ASSERT_EQ(s.Areas.size(), 5u);
    const TArea first{"1, 2,3,4", 1, "#m", "", "a.html", "A", "", "", true};
    EXPECT_EQ(s.Areas[0], first);
    const TArea second{"", 2, "#m", "_top", "", "", "k", "3", false};
    EXPECT_EQ(s.Areas[1], second);
    EXPECT_EQ(s.Areas[2].Shape, 0);
    EXPECT_EQ(s.Areas[3].Map, "unknown");
    EXPECT_EQ(s.Areas[3].Shape, 1);
    EXPECT_EQ(s.Areas[4].Map, "");
    EXPECT_EQ(s.Areas[4].Shape, 0);
    EXPECT_EQ(s.Maps, (MapList{{"p.gif", "#m"}, {"r.jpg", "#m"}}));
    EXPECT_EQ(s.MapEntries, (std::vector<std::string>{"#m - [p.gif]", "#m - [r.jpg]"}));
    ASSERT_EQ(s.Pictures.size(), 4u);
    EXPECT_EQ(s.Pictures[2].Src, "Unnamed picture");
    const auto img = static_cast<zn::editor::Position>(text.find("<img src=p.gif"));
    EXPECT_EQ(s.Pictures[0].Position, img + 2);
}

TEST(ScanStructure, MapNamedTwiceGivesThePairTwice) {
    const TStructure s = ScanStructure("<map name=a></map><map name=a></map><img src=x usemap=#a>");
    EXPECT_EQ(s.Maps.size(), 2u);
}

TEST(ScanStructure, BodyColoursOnlyWhereGiven) {
    const TStructure s = ScanStructure("<body bgcolor=#102030 link=red><body text=\"white\">");
    EXPECT_EQ(s.BodyColor, zn::base::HtmlToColor("#102030"));
    EXPECT_EQ(s.LinkColor, zn::base::HtmlToColor("red"));
    EXPECT_EQ(s.TextColor, zn::base::HtmlToColor("white"));
    EXPECT_FALSE(ScanStructure("<body text=red>").BodyColor.has_value());
}

TEST(ScanStructure, TagReadingFromInsideATag) {
    // A "<" inside a tag starts a tag of its own, as the text control reads it.
    const TStructure s = ScanStructure("<p <img src=a.gif> x > <img src=b.gif>");
    ASSERT_EQ(s.Pictures.size(), 2u);
    EXPECT_EQ(s.Pictures[1].Src, "b.gif");
    EXPECT_FALSE(NextScanTag("no tags > here", 1).has_value());
    EXPECT_FALSE(NextScanTag("<unfinished", 1).has_value());
}

TEST(GotoEntry, NumberFromTheLastBracket) {
    struct TCase {
        std::string entry;
        std::optional<zn::editor::Position> position;
    };
    const TCase cases[] = {
        {GotoEntryText({"a.gif", 7}), 7},
        {GotoEntryText({"pic[1].gif", 120}), 120},
        {GotoEntryText({"Unnamed picture", 2}), 2},
        {"x[", std::nullopt},
        {"x[]", std::nullopt},
        {"x[3a]", std::nullopt},
        {"no bracket", std::nullopt},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(GotoEntryPosition(c.entry), c.position) << c.entry;
    }
}

TEST(WriteMaps, RewritesEveryMapFromItsAreas) {
    const std::string text = "x<map name=\"m\">old</map>y<MAP>\r\n<area></MAP>z";
    AreaList areas;
    areas.push_back({"1, 2", 1, "#m", "_top", "a.html", "A", "", "4", true});
    areas.push_back({"5,6,7", 2, "unknown", "", "", "U", "k", "", false});
    areas.push_back({"9", 0, "#other", "", "o.html", "O", "", "", false});
    std::vector<std::string> hrefs;
    EXPECT_EQ(WriteMaps(text, areas, true, &hrefs),
              "x<MAP NAME=\"m\">\r\n"
              "<AREA ALT=\"A\" SHAPE=\"rect\" NOHREF TARGET=\"_top\" TABINDEX=\"4\" "
              "COORDS=\"1,2\" HREF=\"a.html\">\r\n</MAP>y<MAP>\r\n"
              "<AREA ALT=\"U\" SHAPE=\"circle\" ACCESSKEY=\"k\" COORDS=\"5,6,7\" HREF=\"\">\r\n"
              "</MAP>z");
    EXPECT_EQ(hrefs, (std::vector<std::string>{"a.html", ""}));
    EXPECT_EQ(WriteMaps("<map name=m></map>", areas, false),
              "<map name=\"m\">\r\n<area alt=\"A\" shape=\"rect\" nohref target=\"_top\" "
              "tabindex=\"4\" coords=\"1,2\" href=\"a.html\">\r\n</map>");
}

TEST(WriteMaps, ScannedNamelessMapKeepsItsAreas) {
    const std::string text = "<map><area shape=rect coords=1,2,3,4 href=a alt=A></map>";
    const std::string once = WriteMaps(text, ScanStructure(text).Areas, true);
    EXPECT_EQ(ScanStructure(once).Areas, ScanStructure(text).Areas);
}

TEST(WriteMaps, MapWithoutEndStops) {
    AreaList areas{{"1", 0, "#a", "", "", "", "", "", false}};
    EXPECT_EQ(WriteMaps("<map name=a>open", areas, true), "<map name=a>open");
}

TEST(WriteStyles, Placements) {
    const StyleList styles{{".a", "x:1"}, {"p", "y:2"}};
    const std::string block = StyleBlock(styles, true);
    EXPECT_EQ(block, "<STYLE TYPE=\"TEXT/CSS\">\r\n<!--\r\n.a {x:1}\r\np {y:2}\r\n-->\r\n</STYLE>");
    const std::string head = "<HEAD>\r\n" + block + "\r\n</HEAD>\r\n";
    struct TCase {
        const char* name;
        std::string text;
        std::optional<std::string> written;
    };
    const std::string firstBlock = "<style type=text/css><!-- .b {z:3} --></style>";
    const TCase cases[] = {
        {"first text/css block", "<head>" + firstBlock + firstBlock + "</head>",
         "<head>" + block + firstBlock + "</head>"},
        {"block with a > in its rules", "<style type=text/css><!-- a>b {} --></style>x",
         block + "x"},
        {"block without end", "<head><style type=text/css><!-- --></head>", std::nullopt},
        {"before the end of head", "<head><title>t</title></head><body>",
         "<head><title>t</title>" + block + "\r\n</head><body>"},
        {"head before body", "<html><body bgcolor=red>", "<html>" + head + "<body bgcolor=red>"},
        {"start of the document", "plain", head + "plain"},
    };
    for (const TCase& c : cases) {
        const auto r = WriteStyles(c.text, styles, true);
        ASSERT_EQ(r.has_value(), c.written.has_value()) << c.name;
        if (r) {
            std::string out = c.text;
            out.replace(static_cast<std::size_t>(r->Start), static_cast<std::size_t>(r->Length),
                        r->Text);
            EXPECT_EQ(out, *c.written) << c.name;
        }
    }
}
