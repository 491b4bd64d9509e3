// The recent-files list rules.
#include "app/RecentFiles.h"

#include "app/Settings.h"
#include "app/SettingsNames.h"

#include <algorithm>

namespace zn::app {

bool AddToRecent(std::vector<std::string>& list, std::string_view name) {
    if (name.empty())
        return false;
    const std::string folded = FoldName(name);
    const auto found = std::find_if(list.begin(), list.end(), [&](const std::string& entry) {
        return FoldName(entry) == folded;
    });
    if (found != list.end()) {
        if (found + 1 == list.end() && *found == name)
            return false;
        list.erase(found);
    }
    list.emplace_back(name);
    if (list.size() > MaxRecentFiles)
        list.erase(list.begin(), list.end() - MaxRecentFiles);
    return true;
}

std::vector<std::string> RecentNewestFirst(const std::vector<std::string>& list) {
    return {list.rbegin(), list.rend()};
}

} // namespace zn::app
