// Writing pictures as GIF files: a true-colour picture is reduced to a palette first.
#pragma once

#include "structure/GifFile.h"
#include "structure/RgbImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zn::structure {

/// A one-image GIF file holding a palette picture (at most 256 colours).
TGifFile MakeGifFile(const TIndexedImage& image);

/// The GIF87a bytes of a true-colour picture, reduced to at most 256 colours.
std::vector<uint8_t> EncodeBitmapAsGif(const TRgbImage& image);

/// Writes a true-colour picture as a GIF87a file (reduced to at most 256 colours); an
/// existing file is replaced whole or not at all. Raises EGifException or EFileError.
void SaveBitmapAsGif(const TRgbImage& image, const std::string& fileName);

} // namespace zn::structure
