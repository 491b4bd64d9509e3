// Default applications after the freedesktop.org "Association between MIME types and
// applications" rules, read straight from the files so that no desktop library is needed.
#include "base/DesktopApps.h"

#include "base/TextCase.h"

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace zn::base {
namespace {

constexpr std::size_t kMaxFileSize = 4 << 20; // larger "ini" files are not ours to read

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::string> ReadSmallFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text;
    char buffer[8192];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxFileSize) {
            return std::nullopt;
        }
    }
    return text;
}

std::optional<IniGroups> ReadIni(const std::string& name) {
    auto text = ReadSmallFile(name);
    if (!text) {
        return std::nullopt;
    }
    return ParseIni(*text);
}

std::vector<std::string> SplitList(std::string_view list) {
    std::vector<std::string> items;
    std::size_t from = 0;
    while (from < list.size()) {
        std::size_t to = list.find(';', from);
        if (to == std::string_view::npos) {
            to = list.size();
        }
        const std::string_view item = Trimmed(list.substr(from, to - from));
        if (!item.empty()) {
            items.emplace_back(item);
        }
        from = to + 1;
    }
    return items;
}

std::vector<std::string> SplitPathList(const char* value) {
    std::vector<std::string> dirs;
    if (value == nullptr) {
        return dirs;
    }
    std::stringstream in(value);
    for (std::string dir; std::getline(in, dir, ':');) {
        if (!dir.empty() && dir.front() == '/') {
            dirs.push_back(dir);
        }
    }
    return dirs;
}

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : fallback;
}

/// The program of an Exec line: its first word, double quotes removed.
std::string ProgramOf(std::string_view exec) {
    exec = Trimmed(exec);
    std::string program;
    bool quoted = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && quoted && i + 1 < exec.size()) {
            program += exec[++i];
        } else if (c == ' ' && !quoted) {
            break;
        } else {
            program += c;
        }
    }
    return program;
}

class Lookup {
public:
    explicit Lookup(const XdgFolders& folders) : folders_(folders) {}

    /// mimeapps.list files in the order of their weight.
    std::vector<std::string> ListFiles() const {
        std::vector<std::string> files;
        auto addFrom = [&](const std::string& dir) {
            for (const std::string& desktop : folders_.Desktops) {
                files.push_back(dir + "/" + desktop + "-mimeapps.list");
            }
            files.push_back(dir + "/mimeapps.list");
        };
        for (const std::string& dir : folders_.ConfigDirs) {
            addFrom(dir);
        }
        for (const std::string& dir : folders_.DataDirs) {
            addFrom(dir + "/applications");
        }
        return files;
    }

    std::optional<DesktopApp> Installed(const std::string& id) const {
        for (const std::string& dir : folders_.DataDirs) {
            for (const std::string& name : CandidateNames(id)) {
                if (auto app = ReadEntry(dir + "/applications/" + name)) {
                    return app;
                }
            }
        }
        return std::nullopt;
    }

    std::vector<std::string> CacheFiles() const {
        std::vector<std::string> files;
        for (const std::string& dir : folders_.DataDirs) {
            files.push_back(dir + "/applications/mimeinfo.cache");
        }
        return files;
    }

private:
    /// "org-x-app.desktop" may live in "org/x-app.desktop" below the applications folder.
    static std::vector<std::string> CandidateNames(const std::string& id) {
        std::vector<std::string> names{id};
        for (std::size_t dash = id.find('-'); dash != std::string::npos;
             dash = id.find('-', dash + 1)) {
            names.push_back(id.substr(0, dash) + "/" + id.substr(dash + 1));
        }
        return names;
    }

    static std::optional<DesktopApp> ReadEntry(const std::string& file) {
        const auto ini = ReadIni(file);
        if (!ini) {
            return std::nullopt;
        }
        const auto group = ini->find("Desktop Entry");
        if (group == ini->end()) {
            return std::nullopt;
        }
        const auto& keys = group->second;
        auto value = [&](const char* key) {
            const auto it = keys.find(key);
            return it == keys.end() ? std::string() : it->second;
        };
        if (AsciiCase(value("Hidden"), false) == "true") {
            return std::nullopt;
        }
        return DesktopApp{file, value("Name"), ProgramOf(value("Exec")), value("Icon")};
    }

