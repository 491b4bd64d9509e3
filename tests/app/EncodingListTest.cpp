// The installed encoding list under Software\KVENC: saving keeps the dialog's sub-key, paths
// compare exactly, and a first start installs the shipped files.
#include "app/EncodingList.h"
#include "app/SettingsStore.h"
#include "base/TempFolder.h"
#include "editor/Encodings.h"

#include <gtest/gtest.h>

namespace zn::app {
namespace {

TEST(EncodingList, SavingRewritesTheValuesAndKeepsTheDialogSubKey) {
    SettingsStore store(":memory:");
    store.WriteString("Software\\KVENC\\Dialog", "OpenDialog1.FileName", "/x/a.enc");
    ASSERT_TRUE(SaveInstalledEncodings(store, {"/a.enc", "/b.enc", "/c.enc"}));
    ASSERT_TRUE(SaveInstalledEncodings(store, {"/c.enc", "/a.enc"}));
    EXPECT_EQ(ReadInstalledEncodings(store), (std::vector<std::string>{"/c.enc", "/a.enc"}));
    EXPECT_EQ(store.ValueNames(kEncodingsKey), (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(store.ReadString("Software\\KVENC\\Dialog", "OpenDialog1.FileName"), "/x/a.enc");
}

TEST(EncodingList, PathsDifferingOnlyInCaseAreTwoFiles) {
    std::vector<std::string> paths;
    EXPECT_TRUE(AddEncodingPath(paths, "/e/Latin.enc"));
    EXPECT_FALSE(AddEncodingPath(paths, "/e/Latin.enc"));
    EXPECT_TRUE(AddEncodingPath(paths, "/e/LATIN.ENC"));
    EXPECT_EQ(paths.size(), 2u);
}

TEST(EncodingList, FirstStartInstallsTheShippedFilesOnce) {
    SettingsStore store(":memory:");
    ASSERT_TRUE(InstallShippedEncodings(store, ShippedEncodingsFolder()));
    const std::vector<std::string> installed = ReadInstalledEncodings(store);
    ASSERT_GE(installed.size(), 3u);
    EXPECT_NE(installed[2].find("ascii.enc"), std::string::npos);
    LoadInstalledEncodings(store);
    EXPECT_NE(editor::LoadedEncodings().Find("Windows-1250"), nullptr);
    EXPECT_NE(editor::LoadedEncodings().Find("ISO Latin2 (ISO 8859-2)"), nullptr);
    EXPECT_NE(editor::LoadedEncodings().Find("ASCII"), nullptr);
    // The user's later choice stands: an emptied list is not filled again.
    SaveInstalledEncodings(store, {});
    EXPECT_FALSE(InstallShippedEncodings(store, ShippedEncodingsFolder()));
    LoadInstalledEncodings(store);
    EXPECT_TRUE(editor::LoadedEncodings().Empty());
}

TEST(EncodingList, InstallingAFileKeepsTheOthersAndInvalidFilesStayListed) {
    test::TempFolder folder;
    SettingsStore store(":memory:");
    const std::string good = folder.Write("x.enc", "ENCODING FILE\nX\n65 A\n");
    const std::string bad = folder.Write("y.enc", "ENCODING FILE\nY\n");
    InstallEncodingFile(store, good);
    InstallEncodingFile(store, bad);
    InstallEncodingFile(store, good);
    EXPECT_EQ(ReadInstalledEncodings(store), (std::vector<std::string>{good, bad}));
    ASSERT_EQ(editor::LoadedEncodings().Items().size(), 1u);
    EXPECT_EQ(editor::LoadedEncodings().Items()[0].Name, "X");
    editor::LoadedEncodings().Clear();
}

} // namespace
} // namespace zn::app
