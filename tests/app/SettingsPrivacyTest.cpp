// The settings store holds recent files and the link database: a folder the store creates is
// the user's only, and so are the store and its write-ahead files.
#include "app/SettingsStore.h"

#include "base/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

} // namespace

TEST(SettingsPrivacy, NewFolderAndStoreAreOwnerOnly) {
    zn::test::TempFolder dir;
    const mode_t oldMask = ::umask(022); // the usual mask would leave them readable by all
    {
        zn::app::SettingsStore store(dir.File("new/znackar/settings.sqlite"));
        store.WriteString("Software\\KVHTML", "HREF", "http://example.com/");
        EXPECT_EQ(ModeOf(dir.File("new/znackar")), 0700u);
        EXPECT_EQ(ModeOf(dir.File("new/znackar/settings.sqlite")), 0600u);
        EXPECT_EQ(ModeOf(dir.File("new/znackar/settings.sqlite-wal")), 0600u);
    }
    ::umask(oldMask);
}

TEST(SettingsPrivacy, ExistingStoreBecomesOwnerOnly) {
    zn::test::TempFolder dir;
    const std::string path = dir.File("settings.sqlite");
    { zn::app::SettingsStore first(path); }
    ::chmod(path.c_str(), 0644);
    zn::app::SettingsStore second(path);
    EXPECT_EQ(ModeOf(path), 0600u);
}
