// Which files a start opens or hands over: the first argument decides, split paths are joined.
#include "app/CommandLine.h"

#include "base/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>

using namespace zn::app;

namespace {

using Names = std::vector<std::string>;

/// A file system holding exactly the given names.
FileExists Holding(std::set<std::string> files) {
    return [files = std::move(files)](const std::string& name) { return files.count(name) > 0; };
}

struct Case {
    const char* Title;
    Names Arguments;
    Names AtStart;
    Names HandedOff;
};

} // namespace

TEST(CommandLine, RulesOfTheFirstArgument) {
    const FileExists exists =
        Holding({"/w/a.html", "/w/b.html", "/w/My Page.html", "/w/x y z.htm"});
    const Case cases[] = {
        {"no arguments", {}, {}, {}},
        {"one file", {"/w/a.html"}, {"/w/a.html"}, {"/w/a.html"}},
        {"missing names after the first are skipped at start but handed over",
         {"/w/a.html", "/w/gone.html", "/w/b.html"},
         {"/w/a.html", "/w/b.html"},
         {"/w/a.html", "/w/gone.html", "/w/b.html"}},
        {"unquoted path with one blank",
         {"/w/My", "Page.html"},
         {"/w/My Page.html"},
         {"/w/My Page.html"}},
        {"unquoted path with two blanks",
         {"/w/x", "y", "z.htm"},
         {"/w/x y z.htm"},
         {"/w/x y z.htm"}},
        {"nothing names a file", {"/w/nothing", "here"}, {}, {}},
        {"first missing, later existing: only the joined text counts",
         {"/w/gone.html", "/w/a.html"},
         {},
         {}},
        {"empty argument", {""}, {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilesToOpenAtStart(c.Arguments, exists), c.AtStart) << c.Title;
        EXPECT_EQ(FilesToHandOff(c.Arguments, exists), c.HandedOff) << c.Title;
    }
}

TEST(CommandLine, JoinsWithSingleBlanks) {
    EXPECT_EQ(JoinArguments({}), "");
    EXPECT_EQ(JoinArguments({"a"}), "a");
    EXPECT_EQ(JoinArguments({"a", "", "b"}), "a  b");
}

TEST(CommandLine, ExistingFileIsNotAFolder) {
    zn::test::TempFolder folder;
    const std::string file = folder.File("page with blank.html");
    std::ofstream(file) << "<HTML>";
    EXPECT_TRUE(IsExistingFile(file));
    EXPECT_FALSE(IsExistingFile(folder.Path()));
    EXPECT_FALSE(IsExistingFile(folder.File("missing.html")));
    EXPECT_FALSE(IsExistingFile(""));
    // The real file system with a path split at its blank.
    EXPECT_EQ(FilesToOpenAtStart({folder.File("page"), "with", "blank.html"}), Names{file});
}

TEST(CommandLine, RelativeNamesBecomeAbsolute) {
    EXPECT_EQ(AbsoluteFileName("page.html", "/home/jan/web"), "/home/jan/web/page.html");
    EXPECT_EQ(AbsoluteFileName("./a/../page.html", "/home/jan"), "/home/jan/page.html");
    EXPECT_EQ(AbsoluteFileName("../page.html", "/home/jan/web"), "/home/jan/page.html");
    EXPECT_EQ(AbsoluteFileName("/srv/page.html", "/home/jan"), "/srv/page.html");
    EXPECT_EQ(AbsoluteFileName("", "/home/jan"), "");
}
