// Gallery thumbnails of 20 photos of 4000 × 3000 (generated at start) on one and two worker
// threads, against a loop of ImageMagick's convert on the same files (skipped without it).
#include "structure/GalleryThumbnails.h"
#include "structure/JpegFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

using namespace zn::structure;
namespace fs = std::filesystem;

namespace {

constexpr int kPhotos = 20;

/// A folder with 20 photo-like JPEGs (smooth gradients with sensor-like noise, quality 75),
/// each a little different so no two files are the same.
const std::vector<TThumbnailJob>& Photos() {
    static const std::vector<TThumbnailJob> jobs = [] {
        const fs::path folder =
            fs::temp_directory_path() / ("zn-gallery-" + std::to_string(getpid()));
        fs::create_directories(folder);
        std::vector<TThumbnailJob> made;
        TRgbImage image(4000, 3000);
        std::mt19937 random(1);
        for (int n = 0; n < kPhotos; ++n) {
            for (int y = 0; y < image.Height; ++y)
                for (int x = 0; x < image.Width; ++x) {
                    uint8_t* p = image.Pixel(x, y);
                    const int noise = int(random() % 24);
                    p[0] = uint8_t((x / 16 + noise + n * 9) & 0xFF);
                    p[1] = uint8_t((y / 12 + noise / 2) & 0xFF);
                    p[2] = uint8_t(((x + y) / 28 + noise) & 0xFF);
                }
            const std::string name = (folder / ("photo" + std::to_string(n))).string();
            JpegSaveFile(image, name + ".jpg");
            made.push_back({name + ".jpg", name + "icon.jpg"});
        }
        return made;
    }();
    return jobs;
}

/// Processor time in milliseconds used so far by all threads of this process, or by its
/// finished children: on a shared machine it tells the work apart from the waiting.
double CpuMilliseconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void RemoveThumbnails() {
    for (const TThumbnailJob& job : Photos())
        fs::remove(job.Target);
}

void BM_Gallery20Photos(benchmark::State& state) {
    const auto& jobs = Photos();
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RemoveThumbnails();
        state.ResumeTiming();
        const double before = CpuMilliseconds(RUSAGE_SELF);
        auto results = MakeThumbnails(jobs, 120, 70, {}, {}, int(state.range(0)));
        benchmark::DoNotOptimize(results.data());
        cpu += CpuMilliseconds(RUSAGE_SELF) - before;
    }
    state.counters["cpu_ms_all_threads"] = cpu / double(state.iterations());
    state.SetLabel(std::to_string(state.range(0)) + " threads");
}

void BM_Convert20Photos(benchmark::State& state) {
    const char* convert = std::getenv("ZN_CONVERT");
    const std::string program = convert ? convert : "/usr/bin/convert";
    if (!fs::exists(program)) {
        state.SkipWithError("ImageMagick convert not found (set ZN_CONVERT)");
        return;
    }
    const auto& jobs = Photos();
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RemoveThumbnails();
        state.ResumeTiming();
        const double before = CpuMilliseconds(RUSAGE_CHILDREN);
        for (const TThumbnailJob& job : jobs) {
            const std::string command = program + " -define jpeg:size=240x140 '" + job.Source +
                                        "' -thumbnail 120x70 '" + job.Target + "'";
            if (std::system(command.c_str()) != 0)
                state.SkipWithError("convert failed");
        }
        cpu += CpuMilliseconds(RUSAGE_CHILDREN) - before;
    }
    state.counters["cpu_ms_all_threads"] = cpu / double(state.iterations());
}

} // namespace

BENCHMARK(BM_Gallery20Photos)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Convert20Photos)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto& jobs = Photos();
    fs::remove_all(fs::path(jobs.front().Source).parent_path());
    return 0;
}
