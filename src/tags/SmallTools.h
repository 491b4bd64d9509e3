// The arithmetic of the small tools: number systems and Roman numerals, rainbow text, and the
// colour editor's normalising, labels and lightness.
#pragma once

#include "base/Color.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zn::tags {

/// The items of the number-system radio groups, in their order.
enum class NumberSystem { Decimal, Hexadecimal, Binary, Roman };

/// How many characters the source field takes in a system (9, 8, 32, 100).
int SourceMaxLength(NumberSystem system);
/// The value of a source text; 0 for any text the system cannot read.
std::int64_t ReadNumber(std::string_view text, NumberSystem system);
/// The value written in a system: hexadecimal padded to `places`, binary exactly
/// min(places, 32) lowest bits, Roman empty for zero and negative values.
std::string WriteNumber(std::int64_t value, NumberSystem system, int places);
/// The places field is shown only for these targets.
bool UsesPlaces(NumberSystem target);

/// A Roman numeral read left to right; a smaller letter before a bigger one adds the
/// difference and the bigger letter is skipped. An optional "-" makes it negative; any letter
/// other than IVXLCDM (either case) gives 0.
std::int64_t RomanToInt(std::string_view text);
std::string IntToRoman(std::int64_t value);

/// The colour of step i of n from start to stop: each component start + round((stop - start) *
/// i / n), halves to even.
base::TColor RainbowColor(base::TColor start, base::TColor stop, int i, int n);
/// Each character of the text in a FONT tag of its own rainbow colour.
std::string RainbowText(std::string_view text, base::TColor start, base::TColor stop,
                        bool upperCaseTags);

/// The colour editor's colour text when shown: names and "#RRGGBB" (either case) normalised to
/// "#RRGGBB", six characters get a "#", anything else is "#000000".
std::string NormalizeColorText(std::string_view text);
/// A scroll bar's value label: "255(ffh)".
std::string ColorValueLabel(int value);
/// The code label: "#%2.2x%2.2x%2.2x" (lower-case digits).
std::string ColorCodeLabel(base::TColor color);

/// Hue 0-255, lightness and saturation 0-256 of a colour (the HLS model, rounded).
struct THLS {
    int H = 0;
    int L = 0;
    int S = 0;
    bool operator==(const THLS&) const = default;
};
THLS ColorToHLS(base::TColor color);
/// The colour of a hue, lightness and saturation, each 0-1.
base::TColor HLSToColor(double h, double l, double s);
/// The colour with the lightness bar at `position` (lightness 255 - position) for a remembered
/// hue and saturation.
base::TColor LightnessColor(const THLS& remembered, int position);

} // namespace zn::tags
