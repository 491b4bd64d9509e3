// A font described without a toolkit, as the settings keep the editor font.
#pragma once

#include <cstdint>
#include <string>

namespace zn::app {

/// Font family names that stand for "the desktop's fixed-width font" rather than a real family.
inline constexpr const char* SystemFontFamily = "System";

/// Central European character set number of the font, kept so a stored font round-trips.
inline constexpr int EastEuropeCharset = 238;

struct StoredFont {
    std::string Family = SystemFontFamily;
    int PixelHeight = 11; ///< character height in pixels
    bool Bold = true;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Charset = EastEuropeCharset;
    std::uint32_t Color = 0x000000; ///< colour number 0x00BBGGRR

    bool operator==(const StoredFont&) const = default;
};

} // namespace zn::app
