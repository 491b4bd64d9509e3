// The start-up lock file and the instance's server name.
#include "app/InstanceLock.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace zn::app {

InstanceLock::InstanceLock(std::string folder) : path_(std::move(folder) + "/instance.lock") {}

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::Acquire(int timeoutMs) {
    if (held_)
        return true;
    if (fd_ < 0) {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
        fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0)
            return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    held_ = true;
    return true;
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        if (held_)
            ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
    fd_ = -1;
    held_ = false;
}

std::string MessagerName(std::string_view folder) {
    // Two spellings of one folder ("/a/b/", "/a/./b") must give one instance.
    std::error_code error;
    std::string canonical = std::filesystem::weakly_canonical(std::filesystem::path(folder), error)
                                .lexically_normal()
                                .string();
    if (error)
        canonical = std::string(folder);
    while (canonical.size() > 1 && canonical.back() == '/')
        canonical.pop_back();
    // FNV-1a: a stable digest, the same in every process of every build.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : canonical) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(hash));
    return "TTMessager.Messager." + std::to_string(::getuid()) + "." + digest;
}

} // namespace zn::app
