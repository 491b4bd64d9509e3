// The start-up lock: one holder at a time, freed when the holder is killed; the server's name.
#include "app/InstanceLock.h"

#include "base/TempFolder.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zn::app;

TEST(InstanceLock, OneHolderAtATime) {
    zn::test::TempFolder folder;
    InstanceLock first(folder.Path());
    InstanceLock second(folder.Path());
    ASSERT_TRUE(first.Acquire(1000));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(second.Acquire(200));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    first.Release();
    EXPECT_TRUE(second.Acquire(200));
}

TEST(InstanceLock, MissingFolderIsCreated) {
    zn::test::TempFolder folder;
    InstanceLock lock(folder.File("deeper/still"));
    EXPECT_TRUE(lock.Acquire(100));
}

TEST(InstanceLock, UnusableFolderDoesNotBlock) {
    InstanceLock lock("/proc/self/no-such-folder");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(lock.Acquire(5000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(InstanceLock, KilledHolderFreesTheLock) {
    zn::test::TempFolder folder;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock held(folder.Path());
        const char ok = held.Acquire(1000) ? '1' : '0';
        (void)!write(ready[1], &ok, 1);
        pause();
        _exit(0);
    }
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');
    InstanceLock mine(folder.Path());
    EXPECT_FALSE(mine.Acquire(100));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(mine.Acquire(1000));
    close(ready[0]);
    close(ready[1]);
}

TEST(InstanceLock, ServerNameBelongsToUserAndFolder) {
    zn::test::TempFolder a;
    zn::test::TempFolder b;
    const std::string name = MessagerName(a.Path());
    EXPECT_NE(name.find("TTMessager"), std::string::npos);
    EXPECT_NE(name.find("." + std::to_string(getuid()) + "."), std::string::npos);
    EXPECT_EQ(name, MessagerName(a.Path() + "/"));
    EXPECT_EQ(name, MessagerName(a.Path() + "/./"));
    EXPECT_NE(name, MessagerName(b.Path()));
    // Local socket names are limited to 107 bytes.
    EXPECT_LT(name.size(), 100u);
}
