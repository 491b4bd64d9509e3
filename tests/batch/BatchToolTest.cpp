// znackar-batch run as a program on fixture files: what each subcommand writes and prints,
// dry runs, failing files among good ones, exit codes and untouched time stamps.
#include "app/GallerySchemas.h"
#include "base/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using zn::test::TempFolder;

struct Result {
    int exit = -1;
    std::string out;
    std::string err;
};

/// Runs znackar-batch in `folder` with the arguments (a shell word list) and the locale.
Result RunBatch(const TempFolder& folder, const std::string& args, const char* lang = "C") {
    const std::string command =
        "cd '" + folder.Path() + "' && env LC_ALL= LC_MESSAGES= LANG=" + lang +
        " ZNACKAR_CONFIG_DIR=cfg '" ZN_BATCH_BINARY "' " + args + " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TempFolder::Read(folder.File("out.txt")),
            TempFolder::Read(folder.File("err.txt"))};
}

const std::string kChn = std::string("zz\0\1Ahoj *fnc*(SUM,1,2)\r\n\0", 26) +
                         std::string("bad\0\1*fnc*(DIV,1,0)\r\n\0", 22);

struct Row {
    const char* name;
    std::map<std::string, std::string> files; ///< written before the run
    std::string args;
    int exit;
    std::map<std::string, std::string> after; ///< expected contents afterwards
    std::string out;                          ///< a piece standard output must hold
};

// Windows-1250 "\x9e\x9a\x9d" (ž š ť) are 0xBE 0xB9 0xBB in ISO 8859-2.
const Row kRows[] = {
    {"recode",
     {{"a.html", "<p>\x9e\x9a\x9d x</p>"}},
     "recode --from Windows-1250 --to 'ISO Latin2 (ISO 8859-2)' a.html",
     0,
     {{"a.html", "<p>\xbe\xb9\xbb x</p>"}},
     "bytes changed: 3"},
    {"recode dry run",
     {{"a.html", "\x9e"}},
     "recode -n --from Windows-1250 --to 'ISO Latin2 (ISO 8859-2)' a.html",
     0,
     {{"a.html", "\x9e"}},
     "bytes that would change: 1"},
    {"recode leaves a UTF-8 page",
     {{"u.html", "\xc5\xbe"}, {"a.html", "\x9e"}},
     "recode --from Windows-1250 --to ASCII u.html a.html",
     1,
     {{"u.html", "\xc5\xbe"}, {"a.html", "z"}},
     "a.html: bytes changed: 1"},
    {"recode unknown encoding",
     {{"a.html", "\x9e"}},
     "recode --from X --to ASCII a.html",
     2,
     {{"a.html", "\x9e"}},
     ""},
    {"replace folds Czech case and walks folders",
     {{"s/a.htm", "\xc8"
                  "ERN\xdd \xe8"
                  "ern\xfd"},
      {"s/t/b.html", "\xe8"
                     "ern\xfd"},
      {"s/c.gif", "\xe8"}},
     "replace -r --find 'černý' --with bílý s",
     0,
     {{"s/a.htm", "b\xedl\xfd b\xedl\xfd"}, {"s/t/b.html", "b\xedl\xfd"}, {"s/c.gif", "\xe8"}},
     "occurrences replaced: 2"},
    {"replace with case and diacritics",
     {{"a.html", "Cerny \xc8"
                 "ern\xfd \xe8"
                 "ern\xfd"}},
     "replace --case --diacritics --find Cerny --with X a.html",
     0,
     {{"a.html", "X X \xe8"
                 "ern\xfd"}},
     ""},
    {"replace in UTF-8 pages keeps their line ends",
     {{"u.html", "<meta charset=utf-8>\xc4\x8c\n\xc4\x8d\n"},
      {"w.html", "\xef\xbb\xbf\xc4\x8c\r\n\xc4\x8d"}},
     "replace --diacritics --find č --with c u.html w.html",
     0,
     {{"u.html", "<meta charset=utf-8>c\nc\n"},
      {"w.html", "\xef\xbb\xbf"
                 "c\r\nc"}},
     ""},
    {"replace dry run",
     {{"a.html", "aaa"}},
     "replace -n --find a --with b a.html",
     0,
     {{"a.html", "aaa"}},
     "occurrences that would be replaced: 3"},
    {"replace missing file and good file",
     {{"a.html", "a"}},
     "replace --find a --with aa nic.html a.html",
     1,
     {{"a.html", "aa"}},
     "occurrences replaced: 1"},
    {"autoinsert",
     {{"d.chn", kChn.substr(0, 26)}, {"a.html", "<b>ZZ</b>"}},
     "autoinsert --defs d.chn a.html",
     0,
     {{"a.html", "<b>Ahoj 3</b>"}},
     ""},
    {"autoinsert error leaves the file",
     {{"d.chn", kChn}, {"a.html", "zz bad"}, {"b.html", "zz"}},
     "autoinsert --defs d.chn a.html b.html",
     1,
     {{"a.html", "zz bad"}, {"b.html", "zz"}},
     ""},
    {"colour stats",
     {{"a.html", "<a href=\"x\" id=1>t</a>"}},
     "colour --stats a.html",
     0,
     {},
     "tags 2, attributes 2"},
    {"colour listing",
     {{"a.html", "x<b class=k>\x9e</b>\r\n"}},
     "colour a.html",
     0,
     {},
     "x\x1b[31m<b\x1b[0m \x1b[34mclass=\x1b[35mk\x1b[31m>\x1b[0mž\x1b[31m</b>\x1b[0m\n"},
    {"audit",
     {{"p/ok.html", "<meta charset=windows-1250>\x9e\x9a"},
      {"p/u.html", "<meta charset=windows-1250>\xc5\xbe\xc5\xa1"}},
     "audit p",
     3,
     {},
     "u.html: detected UTF-8, declared windows-1250: the declared"},
    {"imagesize and a broken picture",
     {{"x.gif", "GIF88a"}},
     "imagesize x.gif " ZN_TEST_PICTURES "/pattern-interlaced.gif " ZN_TEST_PICTURES
     "/gradient-gray.jpg",
     1,
     {},
     "gradient-gray.jpg: 40x30"},
    {"gif2bmp dry run", {{"x.gif", "GIF88a"}}, "gif2bmp -n x.gif", 1, {{"x.gif", "GIF88a"}}, ""},
    {"unknown option", {}, "replace --bogus a", 2, {}, ""},
};

