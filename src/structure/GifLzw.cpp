// GIF LZW decoder and encoder. The decoder copies each code's string from where it was first
// written in the output, so it needs no string stack and runs at memory-copy speed.
#include "structure/GifLzw.h"

#include "structure/GifException.h"

#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace zn::structure {

namespace {

constexpr int MaxCodeBits = 12;
constexpr int TableSize = 1 << MaxCodeBits;

/// Reads codes of a given width, least significant bit first.
class TCodeReader {
public:
    explicit TCodeReader(std::span<const uint8_t> data)
        : p_(data.data()), end_(data.data() + data.size()) {}

    /// The next code, or -1 when the data has run out.
    int Next(int width) {
        if (bits_ < width && !Refill(width))
            return -1;
        int code = int(acc_ & ((1u << width) - 1));
        acc_ >>= width;
        bits_ -= width;
        return code;
    }

private:
    bool Refill(int width) {
        if (end_ - p_ >= 8) {
            uint64_t word;
            std::memcpy(&word, p_, 8); // little-endian host assumed (x86-64, ARM64)
            acc_ |= word << bits_;
            p_ += (63 - bits_) >> 3;
            bits_ |= 56;
            return true;
        }
        while (bits_ < width && p_ < end_) {
            acc_ |= uint64_t(*p_++) << bits_;
            bits_ += 8;
        }
        return bits_ >= width;
    }

    const uint8_t* p_;
    const uint8_t* end_;
    uint64_t acc_ = 0;
    int bits_ = 0;
};

/// Copies `length` bytes from an earlier place of the output forward, the way LZ copies work:
/// when the source overlaps the destination, bytes written earlier in the copy are read again.
inline void CopyForward(uint8_t* dst, const uint8_t* src, std::size_t length, uint8_t* limit) {
    if (std::size_t(dst - src) >= 8 && dst + length + 8 <= limit) {
        for (std::size_t i = 0; i < length; i += 8)
            std::memcpy(dst + i, src + i, 8);
        return;
    }
    for (std::size_t i = 0; i < length; ++i)
        dst[i] = src[i];
}

[[noreturn]] void BadCode() {
    throw EGifException("Bad code");
}

} // namespace

std::size_t LzwMaxPixels(std::size_t dataBytes, int minCodeSize) {
    std::size_t codes = dataBytes * 8 / std::size_t(minCodeSize + 1);
    return codes * TableSize;
}

void LzwDecode(std::span<const uint8_t> data, int minCodeSize, uint8_t* out,
               std::size_t pixelCount) {
    if (minCodeSize < 2 || minCodeSize > 9)
        throw EGifException("Bad code Size");
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const int firstFree = clearCode + 2;

    // Each table code is a string already present in the output: where it starts, how long.
    std::array<uint32_t, TableSize> start;
    std::array<uint16_t, TableSize> length;

    TCodeReader reader(data);
    uint8_t* const limit = out + pixelCount;
    std::size_t pos = 0;
    int width = minCodeSize + 1;
    int nextFree = firstFree;
    bool havePrevious = false;
    std::size_t prevPos = 0;
    std::size_t prevLength = 0;

    while (pos < pixelCount) {
        int code = reader.Next(width);
        if (code < 0)
            break;
        if (code == clearCode) {
            width = minCodeSize + 1;
            nextFree = firstFree;
            havePrevious = false;
            continue;
        }
        if (code == endCode) {
            if (!havePrevious)
                BadCode();
            break;
        }
        std::size_t curLength;
        if (code < clearCode) {
            if (code > 255)
                BadCode();
            out[pos] = uint8_t(code);
            curLength = 1;
        } else if (code < nextFree && havePrevious) {
            curLength = length[code];
            std::size_t room = pixelCount - pos;
            CopyForward(out + pos, out + start[code], curLength < room ? curLength : room, limit);
        } else if (code == nextFree && havePrevious && nextFree < TableSize) {
            // The code being defined right now: the previous string plus its own first byte.
            curLength = prevLength + 1;
            std::size_t room = pixelCount - pos;
            CopyForward(out + pos, out + prevPos, curLength < room ? curLength : room, limit);
        } else {
            BadCode();
        }
        if (havePrevious && nextFree < TableSize) {
            start[nextFree] = uint32_t(prevPos);
            length[nextFree] = uint16_t(prevLength + 1);
            ++nextFree;
            if (nextFree == (1 << width) && width < MaxCodeBits)
                ++width;
        }
        havePrevious = true;
        prevPos = pos;
        prevLength = curLength;
        pos += curLength;
    }
    if (pos < pixelCount)
        throw EGifException("Obrazová data GIF končí dřív než obrázek (chybí " +
                            std::to_string(pixelCount - pos) + " bodů).");
}

} // namespace zn::structure

