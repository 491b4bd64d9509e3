// The key paths and fixed texts of the settings store that several parts of the program share.
#pragma once

#include <string_view>

namespace zn::app {

inline constexpr std::string_view KVHTMLKey = "Software\\KVHTML";
/// The link database: string values "1" ... "N" in list order.
inline constexpr std::string_view HREFKey = "Software\\KVHTML\\HREF";
/// Picture-gallery schemes, one sub-key each.
inline constexpr std::string_view SchemaKey = "\\Software\\KVHTML\\Schema";
/// Installed plug-ins: string values "0" ... in installation order.
inline constexpr std::string_view PluginsKey = "Software\\KVHTML\\Plug-ins";
/// File names handed over by a second start: string values "0" ... in command-line order.
inline constexpr std::string_view ToOpenKey = "Software\\KVHTML\\ToOpen";
/// Installed encoding files: string values "0" ... in list order.
inline constexpr std::string_view KVENCKey = "Software\\KVENC";
/// The main window's form-state store, which also holds the settings kept as its properties.
inline constexpr std::string_view MainFormKey = "\\Software\\KVHTML\\MainForm";

/// The last automatic-insertion definitions file, under KVHTMLKey.
inline constexpr std::string_view AdfOpenValue = "adfopen";

/// The version text written to `Version` at every start and compared for the greeting.
inline constexpr std::string_view VersionText = "3.0pre2 Cz freeware";

} // namespace zn::app
