// The variable-length LZW code of GIF image data: decoding into pixels and encoding them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zn::structure {

/// Most pixels a stream of `dataBytes` bytes can decode to: every code takes at least
/// `minCodeSize` + 1 bits and stands for at most 4096 pixels. Used to refuse image sizes the
/// data cannot fill before anything is allocated.
std::size_t LzwMaxPixels(std::size_t dataBytes, int minCodeSize);

/// Decodes GIF LZW data (sub-blocks already joined) into exactly `pixelCount` palette indices
/// at `out`. Codes after a full table are decoded with that table (the "deferred clear" of some
/// encoders); data after the last pixel is ignored. Raises EGifException on a bad code size, a
/// code the table does not hold, or data ending before the last pixel.
void LzwDecode(std::span<const uint8_t> data, int minCodeSize, uint8_t* out,
               std::size_t pixelCount);

/// Encodes palette indices (each below 2^minCodeSize) as GIF LZW data, starting with a clear
/// code and clearing whenever the table fills; the result is not yet split into sub-blocks.
std::vector<uint8_t> LzwEncode(std::span<const uint8_t> pixels, int minCodeSize);

} // namespace zn::structure
