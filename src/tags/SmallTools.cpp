// Number systems, Roman numerals, rainbow text and the colour editor's arithmetic.
#include "tags/SmallTools.h"

#include "base/HtmlColor.h"
#include "base/TextCase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace zn::tags {
namespace {

bool AllOf(std::string_view text, bool (*accept)(char)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), accept);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsBinaryDigit(char c) {
    return c == '0' || c == '1';
}

int RomanValue(char c) {
    switch (base::UpperCaseCZ(c)) {
    case 'I':
        return 1;
    case 'V':
        return 5;
    case 'X':
        return 10;
    case 'L':
        return 50;
    case 'C':
        return 100;
    case 'D':
        return 500;
    case 'M':
        return 1000;
    default:
        return 0;
    }
}

/// One decimal digit of a Roman numeral: e.g. "CM", "D" + "C"s, "CD", "C"s for the hundreds.
void AppendRomanDigit(std::string& out, int digit, char one, char five, char ten) {
    if (digit == 9) {
        out += {one, ten};
    } else if (digit >= 5) {
        out += five;
        out.append(static_cast<std::size_t>(digit - 5), one);
    } else if (digit == 4) {
        out += {one, five};
    } else {
        out.append(static_cast<std::size_t>(digit), one);
    }
}

int Component(int start, int stop, double fraction) {
    return start + static_cast<int>(std::nearbyint((stop - start) * fraction));
}

base::TColor Blend(base::TColor start, base::TColor stop, double fraction) {
    return base::RGBColor(
        static_cast<std::uint8_t>(Component(base::RedOf(start), base::RedOf(stop), fraction)),
        static_cast<std::uint8_t>(Component(base::GreenOf(start), base::GreenOf(stop), fraction)),
        static_cast<std::uint8_t>(Component(base::BlueOf(start), base::BlueOf(stop), fraction)));
}

double HueComponent(double m1, double m2, double hue) {
    hue -= std::floor(hue);
    if (hue < 1.0 / 6.0) {
        return m1 + (m2 - m1) * hue * 6.0;
    }
    if (hue < 0.5) {
        return m2;
    }
    if (hue < 2.0 / 3.0) {
        return m1 + (m2 - m1) * (2.0 / 3.0 - hue) * 6.0;
    }
    return m1;
}

std::uint8_t Byte(double unit) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(unit * 255.0), 0L, 255L));
}

} // namespace

int SourceMaxLength(NumberSystem system) {
    static constexpr std::array<int, 4> kLengths{9, 8, 32, 100};
    return kLengths[static_cast<std::size_t>(system)];
}

bool UsesPlaces(NumberSystem target) {
    return target == NumberSystem::Hexadecimal || target == NumberSystem::Binary;
}

std::int64_t ReadNumber(std::string_view text, NumberSystem system) {
    switch (system) {
    case NumberSystem::Decimal:
        return AllOf(text, IsDigit) && text.size() <= 18 ? std::stoll(std::string(text)) : 0;
    case NumberSystem::Hexadecimal: {
        // A "$" may stand only in front, as in "$FF".
        std::string_view digits = text;
        if (!digits.empty() && digits.front() == '$') {
            digits.remove_prefix(1);
        }
        return AllOf(digits, IsHexDigit) && digits.size() <= 16
                   ? static_cast<std::int64_t>(std::stoull(std::string(digits), nullptr, 16))
                   : 0;
    }
    case NumberSystem::Binary: {
        if (!AllOf(text, IsBinaryDigit)) {
            return 0;
        }
        std::uint64_t value = 0;
        for (char c : text) {
            value = (value << 1) | static_cast<std::uint64_t>(c == '1');
        }
        return static_cast<std::int64_t>(value);
    }
    case NumberSystem::Roman:
        return RomanToInt(text);
    }
    return 0;
}

std::string WriteNumber(std::int64_t value, NumberSystem system, int places) {
    switch (system) {
    case NumberSystem::Decimal:
        return std::to_string(value);
    case NumberSystem::Hexadecimal: {
        // A negative value shows its 32-bit pattern.
        const std::uint64_t bits =
            value < 0 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value);
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(bits));
        std::string digits = buffer;
        if (static_cast<int>(digits.size()) < places) {
            digits.insert(0, static_cast<std::size_t>(places) - digits.size(), '0');
        }
        return digits;
    }
    case NumberSystem::Binary: {
        std::string digits;
        const auto bits = static_cast<std::uint64_t>(value);
        for (int i = std::min(places, 32) - 1; i >= 0; --i) {
            digits += ((bits >> i) & 1U) != 0 ? '1' : '0';
        }
        return digits;
    }
    case NumberSystem::Roman:
        return IntToRoman(value);
    }
    return {};
}

