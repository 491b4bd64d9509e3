// The recent-files list: at most ten full file names, oldest first, found without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

/// Enters `name` as the newest entry of `list` (oldest first). A name already listed (letter
/// case ignored) moves to the end and takes the spelling just used, so its menu entry opens
/// the file last opened or saved; a new name is appended and the oldest dropped beyond
/// `MaxRecentFiles`. Returns true when the list changed.
bool AddToRecent(std::vector<std::string>& list, std::string_view name);

/// The entries in menu order: newest first.
std::vector<std::string> RecentNewestFirst(const std::vector<std::string>& list);

} // namespace zn::app
