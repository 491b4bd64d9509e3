// File copies: questions before overwriting, renaming on collision, nothing half-written.
#include "base/CopyFiles.h"

#include "base/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zn::base;

using zn::base::Answer;
using zn::base::ScriptedPrompter;

namespace {

/// Names in a folder, to see that no temporary file stays behind.
std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(CopyFiles, CopiesOneFileToANewName) {
    zn::test::TempFolder scratch;
    const std::string source = scratch.Write("a.gif", std::string("GIF\0\x01\xFF", 6));
    ScriptedPrompter prompter;
    EXPECT_TRUE(CopyFilesByShell(source, scratch.File("b.gif"), true, false, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("b.gif")), std::string("GIF\0\x01\xFF", 6));
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(Listing(scratch.Path()), (std::vector<std::string>{"a.gif", "b.gif"}));
}

TEST(CopyFiles, OverwritingIsAskedWhenConfirming) {
    zn::test::TempFolder scratch;
    const std::string source = scratch.Write("a.gif", "new");
    const std::string target = scratch.Write("t/a.gif", "old");
    ScriptedPrompter prompter;
    prompter.answers = {Answer::No};
    EXPECT_FALSE(CopyFilesByShell(source, target, true, false, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(target), "old");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].find(target), std::string::npos);

    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(CopyFilesByShell(source, target, true, false, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(target), "new");
    EXPECT_EQ(Listing(scratch.File("t")), std::vector<std::string>{"a.gif"});
    // Without confirmation: silently.
    scratch.Write("t/a.gif", "old");
    EXPECT_TRUE(CopyFilesByShell(source, target, false, false, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(target), "new");
    EXPECT_EQ(prompter.shown.size(), 2u);
}

TEST(CopyFiles, RenameOnCollisionKeepsTheOldFile) {
    zn::test::TempFolder scratch;
    const std::string source = scratch.Write("a.gif", "new");
    scratch.Write("t/a.gif", "old");
    scratch.Write("t/a (2).gif", "older");
    ScriptedPrompter prompter;
    EXPECT_TRUE(CopyFilesByShell(source, scratch.File("t/a.gif"), true, true, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("t/a.gif")), "old");
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("t/a (2).gif")), "older");
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("t/a (3).gif")), "new");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(CopyFiles, SeveralFilesIntoOneFolderOrInPairs) {
    zn::test::TempFolder scratch;
    const std::string a = scratch.Write("a.gif", "A");
    const std::string b = scratch.Write("b.gif", "B");
    scratch.Write("t/.keep", "");
    ScriptedPrompter prompter;
    EXPECT_TRUE(CopyFilesByShell(a + ";" + b, scratch.File("t"), true, false, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("t/b.gif")), "B");
    EXPECT_TRUE(CopyFilesByShell(a + ";" + b, scratch.File("x.gif") + ";" + scratch.File("y.gif"),
                                 true, false, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("x.gif")), "A");
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("y.gif")), "B");
    EXPECT_FALSE(CopyFilesByShell(a + ";" + b,
                                  scratch.File("x.gif") + ";" + scratch.File("y.gif") + ";" +
                                      scratch.File("z.gif"),
                                  true, false, prompter));
    EXPECT_FALSE(CopyFilesByShell("", scratch.File("x.gif"), true, false, prompter));
}

TEST(CopyFiles, MissingFolderIsCreatedAfterAsking) {
    zn::test::TempFolder scratch;
    const std::string source = scratch.Write("a.gif", "A");
    ScriptedPrompter prompter;
    prompter.answers = {Answer::No};
    EXPECT_FALSE(CopyFilesByShell(source, scratch.File("new/deep/a.gif"), true, false, prompter));
    EXPECT_FALSE(std::filesystem::exists(scratch.File("new")));
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(CopyFilesByShell(source, scratch.File("new/deep/a.gif"), true, false, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("new/deep/a.gif")), "A");
    // Without confirmation the folder is made without a question.
    ScriptedPrompter silent;
    EXPECT_TRUE(CopyFilesByShell(source, scratch.File("other/a.gif"), false, false, silent));
    EXPECT_TRUE(silent.shown.empty());
}

TEST(CopyFiles, FailuresNameTheFileAndChangeNothing) {
    zn::test::TempFolder scratch;
    const std::string source = scratch.Write("a.gif", "A");
    ScriptedPrompter prompter;
    EXPECT_FALSE(CopyFilesByShell(scratch.File("missing.gif"), scratch.File("b.gif"), true, false,
                                  prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].find("missing.gif"), std::string::npos);

    // A folder is no file to copy.
    scratch.Write("dir/x", "");
    EXPECT_FALSE(
        CopyFilesByShell(scratch.File("dir"), scratch.File("dir2"), false, false, prompter));

    // Onto itself: refused, the file stays whole.
    EXPECT_FALSE(CopyFilesByShell(source, source, false, false, prompter));
    EXPECT_EQ(zn::test::TempFolder::Read(source), "A");
    EXPECT_EQ(Listing(scratch.Path()), (std::vector<std::string>{"a.gif", "dir"}));
}
