// Two processes sharing the settings store: both keep their values, no change is lost.
#include "app/SettingsStore.h"

#include "base/TempFolder.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>

extern char** environ;

using namespace zn::app;

namespace {

constexpr const char* kChildStore = "ZN_SETTINGS_CHILD_STORE";
constexpr const char* kKey = "Software\\KVHTML\\Shared";
constexpr int kWrites = 150;

/// Waits until the value exists, for at most 30 s.
bool WaitFor(SettingsStore& store, const char* name) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!store.ValueExists(kKey, name)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

/// One side's work: its own values, and a counter both sides increment in place.
void WriteAndCount(SettingsStore& store, const std::string& side) {
    for (int i = 0; i < kWrites; ++i) {
        ASSERT_TRUE(store.WriteInteger(kKey, side + std::to_string(i), i));
        SettingsStore::Transaction group(store);
        const int counter = store.ReadInteger(kKey, "counter").value_or(0);
        ASSERT_TRUE(store.WriteInteger(kKey, "counter", counter + 1));
        ASSERT_TRUE(group.Commit());
    }
}

/// Starts this test program again, running only the child's test.
pid_t StartChild(const std::string& storePath) {
    const std::string variable = std::string(kChildStore) + "=" + storePath;
    std::vector<char*> env;
    for (char** e = environ; *e; ++e)
        env.push_back(*e);
    env.push_back(const_cast<char*>(variable.c_str()));
    env.push_back(nullptr);
    std::string filter = "--gtest_filter=SettingsStoreChild.WritesBesideTheParent";
    char* argv[] = {const_cast<char*>(ZN_TEST_HELPER), filter.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, ZN_TEST_HELPER, nullptr, nullptr, argv, env.data()) != 0)
        return -1;
    return pid;
}

} // namespace

// The second process: does nothing unless started by the test below.
TEST(SettingsStoreChild, WritesBesideTheParent) {
    const char* path = std::getenv(kChildStore);
    if (!path)
        GTEST_SKIP() << "runs only as the second process of SettingsStoreProcesses";
    SettingsStore store(path);
    ASSERT_TRUE(store.WriteInteger(kKey, "child-ready", 1));
    ASSERT_TRUE(WaitFor(store, "parent-go"));
    WriteAndCount(store, "child");
}

TEST(SettingsStoreProcesses, BothKeepTheirValuesAndNoChangeIsLost) {
    zn::test::TempFolder folder;
    const std::string path = folder.File("settings.sqlite");
    SettingsStore store(path);
    ASSERT_TRUE(store.WriteString(kKey, "before", "written before the child started"));

    const pid_t child = StartChild(path);
    ASSERT_GT(child, 0);
    ASSERT_TRUE(WaitFor(store, "child-ready"));
    ASSERT_TRUE(store.WriteInteger(kKey, "parent-go", 1));
    WriteAndCount(store, "parent");

    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    SettingsStore reopened(path);
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(reopened.ReadInteger(kKey, "parent" + std::to_string(i)), i);
        EXPECT_EQ(reopened.ReadInteger(kKey, "child" + std::to_string(i)), i);
    }
    EXPECT_EQ(reopened.ReadInteger(kKey, "counter"), 2 * kWrites);
    EXPECT_EQ(reopened.ReadString(kKey, "before"), "written before the child started");
    EXPECT_EQ(reopened.ValueCount(kKey), 2 * kWrites + 4);
}
