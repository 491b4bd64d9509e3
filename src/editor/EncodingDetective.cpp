// Detecting the real encoding of a Czech page and converting it, without the user interface.
#include "editor/EncodingDetective.h"

#include "base/Cp1250.h"
#include "base/Utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <vector>

namespace zn::editor {
namespace {

using Table = std::array<char16_t, 128>; ///< bytes 0x80..0xFF

constexpr Table kIso8859_2{
    0x0080, 0x0081, 0x0082, 0x0083, 0x0084, 0x0085, 0x0086, 0x0087, 0x0088, 0x0089, 0x008A, 0x008B,
    0x008C, 0x008D, 0x008E, 0x008F, 0x0090, 0x0091, 0x0092, 0x0093, 0x0094, 0x0095, 0x0096, 0x0097,
    0x0098, 0x0099, 0x009A, 0x009B, 0x009C, 0x009D, 0x009E, 0x009F, 0x00A0, 0x0104, 0x02D8, 0x0141,
    0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164, 0x0179, 0x00AD, 0x017D, 0x017B,
    0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7, 0x00B8, 0x0161, 0x015F, 0x0165,
    0x017A, 0x02DD, 0x017E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr Table kCp852{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x016F, 0x0107, 0x00E7, 0x0142, 0x00EB, 0x0150, 0x0151,
    0x00EE, 0x0179, 0x00C4, 0x0106, 0x00C9, 0x0139, 0x013A, 0x00F4, 0x00F6, 0x013D, 0x013E, 0x015A,
    0x015B, 0x00D6, 0x00DC, 0x0164, 0x0165, 0x0141, 0x00D7, 0x010D, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x0104, 0x0105, 0x017D, 0x017E, 0x0118, 0x0119, 0x00AC, 0x017A, 0x010C, 0x015F, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x011A, 0x015E, 0x2563, 0x2551, 0x2557,
    0x255D, 0x017B, 0x017C, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x0102, 0x0103,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x0111, 0x0110, 0x010E, 0x00CB,
    0x010F, 0x0147, 0x00CD, 0x00CE, 0x011B, 0x2518, 0x250C, 0x2588, 0x2584, 0x0162, 0x016E, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x0143, 0x0144, 0x0148, 0x0160, 0x0161, 0x0154, 0x00DA, 0x0155, 0x0170,
    0x00FD, 0x00DD, 0x0163, 0x00B4, 0x00AD, 0x02DD, 0x02DB, 0x02C7, 0x02D8, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x02D9, 0x0171, 0x0158, 0x0159, 0x25A0, 0x00A0,
};

constexpr Table kKamenicky{
    0x010C, 0x00FC, 0x00E9, 0x010F, 0x00E4, 0x010E, 0x0164, 0x010D, 0x011B, 0x011A, 0x0139, 0x00CD,
    0x013E, 0x013A, 0x00C4, 0x00C1, 0x00C9, 0x017E, 0x017D, 0x00F4, 0x00F6, 0x00D3, 0x016F, 0x00DA,
    0x00FD, 0x00D6, 0x00DC, 0x0160, 0x013D, 0x00DD, 0x0158, 0x0165, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x0148, 0x0147, 0x016E, 0x00D4, 0x0161, 0x0159, 0x0155, 0x0154, 0x00BC, 0x00A7, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

const Table& TableOf(PageEncoding encoding) {
    static const Table windows1250 = [] {
        Table t{};
        for (int b = 0; b < 128; ++b) {
            t[static_cast<std::size_t>(b)] =
                static_cast<char16_t>(base::Cp1250ToUnicode(static_cast<std::uint8_t>(b + 128)));
        }
        return t;
    }();
    switch (encoding) {
    case PageEncoding::Iso8859_2:
        return kIso8859_2;
    case PageEncoding::Cp852:
        return kCp852;
    case PageEncoding::Kamenicky:
        return kKamenicky;
    default:
        return windows1250;
    }
}

bool IsEightBit(PageEncoding encoding) {
    return encoding != PageEncoding::Utf8 && encoding != PageEncoding::DoubleUtf8;
}

/// How Czech a character looks: the letters with diacritics score by how often Czech text uses
/// them, typographic signs are neutral, other letters and everything else count against.
double CharScore(char32_t c) {
    struct Weight {
        char32_t c;
        double w;
    };
    static constexpr Weight kWeights[] = {
        {U'á', 3},   {U'č', 2.5}, {U'ď', 1},   {U'é', 2.5}, {U'ě', 2.5}, {U'í', 3}, {U'ň', 1},
        {U'ó', 1},   {U'ř', 2.5}, {U'š', 2.5}, {U'ť', 1},   {U'ú', 1.5}, {U'ů', 2}, {U'ý', 2.5},
        {U'ž', 2.5}, {U'Á', 1},   {U'Č', 1},   {U'Ď', 1},   {U'É', 1},   {U'Ě', 1}, {U'Í', 1},
        {U'Ň', 1},   {U'Ó', 1},   {U'Ř', 1},   {U'Š', 1},   {U'Ť', 1},   {U'Ú', 1}, {U'Ů', 1},
        {U'Ý', 1},   {U'Ž', 1},   {0xA0, 0},   {U'§', 0},   {U'©', 0},   {U'«', 0}, {U'»', 0},
        {U'®', 0},   {U'°', 0},   {U'×', 0},   {U'–', 0},   {U'—', 0},   {U'‘', 0}, {U'’', 0},
        {U'‚', 0},   {U'“', 0},   {U'”', 0},   {U'„', 0},   {U'…', 0},   {U'€', 0}, {U'™', 0},
        {U'•', 0},
    };
    // One table lookup per character: every weighted character lies below U+2200.
    static const std::vector<float> table = [] {
        std::vector<float> t(0x2200, -3.0f);
        std::fill(t.begin(), t.begin() + 0x80, 0.0f);
        std::fill(t.begin() + 0xC0, t.begin() + 0x180, -1.0f);
        for (const Weight& weight : kWeights) {
            t[weight.c] = static_cast<float>(weight.w);
        }
        return t;
    }();
    return c < table.size() ? table[c] : -3;
}

/// The Windows-1250 byte of a character (0 when it has none): a table instead of a search.
unsigned char Cp1250Byte(char32_t c) {
    static const std::vector<unsigned char> table = [] {
        std::vector<unsigned char> t(0x2200, 0);
        for (int b = 1; b < 256; ++b) {
            t[base::Cp1250ToUnicode(static_cast<std::uint8_t>(b))] = static_cast<unsigned char>(b);
        }
        return t;
    }();
    return c < table.size() ? table[c] : 0;
}

/// Calls f(character, position, length, decoded) for every unit of the bytes read as
/// `encoding`; `decoded` is false for bytes that do not decode (f gets U+FFFD then).
template <typename F>
void Decode(std::string_view bytes, PageEncoding encoding, F&& f) {
    if (IsEightBit(encoding)) {
        const Table& table = TableOf(encoding);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            f(b < 0x80 ? char32_t{b} : char32_t{table[b - 0x80]}, i, 1, true);
        }
        return;
    }
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        std::size_t n = base::Utf8Unit(bytes, i, c);
        const bool ok = c != 0xFFFD || bytes.compare(i, n, "\xEF\xBF\xBD") == 0;
        if (encoding == PageEncoding::DoubleUtf8 && c >= 0x80 && ok) {
            // The characters of this unit and the next ones, as Windows-1250 bytes, may form
            // one UTF-8 sequence.
            const unsigned char lead = Cp1250Byte(c);
            const int need = base::Utf8LeadLength(lead);
            char inner[4] = {static_cast<char>(lead)};
            int have = 1;
            std::size_t end = i + n;
            for (int k = 1; k < need && end < bytes.size(); ++k) {
                char32_t next = 0;
                const std::size_t m = base::Utf8Unit(bytes, end, next);
                const unsigned char b = Cp1250Byte(next);
                if (!base::IsUtf8Continuation(b)) {
                    break;
                }
                inner[have++] = static_cast<char>(b);
                end += m;
            }
            char32_t inside = 0;
            const std::string_view sequence(inner, static_cast<std::size_t>(have));
            if (need > 0 && have == need &&
                base::Utf8Unit(sequence, 0, inside) == sequence.size() && inside != 0xFFFD) {
                c = inside;
                n = end - i;
            }
        }
        f(c, i, n, ok);
        i += n;
    }
}

double ScoreEightBit(const std::array<std::size_t, 256>& counts, PageEncoding encoding) {
    const Table& table = TableOf(encoding);
    double score = 0;
    for (int b = 0x80; b < 0x100; ++b) {
        if (counts[static_cast<std::size_t>(b)] != 0) {
            score += static_cast<double>(counts[static_cast<std::size_t>(b)]) *
                     CharScore(table[static_cast<std::size_t>(b - 0x80)]);
        }
    }
    return score;
}

double ScoreUnits(std::string_view bytes, PageEncoding encoding) {
    double score = 0;
    // Only the stretches around bytes above ASCII need decoding.
    std::size_t i = 0;
    while (i < bytes.size()) {
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
        }
        std::size_t end = i;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x80) {
            ++end;
        }
        Decode(bytes.substr(i, end - i), encoding,
               [&](char32_t c, std::size_t, std::size_t, bool) { score += CharScore(c); });
        i = end;
    }
    return score;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

bool IsWordByte(unsigned char c) {
    return c >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
           (c >= 'A' && c <= 'Z') || c == '-' || c == '&' || c == '#';
}

std::string ToUtf8(std::string_view bytes, PageEncoding encoding) {
    std::string out;
    Decode(bytes, encoding,
           [&](char32_t c, std::size_t, std::size_t, bool) { base::AppendUtf8(out, c); });
    return out;
}

} // namespace

