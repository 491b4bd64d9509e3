// Links against file names: resolving, relative links, absolute links, copies beside the page.
#include "base/Links.h"

#include "LinkTestUtil.h"
#include "base/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zn::base;
using namespace zn::test;

using zn::base::Answer;

namespace {

LinkSettings Settings(std::string document, bool preferRelative = true, bool copyFiles = false,
                      bool upperCaseTags = true, std::string copyPath = {}) {
    LinkSettings s;
    s.DocumentFileName = std::move(document);
    s.PreferRelative = preferRelative;
    s.CopyFiles = copyFiles;
    s.UpperCaseTags = upperCaseTags;
    s.CopyPath = std::move(copyPath);
    return s;
}

} // namespace

TEST(Links, FolderAndNameParts) {
    EXPECT_EQ(FolderOf("/web/index.html"), "/web");
    EXPECT_EQ(FolderOf("/index.html"), "/");
    EXPECT_EQ(FolderOf("BezJmena1"), "");
    EXPECT_EQ(NamePart("/web/img/a.gif"), "a.gif");
    EXPECT_EQ(NamePart("a.gif"), "a.gif");
    EXPECT_EQ(DocumentFolder(""), "");
}

TEST(Links, LinkToFileName) {
    const struct {
        const char* link;
        const char* document;
        const char* file;
    } cases[] = {
        {"img/a.gif", "/web/index.html", "/web/img/a.gif"},
        {"a.gif", "/web/index.html", "/web/a.gif"},
        // Pages written on Windows.
        {"img\\a.gif", "/web/index.html", "/web/img/a.gif"},
        {"..\\img\\a.gif", "/web/pages/p.html", "/web/pages/../img/a.gif"},
        {"file:///pics/a.gif", "/web/index.html", "/pics/a.gif"},
        {"File:///pics\\a.gif", "", "/pics/a.gif"},
        {"a.gif", "/index.html", "/a.gif"},
        {"a.gif", "", "/a.gif"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LinkToFileName(c.link, c.document), c.file) << c.link << " in " << c.document;
    }
}

TEST(Links, MakeLinkWithoutCopies) {
    zn::base::ScriptedPrompter prompter;
    const struct {
        const char* file;
        LinkSettings settings;
        const char* link;
    } cases[] = {
        // Inside the document folder.
        {"/web/a.gif", Settings("/web/index.html"), "a.gif"},
        {"/web/img/a.gif", Settings("/web/index.html"), "img/a.gif"},
        {"/web/img/a.gif", Settings("/web/index.html", false), "img/a.gif"},
        // Relative through a shared folder.
        {"/web/img/a.gif", Settings("/web/pages/p.html"), "../img/a.gif"},
        {"/web/x.gif", Settings("/web/a/b/p.html"), "../../x.gif"},
        {"/webold/a.gif", Settings("/web/index.html"), "../webold/a.gif"},
        {"/web/ab/x.gif", Settings("/web/a/p.html"), "../ab/x.gif"},
        // A folder of another letter case is not inside, and links through the root.
        {"/Web/img/a.gif", Settings("/web/index.html"), "../Web/img/a.gif"},
        // Only the part that matches exactly is shared: "../img" from /Web/pages is /Web/img.
        {"/web/img/a.gif", Settings("/Web/pages/p.html"), "../../web/img/a.gif"},
        // Elsewhere on the disk: a relative link through the root.
        {"/home/u/pics/a.gif", Settings("/srv/www/index.html"), "../../home/u/pics/a.gif"},
        // Absolute links.
        {"/webold/a.gif", Settings("/web/index.html", false), "FILE:///webold/a.gif"},
        {"/webold/a.gif", Settings("/web/index.html", false, false, false), "file:///webold/a.gif"},
        {"/web/img/a.gif", Settings(""), "FILE:///web/img/a.gif"},
        {"/web/img/a.gif", Settings("", true, true, false), "file:///web/img/a.gif"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeLink(c.file, c.settings, prompter), c.link)
            << c.file << " for " << c.settings.DocumentFileName;
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(Links, CopyBesideThePageOrIntoTheCopyFolder) {
    const struct {
        const char* copyPath;
        bool folderExists;
        const char* link;
    } cases[] = {
        {"", false, "a.gif"},
        {"img", false, "img/a.gif"}, // the folder is created after the question
        {"img\\small", true, "img/small/a.gif"},
    };
    for (const auto& c : cases) {
        zn::test::TempFolder scratch;
        const std::string picture = scratch.Write("pics/a.gif", "GIF89a-1");
        const std::string page = scratch.Write("web/index.html", "<HTML>");
        if (c.folderExists)
            scratch.Write("web/img/small/.keep", "");
        RecordingPrompter prompter;
        prompter.answers = {Answer::Yes};
        EXPECT_EQ(MakeLink(picture, Settings(page, false, true, true, c.copyPath), prompter),
                  c.link);
        EXPECT_EQ(zn::test::TempFolder::Read(scratch.File(std::string("web/") + c.link)),
                  "GIF89a-1");
        const bool asked = *c.copyPath != 0 && !c.folderExists;
        ASSERT_EQ(prompter.shown.size(), asked ? 1u : 0u) << c.copyPath; // only that question
        if (asked) {
            EXPECT_NE(prompter.shown[0].find("neexistuje"), std::string::npos);
        }
    }
}

TEST(Links, TakenNameAsksUntilAFreeOne) {
    zn::test::TempFolder scratch;
    const std::string picture = scratch.Write("pics/a.gif", "new");
    const std::string page = scratch.Write("web/index.html", "<HTML>");
    scratch.Write("web/img/a.gif", "old a");
    scratch.Write("web/img/b.gif", "old b");
    RecordingPrompter prompter;
    prompter.inputs = {std::string("b.gif"), std::string("c.gif")};
    EXPECT_EQ(MakeLink(picture, Settings(page, false, true, true, "img"), prompter), "img/c.gif");
    ASSERT_EQ(prompter.inputBoxes.size(), 2u);
    for (const auto& box : prompter.inputBoxes) {
        EXPECT_EQ(box.caption, kRenameCaption);
        EXPECT_EQ(box.initial, "a.gif");
    }
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("web/img/a.gif")), "old a");
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("web/img/b.gif")), "old b");
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("web/img/c.gif")), "new");
}

