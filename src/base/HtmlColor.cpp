// Colour names and "#RRGGBB" texts against colour numbers (0x00BBGGRR).
#include "base/HtmlColor.h"

#include "base/TextCase.h"

#include <array>
#include <optional>
#include <utility>

namespace zn::base {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kColorNames{{
    {"black", "#000000"},
    {"silver", "#C0C0C0"},
    {"gray", "#808080"},
    {"white", "#FFFFFF"},
    {"maroon", "#800000"},
    {"red", "#FF0000"},
    {"purple", "#800080"},
    {"fuchsia", "#FF00FF"},
    {"green", "#008000"},
    {"lime", "#00FF00"},
    {"olive", "#808000"},
    {"yellow", "#FFFF00"},
    {"navy", "#000080"},
    {"blue", "#0000FF"},
    {"teal", "#008080"},
    {"aqua", "#00FFFF"},
}};

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return std::nullopt;
}

/// Two hexadecimal digits as a byte, or nothing when either is not a digit.
std::optional<std::uint8_t> HexByte(std::string_view two) {
    const auto high = HexDigit(two[0]);
    const auto low = HexDigit(two[1]);
    if (!high || !low) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*high * 16 + *low);
}

} // namespace

bool IsHtmlColorName(std::string_view text) {
    const std::string name = LowerCaseCZ(text);
    for (const auto& entry : kColorNames) {
        if (name == entry.first) {
            return true;
        }
    }
    return false;
}

base::TColor HtmlToColor(std::string_view text) {
    std::string_view hex = text;
    if (text.empty() || text.front() != '#') {
        const std::string name = LowerCaseCZ(text);
        for (const auto& [colorName, value] : kColorNames) {
            if (name == colorName) {
                hex = value;
            }
        }
    }
    if (hex.size() != 7 || hex.front() != '#') {
        return base::kBlack;
    }
    const auto r = HexByte(hex.substr(1, 2));
    const auto g = HexByte(hex.substr(3, 2));
    const auto b = HexByte(hex.substr(5, 2));
    if (!r || !g || !b) {
        return base::kBlack;
    }
    return base::RGBColor(*r, *g, *b);
}

std::string ColorToHtml(base::TColor color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out = "#";
    for (const std::uint8_t byte :
         {base::RedOf(color), base::GreenOf(color), base::BlueOf(color)}) {
        out += kDigits[byte >> 4];
        out += kDigits[byte & 15];
    }
    return out;
}

} // namespace zn::base
