// GIF fixture builder: headers, blocks and a literal-code LZW writer that follows the GIF
// code-width rules independently of the program's encoder.
#include "GifFixtures.h"

namespace zn::structure::test {

std::vector<uint8_t> PackCodes(const std::vector<int>& codes, int width) {
    std::vector<uint8_t> out;
    uint32_t acc = 0;
    int bits = 0;
    for (int code : codes) {
        acc |= uint32_t(code) << bits;
        bits += width;
        for (; bits >= 8; bits -= 8, acc >>= 8)
            out.push_back(uint8_t(acc));
    }
    if (bits > 0)
        out.push_back(uint8_t(acc));
    return out;
}

std::vector<uint8_t> LiteralLzw(const std::vector<uint8_t>& pixels, int codeSize, int clearEvery,
                                bool endCode) {
    const int clear = 1 << codeSize;
    std::vector<uint8_t> out;
    uint64_t acc = 0;
    int bits = 0;
    auto put = [&](int code, int width) {
        acc |= uint64_t(code) << bits;
        bits += width;
        for (; bits >= 8; bits -= 8, acc >>= 8)
            out.push_back(uint8_t(acc));
    };
    int width = codeSize + 1;
    int sinceClear = 0; // codes read by the decoder since the last clear
    put(clear, width);
    for (uint8_t pixel : pixels) {
        if (clearEvery > 0 && sinceClear == clearEvery) {
            put(clear, width);
            width = codeSize + 1;
            sinceClear = 0;
        }
        put(pixel, width);
        ++sinceClear;
        // The decoder defines a table entry for every code but the first after a clear.
        int nextFree = clear + 2 + sinceClear - 1;
        if (sinceClear > 1 && nextFree <= 4096 && nextFree == (1 << width) && width < 12)
            ++width;
    }
    if (endCode)
        put(clear + 1, width);
    if (bits > 0)
        out.push_back(uint8_t(acc));
    return out;
}

std::vector<uint8_t> InterlacedOrder(const std::vector<uint8_t>& pixels, int width, int height) {
    std::vector<uint8_t> stored;
    const int start[4] = {0, 4, 2, 1};
    const int step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int row = start[pass]; row < height; row += step[pass])
            stored.insert(stored.end(), pixels.begin() + row * width,
                          pixels.begin() + (row + 1) * width);
    return stored;
}

std::vector<TGifRgb> TestPalette(int n) {
    std::vector<TGifRgb> palette;
    for (int i = 0; i < n; ++i)
        palette.push_back({uint8_t(i * 37), uint8_t(255 - i * 11), uint8_t(i * 101)});
    return palette;
}