TEST(BatchTool, Subcommands) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        for (const auto& [name, content] : row.files) {
            folder.Write(name, content);
        }
        const Result result = RunBatch(folder, row.args);
        EXPECT_EQ(result.exit, row.exit) << result.err;
        for (const auto& [name, content] : row.after) {
            EXPECT_EQ(TempFolder::Read(folder.File(name)), content) << name;
        }
        EXPECT_NE(result.out.find(row.out), std::string::npos) << result.out;
        if (row.exit == 1 || row.exit == 2) {
            EXPECT_FALSE(result.err.empty());
        }
    }
}

TEST(BatchTool, GifToBmpWritesBesideAndKeepsAnUnchangedFile) {
    TempFolder folder;
    fs::copy_file(ZN_TEST_PICTURES "/pattern-interlaced.gif", folder.File("p.gif"));
    folder.Write("q.gif", "GIF89a broken");
    EXPECT_EQ(RunBatch(folder, "gif2bmp q.gif p.gif").exit, 1);
    const std::string bmp = TempFolder::Read(folder.File("p.bmp"));
    ASSERT_GT(bmp.size(), 40u * 30u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_FALSE(fs::exists(folder.File("q.bmp")));
    // Written again with the same content, the file keeps its time stamp.
    const auto old = fs::last_write_time(folder.File("p.bmp")) - std::chrono::hours(1);
    fs::last_write_time(folder.File("p.bmp"), old);
    EXPECT_EQ(RunBatch(folder, "gif2bmp p.gif").exit, 0);
    EXPECT_EQ(fs::last_write_time(folder.File("p.bmp")), old);
}

TEST(BatchTool, GalleryMakesThumbnailsOnceAndPrintsTheTable) {
    TempFolder folder;
    for (const char* name : {"gradient-gray.jpg", "pattern-interlaced.gif"}) {
        fs::copy_file(std::string(ZN_TEST_PICTURES "/") + name, folder.File(name));
    }
    folder.Write("broken.jpg", "not a picture");
    Result result = RunBatch(folder, "gallery --defaults .");
    EXPECT_EQ(result.exit, 1);
    EXPECT_NE(result.err.find("broken.jpg"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("<IMG SRC=\"gradient-grayicon.jpg\" WIDTH=40 HEIGHT=30>"),
              std::string::npos)
        << result.out;
    const std::string thumbnail = folder.File("pattern-interlacedicon.gif");
    ASSERT_TRUE(fs::exists(thumbnail));
    const auto old = fs::last_write_time(thumbnail) + std::chrono::hours(1);
    fs::last_write_time(thumbnail, old);
    // A stored schema of one column; the thumbnails of the first run are not pictures now.
    fs::remove(folder.File("broken.jpg"));
    {
        zn::app::SettingsStore store(folder.File("cfg/settings.sqlite"));
        zn::structure::TGallerySchema schema;
        schema.PocetSloupcu = 1;
        ASSERT_TRUE(zn::app::SaveGallerySchema(store, "úzká", schema));
    }
    result = RunBatch(folder, "gallery --schema úzká --lower-case .");
    EXPECT_EQ(result.exit, 0) << result.err;
    EXPECT_NE(result.out.find("<tr><td colspan=3 height=10>"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("iconicon"), std::string::npos) << result.out;
    EXPECT_EQ(fs::last_write_time(thumbnail), old);
    EXPECT_EQ(RunBatch(folder, "gallery --schema jiná .").exit, 2);
}

TEST(BatchTool, UnchangedPageKeepsItsTimeStamp) {
    TempFolder folder;
    const std::string page = folder.Write("a.html", "nothing to find");
    const auto old = fs::last_write_time(page) - std::chrono::hours(1);
    fs::last_write_time(page, old);
    for (const char* args : {"replace --find xyz --with q a.html", "recode --from Windows-1250 "
                                                                   "--to ASCII a.html"}) {
        const Result result = RunBatch(folder, args);
        EXPECT_EQ(result.exit, 0) << args;
        EXPECT_NE(result.out.find("a.html: unchanged"), std::string::npos) << result.out;
    }
    EXPECT_EQ(fs::last_write_time(page), old);
}

TEST(BatchTool, HelpFollowsTheLocale) {
    TempFolder folder;
    EXPECT_NE(RunBatch(folder, "--help", "cs_CZ.UTF-8").out.find("Použití: znackar-batch"),
              std::string::npos);
    EXPECT_NE(
        RunBatch(folder, "recode --help", "en_GB.UTF-8").out.find("Usage: znackar-batch recode"),
        std::string::npos);
    const Result czech = RunBatch(folder, "replace --find a --with b nic.html", "cs_CZ.UTF-8");
    EXPECT_EQ(czech.exit, 1);
    EXPECT_NE(czech.err.find("nic.html: soubor neexistuje"), std::string::npos) << czech.err;
}

} // namespace
