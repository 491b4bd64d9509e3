// Reading and writing the installed encoding list under Software\KVENC.
#include "app/EncodingList.h"

#include "app/SettingsStore.h"
#include "base/DataFolder.h"
#include "editor/Encodings.h"

#include <algorithm>
#include <filesystem>

namespace zn::app {

std::vector<std::string> ReadInstalledEncodings(SettingsStore& store) {
    std::vector<std::string> paths;
    for (const std::string& name : store.ValueNames(kEncodingsKey)) {
        if (std::optional<std::string> path = store.ReadString(kEncodingsKey, name)) {
            paths.push_back(std::move(*path));
        }
    }
    return paths;
}

bool SaveInstalledEncodings(SettingsStore& store, const std::vector<std::string>& paths) {
    SettingsStore::Transaction step(store);
    bool ok = store.CreateKey(kEncodingsKey);
    // Only the key's own values go: deleting the key with its sub-keys would also drop the
    // stored placement of the dialog under "Dialog".
    for (const std::string& name : store.ValueNames(kEncodingsKey)) {
        ok = store.DeleteValue(kEncodingsKey, name) && ok;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        ok = store.WriteString(kEncodingsKey, std::to_string(i), paths[i]) && ok;
    }
    return step.Commit() && ok;
}

bool AddEncodingPath(std::vector<std::string>& paths, const std::string& path) {
    if (std::find(paths.begin(), paths.end(), path) != paths.end()) {
        return false;
    }
    paths.push_back(path);
    return true;
}

void LoadInstalledEncodings(SettingsStore& store) {
    store.CreateKey(kEncodingsKey);
    editor::LoadEncodings(ReadInstalledEncodings(store));
}

std::string ShippedEncodingsFolder() {
    return base::DataFolder() + "/encodings";
}

std::vector<std::string> ShippedEncodingFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    static const char* const first[] = {"windows-1250.enc", "iso-8859-2.enc", "ascii.enc"};
    std::vector<std::string> files;
    for (const char* name : first) {
        std::error_code error;
        if (fs::is_regular_file(fs::path(folder) / name, error)) {
            files.push_back((fs::path(folder) / name).string());
        }
    }
    std::vector<std::string> rest;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        std::string extension = path.extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == ".enc" &&
            std::find(files.begin(), files.end(), path.string()) == files.end()) {
            rest.push_back(path.string());
        }
    }
    std::sort(rest.begin(), rest.end());
    files.insert(files.end(), rest.begin(), rest.end());
    return files;
}

bool InstallShippedEncodings(SettingsStore& store, const std::string& folder) {
    if (store.KeyExists(kEncodingsKey)) {
        return false;
    }
    return SaveInstalledEncodings(store, ShippedEncodingFiles(folder));
}

void InstallEncodingFile(SettingsStore& store, const std::string& path) {
    std::vector<std::string> paths = ReadInstalledEncodings(store);
    if (AddEncodingPath(paths, path)) {
        SaveInstalledEncodings(store, paths);
    }
    LoadInstalledEncodings(store);
}

} // namespace zn::app
