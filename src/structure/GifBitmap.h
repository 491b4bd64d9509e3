// The first image of a GIF file as an in-memory 8-bit device-independent bitmap (BMP bytes)
// and as a true-colour picture.
#pragma once

#include "structure/GifFile.h"
#include "structure/RgbImage.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zn::structure {

/// Size of the BMP file header plus the 40-byte info header plus 256 palette entries.
inline constexpr std::size_t DibPixelOffset = 14 + 40 + 256 * 4;

/// The 256-colour palette of the first image: its local table, else the global one, else a
/// grey ramp (a file without any table); unused entries are black.
std::vector<TGifRgb> FirstImagePalette(const TGifFile& gif);

/// A complete BMP file: "BM" header, 40-byte info header, 256 palette entries (blue, green,
/// red, 0), one byte per pixel, rows bottom-up, each padded to a multiple of 4 bytes. The
/// bitmap has the image's own size; transparency and the screen offset are ignored.
/// Nothing when the file holds no image.
std::optional<std::vector<uint8_t>> FirstImageAsDib(const TGifFile& gif);

/// The first image in true colour (empty when the file holds no image).
TRgbImage FirstImageAsRgb(const TGifFile& gif);

} // namespace zn::structure
