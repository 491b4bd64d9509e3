// UTF-8 units, and UTF-8 documents against the user interface.
#include "base/Utf8.h"

#include "base/Cp1250.h"

namespace zn::base {

std::size_t Utf8Unit(std::string_view text, std::size_t i, char32_t& code) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    const int need = Utf8LeadLength(lead);
    code = 0xFFFD;
    if (need == 0 || i + static_cast<std::size_t>(need) > text.size()) {
        return 1;
    }
    char32_t c = lead & (0x7F >> need);
    for (int k = 1; k < need; ++k) {
        const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
        if (!IsUtf8Continuation(b)) {
            return 1;
        }
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c >= kLeast[need] && c <= 0x10FFFF && (c < 0xD800 || c >= 0xE000)) {
        code = c;
    }
    return static_cast<std::size_t>(need);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string DocumentToUtf8(std::string_view bytes, bool utf8Document) {
    if (!utf8Document) {
        return Cp1250ToUtf8(bytes);
    }
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        const std::size_t n = Utf8Unit(bytes, i, c);
        if (c == 0xFFFD) {
            AppendUtf8(out, c);
        } else {
            out.append(bytes.substr(i, n));
        }
        i += n;
    }
    return out;
}

std::string Utf8ToDocument(std::string_view utf8, bool utf8Document) {
    return utf8Document ? DocumentToUtf8(utf8, true) : Utf8ToCp1250(utf8);
}

bool IsMultiByteUtf8(std::string_view bytes) {
    bool multi = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t c = 0;
        const std::size_t n = Utf8Unit(bytes, i, c);
        if (c == 0xFFFD && bytes.compare(i, 3, "\xEF\xBF\xBD") != 0) {
            return false;
        }
        multi = true;
        i += n;
    }
    return multi;
}

} // namespace zn::base
