// A damaged or unusable settings store file: moved aside, replaced, and told to the user once.
#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "app/SettingsStore.h"

#include "base/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace zn::app;
namespace fs = std::filesystem;

namespace {

class SettingsStoreRecovery : public ::testing::Test {
protected:
    void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    /// Files in the folder whose names start with the damaged-store prefix.
    std::vector<std::string> MovedFiles() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder_.Path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("settings.sqlite.damaged-", 0) == 0)
                found.push_back(entry.path().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    /// Opens the store, which must have replaced a damaged file: checks the moved copy keeps
    /// the old bytes, the message names both files, and the fresh store takes the defaults.
    void ExpectReplaced(const std::string& oldBytes) {
        SettingsStore store(file_);
        EXPECT_TRUE(store.IsPersistent());
        const std::vector<std::string> moved = MovedFiles();
        ASSERT_EQ(moved.size(), 1u);
        std::ifstream in(moved[0], std::ios::binary);
        const std::string kept((std::istreambuf_iterator<char>(in)), {});
        EXPECT_TRUE(kept == oldBytes) << "the moved file differs from the damaged one";

        const std::vector<std::string> messages = store.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(moved[0]), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(file_ + "\u201C"), std::string::npos) << messages[0];
        EXPECT_TRUE(store.TakeMessages().empty());

        Settings settings;
        settings.Load(store);
        EXPECT_TRUE(settings.UpperCaseTags);
        EXPECT_EQ(store.ReadInteger("Software\\KVHTML", "UpperCaseTags"), 1);
    }

    zn::test::TempFolder folder_;
    std::string file_ = folder_.File("settings.sqlite");
};

} // namespace

TEST_F(SettingsStoreRecovery, GarbageFileIsMovedAside) {
    const std::string garbage(5000, '\x7F');
    WriteFile(file_, garbage);
    ExpectReplaced(garbage);
    // The next start finds a sound store and says nothing.
    SettingsStore again(file_);
    EXPECT_TRUE(again.TakeMessages().empty());
    EXPECT_EQ(MovedFiles().size(), 1u);
}

TEST_F(SettingsStoreRecovery, TruncatedStoreIsMovedAside) {
    {
        SettingsStore store(file_);
        SettingsStore::Transaction group(store);
        for (int i = 0; i < 400; ++i)
            store.WriteString("Software\\KVHTML\\HREF", std::to_string(i),
                              std::string(200, 'a' + i % 26));
        group.Commit();
    }
    // Fold the log into the file, then cut the file in half.
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file_.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE); PRAGMA journal_mode=DELETE", nullptr,
                     nullptr, nullptr);
        sqlite3_close(db);
    }
    const auto size = fs::file_size(file_);
    ASSERT_GT(size, 40000u);
    fs::resize_file(file_, size / 2);
    std::ifstream in(file_, std::ios::binary);
    const std::string cut((std::istreambuf_iterator<char>(in)), {});
    ExpectReplaced(cut);
}

TEST_F(SettingsStoreRecovery, AnotherProgramsDatabaseIsNotTakenForTheStore) {
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file_.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "CREATE TABLE keys(x); INSERT INTO keys VALUES(1);", nullptr, nullptr,
                     nullptr);
        sqlite3_close(db);
    }
    std::ifstream in(file_, std::ios::binary);
    const std::string old((std::istreambuf_iterator<char>(in)), {});
    ExpectReplaced(old);
}

TEST_F(SettingsStoreRecovery, DirectoryInPlaceOfTheFileIsMovedAside) {
    fs::create_directory(file_);
    SettingsStore store(file_);
    EXPECT_TRUE(store.IsPersistent());
    ASSERT_EQ(MovedFiles().size(), 1u);
    EXPECT_TRUE(fs::is_directory(MovedFiles()[0]));
    EXPECT_EQ(store.TakeMessages().size(), 1u);
    EXPECT_TRUE(store.WriteInteger("K", "v", 1));
}

