// A 120 × 70 thumbnail of a 4000 × 3000 JPEG (generated at start), against a full decode.
#include "structure/JpegFile.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace zn::structure;

namespace {

/// A photo-like picture: smooth gradients with sensor-like noise, compressed at quality 75.
const std::vector<uint8_t>& Photo() {
    static const std::vector<uint8_t> jpeg = [] {
        TRgbImage image(4000, 3000);
        std::mt19937 random(1);
        for (int y = 0; y < image.Height; ++y)
            for (int x = 0; x < image.Width; ++x) {
                uint8_t* p = image.Pixel(x, y);
                int noise = int(random() % 24);
                p[0] = uint8_t((x / 16 + noise) & 0xFF);
                p[1] = uint8_t((y / 12 + noise / 2) & 0xFF);
                p[2] = uint8_t(((x + y) / 28 + noise) & 0xFF);
            }
        return JpegEncode(image);
    }();
    return jpeg;
}

void BM_JpegThumbnail120x70(benchmark::State& state) {
    const auto& jpeg = Photo();
    for (auto _ : state) {
        TRgbImage thumb = JpegThumbnail(jpeg, 120, 70);
        benchmark::DoNotOptimize(thumb.Pixels.data());
    }
    state.SetLabel(std::to_string(jpeg.size() / 1024) + " KiB");
}

void BM_JpegFullDecode(benchmark::State& state) {
    const auto& jpeg = Photo();
    for (auto _ : state) {
        TRgbImage image = JpegDecode(jpeg);
        benchmark::DoNotOptimize(image.Pixels.data());
    }
}

void BM_JpegSize(benchmark::State& state) {
    const auto& jpeg = Photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(JpegSize(jpeg));
}

} // namespace

BENCHMARK(BM_JpegThumbnail120x70)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegFullDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegSize)->Unit(benchmark::kMicrosecond);
