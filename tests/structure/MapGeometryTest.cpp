// Drawing and reshaping map areas with the mouse, their clipboard text and the area list.
#include "structure/MapAreas.h"

#include <gtest/gtest.h>

using namespace zn::structure;
using B = TMouseButton;

namespace {

struct TClick {
    B Button;
    int X, Y;
};

std::string Drive(int shape, bool edit, std::string coords, std::initializer_list<TClick> clicks) {
    TMapGeometry g;
    g.Shape = shape;
    g.EditMode = edit;
    g.Coords = std::move(coords);
    for (const TClick& c : clicks) {
        g.Press(c.Button, c.X, c.Y);
    }
    return g.Coords + (g.EditMode ? " edit" : " draw") + (g.Busy() ? " busy" : "");
}

} // namespace

TEST(MapGeometry, DrawingAndEditing) {
    struct TCase {
        const char* name;
        int shape;
        bool edit;
        const char* coords;
        std::initializer_list<TClick> clicks;
        const char* result;
    };
    const TCase cases[] = {
        {"rectangle drawn backwards",
         1,
         false,
         "",
         {{B::Left, 50, 40}, {B::Left, 10, 5}},
         "10,5,50,40 edit"},
        {"circle radius is the larger distance",
         2,
         false,
         "",
         {{B::Left, 10, 10}, {B::Left, 40, 50}},
         "10,10,40 edit"},
        {"circle rim moved gives the straight distance",
         2,
         true,
         "10,10,40",
         {{B::Left, 10, 50}, {B::Left, 40, 50}},
         "10,10,50 edit"},
        {"circle near its centre moves",
         2,
         true,
         "10,10,40",
         {{B::Left, 20, 20}, {B::Left, 70, 80}},
         "70,80,40 edit"},
        {"polygon ends with the right button",
         0,
         false,
         "",
         {{B::Left, 1, 2}, {B::Left, 3, 4}, {B::Left, 5, 6}, {B::Right, 0, 0}},
         "1,2,3,4,5,6 edit"},
        {"polygon collecting points",
         0,
         false,
         "",
         {{B::Left, 1, 2}, {B::Left, 3, 4}},
         "1,2,3,4, draw busy"},
        {"right button cancels a rectangle",
         1,
         false,
         "9,9,20,20",
         {{B::Left, 1, 2}, {B::Right, 3, 4}},
         " draw"},
        {"right button alone draws nothing",
         1,
         false,
         "9,9,20,20",
         {{B::Right, 3, 4}},
         "9,9,20,20 draw"},
        {"polygon vertex nearest to the click moves",
         0,
         true,
         "0,0,100,0,100,100",
         {{B::Left, 90, 10}, {B::Left, 120, -5}},
         "0,0,120,-5,100,100 edit"},
        {"equal distances: the first vertex",
         0,
         true,
         "0,0,10,0",
         {{B::Left, 5, 0}, {B::Left, 7, 7}},
         "7,7,10,0 edit"},
        {"rectangle moved keeps the grab offset",
         1,
         true,
         "0,0,100,100",
         {{B::Left, 50, 50}, {B::Left, 60, 70}},
         "10,20,110,120 edit"},
        {"top edge dragged below the bottom is normalised",
         1,
         true,
         "0,0,100,100",
         {{B::Left, 50, 5}, {B::Left, 50, 150}},
         "0,100,100,150 edit"},
        {"on the 20 % line: nearest corner, the later on a tie",
         1,
         true,
         "0,0,100,100",
         {{B::Left, 20, 50}, {B::Left, 30, 90}},
         "30,0,100,90 edit"},
        {"edit in progress", 1, true, "0,0,100,100", {{B::Left, 50, 50}}, "0,0,100,100 edit busy"},
        {"wrong count for the shape is ignored", 1, true, "1,2,3", {{B::Left, 1, 1}}, "1,2,3 edit"},
        {"no coordinates: nothing", 0, true, "", {{B::Left, 1, 1}}, " edit"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Drive(c.shape, c.edit, c.coords, c.clicks), c.result) << c.name;
    }
}

TEST(MapGeometry, RectangleHitTests) {
    const std::vector<int> r{0, 0, 100, 100};
    struct TCase {
        int x, y, state;
    } cases[] = {{50, 50, 5}, {50, 10, 6}, {90, 50, 7}, {50, 90, 8}, {10, 50, 9}, {5, 5, 1},
                 {95, 5, 2},  {95, 95, 3}, {5, 95, 4},  {80, 50, 3}, {50, 20, 2}};
    for (const TCase& c : cases) {
        EXPECT_EQ(RectHit(r, c.x, c.y), c.state) << c.x << "," << c.y;
    }
}

