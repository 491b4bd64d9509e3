// Memory figures of the About box from /proc/meminfo, and their Czech texts.
#include "app/MemoryInfo.h"

#include <gtest/gtest.h>

using namespace zn::app;

TEST(MemoryInfo, ReadsTheKernelsFigures) {
    const auto figures = ParseMeminfo("MemTotal:       16306548 kB\n"
                                      "MemFree:         1203456 kB\n"
                                      "MemAvailable:    8153273 kB\n"
                                      "Buffers:          312004 kB\n"
                                      "HugePages_Total:       0\n");
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->TotalKB, 16306548u);
    EXPECT_EQ(figures->FreeKB, 1203456u);
    EXPECT_EQ(figures->AvailableKB, 8153273u);
    EXPECT_EQ(figures->AvailablePercent(), 49); // just under a half: truncated, not rounded
}

TEST(MemoryInfo, OldKernelWithoutAvailableLine) {
    const auto figures = ParseMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\n"
                                      "Cached: 250 kB\nSwapCached: 999 kB\n");
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->AvailableKB, 400u);
    EXPECT_EQ(figures->AvailablePercent(), 40);
}

TEST(MemoryInfo, UnusableTextGivesNothing) {
    EXPECT_FALSE(ParseMeminfo(""));
    EXPECT_FALSE(ParseMeminfo("MemTotal: lots\n"));
    EXPECT_FALSE(ParseMeminfo("MemTotal: 0 kB\n"));
    EXPECT_FALSE(ParseMeminfo(std::string("\0\xff\n:::", 6)));
    // A figure above the total cannot give more than 100 %.
    const auto odd = ParseMeminfo("MemTotal: 10 kB\nMemAvailable: 20 kB");
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->AvailablePercent(), 100);
}

TEST(MemoryInfo, CzechTexts) {
    EXPECT_EQ(ResourcesText(37), "37 % volných");
    EXPECT_EQ(ResourcesText(100), "100 % volných");
    EXPECT_EQ(ResourcesText(0), "celá zaplněna");
    EXPECT_EQ(KilobytesText(16306548, " "), "16 306 548 KB");
    EXPECT_EQ(KilobytesText(999, " "), "999 KB");
    EXPECT_EQ(KilobytesText(1000, "."), "1.000 KB");
    EXPECT_EQ(KilobytesText(0, " "), "0 KB");
}
