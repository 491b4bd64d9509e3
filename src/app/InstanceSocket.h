// Where the running editor's socket file lives, and checking who is at the other end of it.
#pragma once

#include <string>
#include <string_view>

namespace zn::app {

/// A private folder for the socket: $XDG_RUNTIME_DIR when it is a folder of this user with
/// mode 0700; otherwise "znackar-<uid>" in the system's temporary folder, created 0700. Empty
/// when neither can be had (a folder of that name that belongs to somebody else is not used).
std::string RuntimeFolder();

/// The socket file of the editor that uses `settingsFolder`: MessagerName in RuntimeFolder();
/// empty without a private folder.
std::string MessagerSocketPath(std::string_view settingsFolder);

/// Whether the process at the other end of the connected Unix socket `fd` runs as this
/// process's user (SO_PEERCRED). False when it cannot be told.
bool PeerIsSameUser(int fd);

} // namespace zn::app
