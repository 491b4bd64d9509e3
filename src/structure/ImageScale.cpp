// Thumbnail size rule and an area-averaging resampler (separable: rows first, then columns).
#include "structure/ImageScale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zn::structure {

TPictureSize ThumbnailSize(TPictureSize picture, int maxWidth, int maxHeight) {
    if (picture.Width <= 0 || picture.Height <= 0 || maxWidth <= 0 || maxHeight <= 0)
        return picture;
    if (picture.Width <= maxWidth && picture.Height <= maxHeight)
        return picture;
    double a = double(picture.Width) / picture.Height;
    double b = double(maxWidth) / maxHeight;
    if (a <= b)
        return {std::max(1, int(std::lround(maxHeight * a))), maxHeight};
    return {maxWidth, std::max(1, int(std::lround(maxWidth / a)))};
}

namespace {

/// Source range [First, Last) of each target position along one axis.
struct TSpan {
    int First;
    int Last;
};

std::vector<TSpan> Spans(int source, int target) {
    std::vector<TSpan> spans(target);
    for (int i = 0; i < target; ++i) {
        int first = int(int64_t(i) * source / target);
        int last = int(int64_t(i + 1) * source / target);
        spans[i] = {first, std::max(last, first + 1)};
    }
    return spans;
}

} // namespace

TRgbImage ScaleRgbImage(const TRgbImage& source, int width, int height) {
    if (source.Empty() || width <= 0 || height <= 0)
        return {};
    if (width == source.Width && height == source.Height)
        return source;
    std::vector<TSpan> columns = Spans(source.Width, width);
    std::vector<TSpan> rows = Spans(source.Height, height);
    // Horizontal pass: sums per target column for every source row, kept with their counts.
    std::vector<uint32_t> across(std::size_t(source.Height) * width * 3);
    for (int y = 0; y < source.Height; ++y) {
        const uint8_t* in = source.Pixel(0, y);
        uint32_t* out = across.data() + std::size_t(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            uint32_t sum[3] = {0, 0, 0};
            for (int sx = columns[x].First; sx < columns[x].Last; ++sx)
                for (int c = 0; c < 3; ++c)
                    sum[c] += in[sx * 3 + c];
            for (int c = 0; c < 3; ++c)
                out[x * 3 + c] = sum[c];
        }
    }
    TRgbImage result(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* out = result.Pixel(0, y);
        for (int x = 0; x < width; ++x) {
            uint32_t count = uint32_t(columns[x].Last - columns[x].First) *
                             uint32_t(rows[y].Last - rows[y].First);
            for (int c = 0; c < 3; ++c) {
                uint64_t sum = 0;
                for (int sy = rows[y].First; sy < rows[y].Last; ++sy)
                    sum += across[(std::size_t(sy) * width + x) * 3 + c];
                out[x * 3 + c] = uint8_t((sum + count / 2) / count);
            }
        }
    }
    return result;
}

} // namespace zn::structure
