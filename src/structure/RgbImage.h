// Plain pictures shared by the picture readers and writers: true-colour pixels and sizes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zn::structure {

/// Width and height of a picture in pixels.
struct TPictureSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TPictureSize&) const = default;
};

/// A true-colour picture: rows from the top, three bytes (red, green, blue) per pixel,
/// no padding. Pixels.size() is always Width × Height × 3.
struct TRgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;

    TRgbImage() = default;
    TRgbImage(int width, int height)
        : Width(width), Height(height), Pixels(std::size_t(width) * height * 3) {}
    bool Empty() const { return Width <= 0 || Height <= 0; }
    TPictureSize Size() const { return {Width, Height}; }
    uint8_t* Pixel(int x, int y) { return Pixels.data() + (std::size_t(y) * Width + x) * 3; }
    const uint8_t* Pixel(int x, int y) const {
        return Pixels.data() + (std::size_t(y) * Width + x) * 3;
    }
};

/// One colour of a palette.
struct TGifRgb {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    bool operator==(const TGifRgb&) const = default;
};

/// A picture of palette indices, one byte per pixel, rows from the top.
struct TIndexedImage {
    int Width = 0;
    int Height = 0;
    std::vector<TGifRgb> Palette;
    std::vector<uint8_t> Indices;
};

} // namespace zn::structure
