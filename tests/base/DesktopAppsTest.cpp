// Default applications from mimeapps.list files and desktop entries.
#include "base/DesktopApps.h"

#include "base/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace zn::base;

TEST(DesktopApps, IniGroupsAndKeys) {
    const IniGroups ini = ParseIni("# comment\n"
                                   "key=outside any group\n"
                                   "[Desktop Entry]\r\n"
                                   "Name = Viewer \n"
                                   "Name=second is ignored\n"
                                   "=no key\n"
                                   " \t= blank key\n"
                                   "\r=blank key after a stray CR\n"
                                   "garbage line\n"
                                   "[Other]\n"
                                   "Exec=x\n"
                                   "[broken\n"
                                   "Icon=y");
    ASSERT_EQ(ini.size(), 2u);
    EXPECT_EQ(ini.at("Desktop Entry").at("Name"), "Viewer");
    EXPECT_EQ(ini.at("Desktop Entry").size(), 1u);
    EXPECT_EQ(ini.at("Other").at("Exec"), "x");
    EXPECT_EQ(ini.at("Other").at("Icon"), "y");
}

class DesktopAppsLookup : public ::testing::Test {
protected:
    DesktopAppsLookup() {
        folders.ConfigDirs = {scratch.File("config")};
        folders.DataDirs = {scratch.File("home-data"), scratch.File("system-data")};
        App("system-data", "viewer.desktop", "Prohlížeč", "\"/opt/my viewer/view\" %f", "viewer");
        App("system-data", "gimp.desktop", "GIMP", "gimp-2.10 %U", "/usr/share/icons/gimp.png");
        App("system-data", "org/kde-paint.desktop", "Paint", "kolourpaint %U", "kolourpaint");
        scratch.Write("system-data/applications/hidden.desktop",
                      "[Desktop Entry]\nName=Hidden\nExec=hidden\nHidden=true\n");
    }

    void App(const std::string& data, const std::string& id, const std::string& name,
             const std::string& exec, const std::string& icon) {
        scratch.Write(data + "/applications/" + id,
                      "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec +
                          "\nIcon=" + icon + "\n");
    }

    std::string ProgramFor(const std::string& mime) {
        const auto app = DefaultApplicationFor(mime, folders);
        return app ? app->Program : "none";
    }

    zn::test::TempFolder scratch;
    XdgFolders folders;
};

TEST_F(DesktopAppsLookup, DefaultOfTheUserWinsOverTheSystem) {
    scratch.Write("config/mimeapps.list",
                  "[Default Applications]\nimage/gif=missing.desktop;gimp.desktop;\n");
    scratch.Write("system-data/applications/mimeapps.list",
                  "[Default Applications]\nimage/gif=viewer.desktop\n");
    const auto app = DefaultApplicationFor("image/gif", folders);
    ASSERT_TRUE(app);
    EXPECT_EQ(app->Name, "GIMP");
    EXPECT_EQ(app->Program, "gimp-2.10");
    EXPECT_EQ(app->Icon, "/usr/share/icons/gimp.png");
    EXPECT_EQ(app->DesktopFile, scratch.File("system-data/applications/gimp.desktop"));
}

TEST_F(DesktopAppsLookup, QuotedProgramAndSubfolderEntries) {
    scratch.Write("config/mimeapps.list", "[Default Applications]\n"
                                          "image/png=viewer.desktop\n"
                                          "image/bmp=org-kde-paint.desktop\n");
    EXPECT_EQ(ProgramFor("image/png"), "/opt/my viewer/view");
    EXPECT_EQ(ProgramFor("image/bmp"), "kolourpaint");
}

TEST_F(DesktopAppsLookup, DesktopSpecificListComesFirst) {
    folders.Desktops = {"kde"};
    scratch.Write("config/mimeapps.list", "[Default Applications]\nimage/gif=viewer.desktop\n");
    scratch.Write("config/kde-mimeapps.list", "[Default Applications]\nimage/gif=gimp.desktop\n");
    EXPECT_EQ(ProgramFor("image/gif"), "gimp-2.10");
}

TEST_F(DesktopAppsLookup, FallsBackToAssociationsAndTheCache) {
    scratch.Write("config/mimeapps.list", "[Added Associations]\nimage/gif=hidden.desktop;\n"
                                          "[Removed Associations]\nimage/jpeg=viewer.desktop\n");
    scratch.Write(
        "system-data/applications/mimeinfo.cache",
        "[MIME Cache]\nimage/gif=viewer.desktop;\nimage/jpeg=viewer.desktop;gimp.desktop;\n");
    EXPECT_EQ(ProgramFor("image/gif"), "/opt/my viewer/view"); // hidden entries do not count
    EXPECT_EQ(ProgramFor("image/jpeg"), "gimp-2.10");          // the removed one is skipped
    EXPECT_EQ(ProgramFor("text/x-unknown"), "none");
}

TEST(DesktopApps, FoldersFromTheEnvironment) {
    const char* names[] = {"HOME",          "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS",
                           "XDG_DATA_HOME", "XDG_DATA_DIRS",   "XDG_CURRENT_DESKTOP"};
    std::vector<std::optional<std::string>> saved;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        ::unsetenv(name);
    }
    ::setenv("HOME", "/home/u", 1);
    ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    XdgFolders folders = XdgFolders::FromEnvironment();
    using V = std::vector<std::string>;
    EXPECT_EQ(folders.ConfigDirs, (V{"/home/u/.config", "/etc/xdg"}));
    EXPECT_EQ(folders.DataDirs, (V{"/home/u/.local/share", "/usr/local/share", "/usr/share"}));
    EXPECT_TRUE(folders.Desktops.empty());

    ::setenv("XDG_CONFIG_DIRS", "/a:rel::/b", 1);
    ::setenv("XDG_DATA_HOME", "/data", 1);
    ::setenv("XDG_DATA_DIRS", "/d1", 1);
    ::setenv("XDG_CURRENT_DESKTOP", "KDE::GNOME", 1);
    folders = XdgFolders::FromEnvironment();
    EXPECT_EQ(folders.ConfigDirs, (V{"/home/u/.config", "/a", "/b"}));
    EXPECT_EQ(folders.DataDirs, (V{"/data", "/d1"}));
    EXPECT_EQ(folders.Desktops, (V{"kde", "gnome"}));
    for (std::size_t i = 0; i < std::size(names); ++i)
        saved[i] ? ::setenv(names[i], saved[i]->c_str(), 1) : ::unsetenv(names[i]);
}