std::string PageEncodingName(PageEncoding encoding) {
    switch (encoding) {
    case PageEncoding::Windows1250:
        return "Windows-1250";
    case PageEncoding::Iso8859_2:
        return "ISO 8859-2";
    case PageEncoding::Cp852:
        return "CP852 (Latin 2 pro DOS)";
    case PageEncoding::Kamenicky:
        return "Kamenický";
    case PageEncoding::Utf8:
        return "UTF-8";
    case PageEncoding::DoubleUtf8:
        return "UTF-8 uložené dvakrát";
    }
    return {};
}

std::string DeclaredCharset(std::string_view bytes) {
    const std::string head = Lower(bytes.substr(0, 8192));
    for (const char* key : {"charset", "encoding"}) {
        std::size_t at = 0;
        while ((at = head.find(key, at)) != std::string::npos) {
            std::size_t i = at + std::strlen(key);
            at = i;
            while (i < head.size() && (head[i] == ' ' || head[i] == '\t')) {
                ++i;
            }
            if (i >= head.size() || head[i] != '=') {
                continue;
            }
            ++i;
            while (i < head.size() && (head[i] == ' ' || head[i] == '"' || head[i] == '\'')) {
                ++i;
            }
            std::size_t end = i;
            while (end < head.size() &&
                   (std::isalnum(static_cast<unsigned char>(head[end])) || head[end] == '-' ||
                    head[end] == '_' || head[end] == '.' || head[end] == ':')) {
                ++end;
            }
            if (end > i) {
                return head.substr(i, end - i);
            }
        }
    }
    return {};
}

