// UTF-8 document text: where its characters begin and end, and its exchange with the user
// interface.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zn::base {

/// A continuation byte (10xxxxxx) of a multi-byte sequence.
inline bool IsUtf8Continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

/// Bytes of the sequence a lead byte opens: 2 to 4, or 0 for ASCII and bytes that open none.
inline int Utf8LeadLength(unsigned char c) {
    return c >= 0xC2 && c < 0xE0 ? 2 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xF0 && c < 0xF5 ? 4 : 0;
}

/// The unit of text at text[i]: a lead byte followed by all its continuation bytes is one
/// character; every other byte (ASCII, or a byte of a broken sequence) stands alone. Returns
/// the unit's length and sets `code` to its character, or to U+FFFD for a broken byte and for
/// sequences that name no character (surrogates, past U+10FFFF, overlong forms).
std::size_t Utf8Unit(std::string_view text, std::size_t i, char32_t& code);

/// Start of the unit holding the byte at i (i itself unless i is inside a whole sequence).
/// `at(k)` returns the byte at k for 0 <= k < length.
template <typename At>
std::ptrdiff_t Utf8UnitStart(At&& at, std::ptrdiff_t i, std::ptrdiff_t length) {
    if (i <= 0 || i >= length || !IsUtf8Continuation(at(i))) {
        return i;
    }
    for (std::ptrdiff_t back = 1; back <= 3 && i - back >= 0; ++back) {
        const unsigned char c = at(i - back);
        if (IsUtf8Continuation(c)) {
            continue;
        }
        const int need = Utf8LeadLength(c);
        if (need <= back) {
            return i;
        }
        for (std::ptrdiff_t k = i + 1; k < i - back + need; ++k) {
            if (k >= length || !IsUtf8Continuation(at(k))) {
                return i; // a broken sequence: its bytes stand alone
            }
        }
        return i - back;
    }
    return i;
}

void AppendUtf8(std::string& out, char32_t c);

/// Document bytes for the user interface as UTF-8: a Windows-1250 document is converted; a UTF-8
/// one is taken as it is, with each broken byte as U+FFFD.
std::string DocumentToUtf8(std::string_view bytes, bool utf8Document);

/// Text from the user interface (typed, pasted) into document bytes: into Windows-1250 (with
/// character references for what it cannot hold), or unchanged for a UTF-8 document.
std::string Utf8ToDocument(std::string_view utf8, bool utf8Document);

/// True when the text is valid UTF-8 throughout and holds at least one multi-byte character.
bool IsMultiByteUtf8(std::string_view bytes);

/// The UTF-8 byte-order mark.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

} // namespace zn::base