namespace zn::structure {

namespace {

/// Packs codes least significant bit first.
class TCodeWriter {
public:
    void Put(int code, int width) {
        acc_ |= uint64_t(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.push_back(uint8_t(acc_));
            acc_ >>= 8;
            bits_ -= 8;
        }
    }
    std::vector<uint8_t> Finish() {
        if (bits_ > 0)
            bytes_.push_back(uint8_t(acc_));
        return std::move(bytes_);
    }

private:
    std::vector<uint8_t> bytes_;
    uint64_t acc_ = 0;
    int bits_ = 0;
};

/// The encoder's string table: (prefix code, next byte) → code, open addressing.
class TStringTable {
public:
    void Clear() { keys_.fill(EmptyKey); }
    int Find(int prefix, uint8_t byte) const {
        uint32_t key = Key(prefix, byte);
        for (uint32_t i = Hash(key);; i = (i + 1) & (Slots - 1)) {
            if (keys_[i] == key)
                return codes_[i];
            if (keys_[i] == EmptyKey)
                return -1;
        }
    }
    void Add(int prefix, uint8_t byte, int code) {
        uint32_t key = Key(prefix, byte);
        uint32_t i = Hash(key);
        while (keys_[i] != EmptyKey)
            i = (i + 1) & (Slots - 1);
        keys_[i] = key;
        codes_[i] = uint16_t(code);
    }

private:
    static constexpr uint32_t Slots = 8192; // twice the codes, so probes stay short
    static constexpr uint32_t EmptyKey = 0xFFFFFFFF;
    static uint32_t Key(int prefix, uint8_t byte) { return (uint32_t(prefix) << 8) | byte; }
    static uint32_t Hash(uint32_t key) { return (key * 2654435761u) >> 19; }

    std::array<uint32_t, Slots> keys_;
    std::array<uint16_t, Slots> codes_;
};

} // namespace

std::vector<uint8_t> LzwEncode(std::span<const uint8_t> pixels, int minCodeSize) {
    if (minCodeSize < 2 || minCodeSize > 8)
        throw EGifException("Bad code Size");
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    const int firstFree = clearCode + 2;

    TCodeWriter writer;
    auto table = std::make_unique<TStringTable>();
    table->Clear();
    int width = minCodeSize + 1;
    int nextFree = firstFree;
    writer.Put(clearCode, width);
    if (pixels.empty()) {
        writer.Put(endCode, width);
        return writer.Finish();
    }
    auto literal = [&](uint8_t value) {
        if (value >= clearCode)
            throw EGifException("Bad code");
        return int(value);
    };
    int current = literal(pixels[0]);
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        uint8_t byte = pixels[i];
        int found = table->Find(current, byte);
        if (found >= 0) {
            current = found;
            continue;
        }
        writer.Put(current, width);
        if (nextFree < TableSize) {
            table->Add(current, byte, nextFree++);
            // The reader learns each code one step later, so widen once the next code needs it.
            if (nextFree > (1 << width) && width < MaxCodeBits)
                ++width;
        } else {
            writer.Put(clearCode, width);
            table->Clear();
            width = minCodeSize + 1;
            nextFree = firstFree;
        }
        current = literal(byte);
    }
    writer.Put(current, width);
    // Reading that last code defines one more table entry, which may widen the end code.
    if (nextFree == (1 << width) && width < MaxCodeBits)
        ++width;
    writer.Put(endCode, width);
    return writer.Finish();
}

} // namespace zn::structure
