// Line-end conversions.
#include "editor/LineEnds.h"

#include <cstring>

namespace zn::editor {

std::string NormalizeLineEnds(std::string_view text) {
    if (!HasLoneLineBreak(text)) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string_view NormalizeLineEnds(std::string_view text, std::string& buffer) {
    if (!HasLoneLineBreak(text)) {
        return text;
    }
    buffer = NormalizeLineEnds(text);
    return buffer;
}

bool HasLoneLineBreak(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    // Every LF must follow a CR and every CR must precede an LF.
    const char* data = text.data();
    const std::size_t n = text.size();
    for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', data + n - p)));
         ++p) {
        if (p == data || p[-1] != '\r') {
            return true;
        }
    }
    std::size_t crs = 0;
    std::size_t lfs = 0;
    for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\r', data + n - p)));
         ++p) {
        ++crs;
    }
    for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', data + n - p)));
         ++p) {
        ++lfs;
    }
    // With every LF after a CR, equal counts mean every CR is followed by its LF.
    return crs != lfs;
}

} // namespace zn::editor