TEST(MapGeometry, OutlinesAndRubberBands) {
    EXPECT_EQ(AreaOutline(0, "1,2,3,4,5"), (TOutline{TOutline::Lines, {1, 2, 3, 4, 1, 2}}));
    EXPECT_EQ(AreaOutline(1, "1,2,x,4"), TOutline{});
    EXPECT_EQ(AreaOutline(2, "5,6,7"), (TOutline{TOutline::Circle, {5, 6, 7}}));
    TMapGeometry g;
    g.Shape = kRectangle;
    g.Press(B::Left, 50, 50);
    g.Move(10, 60);
    EXPECT_EQ(g.Overlay(), (TOutline{TOutline::Rect, {10, 50, 50, 60}}));
    g.Shape = kPolygon;
    g.EditMode = true;
    g.Reset();
    g.Coords = "0,0,10,0,10,10";
    g.Press(B::Left, 0, 1);
    g.Move(3, 3);
    EXPECT_EQ(g.Overlay(), (TOutline{TOutline::Lines, {10, 10, 3, 3, 10, 0}}));
}

TEST(MapClipboard, CopyPasteKeepsEveryFieldButTheName) {
    const TAreaFields fields{2, "1,2,3", "a b.html", "k", "4", "_top", true};
    const std::string text = AreaClipboardText(fields);
    EXPECT_EQ(text, "%21,2,3\xA7"
                    "a b.html\xA7k\xA7"
                    "4\xA7_top\xA7n");
    EXPECT_EQ(ParseAreaClipboard(text), fields);
    AreaList areas;
    StoreFields(AddArea(areas, "#m", "second", 0), *ParseAreaClipboard(text));
    EXPECT_EQ(areas[0].Alt, "second");
    EXPECT_EQ(FieldsOf(areas[0]), fields);
    for (const char* bad : {"", "hello", "%", "%9a\xA7\xA7\xA7\xA7\xA7",
                            "%1a\xA7"
                            "b"}) {
        EXPECT_FALSE(ParseAreaClipboard(bad)) << bad;
    }
}

TEST(MapAreas, NamesDeleteAndMapChoice) {
    AreaList areas;
    AddArea(areas, "#m", "a", 0);
    AddArea(areas, "#other", "x", 0);
    AddArea(areas, "#m", "b", 1);
    EXPECT_EQ(DeleteArea(areas, "#m", "b"), std::optional<std::size_t>(0));
    EXPECT_EQ(DeleteArea(areas, "#m", "a"), std::nullopt);
    EXPECT_EQ(AreaNames(areas, "#other"), std::vector<std::string>{"x"});

    zn::base::ScriptedPrompter prompter;
    prompter.inputs = {"X", "y"};
    EXPECT_EQ(AskAreaName(prompter, areas, "#other", ""), "y");
    EXPECT_EQ(prompter.shown.at(1), "Oblast se jménem X již existuje!");
    prompter.inputs = {"X"};
    EXPECT_EQ(AskAreaName(prompter, areas, "#other", "x"), "X"); // renaming to its own name
    EXPECT_EQ(AskAreaName(prompter, areas, "#other", ""), std::nullopt);

    const MapList pairs{{"a.gif", "#mm"}, {"b.gif", "#m"}, {"c.gif", "#m"}, {"d.gif", "#m[1]"}};
    EXPECT_EQ(FindMapPair(pairs, "m"), std::optional<std::size_t>(2));
    EXPECT_EQ(FindMapPair(pairs, "m[1]"), std::optional<std::size_t>(3));
    EXPECT_EQ(FindMapPair(pairs, "x"), std::nullopt);
}

TEST(MapAreas, ScannedMapWrittenBackUnchanged) {
    const std::string text = "<P>\r\n<MAP NAME=\"m\">\r\n<AREA ALT=\"a\" SHAPE=\"rect\" NOHREF "
                             "TARGET=\"t\" COORDS=\"1,2,3,4\" HREF=\"x.html\">\r\n</MAP>\r\n";
    EXPECT_EQ(WriteMaps(text, ScanStructure(text).Areas, true), text);
    const TTextReplacement r = ChangedStretch("ab\r\ncd", "ab\r\nXcd");
    EXPECT_EQ(r.Start, 4);
    EXPECT_EQ(r.Length, 0);
    EXPECT_EQ(r.Text, "X");
    EXPECT_EQ(ChangedStretch("a\r\nb", "a\r\r\nb").Start, 1); // never splits a CR LF
}

TEST(MapWizard, Output) {
    EXPECT_EQ(MapWizardText("pic.gif", "120", "80", "m", true),
              "<A HREF=\" \"><IMG SRC=\"pic.gif\" WIDTH=\"120\" HEIGHT=\"80\" USEMAP=\"#m\" "
              "ISMAP></A>\r\n<MAP NAME=\"m\">\r\n</MAP>\r\n");
    EXPECT_EQ(MapWizardText("Pic.GIF", "", "", "M", false),
              "<a href=\" \"><img src=\"Pic.GIF\" width=\"\" height=\"\" usemap=\"#M\" "
              "ismap></a>\r\n<map name=\"M\">\r\n</map>\r\n");
    EXPECT_EQ(EmptyMapText("Q", false), "\r\n<map name=\"Q\"></map>");
}