std::int64_t RomanToInt(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return RomanValue(c) > 0; })) {
        return 0;
    }
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int here = RomanValue(text[i]);
        const int next = i + 1 < text.size() ? RomanValue(text[i + 1]) : 0;
        if (here < next) {
            sum += next - here;
            ++i;
        } else {
            sum += here;
        }
    }
    return negative ? -sum : sum;
}

std::string IntToRoman(std::int64_t value) {
    std::string out;
    if (value <= 0) {
        return out;
    }
    out.append(static_cast<std::size_t>(value / 1000), 'M');
    AppendRomanDigit(out, static_cast<int>(value / 100 % 10), 'C', 'D', 'M');
    AppendRomanDigit(out, static_cast<int>(value / 10 % 10), 'X', 'L', 'C');
    AppendRomanDigit(out, static_cast<int>(value % 10), 'I', 'V', 'X');
    return out;
}

base::TColor RainbowColor(base::TColor start, base::TColor stop, int i, int n) {
    return n > 0 ? Blend(start, stop, static_cast<double>(i) / n) : start;
}

std::string RainbowText(std::string_view text, base::TColor start, base::TColor stop,
                        bool upperCaseTags) {
    std::string out;
    const std::string open = base::TagCase("<font color=", upperCaseTags);
    const std::string close = base::TagCase("</font>", upperCaseTags);
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        out += open + base::ColorToHtml(RainbowColor(start, stop, i, n)) + ">";
        out += text[static_cast<std::size_t>(i)];
        out += close;
    }
    return out;
}

std::string NormalizeColorText(std::string_view text) {
    std::string t(text);
    if (!base::IsHtmlColorName(t)) {
        if (t.size() == 6) {
            t.insert(0, "#");
        }
        if (t.size() != 7) {
            t = "#000000";
        }
    }
    return base::ColorToHtml(base::HtmlToColor(t));
}

std::string ColorValueLabel(int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d(%2.2xh)", value, static_cast<unsigned>(value));
    return buffer;
}

std::string ColorCodeLabel(base::TColor color) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%2.2x%2.2x%2.2x", base::RedOf(color),
                  base::GreenOf(color), base::BlueOf(color));
    return buffer;
}

THLS ColorToHLS(base::TColor color) {
    const double r = base::RedOf(color) / 255.0;
    const double g = base::GreenOf(color) / 255.0;
    const double b = base::BlueOf(color) / 255.0;
    const double maxc = std::max({r, g, b});
    const double minc = std::min({r, g, b});
    const double l = (maxc + minc) / 2.0;
    double h = 0.0;
    double s = 0.0;
    if (maxc != minc) {
        const double range = maxc - minc;
        s = l <= 0.5 ? range / (maxc + minc) : range / (2.0 - maxc - minc);
        const double rc = (maxc - r) / range;
        const double gc = (maxc - g) / range;
        const double bc = (maxc - b) / range;
        h = r == maxc ? bc - gc : g == maxc ? 2.0 + rc - bc : 4.0 + gc - rc;
        h /= 6.0;
        h -= std::floor(h);
    }
    return {static_cast<int>(std::lround(h * 255.0)), static_cast<int>(std::lround(l * 256.0)),
            static_cast<int>(std::lround(s * 256.0))};
}

base::TColor HLSToColor(double h, double l, double s) {
    if (s == 0.0) {
        return base::RGBColor(Byte(l), Byte(l), Byte(l));
    }
    const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double m1 = 2.0 * l - m2;
    return base::RGBColor(Byte(HueComponent(m1, m2, h + 1.0 / 3.0)), Byte(HueComponent(m1, m2, h)),
                          Byte(HueComponent(m1, m2, h - 1.0 / 3.0)));
}

base::TColor LightnessColor(const THLS& remembered, int position) {
    return HLSToColor(remembered.H / 255.0, (255 - position) / 256.0, remembered.S / 256.0);
}

} // namespace zn::tags
