// Whole-file reads and all-or-nothing writes on a POSIX file system.
#include "base/FileIO.h"

#include "base/ErrorText.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zn::base {
namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "Přístup byl odepřen.";
    case ENOENT:
        return "Soubor neexistuje.";
    case ENOSPC:
        return "Na disku není místo.";
    case EROFS:
        return "Disk je jen pro čtení.";
    case EISDIR:
        return "Je to složka.";
    default:
        return ErrorText(error);
    }
}

FileResult Failure(const std::string& what, const std::string& path, const std::string& reason) {
    return {false, what + path + "\n" + reason};
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

FileResult ReadDocumentFile(const std::string& path, std::string& bytes) {
    const std::string what = "Nelze otevřít soubor ";
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return Failure(what, path, Reason(errno));
    }
    if (S_ISDIR(info.st_mode)) {
        return Failure(what, path, "Je to složka.");
    }
    if (!S_ISREG(info.st_mode)) {
        return Failure(what, path, "Není to obyčejný soubor.");
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return Failure(what, path, Reason(errno));
    }
    std::string data;
    try {
        // One byte more than the file, so that the read which finds its end needs no growth
        // (growing would copy the whole text once more).
        data.resize(static_cast<std::size_t>(info.st_size) + 1);
    } catch (const std::bad_alloc&) {
        ::close(fd);
        return Failure(what, path, "Soubor je příliš velký.");
    }
    std::size_t got = 0;
    for (;;) {
        if (got == data.size()) {
            data.resize(data.size() + 65536); // the file may have grown since stat
        }
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return Failure(what, path, Reason(error));
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(got);
    bytes = std::move(data);
    return {};
}

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                               int* tempFileError) {
    if (tempFileError) {
        *tempFileError = 0;
    }
    const std::string what = "Nelze zapsat soubor ";
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(target, error)) {
        const fs::path resolved = fs::canonical(target, error);
        if (!error) {
            target = resolved;
        } else {
            // A dangling link: create the file it names.
            target = fs::read_symlink(target, error);
            if (target.is_relative()) {
                target = fs::path(path).parent_path() / target;
            }
        }
    }
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return Failure(what, path, "Není to obyčejný soubor.");
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp = (folder / ("." + target.filename().string() + ".znackar-XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        const int error = errno;
        if (tempFileError) {
            *tempFileError = error;
        }
        return Failure(what, path, Reason(error));
    }
    mode_t mode = 0;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0 && ::fchmod(fd, mode) == 0;
    int saved = errno;
    if (ok && exists) {
        // Keep the owner when allowed; a file of another user becomes ours otherwise.
        [[maybe_unused]] int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        saved = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        saved = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Failure(what, path, Reason(saved));
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir); // the rename itself reaches the disk
        ::close(dir);
    }
    return {};
}

bool IsReadOnly(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

bool SetReadOnly(const std::string& path, bool readOnly) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    const mode_t mode = readOnly ? (info.st_mode & ~S_IWUSR) : (info.st_mode | S_IWUSR);
    return ::chmod(path.c_str(), mode & 07777) == 0;
}

std::string TemporaryFolder() {
    std::error_code error;
    const fs::path temp = fs::temp_directory_path(error);
    return error ? std::string("/tmp") : temp.string();
}

std::vector<uint8_t> ReadBinaryFile(const std::string& fileName) {
    std::string bytes;
    const FileResult result = ReadDocumentFile(fileName, bytes);
    if (!result.ok) {
        throw EFileError(result.message);
    }
    return {bytes.begin(), bytes.end()};
}

void WriteBinaryFile(const std::string& fileName, std::span<const uint8_t> bytes) {
    const FileResult result =
        WriteFileAtomically(fileName, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    if (!result.ok) {
        throw EFileError(result.message);
    }
}

} // namespace zn::base
