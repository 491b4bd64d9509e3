// Reading and writing document files.
#include "app/DocumentFile.h"
#include "base/FileIO.h"
#include "base/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace zn::app;
using namespace zn::base;
namespace fs = std::filesystem;

namespace {

class DocumentFileTest : public ::testing::Test {
protected:
    zn::test::TempFolder folder_;
    const fs::path dir = folder_.Path();
    static std::string Slurp(const fs::path& p) { return zn::test::TempFolder::Read(p); }
    static void Put(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
};

} // namespace

TEST(LineEnds, UnixFormatEndsEveryLine) {
    EXPECT_EQ(ToUnixLineEnds("a\r\nb\r\nc"), "a\nb\nc\n");
    EXPECT_EQ(ToUnixLineEnds("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(ToUnixLineEnds(""), "");
    EXPECT_EQ(ToUnixLineEnds(std::string("x\0y", 3)), std::string("x\0y\n", 4));
}

TEST(SaveAs, ExtensionFromTheFilter) {
    EXPECT_EQ(WithSaveExtension("/web/index", 2), "/web/index.html");
    EXPECT_EQ(WithSaveExtension("/web/index", 3), "/web/index.htm");
    EXPECT_EQ(WithSaveExtension("/web/index", 7), "/web/index");
    EXPECT_EQ(WithSaveExtension("/web/index.php", 2), "/web/index.php");
    EXPECT_EQ(WithSaveExtension("/web.old/index", 3), "/web.old/index.htm");
}

TEST(Preview, FileBesideTheDocumentOrInTheTemporaryFolder) {
    EXPECT_EQ(PreviewFilePath("/web/a/index.html", false, 42), "/web/a/kvhtml42.html");
    EXPECT_EQ(fs::path(PreviewFilePath("BezJmena1", true, 999999)).filename(), "kvhtml999999.html");
    EXPECT_EQ(fs::path(PreviewFilePath("BezJmena1", true, 7)).parent_path(),
              fs::path(TemporaryFolder()));
}

TEST_F(DocumentFileTest, ReadsBytesAsTheyAre) {
    const std::string bytes{"a\r\nb\nc\rd\0\xFF\x81", 11};
    Put(dir / "f.html", bytes);
    std::string got;
    ASSERT_TRUE(ReadDocumentFile((dir / "f.html").string(), got).ok);
    EXPECT_EQ(got, bytes);
    Put(dir / "empty.html", "");
    ASSERT_TRUE(ReadDocumentFile((dir / "empty.html").string(), got).ok);
    EXPECT_EQ(got, "");
}

TEST_F(DocumentFileTest, UnreadableFilesAreNamedInTheMessage) {
    std::string got = "kept";
    FileResult r = ReadDocumentFile((dir / "missing.html").string(), got);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.rfind("Nelze otevřít soubor " + (dir / "missing.html").string(), 0), 0u);
    EXPECT_EQ(got, "kept");
    r = ReadDocumentFile(dir.string(), got);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("složka"), std::string::npos);
    r = ReadDocumentFile("/dev/null", got);
    EXPECT_FALSE(r.ok);
    if (::geteuid() != 0) { // root reads anything
        Put(dir / "secret.html", "x");
        fs::permissions(dir / "secret.html", fs::perms::none);
        EXPECT_FALSE(ReadDocumentFile((dir / "secret.html").string(), got).ok);
    }
}

TEST_F(DocumentFileTest, WriteReplacesAndKeepsPermissions) {
    const fs::path file = dir / "page.html";
    Put(file, "old");
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(file.string(), "new text").ok);
    EXPECT_EQ(Slurp(file), "new text");
    struct stat info {};
    ::stat(file.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(DocumentFileTest, WriteThroughASymbolicLink) {
    Put(dir / "real.html", "old");
    fs::create_symlink("real.html", dir / "link.html");
    ASSERT_TRUE(WriteFileAtomically((dir / "link.html").string(), "via link").ok);
    EXPECT_TRUE(fs::is_symlink(dir / "link.html"));
    EXPECT_EQ(Slurp(dir / "real.html"), "via link");
}

TEST_F(DocumentFileTest, FailedWriteLeavesTheOldFileWhole) {
    if (::geteuid() == 0) {
        // Root writes into read-only folders; a folder that is a file stands in for the failure.
        const fs::path notAFolder = dir / "plain";
        Put(notAFolder, "x");
        const FileResult r = WriteFileAtomically((notAFolder / "page.html").string(), "new");
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message.rfind("Nelze zapsat soubor ", 0), 0u);
        return;
    }
    const fs::path file = dir / "page.html";
    Put(file, "old contents");
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    const FileResult r = WriteFileAtomically(file.string(), "new");
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(file.string()), std::string::npos);
    EXPECT_EQ(Slurp(file), "old contents");
}

TEST_F(DocumentFileTest, ReadOnlyMeansNoOwnerWrite) {
    const fs::path file = dir / "ro.html";
    Put(file, "x");
    EXPECT_FALSE(IsReadOnly(file.string()));
    ASSERT_TRUE(SetReadOnly(file.string(), true));
    EXPECT_TRUE(IsReadOnly(file.string()));
    // A save keeps it read-only: the new file takes the old one's permissions.
    ASSERT_TRUE(WriteFileAtomically(file.string(), "y").ok);
    EXPECT_TRUE(IsReadOnly(file.string()));
    ASSERT_TRUE(SetReadOnly(file.string(), false));
    EXPECT_FALSE(IsReadOnly(file.string()));
    EXPECT_FALSE(SetReadOnly((dir / "none").string(), true));
}
