// Finding the data folder from the executable's own path.
#include "base/DataFolder.h"

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace zn::base {

namespace fs = std::filesystem;

std::string ExecutablePath() {
    std::string buffer(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size())
        return {};
    buffer.resize(static_cast<size_t>(length));
    return buffer;
}

namespace {

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

/// Whether `path` is `folder` or lies below it (both lexically normal, absolute).
bool IsInside(const fs::path& path, const fs::path& folder) {
    auto p = path.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
        // A trailing separator of the folder leaves an empty last element.
        if (f->empty() && std::next(f) == folder.end())
            return true;
        if (p == path.end() || *p != *f)
            return false;
    }
    return true;
}

} // namespace

namespace {

/// `relative` (to the executable's folder) when that folder exists; else `buildPlace` for an
/// executable inside `buildFolder`; else the installed place, even though it is missing.
std::string ShippedFolderFor(const std::string& executable, const fs::path& relative,
                             const std::string& buildFolder, const std::string& buildPlace) {
    const fs::path program = fs::path(executable).lexically_normal();
    const fs::path installed = (program.parent_path() / relative).lexically_normal();
    if (IsFolder(installed))
        return installed.string();
    if (!buildFolder.empty() && IsInside(program, fs::path(buildFolder).lexically_normal()))
        return fs::path(buildPlace).lexically_normal().string();
    return installed.string();
}

} // namespace

std::string DataFolderFor(const std::string& executable, const std::string& buildFolder,
                          const std::string& sourceData) {
    return ShippedFolderFor(executable, "../share/znackar", buildFolder, sourceData);
}

std::string PluginFolderFor(const std::string& executable, const std::string& buildFolder) {
    return ShippedFolderFor(executable, "../lib/znackar/plugins", buildFolder,
                            buildFolder + "/plugins");
}

const std::string& DataFolder() {
#if defined(ZN_BUILD_DIR) && defined(ZN_DATA_DIR)
    static const std::string folder = DataFolderFor(ExecutablePath(), ZN_BUILD_DIR, ZN_DATA_DIR);
#else
    static const std::string folder = DataFolderFor(ExecutablePath(), {}, {});
#endif
    return folder;
}

} // namespace zn::base

namespace zn::base {

const std::string& PluginFolder() {
#if defined(ZN_BUILD_DIR)
    static const std::string folder = PluginFolderFor(ExecutablePath(), ZN_BUILD_DIR);
#else
    static const std::string folder = PluginFolderFor(ExecutablePath(), {});
#endif
    return folder;
}

} // namespace zn::base
