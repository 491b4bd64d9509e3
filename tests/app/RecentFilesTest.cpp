// The recent-files list: ten names at most, newest last, reopened names move without duplicates.
#include "app/RecentFiles.h"
#include "app/Settings.h"

#include <gtest/gtest.h>

using namespace zn::app;

namespace {

using Names = std::vector<std::string>;

Names Files(int from, int to) {
    Names names;
    for (int i = from; i <= to; ++i)
        names.push_back("/doc/f" + std::to_string(i) + ".html");
    return names;
}

} // namespace

TEST(RecentFiles, EleventhFileDropsTheOldest) {
    Names list;
    for (const std::string& name : Files(1, 10))
        EXPECT_TRUE(AddToRecent(list, name));
    EXPECT_EQ(list, Files(1, 10));
    EXPECT_TRUE(AddToRecent(list, "/doc/f11.html"));
    EXPECT_EQ(list, Files(2, 11));
    EXPECT_EQ(list.size(), MaxRecentFiles);
    EXPECT_EQ(RecentNewestFirst(list).front(), "/doc/f11.html");
    EXPECT_EQ(RecentNewestFirst(list).back(), "/doc/f2.html");
}

TEST(RecentFiles, ReopenedMiddleEntryMovesToTheTopWithoutDuplicate) {
    Names list = Files(1, 5);
    EXPECT_TRUE(AddToRecent(list, "/doc/f3.html"));
    EXPECT_EQ(list, (Names{"/doc/f1.html", "/doc/f2.html", "/doc/f4.html", "/doc/f5.html",
                           "/doc/f3.html"}));
    // The oldest entry moved to the top does not make room for anything else.
    EXPECT_TRUE(AddToRecent(list, "/doc/f1.html"));
    EXPECT_EQ(list.size(), 5u);
    EXPECT_EQ(list.back(), "/doc/f1.html");
    // Nor does it in a full list.
    list = Files(1, 10);
    EXPECT_TRUE(AddToRecent(list, "/doc/f1.html"));
    EXPECT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "/doc/f2.html");
}

TEST(RecentFiles, NewestOrOnlyEntryLeavesTheListAlone) {
    Names list{"/doc/a.html"};
    EXPECT_FALSE(AddToRecent(list, "/doc/a.html"));
    list.push_back("/doc/b.html");
    EXPECT_FALSE(AddToRecent(list, "/doc/b.html"));
    EXPECT_EQ(list, (Names{"/doc/a.html", "/doc/b.html"}));
    EXPECT_FALSE(AddToRecent(list, "")); // an empty name is not entered
    EXPECT_EQ(list.size(), 2u);
}

TEST(RecentFiles, CaseIsIgnoredAndTheLatestSpellingKept) {
    Names list{"/doc/Čtení.html", "/doc/b.html"};
    EXPECT_TRUE(AddToRecent(list, "/DOC/čtení.HTML"));
    EXPECT_EQ(list, (Names{"/doc/b.html", "/DOC/čtení.HTML"}));
    // Already newest, other spelling: the entry now opens what was used last.
    EXPECT_TRUE(AddToRecent(list, "/doc/ČTENÍ.html"));
    EXPECT_EQ(list, (Names{"/doc/b.html", "/doc/ČTENÍ.html"}));
}
