// The file tabs follow the documents: closed ones lose their tab, new ones get one.
#include "app/FileTabs.h"

#include <gtest/gtest.h>

using namespace zn::app;

namespace {
using Names = std::vector<std::string>;
}

TEST(FileTabs, CaptionsWithAndWithoutFolder) {
    EXPECT_EQ(TabCaption("/home/jan/web/index.html", false), "index.html");
    EXPECT_EQ(TabCaption("/home/jan/web/index.html", true), "/home/jan/web/index.html");
    EXPECT_EQ(TabCaption("BezJmena1", false), "BezJmena1");
}

TEST(FileTabs, FollowOpeningClosingAndActivating) {
    FileTabs tabs;
    EXPECT_FALSE(tabs.Sync({}, "", false));
    EXPECT_FALSE(tabs.Visible());
    EXPECT_EQ(tabs.Selected(), -1);

    EXPECT_TRUE(tabs.Sync({"/w/a.html", "BezJmena2"}, "BezJmena2", false));
    EXPECT_EQ(tabs.TabSt(), (Names{"/w/a.html", "BezJmena2"}));
    EXPECT_EQ(tabs.Captions(), (Names{"a.html", "BezJmena2"}));
    EXPECT_EQ(tabs.Selected(), 1);
    EXPECT_TRUE(tabs.Visible());

    // Nothing changed: no rebuild, only the selection follows the active document.
    EXPECT_FALSE(tabs.Sync({"/w/a.html", "BezJmena2"}, "/w/a.html", false));
    EXPECT_EQ(tabs.Selected(), 0);

    // Closing the first; a new one is appended at the end whatever the window order.
    EXPECT_TRUE(tabs.Sync({"/w/c.html", "BezJmena2"}, "/w/c.html", false));
    EXPECT_EQ(tabs.TabSt(), (Names{"BezJmena2", "/w/c.html"}));
    EXPECT_EQ(tabs.Selected(), 1);

    // Save As renamed the untitled document: its old tab goes, a new one comes.
    EXPECT_TRUE(tabs.Sync({"/w/c.html", "/w/new.html"}, "/w/new.html", false));
    EXPECT_EQ(tabs.Captions(), (Names{"c.html", "new.html"}));

    EXPECT_TRUE(tabs.Sync({}, "", false));
    EXPECT_FALSE(tabs.Visible());
}

TEST(FileTabs, SameFileNameInTwoFoldersGivesTwoTabsWithOneCaption) {
    FileTabs tabs;
    tabs.Sync({"/w/one/index.html", "/w/two/index.html"}, "/w/two/index.html", false);
    EXPECT_EQ(tabs.Captions(), (Names{"index.html", "index.html"}));
    EXPECT_EQ(tabs.IndexOf("/w/one/index.html"), 0);
    EXPECT_EQ(tabs.IndexOf("/w/two/index.html"), 1);
    EXPECT_EQ(tabs.Selected(), 1);
    tabs.SetFullPath(true);
    EXPECT_EQ(tabs.Captions(), (Names{"/w/one/index.html", "/w/two/index.html"}));
    tabs.SetFullPath(false);
    EXPECT_EQ(tabs.Captions(), (Names{"index.html", "index.html"}));
}

TEST(FileTabs, NamesDifferingInCaseAreTwoFiles) {
    FileTabs tabs;
    tabs.Sync({"/w/Index.html", "/w/index.html"}, "/w/index.html", true);
    EXPECT_EQ(tabs.TabSt().size(), 2u);
    EXPECT_EQ(tabs.Selected(), 1);
}

TEST(FileTabs, DocumentsWithOneCaptionShareATab) {
    FileTabs tabs;
    tabs.Sync({"BezJmena1", "BezJmena1"}, "BezJmena1", false);
    EXPECT_EQ(tabs.TabSt(), Names{"BezJmena1"});
    // One of the two closed: the tab stays for the other.
    EXPECT_FALSE(tabs.Sync({"BezJmena1"}, "BezJmena1", false));
    EXPECT_EQ(tabs.Selected(), 0);
}
