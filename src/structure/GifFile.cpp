// Reading a GIF file: header, screen, palettes, extensions and the first image, with every
// length checked against the bytes actually present.
#include "structure/GifFile.h"

#include "base/FileIO.h"
#include "structure/GifException.h"
#include "structure/GifLzw.h"

#include <cstdio>
#include <cstring>

namespace zn::structure {

namespace {

/// Reads the file's bytes in order; running past the end is a truncated file.
class TGifReader {
public:
    explicit TGifReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint8_t Byte() {
        Need(1);
        return bytes_[pos_++];
    }
    uint16_t Word() {
        uint16_t low = Byte();
        return uint16_t(low | (Byte() << 8));
    }
    std::span<const uint8_t> Take(std::size_t count) {
        Need(count);
        auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

    /// Image data sub-blocks joined into one array: the chain is walked once to learn its
    /// length (and find a truncation) before anything is allocated.
    TBigByteArray JoinedSubBlocks() {
        std::size_t total = 0;
        std::size_t scan = pos_;
        for (;;) {
            if (scan >= bytes_.size())
                Truncated();
            std::size_t length = bytes_[scan++];
            if (length == 0)
                break;
            if (length > bytes_.size() - scan)
                Truncated();
            total += length;
            scan += length;
        }
        TBigByteArray joined(total);
        std::size_t done = 0;
        for (std::size_t length = Byte(); length != 0; length = Byte()) {
            std::memcpy(joined.Data() + done, bytes_.data() + pos_, length);
            pos_ += length;
            done += length;
        }
        return joined;
    }

    /// Data sub-blocks: a length byte and that many bytes, up to a zero length.
    std::vector<uint8_t> SubBlocks() {
        std::vector<uint8_t> data;
        for (uint8_t length = Byte(); length != 0; length = Byte()) {
            auto part = Take(length);
            data.insert(data.end(), part.begin(), part.end());
        }
        return data;
    }

private:
    void Need(std::size_t count) const {
        if (count > bytes_.size() - pos_)
            Truncated();
    }
    [[noreturn]] void Truncated() const {
        throw EGifException("Soubor GIF je zkrácený: data končí na bajtu " +
                            std::to_string(bytes_.size()) + ".");
    }

    std::span<const uint8_t> bytes_;
    std::size_t pos_ = 0;
};

std::vector<TGifRgb> ReadColorTable(TGifReader& in, int entries) {
    auto raw = in.Take(std::size_t(entries) * 3);
    std::vector<TGifRgb> table(entries);
    for (int i = 0; i < entries; ++i)
        table[i] = {raw[i * 3], raw[i * 3 + 1], raw[i * 3 + 2]};
    return table;
}

void CheckVersion(TGifReader& in, TGifFile& gif) {
    auto header = in.Take(6);
    gif.Signature.assign(header.begin(), header.begin() + 3);
    gif.Version.assign(header.begin() + 3, header.end());
    if (gif.Signature != "GIF")
        throw EGifException("Soubor není obrázek GIF (nezačíná znaky \"GIF\").");
    const std::string& v = gif.Version;
    if (v != "87a" && v != "89a" && v != "87A" && v != "89A")
        throw EGifException("Gif Version must be 87a or 89a");
}

void ReadScreen(TGifReader& in, TGifFile& gif) {
    TGifScreenDescriptor& screen = gif.ScreenDescriptor;
    screen.Width = in.Word();
    screen.Height = in.Word();
    screen.Flags = in.Byte();
    screen.BackgroundIndex = in.Byte();
    screen.AspectRatio = in.Byte();
    if (screen.HasGlobalColorTable())
        gif.GlobalColorTable = ReadColorTable(in, screen.GlobalColorTableSize());
}

TGifExtension ReadExtension(TGifReader& in) {
    TGifExtension ext;
    uint8_t label = in.Byte();
    auto fixed = [&](std::size_t count) {
        auto part = in.Take(count);
        ext.Fixed.assign(part.begin(), part.end());
    };
    switch (label) {
    case 0x01:
        ext.Kind = TGifExtensionKind::PlainText;
        fixed(13);
        ext.Data = in.SubBlocks();
        break;
    case 0xF9:
        ext.Kind = TGifExtensionKind::GraphicControl;
        fixed(6);
        break;
    case 0xFE:
        ext.Kind = TGifExtensionKind::Comment;
        ext.Data = in.SubBlocks();
        break;
    case 0xFF:
        ext.Kind = TGifExtensionKind::Application;
        fixed(12);
        ext.Data = in.SubBlocks();
        break;
    default: {
        char code[3];
        std::snprintf(code, sizeof code, "%02X", label);
        throw EGifException(std::string("Unrecognized extension block.\r\nCode = $") + code);
    }
    }
    return ext;
}

std::string SizeText(std::size_t width, std::size_t height) {
    return std::to_string(width) + " × " + std::to_string(height);
}

/// Refuses images the file cannot hold, before any pixel memory is asked for. An image that
/// overruns the logical screen (or a screen declared 0 × 0) is kept at its own size, as other
/// readers show such files.
void CheckImageSize(const TGifFile& /*gif*/, const TGifSubImage& image, std::size_t dataBytes) {
    std::size_t pixels = std::size_t(image.Width) * image.Height;
    if (pixels > MaxGifPixels)
        throw EGifException("Obrázek GIF " + SizeText(image.Width, image.Height) +
                            " je příliš velký.");
    if (pixels > LzwMaxPixels(dataBytes, image.LzwCodeSize))
        throw EGifException("Obrazová data GIF (" + std::to_string(dataBytes) +
                            " bajtů) nemohou vyplnit obrázek " +
                            SizeText(image.Width, image.Height) + ".");
}

/// Display row of the n-th stored row of an interlaced image (passes 8/0, 8/4, 4/2, 2/1).
void Deinterlace(const uint8_t* stored, TByteArray2D& pixels) {
    static constexpr int Start[4] = {0, 4, 2, 1};
    static constexpr int Step[4] = {8, 8, 4, 2};
    std::size_t columns = pixels.Columns();
    std::size_t n = 0;
    for (int pass = 0; pass < 4; ++pass)
        for (std::size_t row = Start[pass]; row < pixels.Rows(); row += Step[pass])
            pixels.SetRow(row, {stored + columns * n++, columns});
}

void DecodeImage(TGifSubImage& image) {
    std::size_t count = std::size_t(image.Width) * image.Height;
    image.Pixels = TByteArray2D(image.Height, image.Width);
    if (!image.Interlaced()) {
        LzwDecode(image.CompressedData.Bytes(), image.LzwCodeSize, image.Pixels.Data(), count);
        return;
    }
    TBigByteArray stored(count);
    LzwDecode(image.CompressedData.Bytes(), image.LzwCodeSize, stored.Data(), count);
    Deinterlace(stored.Data(), image.Pixels);
}

TGifSubImage ReadImage(TGifReader& in, const TGifFile& gif) {
    TGifSubImage image;
    image.Left = in.Word();
    image.Top = in.Word();
    image.Width = in.Word();
    image.Height = in.Word();
    image.Flags = in.Byte();
    if (image.HasLocalColorTable())
        image.LocalColorTable = ReadColorTable(in, 2 << (image.Flags & 7));
    image.LzwCodeSize = in.Byte();
    if (image.LzwCodeSize < 2 || image.LzwCodeSize > 9)
        throw EGifException("Bad code Size");
    image.CompressedData = in.JoinedSubBlocks();
    CheckImageSize(gif, image, image.CompressedData.Count());
    DecodeImage(image);
    return image;
}

void Read(TGifReader& in, TGifFile& gif) {
    CheckVersion(in, gif);
    ReadScreen(in, gif);
    // Before the first image the file must go on (a file without an image ends with the
    // trailer); after it, nothing more is needed, so a missing trailer is no fault.
    for (;;) {
        uint8_t introducer = in.Byte();
        if (introducer == '!') {
            gif.Extensions.push_back(ReadExtension(in));
            continue;
        }
        if (introducer == ',')
            gif.Images.push_back(ReadImage(in, gif));
        break;
    }
}

} // namespace

void TGifFile::LoadFromMemory(std::span<const uint8_t> bytes) {
    *this = TGifFile();
    TGifReader in(bytes);
    try {
        Read(in, *this);
    } catch (...) {
        *this = TGifFile();
        throw;
    }
}

void TGifFile::LoadFromFile(const std::string& fileName) {
    std::vector<uint8_t> bytes;
    try {
        bytes = base::ReadBinaryFile(fileName);
    } catch (const base::EFileError& error) {
        *this = TGifFile();
        throw EGifException(error.what());
    }
    LoadFromMemory(bytes);
}

const std::vector<TGifRgb>& TGifFile::PaletteOf(const TGifSubImage& image) const {
    return image.HasLocalColorTable() ? image.LocalColorTable : GlobalColorTable;
}

} // namespace zn::structure
