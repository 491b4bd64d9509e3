// GIF87a writer: screen descriptor, palettes padded to 2, 16 or 256 entries, LZW sub-blocks.
#include "structure/GifWriter.h"

#include "base/FileIO.h"
#include "structure/ColorReduction.h"
#include "structure/GifException.h"
#include "structure/GifLzw.h"

#include <algorithm>

namespace zn::structure {

namespace {

/// Bits per pixel of a palette: 2, 16 and 256 colours give 1, 4 and 8.
int BitsPerPixel(std::size_t colors) {
    if (colors <= 2)
        return 1;
    return colors <= 16 ? 4 : 8;
}

void PutWord(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(uint8_t(value & 0xFF));
    out.push_back(uint8_t(value >> 8));
}

void PutColorTable(std::vector<uint8_t>& out, const std::vector<TGifRgb>& table, int bits) {
    for (int i = 0; i < (1 << bits); ++i) {
        TGifRgb c = i < int(table.size()) ? table[i] : TGifRgb{};
        out.insert(out.end(), {c.Red, c.Green, c.Blue});
    }
}

void PutSubBlocks(std::vector<uint8_t>& out, const std::vector<uint8_t>& data) {
    for (std::size_t done = 0; done < data.size();) {
        std::size_t length = std::min<std::size_t>(255, data.size() - done);
        out.push_back(uint8_t(length));
        out.insert(out.end(), data.begin() + done, data.begin() + done + length);
        done += length;
    }
    out.push_back(0);
}

void PutImage(std::vector<uint8_t>& out, const TGifSubImage& image, int globalBits) {
    out.push_back(',');
    PutWord(out, image.Left);
    PutWord(out, image.Top);
    PutWord(out, image.Width);
    PutWord(out, image.Height);
    int bits = globalBits;
    if (image.HasLocalColorTable()) {
        bits = BitsPerPixel(image.LocalColorTable.size());
        out.push_back(uint8_t(0x80 | (bits - 1)));
        PutColorTable(out, image.LocalColorTable, bits);
    } else {
        out.push_back(0); // written in display order, never interlaced
    }
    int codeSize = std::max(2, bits);
    out.push_back(uint8_t(codeSize));
    std::size_t count = std::size_t(image.Width) * image.Height;
    if (image.Pixels.Rows() * image.Pixels.Columns() != count)
        throw EGifException("Row doesn't have equal number of elements as Matrix row");
    PutSubBlocks(out, LzwEncode({image.Pixels.Data(), count}, codeSize));
}

} // namespace

std::vector<uint8_t> TGifFile::SaveToMemory() const {
    std::vector<uint8_t> out = {'G', 'I', 'F', '8', '7', 'a'};
    int bits = BitsPerPixel(GlobalColorTable.size());
    PutWord(out, ScreenDescriptor.Width);
    PutWord(out, ScreenDescriptor.Height);
    out.push_back(uint8_t(0x80 | ((bits - 1) << 4) | (bits - 1)));
    out.push_back(ScreenDescriptor.BackgroundIndex);
    out.push_back(0);
    PutColorTable(out, GlobalColorTable, bits);
    for (const TGifSubImage& image : Images)
        PutImage(out, image, bits);
    out.push_back(';');
    return out;
}

void TGifFile::SaveToFile(const std::string& fileName) const {
    base::WriteBinaryFile(fileName, SaveToMemory());
}

TGifFile MakeGifFile(const TIndexedImage& image) {
    if (image.Width <= 0 || image.Height <= 0 || image.Width > 65535 || image.Height > 65535)
        throw EGifException("Obrázek " + std::to_string(image.Width) + " × " +
                            std::to_string(image.Height) + " nelze uložit jako GIF.");
    if (image.Indices.size() != std::size_t(image.Width) * image.Height)
        throw EGifException("Row doesn't have equal number of elements as Matrix row");
    if (image.Palette.size() > 256)
        throw EGifException("Obrázek GIF může mít nejvýše 256 barev.");
    TGifFile gif;
    gif.ScreenDescriptor.Width = uint16_t(image.Width);
    gif.ScreenDescriptor.Height = uint16_t(image.Height);
    gif.GlobalColorTable = image.Palette;
    TGifSubImage sub;
    sub.Width = uint16_t(image.Width);
    sub.Height = uint16_t(image.Height);
    sub.Pixels = TByteArray2D(image.Height, image.Width);
    for (int y = 0; y < image.Height; ++y)
        sub.Pixels.SetRow(
            y, {image.Indices.data() + std::size_t(y) * image.Width, std::size_t(image.Width)});
    gif.Images.push_back(std::move(sub));
    return gif;
}

std::vector<uint8_t> EncodeBitmapAsGif(const TRgbImage& image) {
    return MakeGifFile(ReduceColors(image)).SaveToMemory();
}

void SaveBitmapAsGif(const TRgbImage& image, const std::string& fileName) {
    base::WriteBinaryFile(fileName, EncodeBitmapAsGif(image));
}

} // namespace zn::structure
