// In-place writes with a rescue copy, for hard-linked files and folders that refuse new files.
#include "base/SafeSave.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zn::base {
namespace fs = std::filesystem;

namespace {

std::string ReasonOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "Přístup byl odepřen.";
    case ENOSPC:
        return "Na disku není místo.";
    case EROFS:
        return "Disk je jen pro čtení.";
    default:
        return std::strerror(error);
    }
}

bool WriteAllAt(int fd, std::string_view bytes) {
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += n;
    }
    return true;
}

/// "20261206-221503-12345-name.html": unique per save, sorted by time.
std::string RescueName(const std::string& path) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return std::string(stamp) + "-" + std::to_string(::getpid()) + "-" +
           fs::path(path).filename().string();
}

/// Overwrites an existing file from the start and cuts it to the new length; errno on failure.
bool OverwriteInPlace(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAllAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
              ::fsync(fd) == 0;
    const int saved = errno;
    if (::close(fd) != 0 && ok) {
        return false;
    }
    errno = saved;
    return ok;
}

FileResult WriteInPlace(const std::string& path, std::string_view bytes,
                        const std::string& rescueFolder) {
    const std::string what = "Nelze zapsat soubor " + path + "\n";
    if (!MakePrivateFolder(rescueFolder)) {
        return {false, what + "Nelze založit složku " + rescueFolder + " pro záložní kopii."};
    }
    const std::string rescue = (fs::path(rescueFolder) / RescueName(path)).string();
    const FileResult copy = WriteFileAtomically(rescue, bytes);
    if (!copy.ok) {
        // Without the copy a failure in the middle could lose the text: the file stays as it is.
        return {false, what + "Nelze zapsat záložní kopii:\n" + copy.message};
    }
    if (!OverwriteInPlace(path, bytes)) {
        return {false, what + ReasonOf(errno) + "\nNový text dokumentu je uložen v souboru " +
                           rescue + "."};
    }
    ::unlink(rescue.c_str());
    return {};
}

} // namespace

bool MakePrivateFolder(const std::string& path) {
    std::error_code error;
    fs::create_directories(path, error);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        return false;
    }
    return (info.st_mode & 0777) == 0700 || ::chmod(path.c_str(), 0700) == 0;
}

bool NeedsInPlaceWrite(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink > 1;
}

FileResult WriteDocumentFile(const std::string& path, std::string_view bytes,
                             const std::string& rescueFolder) {
    if (NeedsInPlaceWrite(path)) {
        return WriteInPlace(path, bytes, rescueFolder);
    }
    int tempError = 0;
    const FileResult atomic = WriteFileAtomically(path, bytes, &tempError);
    if (atomic.ok || (tempError != EACCES && tempError != EPERM)) {
        return atomic;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        ::access(path.c_str(), W_OK) != 0) {
        return atomic; // nothing to write in place
    }
    return WriteInPlace(path, bytes, rescueFolder);
}

} // namespace zn::base
