// What a document remembers of its file on disk, to notice changes made by other programs, and
// what the bytes it read say about line ends and binary content.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zn::app {

/// A file's size and modification time (nanoseconds), or its absence.
struct DiskStamp {
    bool Exists = false;
    std::int64_t Size = 0;
    std::int64_t ModifiedNs = 0;
    bool operator==(const DiskStamp&) const = default;
};

DiskStamp StampOf(const std::string& path);

/// Every line end is a lone LF (and there is at least one): such a file is written back with LF.
bool HasOnlyLfLineEnds(std::string_view bytes);
/// A NUL byte: the file is probably not text.
bool LooksBinary(std::string_view bytes);

} // namespace zn::app
