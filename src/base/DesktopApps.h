// The desktop's default application for a MIME type, from the freedesktop.org mimeapps.list
// files and the applications' desktop entries.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::base {

/// The groups of an ini-like file ("[Group]" then "Key=Value" lines); comments and malformed
/// lines are skipped, the first value of a key in a group wins.
using IniGroups = std::map<std::string, std::map<std::string, std::string>>;
IniGroups ParseIni(std::string_view text);

/// The folders the lookup reads, most important first.
struct XdgFolders {
    std::vector<std::string> ConfigDirs; ///< XDG_CONFIG_HOME, then XDG_CONFIG_DIRS
    std::vector<std::string> DataDirs;   ///< XDG_DATA_HOME, then XDG_DATA_DIRS
    std::vector<std::string> Desktops;   ///< XDG_CURRENT_DESKTOP, lower case
    static XdgFolders FromEnvironment();
};

struct DesktopApp {
    std::string DesktopFile; ///< full name of the desktop entry
    std::string Name;
    std::string Program; ///< the program of its Exec line
    std::string Icon;    ///< an icon name of the theme or a full file name
};

/// The default application for a MIME type: the first installed entry of "Default
/// Applications", else of "Added Associations", in the mimeapps.list files, else the first
/// application of the mimeinfo.cache files. Nothing when none is installed.
std::optional<DesktopApp> DefaultApplicationFor(std::string_view mimeType,
                                                const XdgFolders& folders);

} // namespace zn::base