bool CharsetEncoding(std::string_view charset, PageEncoding& encoding) {
    struct Name {
        const char* name;
        PageEncoding encoding;
    };
    static constexpr Name kNames[] = {
        {"utf-8", PageEncoding::Utf8},
        {"utf8", PageEncoding::Utf8},
        {"windows-1250", PageEncoding::Windows1250},
        {"cp1250", PageEncoding::Windows1250},
        {"x-cp1250", PageEncoding::Windows1250},
        {"iso-8859-2", PageEncoding::Iso8859_2},
        {"iso8859-2", PageEncoding::Iso8859_2},
        {"latin2", PageEncoding::Iso8859_2},
        {"iso-latin-2", PageEncoding::Iso8859_2},
        {"ibm852", PageEncoding::Cp852},
        {"cp852", PageEncoding::Cp852},
        {"kamenicky", PageEncoding::Kamenicky},
        {"keybcs2", PageEncoding::Kamenicky},
        {"x-kam-cs", PageEncoding::Kamenicky},
    };
    for (const Name& name : kNames) {
        if (charset == name.name) {
            encoding = name.encoding;
            return true;
        }
    }
    return false;
}

OpenChoice ChooseOpenEncoding(std::string_view bytes) {
    if (bytes.substr(0, base::kUtf8Bom.size()) == base::kUtf8Bom) {
        return {true, true};
    }
    PageEncoding declared = PageEncoding::Windows1250;
    if (CharsetEncoding(DeclaredCharset(bytes), declared)) {
        return {declared == PageEncoding::Utf8, false};
    }
    return {base::IsMultiByteUtf8(bytes), false};
}

