// Recognising picture files by name and learning a picture's width and height.
#pragma once

#include "structure/RgbImage.h"

#include <optional>
#include <string>
#include <string_view>

namespace zn::structure {

/// The file name of a picture link: "file://" (any letter case) removed from the front.
std::string PictureFileName(std::string_view nameOrLink);

/// True when the file exists and its extension is .jpg, .jpe or .jpeg (any letter case).
bool IsJpegFile(std::string_view nameOrLink);
/// True when the file exists and its extension is .gif (any letter case).
bool IsGifFile(std::string_view nameOrLink);
/// True when the file exists and its extension is .bmp (any letter case).
bool IsBmpFile(std::string_view nameOrLink);

/// Width and height of a JPEG or GIF picture (the GIF's first image), read the way the
/// picture itself is loaded; nothing for other files and missing files. A broken picture
/// raises EJpegException or EGifException.
std::optional<TPictureSize> PictureDimensions(std::string_view nameOrLink);

} // namespace zn::structure
