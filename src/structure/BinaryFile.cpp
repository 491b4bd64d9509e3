// Whole-file reads and all-or-nothing writes through POSIX calls (errors named by errno).
#include "structure/BinaryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zn::structure {

namespace {

std::string Quoted(const std::string& fileName) {
    return "\u201E" + fileName + "\u201C";
}

[[noreturn]] void Fail(const std::string& what, const std::string& fileName, int error) {
    throw EFileError(what + " " + Quoted(fileName) + ": " + std::strerror(error));
}

/// Closes a descriptor when the scope ends.
struct TFd {
    int fd;
    ~TFd() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

std::vector<uint8_t> ReadBinaryFile(const std::string& fileName) {
    TFd file{::open(fileName.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0)
        Fail("Soubor nelze otevřít", fileName, errno);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        Fail("Soubor nelze číst", fileName, errno);
    if (!S_ISREG(info.st_mode))
        Fail("Soubor nelze číst", fileName, EISDIR);
    std::vector<uint8_t> bytes;
    bytes.reserve(std::size_t(info.st_size));
    uint8_t buffer[65536];
    for (;;) {
        ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail("Soubor nelze číst", fileName, errno);
        if (got == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    return bytes;
}

void WriteBinaryFile(const std::string& fileName, std::span<const uint8_t> bytes) {
    std::string temporary = fileName + ".XXXXXX";
    TFd file{::mkstemp(temporary.data())};
    if (file.fd < 0)
        Fail("Soubor nelze vytvořit", fileName, errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = ::write(file.fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0) {
            int error = errno;
            ::unlink(temporary.c_str());
            Fail("Soubor nelze zapsat", fileName, error);
        }
        done += std::size_t(put);
    }
    // mkstemp creates the file readable by the owner only; give it the usual permissions.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(file.fd, 0666 & ~mask);
    if (::fsync(file.fd) != 0 || ::close(file.fd) != 0) {
        int error = errno;
        file.fd = -1;
        ::unlink(temporary.c_str());
        Fail("Soubor nelze zapsat", fileName, error);
    }
    file.fd = -1;
    if (::rename(temporary.c_str(), fileName.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        Fail("Soubor nelze uložit", fileName, error);
    }
}

} // namespace zn::structure
