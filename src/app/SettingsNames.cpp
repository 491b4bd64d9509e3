// Key paths and value names of the settings store: normal form and case-insensitive form.
#include "app/SettingsNames.h"

namespace zn::app {

std::string NormalizeKeyPath(std::string_view path) {
    std::string result;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start) {
            if (!result.empty())
                result += '\\';
            result.append(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return result;
}

namespace {

/// Lower case of a code point of Latin-1 Supplement or Latin Extended-A; others unchanged.
char32_t FoldLatin(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if (c < 0x100 || c > 0x17F || c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149)
        return c;
    // Pairs start on an odd code point in Ĺ..ň and Ź..ž, on an even one elsewhere; ÿ's
    // capital Ÿ (U+0178) stands alone.
    if (c == 0x178)
        return 0xFF;
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    const bool isUpper = oddUpper ? (c % 2 == 1) : (c % 2 == 0);
    return isUpper ? c + 1 : c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string FoldName(std::string_view name) {
    std::string result;
    result.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte >= 'A' && byte <= 'Z') {
            result += static_cast<char>(byte + ('a' - 'A'));
            continue;
        }
        // Two-byte UTF-8 sequences up to U+07FF; only U+00C0..U+017F are folded.
        const bool leadsPair = (byte & 0xE0) == 0xC0 && i + 1 < name.size() &&
                               (static_cast<unsigned char>(name[i + 1]) & 0xC0) == 0x80;
        if (leadsPair) {
            const char32_t c =
                ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(name[i + 1]) & 0x3Fu);
            if (c >= 0x80) {
                AppendUtf8(result, FoldLatin(c));
                ++i;
                continue;
            }
        }
        result += static_cast<char>(byte);
    }
    return result;
}

std::string_view LastKeyComponent(std::string_view normalizedPath) {
    const std::size_t slash = normalizedPath.rfind('\\');
    return slash == std::string_view::npos ? normalizedPath : normalizedPath.substr(slash + 1);
}

} // namespace zn::app
