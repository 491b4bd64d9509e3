// The instance socket's private folder and the peer's user check.
#include "app/InstanceSocket.h"

#include "app/InstanceLock.h"
#include "base/FileIO.h"

#include <cstdlib>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zn::app {

namespace {

/// An existing folder (not a link to one) that only this user can enter.
bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0;
}

} // namespace

std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/' && IsPrivateFolder(runtime)) {
        return runtime;
    }
    const std::string own = base::TemporaryFolder() + "/znackar-" + std::to_string(::geteuid());
    ::mkdir(own.c_str(), 0700); // fails harmlessly when it exists; checked below
    return IsPrivateFolder(own) ? own : std::string();
}

std::string MessagerSocketPath(std::string_view settingsFolder) {
    const std::string folder = RuntimeFolder();
    return folder.empty() ? std::string() : folder + "/" + MessagerName(settingsFolder);
}

bool PeerIsSameUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof peer && peer.uid == ::geteuid();
}

} // namespace zn::app
