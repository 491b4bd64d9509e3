// Where the settings store lives, and moving a damaged store file out of the way.
#include "app/SettingsFile.h"

#include "base/ErrorText.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace zn::app {

namespace fs = std::filesystem;

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty())
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return ".";
}

} // namespace

std::string SettingsFolder() {
    const std::string overridden = Environment("ZNACKAR_CONFIG_DIR");
    if (!overridden.empty())
        return overridden;
    // Relative values of XDG_CONFIG_HOME are invalid by the base-directory rules and ignored.
    const std::string xdg = Environment("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/')
        return xdg + "/znackar";
    return HomeFolder() + "/.config/znackar";
}

std::string DefaultSettingsPath() {
    return SettingsFolder() + "/settings.sqlite";
}

std::string DamagedFileName(const std::string& path, std::time_t when) {
    std::tm parts{};
    localtime_r(&when, &parts);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &parts);
    return path + ".damaged-" + stamp;
}

bool MoveDamagedFile(const std::string& path, std::string& movedTo, std::string& error) {
    const std::string base = DamagedFileName(path, std::time(nullptr));
    std::error_code ec;
    movedTo = base;
    for (int n = 2; fs::exists(movedTo, ec) || fs::exists(movedTo + "-wal", ec); ++n)
        movedTo = base + "-" + std::to_string(n);
    fs::rename(path, movedTo, ec);
    if (ec) {
        error = base::ErrorText(ec);
        return false;
    }
    // SQLite finds a database's logs by appending "-wal" or "-journal" to its name, so the
    // moved files stay a usable pair. A log left behind would be replayed into the fresh store.
    for (const char* suffix : {"-wal", "-journal"}) {
        const std::string log = path + suffix;
        if (!fs::exists(log, ec))
            continue;
        fs::rename(log, movedTo + suffix, ec);
        if (ec && !fs::remove(log, ec)) {
            error = ec ? base::ErrorText(ec) : "Soubor " + log + " nelze smazat.";
            return false;
        }
    }
    fs::remove(path + "-shm", ec);
    return true;
}

} // namespace zn::app