TEST_F(SettingsStoreRecovery, EmptyFileIsAFreshStore) {
    WriteFile(file_, "");
    SettingsStore store(file_);
    EXPECT_TRUE(store.TakeMessages().empty());
    EXPECT_TRUE(MovedFiles().empty());
    EXPECT_TRUE(store.WriteInteger("K", "v", 1));
}

TEST_F(SettingsStoreRecovery, GarbageLogsDoNotReachTheFreshStore) {
    WriteFile(file_, std::string(3000, 'x'));
    WriteFile(file_ + "-wal", std::string(5000, 'w'));
    WriteFile(file_ + "-shm", std::string(32768, 's'));
    {
        SettingsStore store(file_);
        EXPECT_EQ(store.TakeMessages().size(), 1u);
        EXPECT_TRUE(store.WriteInteger("K", "v", 1));
    }
    SettingsStore reopened(file_);
    EXPECT_TRUE(reopened.TakeMessages().empty());
    EXPECT_EQ(reopened.ReadInteger("K", "v"), 1);
}

TEST_F(SettingsStoreRecovery, MovingAsideTakesTheLogsAlong) {
    for (const char* suffix : {"", "-wal", "-journal", "-shm"})
        WriteFile(file_ + suffix, suffix);
    std::string first, second, error;
    ASSERT_TRUE(MoveDamagedFile(file_, first, error)) << error;
    EXPECT_FALSE(fs::exists(file_));
    EXPECT_FALSE(fs::exists(file_ + "-wal"));
    EXPECT_FALSE(fs::exists(file_ + "-journal"));
    EXPECT_FALSE(fs::exists(file_ + "-shm"));
    EXPECT_TRUE(fs::exists(first + "-wal"));
    EXPECT_TRUE(fs::exists(first + "-journal"));
    EXPECT_EQ(first.rfind(file_ + ".damaged-", 0), 0u);

    // A second damage within the same second never overwrites the first copy.
    WriteFile(file_, "again");
    ASSERT_TRUE(MoveDamagedFile(file_, second, error)) << error;
    EXPECT_NE(first, second);
    EXPECT_TRUE(fs::exists(first));
    EXPECT_TRUE(fs::exists(second));
    // Nothing to move is a failure with a reason.
    EXPECT_FALSE(MoveDamagedFile(file_, second, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(SettingsStoreRecovery, UnusableFolderLeavesAStoreInMemory) {
    WriteFile(folder_.File("plain-file"), "x");
    const std::string impossible = folder_.File("plain-file/znackar/settings.sqlite");
    SettingsStore store(impossible);
    EXPECT_FALSE(store.IsPersistent());
    const std::vector<std::string> messages = store.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(impossible), std::string::npos);
    // The program goes on with its defaults.
    Settings settings;
    settings.Load(store);
    EXPECT_TRUE(settings.AutoComplete);
    EXPECT_EQ(store.ReadInteger("Software\\KVHTML", "AutoComplete"), 1);
}

TEST_F(SettingsStoreRecovery, DamageFoundWhileRunningIsRepairedAndTheWriteRedone) {
    SettingsStore store(file_);
    ASSERT_TRUE(store.WriteString("Software\\KVHTML", "defstore", "/old"));
    // Another program overwrites the file and the shared index in place and empties the log,
    // so the next statement has to read the damaged pages.
    for (const char* suffix : {"", "-shm"}) {
        std::fstream out(file_ + suffix, std::ios::in | std::ios::out | std::ios::binary);
        out << std::string(fs::file_size(file_ + suffix), '\x55');
    }
    fs::resize_file(file_ + "-wal", 0);

    EXPECT_TRUE(store.WriteString("Software\\KVHTML", "defstore", "/new"));
    EXPECT_EQ(store.ReadString("Software\\KVHTML", "defstore"), "/new");
    EXPECT_EQ(MovedFiles().size(), 1u);
    EXPECT_EQ(store.TakeMessages().size(), 1u);
    SettingsStore reopened(file_);
    EXPECT_TRUE(reopened.TakeMessages().empty());
    EXPECT_EQ(reopened.ReadString("Software\\KVHTML", "defstore"), "/new");
}
