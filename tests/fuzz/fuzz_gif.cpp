// Fuzz harness of the GIF reader: any input either loads or raises EGifException; what
// loads converts to a bitmap and survives a write-and-read round trip unchanged.
// Build: cmake -S . -B build-fuzz -G Ninja -DZN_FUZZ=ON -DZN_CORE_ONLY=ON -DZN_BENCH=OFF
//        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
// Run:   build-fuzz/tests/fuzz/fuzz_gif CORPUS tests/fuzz/seeds/fuzz_gif -max_total_time=300
#include "structure/GifBitmap.h"
#include "structure/GifException.h"
#include "structure/GifFile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace zn::structure;

namespace {

void CheckRoundTrip(const TGifFile& gif) {
    std::vector<uint8_t> saved;
    try {
        saved = gif.SaveToMemory();
    } catch (const EGifException&) {
        return; // pixels beyond the palette's bit depth cannot be written; that is refused
    }
    TGifFile again;
    again.LoadFromMemory(saved); // must not throw: we wrote it ourselves
    const TGifSubImage& a = gif.Images.front();
    const TGifSubImage& b = again.Images.front();
    std::size_t count = std::size_t(a.Width) * a.Height;
    if (b.Width != a.Width || b.Height != a.Height ||
        (count > 0 && std::memcmp(a.Pixels.Data(), b.Pixels.Data(), count) != 0))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TGifFile gif;
    try {
        gif.LoadFromMemory({data, size});
    } catch (const EGifException&) {
        return 0;
    }
    if (gif.Images.empty())
        return 0;
    auto dib = FirstImageAsDib(gif);
    if (!dib || dib->size() < DibPixelOffset)
        std::abort();
    if (gif.Images.front().Width > 0 && gif.Images.front().Height > 0)
        CheckRoundTrip(gif);
    return 0;
}