std::vector<uint8_t> TestPattern(int width, int height, int colors) {
    std::vector<uint8_t> pixels(std::size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[std::size_t(y) * width + x] = uint8_t((x / 3 + y * 7 + (x * y) / 5) % colors);
    return pixels;
}

void TGifBuilder::Word(int value) {
    bytes_.push_back(uint8_t(value & 0xFF));
    bytes_.push_back(uint8_t((value >> 8) & 0xFF));
}

void TGifBuilder::Table(const std::vector<TGifRgb>& table) {
    for (const TGifRgb& c : table)
        bytes_.insert(bytes_.end(), {c.Red, c.Green, c.Blue});
}

static int TableBits(std::size_t entries) {
    int bits = 1;
    while ((std::size_t(1) << bits) < entries)
        ++bits;
    return bits;
}

TGifBuilder& TGifBuilder::Header(const std::string& signatureAndVersion) {
    bytes_.insert(bytes_.end(), signatureAndVersion.begin(), signatureAndVersion.end());
    return *this;
}

TGifBuilder& TGifBuilder::Screen(int width, int height, const std::vector<TGifRgb>& globalTable) {
    Word(width);
    Word(height);
    uint8_t flags = 0;
    if (!globalTable.empty())
        flags = uint8_t(0x80 | 0x70 | (TableBits(globalTable.size()) - 1));
    bytes_.insert(bytes_.end(), {flags, 0, 0});
    std::vector<TGifRgb> padded = globalTable;
    if (!padded.empty())
        padded.resize(std::size_t(1) << TableBits(globalTable.size()));
    Table(padded);
    return *this;
}

TGifBuilder& TGifBuilder::GraphicControl(int delay, int transparentIndex) {
    bytes_.insert(bytes_.end(), {'!', 0xF9, 4, uint8_t(transparentIndex >= 0 ? 1 : 0)});
    Word(delay);
    bytes_.insert(bytes_.end(), {uint8_t(transparentIndex >= 0 ? transparentIndex : 0), 0});
    return *this;
}

TGifBuilder& TGifBuilder::SubBlocks(const std::vector<uint8_t>& data) {
    for (std::size_t done = 0; done < data.size();) {
        std::size_t n = std::min<std::size_t>(255, data.size() - done);
        bytes_.push_back(uint8_t(n));
        bytes_.insert(bytes_.end(), data.begin() + done, data.begin() + done + n);
        done += n;
    }
    bytes_.push_back(0);
    return *this;
}

TGifBuilder& TGifBuilder::Comment(const std::string& text) {
    bytes_.insert(bytes_.end(), {'!', 0xFE});
    return SubBlocks(std::vector<uint8_t>(text.begin(), text.end()));
}

TGifBuilder& TGifBuilder::Application(const std::string& id11, const std::vector<uint8_t>& data) {
    bytes_.insert(bytes_.end(), {'!', 0xFF, 11});
    bytes_.insert(bytes_.end(), id11.begin(), id11.begin() + 11);
    return SubBlocks(data);
}

TGifBuilder& TGifBuilder::PlainText(const std::string& text) {
    bytes_.insert(bytes_.end(), {'!', 0x01, 12});
    bytes_.insert(bytes_.end(), {0, 0, 0, 0, 40, 0, 10, 0, 8, 10, 1, 0});
    return SubBlocks(std::vector<uint8_t>(text.begin(), text.end()));
}

TGifBuilder& TGifBuilder::RawImage(int left, int top, int width, int height, int codeSize,
                                   const std::vector<uint8_t>& lzw) {
    bytes_.push_back(',');
    Word(left);
    Word(top);
    Word(width);
    Word(height);
    bytes_.push_back(0);
    bytes_.push_back(uint8_t(codeSize));
    return SubBlocks(lzw);
}

TGifBuilder& TGifBuilder::Image(int width, int height, const std::vector<uint8_t>& pixels,
                                bool interlaced, const std::vector<TGifRgb>& localTable) {
    bytes_.push_back(',');
    Word(0);
    Word(0);
    Word(width);
    Word(height);
    uint8_t flags = interlaced ? 0x40 : 0;
    int bits = 8;
    if (!localTable.empty()) {
        bits = TableBits(localTable.size());
        flags |= uint8_t(0x80 | (bits - 1));
    }
    bytes_.push_back(flags);
    if (!localTable.empty()) {
        std::vector<TGifRgb> padded = localTable;
        padded.resize(std::size_t(1) << bits);
        Table(padded);
    }
    int codeSize = std::max(2, bits);
    bytes_.push_back(uint8_t(codeSize));
    auto stored = interlaced ? InterlacedOrder(pixels, width, height) : pixels;
    return SubBlocks(LiteralLzw(stored, codeSize, (1 << codeSize) - 2));
}

TGifBuilder& TGifBuilder::Bytes(const std::vector<uint8_t>& raw) {
    bytes_.insert(bytes_.end(), raw.begin(), raw.end());
    return *this;
}

TGifBuilder& TGifBuilder::Trailer() {
    bytes_.push_back(';');
    return *this;
}

} // namespace zn::structure::test
