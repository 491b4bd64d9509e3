// Windows-1250, the code page of the documents, against Unicode and UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zn::base {

/// The Unicode character of a Windows-1250 byte. The five bytes the code page leaves undefined
/// (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control of the same number, so every byte
/// survives a round trip.
char32_t Cp1250ToUnicode(std::uint8_t byte);

/// The byte of a Unicode character, or nothing when the code page cannot hold it.
std::optional<std::uint8_t> UnicodeToCp1250(char32_t c);

/// Document text for the user interface: Windows-1250 bytes as UTF-8.
std::string Cp1250ToUtf8(std::string_view bytes);

/// UTF-8 (typed, pasted, file names) into document text. A character the code page cannot hold
/// becomes an HTML character reference "&#NNNN;"; a malformed UTF-8 byte is taken as Latin-1.
std::string Utf8ToCp1250(std::string_view utf8);

/// The same for one character.
std::string UnicodeToDocumentText(char32_t c);

} // namespace zn::base
