// The lock that makes the decision "first or second start" one start at a time, and the name
// under which the first start can be found.
#pragma once

#include <string>
#include <string_view>

namespace zn::app {

/// An exclusive lock on a file beside the settings store. The kernel drops it when the holder
/// ends in any way, so a killed editor never leaves it taken.
class InstanceLock {
public:
    /// The lock file of the settings folder `folder`.
    explicit InstanceLock(std::string folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    /// Waits at most `timeoutMs` for the lock. False when it could not be had; the start then
    /// goes on without it (a folder that cannot hold the file must not stop the editor).
    bool Acquire(int timeoutMs);
    void Release();
    bool Held() const { return held_; }
    const std::string& FilePath() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
    bool held_ = false;
};

/// The name of the running editor's local server for the settings folder `folder`: it carries
/// the marker's class and caption ("TTMessager", "Messager"), the user id and a digest of the
/// folder, so that each user, and each separate settings folder, has an instance of its own.
std::string MessagerName(std::string_view folder);

} // namespace zn::app
