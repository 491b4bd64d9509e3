// Gallery thumbnails: sizes, file types, unreadable pictures, keeping fresh thumbnails and
// cancelling a batch.
#include "structure/GalleryThumbnails.h"

#include "base/TempFolder.h"
#include "structure/GifFile.h"
#include "structure/GifWriter.h"
#include "structure/JpegFile.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zn::structure;
using zn::test::TempFolder;

namespace {

TRgbImage Picture(int width, int height) {
    TRgbImage image(width, height);
    for (std::size_t i = 0; i < image.Pixels.size(); ++i)
        image.Pixels[i] = uint8_t(i * 7 / 3);
    return image;
}

/// Writes a picture as JPEG or GIF by its extension and returns its job.
TThumbnailJob Job(const TempFolder& folder, const std::string& name, int width, int height) {
    const std::string file = folder.File(name);
    if (name.ends_with(".gif"))
        SaveBitmapAsGif(Picture(width, height), file);
    else
        JpegSaveFile(Picture(width, height), file);
    return {file, folder.File("t/" + name + ".jpg")};
}

auto Age(const std::string& file) {
    return std::filesystem::last_write_time(file);
}

} // namespace

TEST(GalleryThumbnailsTest, SizesAndTypes) {
    TempFolder folder;
    struct Row {
        std::string name;
        int width, height;
        TPictureSize expected;
    };
    const std::vector<Row> rows{
        {"wide.jpg", 400, 200, {100, 50}}, {"tall.JPG", 200, 400, {25, 50}},
        {"small.jpg", 60, 30, {60, 30}},   {"long.jpeg", 800, 120, {100, 15}},
        {"tall.gif", 200, 400, {25, 50}},  {"small.gif", 20, 10, {20, 10}}};
    std::vector<TThumbnailJob> jobs;
    for (const Row& row : rows)
        jobs.push_back(Job(folder, row.name, row.width, row.height));
    const auto results = MakeThumbnails(jobs, 100, 50, {});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(results[i].Status, TThumbnailStatus::Written);
        EXPECT_EQ(results[i].Size, rows[i].expected);
        TPictureSize written;
        if (rows[i].name.ends_with(".gif")) { // a GIF thumbnail is a GIF whatever its name
            TGifFile gif;
            gif.LoadFromFile(jobs[i].Target);
            written = {gif.Images.at(0).Width, gif.Images.at(0).Height};
        } else {
            written = JpegFileSize(jobs[i].Target);
        }
        EXPECT_EQ(written, rows[i].expected);
    }
}

TEST(GalleryThumbnailsTest, UnreadablePicturesAreSkippedAndNamed) {
    TempFolder folder;
    const std::vector<TThumbnailJob> jobs{
        {folder.Write("broken.jpg", "\xFF\xD8 not a jpeg"), folder.File("a.jpg")},
        {folder.Write("broken.gif", "GIF88a"), folder.File("b.gif")},
        {folder.File("missing.jpg"), folder.File("c.jpg")},
        {folder.Write("picture.png", "png"), folder.File("d.png")},
        {folder.File("wide.jpg"), folder.File("wide.jpg")}};
    JpegSaveFile(Picture(40, 20), jobs.back().Source);
    for (const TThumbnailResult& result : MakeThumbnails(jobs, 10, 10, {})) {
        EXPECT_EQ(result.Status, TThumbnailStatus::Skipped);
        EXPECT_FALSE(result.Size);
    }
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const auto result = MakeThumbnail(jobs[i], 10, 10);
        EXPECT_NE(result.Message.find(jobs[i].Source), std::string::npos) << result.Message;
        EXPECT_EQ(std::filesystem::exists(jobs[i].Target), i + 1 == jobs.size());
    }
    EXPECT_EQ(JpegFileSize(jobs.back().Source), (TPictureSize{40, 20}));
}

TEST(GalleryThumbnailsTest, ReplacesOnlyOldOrMisfitThumbnails) {
    TempFolder folder;
    const TThumbnailJob job = Job(folder, "p.jpg", 300, 200);
    ASSERT_EQ(MakeThumbnail(job, 30, 30).Status, TThumbnailStatus::Written);
    const auto made = Age(job.Target);
    EXPECT_EQ(MakeThumbnail(job, 30, 30).Status, TThumbnailStatus::UpToDate);
    EXPECT_EQ(MakeThumbnail(job, 30, 30).Size, (TPictureSize{30, 20}));
    EXPECT_EQ(Age(job.Target), made);
    std::filesystem::last_write_time(job.Target, Age(job.Source) - std::chrono::seconds(5));
    EXPECT_EQ(MakeThumbnail(job, 30, 30).Status, TThumbnailStatus::Written);
    EXPECT_EQ(MakeThumbnail(job, 60, 60).Status, TThumbnailStatus::Written); // the schema changed
    EXPECT_EQ(JpegFileSize(job.Target), (TPictureSize{60, 40}));
    // The same target named twice is made once; both jobs share the result.
    const auto twice = MakeThumbnails({job, job}, 60, 60, {});
    EXPECT_EQ(twice[1].Status, TThumbnailStatus::UpToDate);
}

TEST(GalleryThumbnailsTest, CancellingStopsBeforeTheNextPicture) {
    TempFolder folder;
    std::vector<TThumbnailJob> jobs;
    for (int i = 0; i < 6; ++i)
        jobs.push_back(Job(folder, std::to_string(i) + ".jpg", 64, 48));
    std::stop_source stop;
    std::vector<int> reported;
    const auto results = MakeThumbnails(
        jobs, 16, 16,
        [&](int done, int total) {
            reported.push_back(done * 10 + total);
            if (done == 2)
                stop.request_stop();
        },
        stop.get_token(), 1);
    EXPECT_EQ(reported, (std::vector<int>{16, 26}));
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        EXPECT_EQ(results[i].Status,
                  i < 2 ? TThumbnailStatus::Written : TThumbnailStatus::Cancelled);
        EXPECT_EQ(std::filesystem::exists(jobs[i].Target), i < 2);
    }
    int calls = 0;
    const auto all = MakeThumbnails(
        jobs, 16, 16, [&](int, int) { ++calls; }, {}, 2);
    EXPECT_EQ(calls, 6);
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [](const auto& r) { return r.Status == TThumbnailStatus::Cancelled; }),
              0);
}
