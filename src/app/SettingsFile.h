// Where the settings store lives, and moving a damaged store file out of the way.
#pragma once

#include <ctime>
#include <string>

namespace zn::app {

/// The folder of the per-user files: $ZNACKAR_CONFIG_DIR when set, else
/// $XDG_CONFIG_HOME/znackar, else ~/.config/znackar.
std::string SettingsFolder();

/// The settings store file: SettingsFolder() + "/settings.sqlite".
std::string DefaultSettingsPath();

/// The name a damaged store is moved to: path + ".damaged-YYYYMMDD-HHMMSS" in local time.
std::string DamagedFileName(const std::string& path, std::time_t when);

/// Renames a damaged store (and its write-ahead log, which belongs to it) to a free name made
/// by DamagedFileName and removes its shared-memory index. Returns the new name in `movedTo`;
/// on failure returns false and a reason in `error`.
bool MoveDamagedFile(const std::string& path, std::string& movedTo, std::string& error);

} // namespace zn::app
