// The list of installed encoding files in the settings store, and the files shipped with the
// program that a first start installs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

class SettingsStore;

/// The key whose values "0", "1", ... name the installed files; its sub-key "Dialog" belongs to
/// the dialog of installed encodings.
inline constexpr std::string_view kEncodingsKey = "Software\\KVENC";

/// The installed files in the order their values enumerate (string values of the key only).
std::vector<std::string> ReadInstalledEncodings(SettingsStore& store);

/// Rewrites the key's values as the list, in one step; its sub-keys (the dialog's stored
/// placement) stay.
bool SaveInstalledEncodings(SettingsStore& store, const std::vector<std::string>& paths);

/// Adds a path unless the list holds the very same path (paths that differ only in letter case
/// are different files). Returns whether it was added.
bool AddEncodingPath(std::vector<std::string>& paths, const std::string& path);

/// LoadEncodings from the installed list (the key is created when missing).
void LoadInstalledEncodings(SettingsStore& store);

/// The folder of the shipped encoding files, in the program's data folder.
std::string ShippedEncodingsFolder();

/// The shipped files that exist in `folder`, "Windows-1250", "ISO Latin2 (ISO 8859-2)" and
/// "ASCII" first.
std::vector<std::string> ShippedEncodingFiles(const std::string& folder);

/// On a first start (no installed list in the store yet) installs the shipped files, so that
/// conversion and the diacritics option of find work at once. Returns whether it installed.
bool InstallShippedEncodings(SettingsStore& store, const std::string& folder);

/// InstallEncodingFile: adds a file to the installed list, saves it and loads the encodings.
void InstallEncodingFile(SettingsStore& store, const std::string& path);

} // namespace zn::app
