// File stamps notice changes behind the editor's back; line-end and binary detection of read
// bytes.
#include "app/DiskStamp.h"

#include "../base/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

using namespace zn::app;

TEST(DiskStamp, ChangesOfContentTimeAndPresenceShow) {
    zn::test::TempFolder dir;
    const std::string file = dir.Write("a.html", "abc");
    const DiskStamp read = StampOf(file);
    ASSERT_TRUE(read.Exists);
    EXPECT_EQ(StampOf(file), read);
    // Same size, new time (as another program's save within the same second could leave it).
    timespec times[2] = {{0, UTIME_OMIT}, {read.ModifiedNs / 1000000000 + 5, 0}};
    ::utimensat(AT_FDCWD, file.c_str(), times, 0);
    EXPECT_NE(StampOf(file), read);
    dir.Write("a.html", "abcd");
    EXPECT_NE(StampOf(file).Size, read.Size);
    std::remove(file.c_str());
    EXPECT_FALSE(StampOf(file).Exists);
}

TEST(DiskStamp, LineEndsAndBinaryContent) {
    struct Row {
        std::string bytes;
        bool lfOnly;
        bool binary;
    } rows[] = {
        {"a\nb\n", true, false},
        {"a\r\nb\r\n", false, false},
        {"a\r\nb\n", false, false}, // mixed: the settings decide
        {"no line end", false, false},
        {"a\rb\n", false, false},
        {std::string("GIF\0\n", 5), true, true},
        {"", false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(HasOnlyLfLineEnds(row.bytes), row.lfOnly) << row.bytes;
        EXPECT_EQ(LooksBinary(row.bytes), row.binary) << row.bytes;
    }
}
