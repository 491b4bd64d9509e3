// Thumbnails of gallery pictures: one picture at a time, and a batch shared by worker threads.
#include "structure/GalleryThumbnails.h"

#include "base/TextCase.h"
#include "structure/GifBitmap.h"
#include "structure/GifException.h"
#include "structure/GifFile.h"
#include "structure/GifWriter.h"
#include "structure/ImageScale.h"
#include "structure/JpegFile.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include <sys/stat.h>

namespace zn::structure {

namespace {

enum class TSourceKind { Jpeg, Gif, Other };

TSourceKind KindOf(const std::string& fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return TSourceKind::Other;
    const std::string extension = base::UpperCaseCZ(std::string_view(fileName).substr(dot));
    if (extension == ".JPG" || extension == ".JPE" || extension == ".JPEG")
        return TSourceKind::Jpeg;
    return extension == ".GIF" ? TSourceKind::Gif : TSourceKind::Other;
}

/// The modification time of a regular file in nanoseconds; nothing when there is none.
std::optional<long long> ModifiedAt(const std::string& fileName) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return (long long)info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
}

TPictureSize SizeOf(TSourceKind kind, const std::string& fileName) {
    if (kind == TSourceKind::Jpeg)
        return JpegFileSize(fileName);
    TGifFile gif;
    gif.LoadFromFile(fileName);
    if (gif.Images.empty())
        return {};
    return {gif.Images.front().Width, gif.Images.front().Height};
}

/// The size of an existing thumbnail that can stay: not older than its picture and of the
/// size it would be made at now (the schema may have changed since).
std::optional<TPictureSize> KeptSize(TSourceKind kind, const TThumbnailJob& job, int maxWidth,
                                     int maxHeight) {
    const std::optional<long long> target = ModifiedAt(job.Target);
    const std::optional<long long> source = ModifiedAt(job.Source);
    if (!target || !source || *target < *source)
        return std::nullopt;
    try {
        const TPictureSize wanted = ThumbnailSize(SizeOf(kind, job.Source), maxWidth, maxHeight);
        if (SizeOf(kind, job.Target) == wanted)
            return wanted;
    } catch (const std::exception&) {
        // An unreadable thumbnail is made again; an unreadable picture fails there too.
    }
    return std::nullopt;
}

TPictureSize Write(TSourceKind kind, const TThumbnailJob& job, int maxWidth, int maxHeight) {
    const std::filesystem::path folder = std::filesystem::path(job.Target).parent_path();
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::create_directories(folder, ignored);
    if (kind == TSourceKind::Jpeg) {
        const TRgbImage thumbnail = JpegThumbnailFile(job.Source, maxWidth, maxHeight);
        JpegSaveFile(thumbnail, job.Target);
        return thumbnail.Size();
    }
    TGifFile gif;
    gif.LoadFromFile(job.Source);
    const TRgbImage picture = FirstImageAsRgb(gif);
    if (picture.Empty())
        throw EGifException("soubor GIF neobsahuje žádný obrázek");
    const TPictureSize size = ThumbnailSize(picture.Size(), maxWidth, maxHeight);
    const TRgbImage thumbnail =
        size == picture.Size() ? picture : ScaleRgbImage(picture, size.Width, size.Height);
    SaveBitmapAsGif(thumbnail, job.Target);
    return size;
}

TThumbnailResult Skipped(const std::string& message) {
    return {TThumbnailStatus::Skipped, std::nullopt, message};
}

} // namespace

TThumbnailResult MakeThumbnail(const TThumbnailJob& job, int maxWidth, int maxHeight) {
    maxWidth = std::max(1, maxWidth);
    maxHeight = std::max(1, maxHeight);
    if (!ModifiedAt(job.Source))
        return Skipped("Obrázek " + job.Source + " neexistuje.");
    const TSourceKind kind = KindOf(job.Source);
    if (kind == TSourceKind::Other)
        return Skipped("Obrázek " + job.Source + " není JPEG ani GIF.");
    std::error_code error;
    if (job.Target.empty() || std::filesystem::equivalent(job.Source, job.Target, error))
        return Skipped("Náhled obrázku " + job.Source + " by jej přepsal.");
    try {
        if (std::optional<TPictureSize> kept = KeptSize(kind, job, maxWidth, maxHeight))
            return {TThumbnailStatus::UpToDate, kept, {}};
        return {TThumbnailStatus::Written, Write(kind, job, maxWidth, maxHeight), {}};
    } catch (const std::exception& e) {
        return Skipped("Náhled obrázku " + job.Source + " nelze vytvořit: " + e.what());
    }
}

std::vector<TThumbnailResult> MakeThumbnails(const std::vector<TThumbnailJob>& jobs, int maxWidth,
                                             int maxHeight, const TThumbnailProgress& progress,
                                             std::stop_token stop, int threads) {
    std::vector<TThumbnailResult> results(jobs.size());
    // Each target is made once, by its first job; later jobs naming it copy the result.
    std::vector<std::size_t> work;
    std::vector<std::size_t> sameAs(jobs.size());
    std::map<std::string, std::size_t> firstByTarget;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const auto [it, added] = firstByTarget.emplace(jobs[i].Target, i);
        sameAs[i] = it->second;
        if (added)
            work.push_back(i);
    }
    const int total = int(jobs.size());
    std::atomic<std::size_t> next{0};
    std::mutex progressLock;
    int done = 0;
    auto report = [&](int count) {
        std::lock_guard lock(progressLock);
        done += count;
        if (progress)
            progress(done, total);
    };
    auto worker = [&] {
        for (std::size_t n = next++; n < work.size() && !stop.stop_requested(); n = next++) {
            const std::size_t i = work[n];
            results[i] = MakeThumbnail(jobs[i], maxWidth, maxHeight);
            report(int(std::count(sameAs.begin(), sameAs.end(), i)));
        }
    };
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    threads = std::max(1, std::min<int>(threads, int(work.size())));
    {
        std::vector<std::jthread> pool;
        for (int t = 1; t < threads; ++t)
            pool.emplace_back(worker);
        worker();
    }
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const std::size_t first = sameAs[i];
        if (first == i)
            continue;
        results[i] = results[first];
        if (jobs[i].Source != jobs[first].Source &&
            results[i].Status != TThumbnailStatus::Cancelled)
            results[i] = Skipped("Náhled obrázku " + jobs[i].Source + " má stejné jméno jako " +
                                 "náhled obrázku " + jobs[first].Source + ".");
    }
    return results;
}

} // namespace zn::structure
