// Recovery journals: the file format, the folder, and what the next start finds after an editor
// process ended without removing its journals.
#include "app/RecoveryJournal.h"

#include "../base/TempFolder.h"
#include "base/FileIO.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zn::app;

namespace {

/// Sets an environment variable for the test's lifetime (unset when `value` is null).
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

JournalEntry Entry(std::string name, bool untitled, std::string text) {
    JournalEntry entry;
    entry.Name = std::move(name);
    entry.Untitled = untitled;
    entry.Text = std::move(text);
    return entry;
}

} // namespace

TEST(RecoveryJournal, EntriesSurviveEncoding) {
    const JournalEntry entries[] = {
        Entry("/home/a/page.html", false, "<HTML>\r\n</HTML>\r\n"),
        Entry("BezJmena0", true, ""),
        Entry("/tmp/name\nwith line break.html", false, std::string("\0\xff\r\n9\n", 6)),
    };
    for (const JournalEntry& entry : entries) {
        const auto back = DecodeJournal(EncodeJournal(entry));
        ASSERT_TRUE(back) << entry.Name;
        EXPECT_EQ(back->Name, entry.Name);
        EXPECT_EQ(back->Untitled, entry.Untitled);
        EXPECT_EQ(back->Text, entry.Text);
    }
}

TEST(RecoveryJournal, CutOrPaddedJournalsAreRefused) {
    const std::string whole = EncodeJournal(Entry("/a.html", false, "text"));
    for (std::size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(DecodeJournal(whole.substr(0, length))) << length;
    EXPECT_FALSE(DecodeJournal(whole + "x"));
}

TEST(RecoveryJournal, FolderFollowsTheEnvironment) {
    struct Row {
        const char* state;
        const char* xdg;
        const char* expected;
    } rows[] = {
        {"/own/state", "/xdg", "/own/state"},
        {nullptr, "/xdg", "/xdg/znackar/recovery"},
        {nullptr, nullptr, "/home/u/.local/state/znackar/recovery"},
        {nullptr, "relative", "/home/u/.local/state/znackar/recovery"},
    };
    const ScopedEnv home("HOME", "/home/u");
    for (const Row& row : rows) {
        const ScopedEnv state("ZNACKAR_STATE_DIR", row.state);
        const ScopedEnv xdg("XDG_STATE_HOME", row.xdg);
        EXPECT_EQ(RecoveryFolder(), row.expected);
    }
}

TEST(RecoveryJournal, WrittenRemovedAndPrivate) {
    zn::test::TempFolder dir;
    const std::string folder = dir.File("state");
    RecoveryJournal journal(folder);
    ASSERT_TRUE(journal.Usable());
    journal.Write(1, Entry("/a.html", false, "first"));
    journal.Write(1, Entry("/a.html", false, "second"));
    journal.Write(2, Entry("BezJmena1", true, "untitled"));
    journal.Flush();
    std::string bytes;
    ASSERT_TRUE(zn::base::ReadDocumentFile(journal.JournalPath(1), bytes).ok);
    EXPECT_EQ(DecodeJournal(bytes)->Text, "second");
    journal.Remove(2);
    journal.Flush();
    EXPECT_FALSE(fs::exists(journal.JournalPath(2)));
    struct stat info {};
    ::stat(folder.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // A running editor's journals are not offered to anybody else.
    EXPECT_TRUE(FindRecoverable(folder).empty());
}

TEST(RecoveryJournal, KilledEditorsJournalsAreFoundThenDiscarded) {
    zn::test::TempFolder dir;
    const std::string folder = dir.File("state");
    const std::string text(3 * 1024 * 1024, 'x');
    const pid_t child = ::fork();
    if (child == 0) {
        auto* journal = new RecoveryJournal(folder); // never destroyed: the process is killed
        journal->Write(7, Entry("/page.html", false, text));
        journal->Write(8, Entry("BezJmena2", true, "new"));
        journal->Flush();
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::vector<RecoveredDocument> found = FindRecoverable(folder);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].Entry.Name, "/page.html");
    EXPECT_EQ(found[0].Entry.Text, text);
    EXPECT_TRUE(found[1].Entry.Untitled);
    DiscardRecovered(found);
    EXPECT_TRUE(FindRecoverable(folder).empty());
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST(RecoveryJournal, CleanEndLeavesNothing) {
    zn::test::TempFolder dir;
    const std::string folder = dir.File("state");
    {
        RecoveryJournal journal(folder);
        journal.Write(1, Entry("/a.html", false, "x"));
        journal.Remove(1);
    }
    EXPECT_TRUE(fs::is_empty(folder));
}
