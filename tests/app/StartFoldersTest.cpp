// Folders named on the command line are reported, not skipped in silence.
#include "app/CommandLine.h"

#include "base/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace zn::app;

TEST(StartFolders, FoldersAmongTheArgumentsAreFound) {
    zn::test::TempFolder top;
    const std::string file = top.File("page.html");
    std::ofstream(file) << "<HTML>";
    const std::string spaced = top.File("my pages");
    std::filesystem::create_directory(spaced);
    using Names = std::vector<std::string>;
    struct Case {
        Names arguments;
        Names folders;
    };
    const Case cases[] = {
        {{top.Path()}, {top.Path()}},
        {{file, top.Path()}, {top.Path()}},
        {{file}, {}},
        {{top.File("missing")}, {}},
        {{top.File("my"), "pages"}, {spaced}}, // a path split at its blank
        {{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FoldersAtStart(c.arguments), c.folders);
        // A folder is never among the files that are opened.
        for (const std::string& name : FilesToOpenAtStart(c.arguments))
            EXPECT_FALSE(std::filesystem::is_directory(name)) << name;
    }
}
