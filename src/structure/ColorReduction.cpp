// Median-cut colour reduction over a 15-bit histogram, with an exact path for pictures that
// already have few colours.
#include "structure/ColorReduction.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

namespace zn::structure {

namespace {

constexpr int HistBits = 5;
constexpr int HistSide = 1 << HistBits;
constexpr int HistSize = HistSide * HistSide * HistSide;

uint32_t Packed(const uint8_t* p) {
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
}

int Bin(const uint8_t* p) {
    constexpr int shift = 8 - HistBits;
    return ((p[0] >> shift) << (2 * HistBits)) | ((p[1] >> shift) << HistBits) | (p[2] >> shift);
}

/// Palette and indices when the picture has at most maxColors colours; false otherwise.
bool ExactPalette(const TRgbImage& image, int maxColors, TIndexedImage& result) {
    std::unordered_map<uint32_t, uint8_t> index;
    std::size_t count = std::size_t(image.Width) * image.Height;
    result.Indices.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t* p = image.Pixels.data() + i * 3;
        auto [it, added] = index.try_emplace(Packed(p), uint8_t(result.Palette.size()));
        if (added) {
            if (int(result.Palette.size()) == maxColors)
                return false;
            result.Palette.push_back({p[0], p[1], p[2]});
        }
        result.Indices[i] = it->second;
    }
    return true;
}

/// Per histogram cell: pixel count and colour sums (for the mean colour of a box).
struct TCell {
    uint32_t Count = 0;
    uint64_t Sum[3] = {0, 0, 0};
};

/// A box of histogram cells, given by the list of occupied cells it holds.
struct TBox {
    std::vector<int> Cells;
    uint64_t Pixels = 0;
    int Low[3] = {0, 0, 0};
    int High[3] = {0, 0, 0};

    int LongestAxis() const {
        int axis = 0;
        for (int a = 1; a < 3; ++a)
            if (High[a] - Low[a] > High[axis] - Low[axis])
                axis = a;
        return axis;
    }
    int Span() const { return High[LongestAxis()] - Low[LongestAxis()]; }
};

int Coordinate(int cell, int axis) {
    return (cell >> ((2 - axis) * HistBits)) & (HistSide - 1);
}

void Measure(TBox& box, const std::vector<TCell>& hist) {
    box.Pixels = 0;
    for (int a = 0; a < 3; ++a) {
        box.Low[a] = HistSide;
        box.High[a] = -1;
    }
    for (int cell : box.Cells) {
        box.Pixels += hist[cell].Count;
        for (int a = 0; a < 3; ++a) {
            box.Low[a] = std::min(box.Low[a], Coordinate(cell, a));
            box.High[a] = std::max(box.High[a], Coordinate(cell, a));
        }
    }
}

/// Splits a box at the pixel median of its longest axis; the upper half is returned.
TBox Split(TBox& box, const std::vector<TCell>& hist) {
    int axis = box.LongestAxis();
    std::sort(box.Cells.begin(), box.Cells.end(),
              [axis](int a, int b) { return Coordinate(a, axis) < Coordinate(b, axis); });
    uint64_t half = box.Pixels / 2;
    uint64_t seen = 0;
    std::size_t cut = 1;
    for (; cut < box.Cells.size(); ++cut) {
        seen += hist[box.Cells[cut - 1]].Count;
        if (seen >= half)
            break;
    }
    cut = std::min(cut, box.Cells.size() - 1);
    TBox upper;
    upper.Cells.assign(box.Cells.begin() + cut, box.Cells.end());
    box.Cells.resize(cut);
    Measure(box, hist);
    Measure(upper, hist);
    return upper;
}

/// The box most worth splitting: the widest among those holding more than one cell,
/// weighted by how many pixels it covers.
int PickBox(const std::vector<TBox>& boxes) {
    int best = -1;
    double bestScore = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].Cells.size() < 2)
            continue;
        double score = double(boxes[i].Span()) * double(boxes[i].Pixels);
        if (best < 0 || score > bestScore) {
            best = int(i);
            bestScore = score;
        }
    }
    return best;
}

TGifRgb Mean(const TBox& box, const std::vector<TCell>& hist) {
    uint64_t sum[3] = {0, 0, 0};
    for (int cell : box.Cells)
        for (int a = 0; a < 3; ++a)
            sum[a] += hist[cell].Sum[a];
    auto channel = [&](int a) { return uint8_t((sum[a] + box.Pixels / 2) / box.Pixels); };
    return {channel(0), channel(1), channel(2)};
}

int Nearest(const std::vector<TGifRgb>& palette, int r, int g, int b) {
    int best = 0;
    int bestDistance = INT32_MAX;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        int dr = palette[i].Red - r, dg = palette[i].Green - g, db = palette[i].Blue - b;
        int distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db; // the eye weighs green most
        if (distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
        }
    }
    return best;
}

TIndexedImage MedianCut(const TRgbImage& image, int maxColors) {
    std::vector<TCell> hist(HistSize);
    std::size_t count = std::size_t(image.Width) * image.Height;
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t* p = image.Pixels.data() + i * 3;
        TCell& cell = hist[Bin(p)];
        ++cell.Count;
        for (int a = 0; a < 3; ++a)
            cell.Sum[a] += p[a];
    }
    std::vector<TBox> boxes(1);
    for (int cell = 0; cell < HistSize; ++cell)
        if (hist[cell].Count > 0)
            boxes[0].Cells.push_back(cell);
    Measure(boxes[0], hist);
    while (int(boxes.size()) < maxColors) {
        int pick = PickBox(boxes);
        if (pick < 0)
            break;
        TBox upper = Split(boxes[pick], hist);
        boxes.push_back(std::move(upper));
    }
    TIndexedImage result;
    result.Width = image.Width;
    result.Height = image.Height;
    for (const TBox& box : boxes)
        result.Palette.push_back(Mean(box, hist));
    // Each histogram cell maps to the palette entry nearest to its mean colour.
    std::vector<uint8_t> cellIndex(HistSize);
    for (int cell = 0; cell < HistSize; ++cell) {
        const TCell& c = hist[cell];
        if (c.Count == 0)
            continue;
        auto mean = [&](int a) { return int((c.Sum[a] + c.Count / 2) / c.Count); };
        cellIndex[cell] = uint8_t(Nearest(result.Palette, mean(0), mean(1), mean(2)));
    }
    result.Indices.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        result.Indices[i] = cellIndex[Bin(image.Pixels.data() + i * 3)];
    return result;
}

} // namespace

TIndexedImage ReduceColors(const TRgbImage& image, int maxColors) {
    maxColors = std::clamp(maxColors, 2, 256);
    TIndexedImage exact;
    exact.Width = image.Width;
    exact.Height = image.Height;
    if (ExactPalette(image, maxColors, exact))
        return exact;
    return MedianCut(image, maxColors);
}

} // namespace zn::structure
