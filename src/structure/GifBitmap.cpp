// Builds the 8-bit bitmap of a GIF's first image byte by byte, in the Windows BMP layout.
#include "structure/GifBitmap.h"

#include <algorithm>
#include <cstring>

namespace zn::structure {

namespace {

void Put16(uint8_t* at, uint32_t value) {
    at[0] = uint8_t(value);
    at[1] = uint8_t(value >> 8);
}

void Put32(uint8_t* at, uint32_t value) {
    Put16(at, value & 0xFFFF);
    Put16(at + 2, value >> 16);
}

} // namespace

std::vector<TGifRgb> FirstImagePalette(const TGifFile& gif) {
    std::vector<TGifRgb> palette(256);
    if (gif.Images.empty())
        return palette;
    const std::vector<TGifRgb>& table = gif.PaletteOf(gif.Images.front());
    if (table.empty()) {
        for (int i = 0; i < 256; ++i)
            palette[i] = {uint8_t(i), uint8_t(i), uint8_t(i)};
        return palette;
    }
    std::copy_n(table.begin(), std::min<std::size_t>(table.size(), 256), palette.begin());
    return palette;
}

std::optional<std::vector<uint8_t>> FirstImageAsDib(const TGifFile& gif) {
    if (gif.Images.empty())
        return std::nullopt;
    const TGifSubImage& image = gif.Images.front();
    const std::size_t width = image.Pixels.Columns();
    const std::size_t height = image.Pixels.Rows();
    const std::size_t stride = (width + 3) & ~std::size_t(3);
    const std::size_t imageBytes = stride * height;
    std::vector<uint8_t> dib(DibPixelOffset + imageBytes);
    uint8_t* p = dib.data();
    p[0] = 'B';
    p[1] = 'M';
    Put32(p + 2, uint32_t(dib.size()));
    Put32(p + 10, uint32_t(DibPixelOffset));
    uint8_t* info = p + 14;
    Put32(info, 40);
    Put32(info + 4, uint32_t(width));
    Put32(info + 8, uint32_t(height)); // positive height: rows stored bottom-up
    Put16(info + 12, 1);
    Put16(info + 14, 8);
    Put32(info + 20, uint32_t(imageBytes));
    Put32(info + 32, 256);
    uint8_t* entry = info + 40;
    for (const TGifRgb& c : FirstImagePalette(gif)) {
        entry[0] = c.Blue;
        entry[1] = c.Green;
        entry[2] = c.Red;
        entry += 4;
    }
    for (std::size_t row = 0; row < height; ++row) {
        auto source = image.Pixels.Row(row);
        if (width > 0)
            std::memcpy(p + DibPixelOffset + (height - 1 - row) * stride, source.data(), width);
    }
    return dib;
}

TRgbImage FirstImageAsRgb(const TGifFile& gif) {
    if (gif.Images.empty())
        return {};
    const TGifSubImage& image = gif.Images.front();
    std::vector<TGifRgb> palette = FirstImagePalette(gif);
    TRgbImage rgb(int(image.Pixels.Columns()), int(image.Pixels.Rows()));
    const uint8_t* index = image.Pixels.Data();
    uint8_t* out = rgb.Pixels.data();
    for (std::size_t i = 0, n = rgb.Pixels.size() / 3; i < n; ++i) {
        const TGifRgb& c = palette[index[i]];
        out[i * 3] = c.Red;
        out[i * 3 + 1] = c.Green;
        out[i * 3 + 2] = c.Blue;
    }
    return rgb;
}

} // namespace zn::structure
