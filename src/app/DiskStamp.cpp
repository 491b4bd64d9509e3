// File stamps and the line-end and binary tests of read bytes.
#include "app/DiskStamp.h"

#include <sys/stat.h>

namespace zn::app {

DiskStamp StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    return {true, static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

bool HasOnlyLfLineEnds(std::string_view bytes) {
    return bytes.find('\n') != std::string_view::npos && bytes.find('\r') == std::string_view::npos;
}

bool LooksBinary(std::string_view bytes) {
    return bytes.find('\0') != std::string_view::npos;
}

} // namespace zn::app
