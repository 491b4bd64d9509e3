// Where the program finds the files it ships: beside its executable once installed, in the
// source tree when it runs from a build folder.
#pragma once

#include <string>

namespace zn::base {

/// The running program's own file, read from /proc/self/exe (symbolic links resolved); empty
/// when it cannot be read.
std::string ExecutablePath();

/// The data folder of the program whose executable is `executable`: the folder
/// "../share/znackar" beside the executable's folder when it exists; otherwise
/// `sourceData` when the executable lies inside `buildFolder` (a program run from its build
/// folder); otherwise that installed place, even though it is missing, so that messages name
/// where the files belong. All paths absolute; the result is lexically normal.
std::string DataFolderFor(const std::string& executable, const std::string& buildFolder,
                          const std::string& sourceData);

/// The folder of the example plug-ins shipped with the program: "../lib/znackar/plugins"
/// beside the executable's folder when it exists; otherwise "plugins" in `buildFolder` for an
/// executable inside it; otherwise that installed place, though missing.
std::string PluginFolderFor(const std::string& executable, const std::string& buildFolder);

/// The example plug-ins' folder of this program (looked up once).
const std::string& PluginFolder();

/// The data folder of this program (looked up once).
const std::string& DataFolder();

} // namespace zn::base
