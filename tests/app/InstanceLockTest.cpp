// The start-up lock: one holder at a time, freed when the holder is killed; the server's name
// and the private folder of its socket file.
#include "app/InstanceLock.h"
#include "app/InstanceSocket.h"

#include "base/TempFolder.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
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

TEST(InstanceSocket, FolderOnlyThisUserCanEnter) {
    zn::test::TempFolder folder;
    const std::string open = folder.File("open"), own = folder.File("own");
    ::mkdir(open.c_str(), 0755);
    ::mkdir(own.c_str(), 0700);
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string kept = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", own.c_str(), 1);
    EXPECT_EQ(RuntimeFolder(), own);
    EXPECT_EQ(MessagerSocketPath("/cfg"), own + "/" + MessagerName("/cfg"));
    // A folder others may enter, or a relative name, is not used: a folder of our own is made.
    for (const char* runtime : {open.c_str(), "relative"}) {
        ::setenv("XDG_RUNTIME_DIR", runtime, 1);
        const std::string fallback = RuntimeFolder();
        struct stat info {};
        ASSERT_EQ(::stat(fallback.c_str(), &info), 0) << fallback;
        EXPECT_NE(fallback, open);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        EXPECT_EQ(info.st_uid, ::geteuid());
    }
    saved ? ::setenv("XDG_RUNTIME_DIR", kept.c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
}

TEST(InstanceSocket, PeerOfTheSameUser) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    EXPECT_TRUE(PeerIsSameUser(pair[0]));
    ::close(pair[0]);
    ::close(pair[1]);
    EXPECT_FALSE(PeerIsSameUser(-1));
}