TEST(Links, CancelledRenameCopiesNothing) {
    zn::test::TempFolder scratch;
    const std::string picture = scratch.Write("pics/a.gif", "new");
    const std::string page = scratch.Write("web/index.html", "<HTML>");
    scratch.Write("web/a.gif", "old");
    const LinkSettings settings = Settings(page, false, true);
    RecordingPrompter prompter;
    EXPECT_EQ(MakeLink(picture, settings, prompter), "");
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("web/a.gif")), "old");

    ScriptedFileDialog dialog;
    dialog.choice = picture;
    EXPECT_EQ(ChooseLink(dialog, "old/link.gif", settings, prompter), "old/link.gif");
    EXPECT_EQ(zn::test::TempFolder::Read(scratch.File("web/a.gif")), "old");
}

TEST(Links, FailedCopyIsReported) {
    zn::test::TempFolder scratch;
    const std::string picture = scratch.Write("pics/a.gif", "GIF");
    const std::string page = scratch.Write("web/index.html", "<HTML>");
    scratch.Write("web/img", "a file where the copy folder should be");
    const LinkSettings settings = Settings(page, false, true, true, "img");
    RecordingPrompter prompter;
    prompter.answers = {Answer::Yes};
    EXPECT_EQ(MakeLink(picture, settings, prompter), picture);
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown.back(), kCopyFailed);

    ScriptedFileDialog dialog;
    dialog.choice = picture;
    prompter.answers = {Answer::Yes};
    EXPECT_EQ(ChooseLink(dialog, "before.gif", settings, prompter), "before.gif");
    EXPECT_EQ(prompter.shown.back(), kCopyFailed);
}

TEST(Links, ChooseLinkPreparesTheDialog) {
    zn::base::ScriptedPrompter prompter;
    const struct {
        const char* current;
        const char* document;
        const char* initialDir;
        const char* fileName;
    } cases[] = {
        {"img/a.gif", "/web/index.html", "/web/img", "a.gif"},
        {"../img/a.gif", "/web/pages/p.html", "/web/img", "a.gif"},
        {"file:///pics/a.gif", "/web/index.html", "/pics", "a.gif"},
        {"FILE:///pics/a.gif", "", "/pics", "a.gif"},
        {"a.gif", "/index.html", "/", "a.gif"},
        {"", "/web/index.html", "/web/", ""},
        {"http://example.cz/a.gif", "/web/index.html", "/web/", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        ScriptedFileDialog dialog;
        EXPECT_EQ(ChooseLink(dialog, c.current, Settings(c.document), prompter), c.current);
        EXPECT_EQ(dialog.shown, 1);
        EXPECT_EQ(dialog.initialDir, c.initialDir) << c.current;
        EXPECT_EQ(dialog.fileName, c.fileName) << c.current;
    }
}

TEST(Links, ChooseLinkKeepsTheDialogsLastFileForAnEmptyField) {
    zn::base::ScriptedPrompter prompter;
    ScriptedFileDialog dialog;
    dialog.fileName = "/elsewhere/last.gif";
    dialog.initialDir = "/elsewhere";
    ChooseLink(dialog, "", Settings("/web/index.html"), prompter);
    EXPECT_EQ(dialog.initialDir, "/elsewhere");
    EXPECT_EQ(dialog.fileName, "/elsewhere/last.gif");
}

TEST(Links, ChooseLinkGivesTheLinkOfTheChosenFile) {
    zn::base::ScriptedPrompter prompter;
    ScriptedFileDialog dialog;
    dialog.choice = "/web/img/b.gif";
    EXPECT_EQ(ChooseLink(dialog, "http://example.cz/a.gif", Settings("/web/index.html"), prompter),
              "img/b.gif");
    dialog.choice = "/web/img/b.gif";
    EXPECT_EQ(ChooseLink(dialog, "", Settings("/web/pages/p.html"), prompter), "../img/b.gif");
    EXPECT_EQ(ChooseLink(dialog, "", Settings("", true, true, false), prompter),
              "file:///web/img/b.gif");
}

TEST(Links, ChooseFile) {
    ScriptedFileDialog dialog;
    EXPECT_EQ(ChooseFile(dialog, "/usr/bin/viewer"), "/usr/bin/viewer");
    EXPECT_EQ(dialog.initialDir, "/usr/bin");
    EXPECT_EQ(dialog.fileName, "viewer");
    dialog.choice = "/opt/editor/bin/editor";
    EXPECT_EQ(ChooseFile(dialog, "/usr/bin/viewer"), "/opt/editor/bin/editor");
}
