// The data folder: installed beside the executable, or the source tree's for a build folder.
#include "base/DataFolder.h"

#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace zn::base;
namespace fs = std::filesystem;

TEST(DataFolder, InstalledBesideTheExecutableOrSourceForABuildFolder) {
    zn::test::TempFolder temp;
    const std::string t = temp.Path();
    fs::create_directories(t + "/usr/share/znackar");
    fs::create_directories(t + "/build/share/znackar-not");
    fs::create_directories(t + "/both/bin");
    fs::create_directories(t + "/both/share/znackar");
    const std::string source = t + "/src/data";
    const struct {
        const char* Title;
        std::string Executable;
        std::string BuildFolder;
        std::string Expected;
    } cases[] = {
        {"installed", t + "/usr/bin/znackar", t + "/build", t + "/usr/share/znackar"},
        {"build folder", t + "/build/znackar", t + "/build", source},
        {"build folder with a trailing separator", t + "/build/znackar", t + "/build/", source},
        {"a test below the build folder", t + "/build/tests/qt_test", t + "/build", source},
        {"installed into the build folder wins", t + "/both/bin/znackar", t + "/both",
         t + "/both/share/znackar"},
        {"a folder whose name only begins like the build folder", t + "/build2/znackar",
         t + "/build", t + "/share/znackar"},
        {"moved away from both: the installed place, though missing", t + "/opt/bin/znackar",
         t + "/build", t + "/opt/share/znackar"},
        {"no build folder known", t + "/build/znackar", "", t + "/share/znackar"},
        {"unnormalised executable path", t + "/usr/./bin/../bin/znackar", t + "/build",
         t + "/usr/share/znackar"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataFolderFor(c.Executable, c.BuildFolder, source), c.Expected) << c.Title;
    fs::create_directories(t + "/usr/lib/znackar/plugins");
    EXPECT_EQ(PluginFolderFor(t + "/usr/bin/znackar", t + "/build"),
              t + "/usr/lib/znackar/plugins");
    EXPECT_EQ(PluginFolderFor(t + "/build/znackar", t + "/build/"), t + "/build/plugins");
    EXPECT_EQ(PluginFolderFor(t + "/opt/bin/znackar", t + "/build"),
              t + "/opt/lib/znackar/plugins");
}

TEST(DataFolder, ThisProgramFindsItself) {
    const std::string self = ExecutablePath();
    ASSERT_FALSE(self.empty());
    EXPECT_TRUE(fs::equivalent(self, ZN_TEST_HELPER));
    // The tests run from the build folder, so they get the source tree's data.
    EXPECT_TRUE(fs::equivalent(DataFolder(), ZN_DATA_DIR));
    EXPECT_TRUE(fs::exists(fs::path(DataFolder()) / "sample.html"));
    EXPECT_EQ(fs::path(PluginFolder()).filename(), "plugins");
}
