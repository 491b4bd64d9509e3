// Which encoding a page is really in: byte statistics of Czech text and the page's own charset.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

/// The encodings a Czech page may really be in. `DoubleUtf8` is UTF-8 text that was once read
/// as Windows-1250 and saved as UTF-8 again ("Ĺ™" for "ř").
enum class PageEncoding { Windows1250, Iso8859_2, Cp852, Kamenicky, Utf8, DoubleUtf8 };

/// The name shown to the user ("ISO 8859-2", "UTF-8 uložené dvakrát", …).
std::string PageEncodingName(PageEncoding encoding);

/// The charset a page names in its META tag or XML declaration, in lower case ("" when none);
/// only the first 8 KB are read.
std::string DeclaredCharset(std::string_view bytes);
/// The encoding a charset name stands for; false when it is none of ours.
bool CharsetEncoding(std::string_view charset, PageEncoding& encoding);

/// How a file is opened: as UTF-8 when it starts with a UTF-8 byte-order mark, when its charset
/// says UTF-8, or (without a charset) when it is valid UTF-8 with multi-byte characters; the
/// byte-order mark is not part of the text.
struct OpenChoice {
    bool utf8 = false;
    bool bom = false;
};
OpenChoice ChooseOpenEncoding(std::string_view bytes);

/// The encoding the bytes of a document (held as UTF-8 or as Windows-1250) are most likely in.
/// Scores every candidate by the Czech letters and the oddities it decodes to; the charset
/// declared in the page wins a tie, and the document's own encoding wins when nothing tells
/// them apart.
PageEncoding DetectEncoding(std::string_view bytes, bool utf8Document);

/// Whether a page in `encoding` can hold the character (the UTF-8 ones hold every character).
bool EncodingHolds(PageEncoding encoding, char32_t c);

/// The bytes of a document, read as `from`, turned into the document's own encoding (Windows-1250
/// with character references for what it cannot hold, or UTF-8). Bytes that do not decode stay.
std::string RepairText(std::string_view bytes, PageEncoding from, bool utf8Document);

/// A word that reads differently in the two encodings, as UTF-8 for the user interface.
struct SuspiciousWord {
    std::string shown;    ///< as the document shows it now
    std::string repaired; ///< read in the detected encoding
};
/// Up to `count` different words with letters outside ASCII, for the offer to convert.
std::vector<SuspiciousWord> SuspiciousWords(std::string_view bytes, PageEncoding from,
                                            bool utf8Document, std::size_t count = 3);

} // namespace zn::editor
