// Builds GIF files byte by byte for the tests, with an LZW writer of its own (literal codes
// only) so the reader is not checked against the program's own encoder.
#pragma once

#include "structure/RgbImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zn::structure::test {

/// LZW data made of literal codes: a clear code first, then every pixel as its own code,
/// with another clear code after every `clearEvery` pixels (0: never again, so codes go on
/// after the table is full, as "deferred clear" encoders do). Ends with the end code.
std::vector<uint8_t> LiteralLzw(const std::vector<uint8_t>& pixels, int codeSize,
                                int clearEvery = 0, bool endCode = true);

/// Codes of a fixed width packed least significant bit first.
std::vector<uint8_t> PackCodes(const std::vector<int>& codes, int width);

/// Rows of a picture in the order an interlaced GIF stores them.
std::vector<uint8_t> InterlacedOrder(const std::vector<uint8_t>& pixels, int width, int height);

/// A palette of n colours that are easy to tell apart.
std::vector<TGifRgb> TestPalette(int n);

/// Appends the parts of a GIF file in order.
class TGifBuilder {
public:
    TGifBuilder& Header(const std::string& signatureAndVersion = "GIF89a");
    TGifBuilder& Screen(int width, int height, const std::vector<TGifRgb>& globalTable);
    TGifBuilder& GraphicControl(int delay, int transparentIndex);
    TGifBuilder& Comment(const std::string& text);
    TGifBuilder& Application(const std::string& id11, const std::vector<uint8_t>& data);
    TGifBuilder& PlainText(const std::string& text);
    /// An image whose pixels are given in display order.
    TGifBuilder& Image(int width, int height, const std::vector<uint8_t>& pixels,
                       bool interlaced = false, const std::vector<TGifRgb>& localTable = {});
    /// An image descriptor followed by the given code size and raw LZW data.
    TGifBuilder& RawImage(int left, int top, int width, int height, int codeSize,
                          const std::vector<uint8_t>& lzw);
    TGifBuilder& SubBlocks(const std::vector<uint8_t>& data);
    TGifBuilder& Bytes(const std::vector<uint8_t>& raw);
    TGifBuilder& Trailer();
    std::vector<uint8_t> Build() const { return bytes_; }

private:
    void Word(int value);
    void Table(const std::vector<TGifRgb>& table);
    std::vector<uint8_t> bytes_;
};

/// Pixel indices of a width × height test pattern over n colours.
std::vector<uint8_t> TestPattern(int width, int height, int colors);

} // namespace zn::structure::test
