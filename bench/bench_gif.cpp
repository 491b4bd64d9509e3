// Decoding a generated 4000 × 3000, 256-colour GIF with our reader and with giflib, on the
// same bytes in the same run.
#include "structure/GifFile.h"
#include "structure/GifWriter.h"

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstring>
#include <random>

using namespace zn::structure;

namespace {

constexpr int Width = 4000;
constexpr int Height = 3000;

/// Pixel indices: smooth bands with some noise (like a dithered photo), or pure noise.
std::vector<uint8_t> MakeGif(bool noise) {
    TIndexedImage image;
    image.Width = Width;
    image.Height = Height;
    for (int i = 0; i < 256; ++i)
        image.Palette.push_back({uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)});
    image.Indices.resize(std::size_t(Width) * Height);
    std::mt19937 random(42);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            unsigned value = noise ? random() : (x / 16 + y / 12) + (random() % 4 == 0 ? 1 : 0);
            image.Indices[std::size_t(y) * Width + x] = uint8_t(value);
        }
    return MakeGifFile(image).SaveToMemory();
}

const std::vector<uint8_t>& Sample(bool noise) {
    static const std::vector<uint8_t> photo = MakeGif(false);
    static const std::vector<uint8_t> random = MakeGif(true);
    return noise ? random : photo;
}

struct TMemoryReader {
    const std::vector<uint8_t>* Bytes;
    std::size_t Pos;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int count) {
    auto* reader = static_cast<TMemoryReader*>(gif->UserData);
    std::size_t left = reader->Bytes->size() - reader->Pos;
    std::size_t n = std::min<std::size_t>(left, std::size_t(count));
    std::memcpy(out, reader->Bytes->data() + reader->Pos, n);
    reader->Pos += n;
    return int(n);
}

void BM_GifDecodeOurs(benchmark::State& state) {
    const auto& bytes = Sample(state.range(0) != 0);
    for (auto _ : state) {
        TGifFile gif;
        gif.LoadFromMemory(bytes);
        benchmark::DoNotOptimize(gif.Images.front().Pixels.Data());
    }
    state.SetLabel(std::to_string(bytes.size() / 1024) + " KiB");
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

void BM_GifDecodeGiflib(benchmark::State& state) {
    const auto& bytes = Sample(state.range(0) != 0);
    for (auto _ : state) {
        TMemoryReader reader{&bytes, 0};
        int error = 0;
        GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
        if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
            state.SkipWithError("giflib could not read the sample");
            break;
        }
        benchmark::DoNotOptimize(gif->SavedImages[0].RasterBits);
        DGifCloseFile(gif, &error);
    }
    state.SetLabel(std::to_string(bytes.size() / 1024) + " KiB");
    state.SetItemsProcessed(state.iterations() * Width * Height);
}

} // namespace

// Argument 0: banded picture with noise; 1: random pixels (no long strings at all).
BENCHMARK(BM_GifDecodeOurs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GifDecodeGiflib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
