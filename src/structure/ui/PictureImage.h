// Pictures of the core as Qt images: GIF through our reader, JPEG through libjpeg, BMP
// through Qt, and back for writing.
#pragma once

#include "structure/GifFile.h"
#include "structure/RgbImage.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace zn::structure::ui {

/// Native (8-bit) file name of a path, for the core's file functions.
std::string NativeFileName(const QString& fileName);

QImage RgbToImage(const TRgbImage& image);
TRgbImage ImageToRgb(const QImage& image);

/// The Qt image of an 8-bit bitmap made by FirstImageAsDib (null for anything else).
QImage DibToImage(const std::vector<uint8_t>& dib);
/// The first image of a loaded GIF (null when it has none).
QImage GifFirstImage(const TGifFile& gif);

/// Loads a JPEG, GIF or BMP file by its extension (IsJpegFile, IsGifFile, IsBmpFile). On
/// failure returns a null image and sets `error` to a Czech message naming the file.
QImage LoadPictureFile(const QString& fileName, QString* error);

/// Writes the picture as JPEG (quality 75) or as a 24-bit BMP; an existing file is replaced
/// whole or not at all. On failure returns false with a Czech message naming the file.
bool SaveJpegFile(const QImage& picture, const QString& fileName, QString* error);
bool SaveBmpFile(const QImage& picture, const QString& fileName, QString* error);

} // namespace zn::structure::ui
