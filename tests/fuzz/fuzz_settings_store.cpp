// Fuzzes opening a settings store file of any content, reading and writing every setting.
#include "app/Settings.h"
#include "app/SettingsStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "znackar-fuzz-XXXXXX").string();
        return mkdtemp(pattern.data()) ? pattern : std::string("/tmp");
    }();
    return folder;
}

void Empty(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        std::filesystem::remove_all(entry.path(), ec);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string folder = Folder();
    Empty(folder);
    const std::string path = folder + "/settings.sqlite";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    {
        zn::app::SettingsStore store(path);
        zn::app::Settings settings;
        settings.Load(store);
        settings.LinkDatabase.push_back("index.html");
        settings.Save(store);
        store.TakeMessages();
        // Whatever the file held, the store must work afterwards.
        const auto links = store.ReadStringList("Software\\KVHTML\\HREF", 1);
        if (links.empty() || links.back() != "index.html")
            std::abort();
    }
    Empty(folder);
    return 0;
}