PageEncoding DetectEncoding(std::string_view bytes, bool utf8Document) {
    std::array<std::size_t, 256> counts{};
    for (char c : bytes) {
        ++counts[static_cast<unsigned char>(c)];
    }
    const PageEncoding current = utf8Document ? PageEncoding::Utf8 : PageEncoding::Windows1250;
    PageEncoding declared = current;
    const bool hasDeclared = CharsetEncoding(DeclaredCharset(bytes), declared);
    static constexpr PageEncoding kAll[] = {PageEncoding::Windows1250, PageEncoding::Iso8859_2,
                                            PageEncoding::Cp852,       PageEncoding::Kamenicky,
                                            PageEncoding::Utf8,        PageEncoding::DoubleUtf8};
    PageEncoding best = current;
    double bestScore = -1e300;
    for (PageEncoding candidate : kAll) {
        double score =
            IsEightBit(candidate) ? ScoreEightBit(counts, candidate) : ScoreUnits(bytes, candidate);
        // Ties: the document's own encoding, then the declared one.
        score += candidate == current ? 0.5 : 0;
        score += hasDeclared && candidate == declared ? 0.25 : 0;
        if (score > bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

bool EncodingHolds(PageEncoding encoding, char32_t c) {
    if (c < 0x80 || !IsEightBit(encoding)) {
        return true;
    }
    const Table& table = TableOf(encoding);
    return std::find(table.begin(), table.end(), c) != table.end();
}

std::string RepairText(std::string_view bytes, PageEncoding from, bool utf8Document) {
    std::string out;
    out.reserve(bytes.size());
    Decode(bytes, from, [&](char32_t c, std::size_t pos, std::size_t len, bool ok) {
        if (!ok) {
            out.append(bytes.substr(pos, len));
        } else if (utf8Document) {
            base::AppendUtf8(out, c);
        } else {
            out += base::UnicodeToDocumentText(c);
        }
    });
    return out;
}

std::vector<SuspiciousWord> SuspiciousWords(std::string_view bytes, PageEncoding from,
                                            bool utf8Document, std::size_t count) {
    std::vector<SuspiciousWord> words;
    const PageEncoding current = utf8Document ? PageEncoding::Utf8 : PageEncoding::Windows1250;
    std::size_t i = 0;
    while (i < bytes.size() && words.size() < count) {
        while (i < bytes.size() && !IsWordByte(static_cast<unsigned char>(bytes[i]))) {
            ++i;
        }
        std::size_t end = i;
        bool high = false;
        while (end < bytes.size() && IsWordByte(static_cast<unsigned char>(bytes[end]))) {
            high = high || static_cast<unsigned char>(bytes[end]) >= 0x80;
            ++end;
        }
        if (high) {
            SuspiciousWord word{ToUtf8(bytes.substr(i, end - i), current),
                                ToUtf8(bytes.substr(i, end - i), from)};
            const bool known = std::any_of(words.begin(), words.end(),
                                           [&](const auto& w) { return w.shown == word.shown; });
            if (word.shown != word.repaired && !known) {
                words.push_back(std::move(word));
            }
        }
        i = end;
    }
    return words;
}

} // namespace zn::editor
