// Untitled names, the documents Open closes, the greeting and the title.
#include "app/DocumentNames.h"
#include "app/SettingsKeys.h"

#include <gtest/gtest.h>

using namespace zn::app;

TEST(DocumentNames, UntitledNamesCountTheOpenDocuments) {
    EXPECT_EQ(UntitledName(0), "BezJmena1");
    EXPECT_EQ(UntitledName(4), "BezJmena5");
    EXPECT_TRUE(IsUntitled("BezJmena12"));
    EXPECT_FALSE(IsUntitled("/w/bezjmena.html"));
}

TEST(DocumentNames, DisposableUntitledDocuments) {
    EXPECT_TRUE(IsDisposableUntitled("BezJmena1", true));
    EXPECT_TRUE(IsDisposableUntitled("/w/bezjmena.html", true));
    EXPECT_FALSE(IsDisposableUntitled("BezJmena1", false));
    EXPECT_FALSE(IsDisposableUntitled("/w/page.html", true));
    EXPECT_TRUE(ShouldCloseEmptyUntitled(false, 1, 3));
    EXPECT_FALSE(ShouldCloseEmptyUntitled(true, 1, 2));
    EXPECT_FALSE(ShouldCloseEmptyUntitled(false, 2, 2));
}

TEST(DocumentNames, GreetingAfterAVersionChange) {
    EXPECT_EQ(GreetingText(""), "Děkuji za použití 3.0pre2 Cz freeware");
    EXPECT_EQ(GreetingText("2.5 Cz"), "Děkuji za upgrade z 2.5 Cz na 3.0pre2 Cz freeware");
    EXPECT_FALSE(GreetingText(VersionText));
}

TEST(DocumentNames, Title) {
    EXPECT_EQ(ApplicationTitle(), "Značkář v3.0 Cze");
}