    const XdgFolders& folders_;
};

} // namespace

IniGroups ParseIni(std::string_view text) {
    IniGroups groups;
    std::map<std::string, std::string>* current = nullptr;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t to = text.find('\n', from);
        if (to == std::string_view::npos) {
            to = text.size();
        }
        const std::string_view line = Trimmed(text.substr(from, to - from));
        from = to + 1;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            current = &groups[std::string(line.substr(1, line.size() - 2))];
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trimmed(line.substr(0, equals));
        if (!key.empty()) {
            current->try_emplace(std::string(key), std::string(Trimmed(line.substr(equals + 1))));
        }
    }
    return groups;
}

XdgFolders XdgFolders::FromEnvironment() {
    const std::string home = EnvOr("HOME", "/");
    XdgFolders folders;
    folders.ConfigDirs.push_back(EnvOr("XDG_CONFIG_HOME", home + "/.config"));
    const auto configDirs = SplitPathList(std::getenv("XDG_CONFIG_DIRS"));
    folders.ConfigDirs.insert(folders.ConfigDirs.end(), configDirs.begin(), configDirs.end());
    if (configDirs.empty()) {
        folders.ConfigDirs.emplace_back("/etc/xdg");
    }
    folders.DataDirs.push_back(EnvOr("XDG_DATA_HOME", home + "/.local/share"));
    const auto dataDirs = SplitPathList(std::getenv("XDG_DATA_DIRS"));
    folders.DataDirs.insert(folders.DataDirs.end(), dataDirs.begin(), dataDirs.end());
    if (dataDirs.empty()) {
        folders.DataDirs.emplace_back("/usr/local/share");
        folders.DataDirs.emplace_back("/usr/share");
    }
    if (const char* desktops = std::getenv("XDG_CURRENT_DESKTOP")) {
        std::stringstream in(desktops);
        for (std::string desktop; std::getline(in, desktop, ':');) {
            if (!desktop.empty()) {
                folders.Desktops.push_back(AsciiCase(desktop, false));
            }
        }
    }
    return folders;
}

std::optional<DesktopApp> DefaultApplicationFor(std::string_view mimeType,
                                                const XdgFolders& folders) {
    const Lookup lookup(folders);
    const std::string mime(mimeType);
    std::vector<IniGroups> lists;
    for (const std::string& file : lookup.ListFiles()) {
        if (auto ini = ReadIni(file)) {
            lists.push_back(std::move(*ini));
        }
    }
    auto entriesOf = [&](const IniGroups& ini, const char* group) {
        const auto it = ini.find(group);
        if (it == ini.end()) {
            return std::vector<std::string>();
        }
        const auto entry = it->second.find(mime);
        return entry == it->second.end() ? std::vector<std::string>() : SplitList(entry->second);
    };
    for (const IniGroups& ini : lists) {
        for (const std::string& id : entriesOf(ini, "Default Applications")) {
            if (auto app = lookup.Installed(id)) {
                return app;
            }
        }
    }
    // Further associations, unless a more important list removed them.
    std::set<std::string> removed;
    for (const IniGroups& ini : lists) {
        for (const std::string& id : entriesOf(ini, "Added Associations")) {
            if (removed.count(id) == 0) {
                if (auto app = lookup.Installed(id)) {
                    return app;
                }
            }
        }
        for (const std::string& id : entriesOf(ini, "Removed Associations")) {
            removed.insert(id);
        }
    }
    for (const std::string& file : lookup.CacheFiles()) {
        const auto cache = ReadIni(file);
        if (!cache) {
            continue;
        }
        for (const std::string& id : entriesOf(*cache, "MIME Cache")) {
            if (removed.count(id) == 0) {
                if (auto app = lookup.Installed(id)) {
                    return app;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace zn::base
