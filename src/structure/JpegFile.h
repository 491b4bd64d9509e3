// JPEG pictures through libjpeg: size, full and thumbnail-sized decoding, writing.
#pragma once

#include "structure/RgbImage.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zn::structure {

/// A JPEG picture could not be read or written (broken, truncated or not a JPEG at all).
/// The message is Czech, with libjpeg's own explanation at the end.
class EJpegException : public std::runtime_error {
public:
    explicit EJpegException(const std::string& message) : std::runtime_error(message) {}
};

/// Largest picture decoded, in pixels (a 16384 × 16384 picture).
inline constexpr std::size_t MaxJpegPixels = std::size_t(1) << 28;
/// Quality of every JPEG the program writes.
inline constexpr int JpegQuality = 75;

/// Width and height from the JPEG header, without decoding the picture.
TPictureSize JpegSize(std::span<const uint8_t> data);
TPictureSize JpegFileSize(const std::string& fileName);

/// The whole picture in true colour (greyscale and CMYK pictures are converted).
TRgbImage JpegDecode(std::span<const uint8_t> data);
TRgbImage JpegLoadFile(const std::string& fileName);

/// A thumbnail of ThumbnailSize(picture, maxWidth, maxHeight). libjpeg's DCT scaling decodes
/// the picture at the smallest scale n/8 that is still at least that size, so a large photo is
/// never decoded whole; the rest is averaged down.
/// The DCT scale n (decoding at n/8 of the size, 1 <= n <= 8) used for a thumbnail: the
/// smallest one whose output is still at least `wanted` in both directions.
int JpegDctScale(TPictureSize picture, TPictureSize wanted);

TRgbImage JpegThumbnail(std::span<const uint8_t> data, int maxWidth, int maxHeight);
TRgbImage JpegThumbnailFile(const std::string& fileName, int maxWidth, int maxHeight);

/// The picture compressed as a baseline JFIF file.
std::vector<uint8_t> JpegEncode(const TRgbImage& image, int quality = JpegQuality);
/// Writes the picture as a JPEG file; an existing file is replaced whole or not at all.
void JpegSaveFile(const TRgbImage& image, const std::string& fileName, int quality = JpegQuality);

} // namespace zn::structure
