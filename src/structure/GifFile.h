// A GIF file in memory: header, logical screen, colour tables, extensions and its first image.
#pragma once

#include "structure/ByteArrays.h"
#include "structure/GifExtension.h"
#include "structure/RgbImage.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zn::structure {

/// The 7-byte logical screen descriptor.
struct TGifScreenDescriptor {
    uint16_t Width = 0;
    uint16_t Height = 0;
    uint8_t Flags = 0; ///< 80h global table, 70h colour resolution, 07h table size
    uint8_t BackgroundIndex = 0;
    uint8_t AspectRatio = 0;

    bool HasGlobalColorTable() const { return (Flags & 0x80) != 0; }
    int GlobalColorTableSize() const { return 2 << (Flags & 7); }
};

/// One image of the file: its descriptor, optional local palette, LZW data and pixels.
struct TGifSubImage {
    uint16_t Left = 0;
    uint16_t Top = 0;
    uint16_t Width = 0;
    uint16_t Height = 0;
    uint8_t Flags = 0; ///< 80h local table, 40h interlaced, 07h local table size
    std::vector<TGifRgb> LocalColorTable;
    uint8_t LzwCodeSize = 0;
    TBigByteArray CompressedData; ///< the data sub-blocks joined, length bytes removed
    TByteArray2D Pixels;          ///< Height rows of Width palette indices, in display order

    bool HasLocalColorTable() const { return (Flags & 0x80) != 0; }
    bool Interlaced() const { return (Flags & 0x40) != 0; }
};

/// Largest image the reader accepts, in pixels (a 16384 × 16384 picture).
inline constexpr std::size_t MaxGifPixels = std::size_t(1) << 28;

class TGifFile {
public:
    std::string Signature = "GIF";
    std::string Version = "87a";
    TGifScreenDescriptor ScreenDescriptor;
    std::vector<TGifRgb> GlobalColorTable;
    std::vector<TGifExtension> Extensions;
    std::vector<TGifSubImage> Images;

    /// Reads the header, the screen, the global palette, the extensions before the first image
    /// and the first image (decoded). Later images of an animation are not read. Raises
    /// EGifException for every format fault; the object is then left empty.
    void LoadFromMemory(std::span<const uint8_t> bytes);
    /// The same from a file; a file that cannot be read raises EGifException too.
    void LoadFromFile(const std::string& fileName);

    /// Writes the file as GIF87a: header, screen, global palette, every image, trailer.
    std::vector<uint8_t> SaveToMemory() const;
    /// Writes the file so that an existing file is replaced whole or not at all.
    void SaveToFile(const std::string& fileName) const;

    /// The palette of an image: its local table, else the global one (may be empty).
    const std::vector<TGifRgb>& PaletteOf(const TGifSubImage& image) const;
};

} // namespace zn::structure
