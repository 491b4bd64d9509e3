// Costs of the settings store: the reading at start, the writing at exit, one value.
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace zn::app;

namespace {

/// A store file as after long use: every setting, 200 links, ten recent files.
class StoreFile {
public:
    StoreFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "znackar-bench-XXXXXX").string();
        folder_ = mkdtemp(pattern.data()) ? pattern : "/tmp";
        path_ = folder_ + "/settings.sqlite";
        SettingsStore store(path_);
        Settings settings;
        settings.Load(store);
        for (int i = 0; i < 200; ++i)
            settings.LinkDatabase.push_back("http://www.example.cz/stranka" + std::to_string(i) +
                                            ".html");
        for (int i = 0; i < 10; ++i)
            settings.Filesy.push_back("/home/jana/web/soubor" + std::to_string(i) + ".html");
        settings.Save(store);
    }
    ~StoreFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string folder_, path_;
};

void BM_OpenAndLoadAtStart(benchmark::State& state) {
    StoreFile file;
    for (auto _ : state) {
        SettingsStore store(file.Path());
        Settings settings;
        settings.Load(store);
        benchmark::DoNotOptimize(settings.LinkDatabase.size());
    }
}
BENCHMARK(BM_OpenAndLoadAtStart)->Unit(benchmark::kMillisecond);

void BM_SaveAtExit(benchmark::State& state) {
    StoreFile file;
    SettingsStore store(file.Path());
    Settings settings;
    settings.Load(store);
    for (auto _ : state)
        settings.Save(store);
}
BENCHMARK(BM_SaveAtExit)->Unit(benchmark::kMillisecond);

void BM_WriteOneValue(benchmark::State& state) {
    StoreFile file;
    SettingsStore store(file.Path());
    int n = 0;
    for (auto _ : state)
        store.WriteInteger(KVHTMLKey, "KartaPath", ++n % 2);
}
BENCHMARK(BM_WriteOneValue)->Unit(benchmark::kMicrosecond);

void BM_ReadOneValue(benchmark::State& state) {
    StoreFile file;
    SettingsStore store(file.Path());
    for (auto _ : state)
        benchmark::DoNotOptimize(store.ReadInteger(KVHTMLKey, "KartaPath"));
}
BENCHMARK(BM_ReadOneValue)->Unit(benchmark::kMicrosecond);

} // namespace
