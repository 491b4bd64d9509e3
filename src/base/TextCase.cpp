// Case tables for Windows-1250: ASCII plus the Czech letters á č ď é ě í ň ó ř š ť ú ů ý ž.
#include "base/TextCase.h"

#include <array>
#include <cstdint>

namespace zn::base {
namespace {

// Lower-case byte and its upper-case partner.
constexpr std::array<std::pair<std::uint8_t, std::uint8_t>, 15> kCzechPairs{{
    {225, 193},
    {232, 200},
    {239, 207},
    {233, 201},
    {236, 204},
    {237, 205},
    {242, 210},
    {243, 211},
    {248, 216},
    {154, 138},
    {157, 141},
    {250, 218},
    {249, 217},
    {253, 221},
    {158, 142},
}};

struct Tables {
    std::array<char, 256> upper{};
    std::array<char, 256> lower{};
    Tables() {
        for (int i = 0; i < 256; ++i) {
            upper[i] = lower[i] = static_cast<char>(i);
        }
        for (int c = 'a'; c <= 'z'; ++c) {
            upper[c] = static_cast<char>(c - 'a' + 'A');
            lower[c - 'a' + 'A'] = static_cast<char>(c);
        }
        for (auto [lo, up] : kCzechPairs) {
            upper[lo] = static_cast<char>(up);
            lower[up] = static_cast<char>(lo);
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

std::string convert(std::string_view text, const std::array<char, 256>& table) {
    std::string out(text);
    for (char& c : out) {
        c = table[static_cast<std::uint8_t>(c)];
    }
    return out;
}

} // namespace

char UpperCaseCZ(char c) {
    return tables().upper[static_cast<std::uint8_t>(c)];
}
char LowerCaseCZ(char c) {
    return tables().lower[static_cast<std::uint8_t>(c)];
}

std::string UpperCaseCZ(std::string_view text) {
    return convert(text, tables().upper);
}
std::string LowerCaseCZ(std::string_view text) {
    return convert(text, tables().lower);
}

std::string TagCase(std::string_view text, bool upperCaseTags) {
    return upperCaseTags ? UpperCaseCZ(text) : LowerCaseCZ(text);
}

bool SameTextCZ(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperCaseCZ(a[i]) != UpperCaseCZ(b[i])) {
            return false;
        }
    }
    return true;
}

std::string AsciiCase(std::string_view text, bool upper) {
    std::string out(text);
    for (char& c : out) {
        if (upper && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (!upper && c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

} // namespace zn::base
