// Saving hard-linked files and files in folders that refuse new files: written in place, with a
// rescue copy that survives a failed write and is named in the message.
#include "base/SafeSave.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using zn::base::FileResult;
using zn::base::WriteDocumentFile;

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

ino_t Inode(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().string());
    return names;
}

constexpr uid_t kNobody = 65534;

/// Runs `body` in a child process; as root the child first becomes an ordinary user, so that
/// folder and file permissions apply. The child's exit code is `body`'s result.
int AsOrdinaryUser(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(99);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

/// Gives a path to the user the child runs as.
void HandOver(const std::string& path) {
    if (::geteuid() == 0) [[maybe_unused]]
        int ignored = ::chown(path.c_str(), kNobody, kNobody);
}

} // namespace

TEST(SafeSave, HardLinkedFileKeepsEveryNameInStep) {
    zn::test::TempFolder dir;
    const std::string a = dir.Write("a.html", "old text");
    const std::string b = dir.File("b.html");
    ASSERT_EQ(::link(a.c_str(), b.c_str()), 0);
    const std::string rescue = dir.File("rescue");
    const FileResult result = WriteDocumentFile(a, "new text\r\n", rescue);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(Read(b), "new text\r\n");
    EXPECT_EQ(Inode(a), Inode(b));
    EXPECT_TRUE(Names(rescue).empty()); // the copy goes after a good write
    // A shorter text cuts the file in place.
    ASSERT_TRUE(WriteDocumentFile(a, "short", rescue).ok);
    EXPECT_EQ(Read(b), "short");
}

TEST(SafeSave, SingleLinkFileIsStillReplacedAtomically) {
    zn::test::TempFolder dir;
    const std::string a = dir.Write("a.html", "old");
    const ino_t before = Inode(a);
    ASSERT_TRUE(WriteDocumentFile(a, "new", dir.File("rescue")).ok);
    EXPECT_EQ(Read(a), "new");
    EXPECT_NE(Inode(a), before); // the rename gave the name a new file
}

TEST(SafeSave, FolderThatRefusesNewFilesIsWrittenInPlace) {
    zn::test::TempFolder dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::string locked = dir.File("locked");
    const std::string page = dir.Write("locked/page.html", "old");
    const std::string home = dir.File("home");
    fs::create_directories(home);
    HandOver(page);
    HandOver(home);
    ::chmod(locked.c_str(), 0555);
    const std::string rescue = home + "/rescue";
    const int code = AsOrdinaryUser([&] {
        const FileResult result = WriteDocumentFile(page, "new text", rescue);
        return result.ok ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(Read(page), "new text");
    EXPECT_TRUE(Names(rescue).empty());
}

TEST(SafeSave, FailedInPlaceWriteLeavesTheTextInTheNamedRescueCopy) {
    zn::test::TempFolder dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::string home = dir.File("home");
    fs::create_directories(home);
    HandOver(home);
    // Hard-linked, so written in place, but not writable by the user.
    const std::string page = dir.Write("home/page.html", "old");
    ASSERT_EQ(::link(page.c_str(), dir.File("home/other.html").c_str()), 0);
    ::chmod(page.c_str(), 0444);
    const std::string rescue = home + "/rescue";
    const std::string report = home + "/report.txt";
    const int code = AsOrdinaryUser([&] {
        const FileResult result = WriteDocumentFile(page, "precious text", rescue);
        std::ofstream(report) << result.message;
        return result.ok ? 0 : 1;
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(Read(page), "old");
    const std::vector<std::string> copies = Names(rescue);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(Read(copies[0]), "precious text");
    const std::string message = Read(report);
    EXPECT_NE(message.find(page), std::string::npos) << message;
    EXPECT_NE(message.find(copies[0]), std::string::npos) << message;
}

TEST(SafeSave, NoRescueFolderMeansNoInPlaceWrite) {
    zn::test::TempFolder dir;
    const std::string a = dir.Write("a.html", "old");
    ASSERT_EQ(::link(a.c_str(), dir.File("b.html").c_str()), 0);
    const std::string blocker = dir.Write("blocker", "a file where the folder should be");
    const FileResult result = WriteDocumentFile(a, "new", blocker + "/rescue");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(Read(a), "old");
    EXPECT_NE(result.message.find(a), std::string::npos);
}

TEST(SafeSave, PrivateFolderIsOwnerOnly) {
    zn::test::TempFolder dir;
    const std::string folder = dir.File("state/znackar");
    ASSERT_TRUE(zn::base::MakePrivateFolder(folder));
    struct stat info {};
    ::stat(folder.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}
