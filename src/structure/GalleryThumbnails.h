// Making the thumbnails of a picture gallery on worker threads.
#pragma once

#include "structure/RgbImage.h"

#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace zn::structure {

/// One thumbnail to make: the picture file and the thumbnail file (full names, UTF-8).
struct TThumbnailJob {
    std::string Source;
    std::string Target;
};

enum class TThumbnailStatus {
    Written,   ///< the thumbnail was written
    UpToDate,  ///< an existing thumbnail, newer than its picture and of the right size, was kept
    Skipped,   ///< no thumbnail: the picture is missing, unreadable or of an unsupported type
    Cancelled, ///< not made because the batch was cancelled first
};

struct TThumbnailResult {
    TThumbnailStatus Status = TThumbnailStatus::Cancelled;
    std::optional<TPictureSize> Size; ///< the thumbnail's size when it exists (Written, UpToDate)
    std::string Message;              ///< why it was skipped: Czech, naming the picture
};

/// Makes one thumbnail no larger than maxWidth × maxHeight (a smaller picture keeps its size).
/// JPEG pictures (".jpg", ".jpe", ".jpeg") give a JPEG of quality 75, decoded at a reduced DCT
/// scale; GIF pictures a GIF of at most 256 colours. The thumbnail is written through a
/// temporary file renamed over it, its folder created when missing. An existing thumbnail is
/// kept when it is not older than its picture and has the wanted size. Never throws.
TThumbnailResult MakeThumbnail(const TThumbnailJob& job, int maxWidth, int maxHeight);

/// Called after each finished picture with the count finished so far and the total. It runs on
/// a worker thread, one call at a time.
using TThumbnailProgress = std::function<void(int done, int total)>;

/// Makes the thumbnails of all jobs on up to `threads` worker threads (0: one per processor)
/// and returns once every worker has stopped, a result per job in job order. After a stop
/// request no new picture is started (those in hand are finished) and the rest are Cancelled.
/// A job whose target an earlier job writes shares that job's result; the same file named as
/// source and target is skipped.
std::vector<TThumbnailResult> MakeThumbnails(const std::vector<TThumbnailJob>& jobs, int maxWidth,
                                             int maxHeight, const TThumbnailProgress& progress,
                                             std::stop_token stop = {}, int threads = 0);

} // namespace zn::structure
