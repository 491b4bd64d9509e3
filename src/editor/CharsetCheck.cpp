// Characters a declared charset cannot hold: finding them with their lines, and replacing them.
#include "editor/CharsetCheck.h"

#include "base/Cp1250.h"
#include "base/Utf8.h"

#include <algorithm>

namespace zn::editor {
namespace {

struct Spelling {
    char32_t c;
    const char* entity;
    const char* ascii;
};

constexpr Spelling kSpellings[] = {
    {U'„', "&bdquo;", "\""},   {U'“', "&ldquo;", "\""},  {U'”', "&rdquo;", "\""},
    {U'‚', "&sbquo;", "'"},    {U'‘', "&lsquo;", "'"},   {U'’', "&rsquo;", "'"},
    {U'–', "&ndash;", "-"},    {U'—', "&mdash;", "-"},   {U'…', "&hellip;", "..."},
    {U'€', "&euro;", "EUR"},   {U'©', "&copy;", "(c)"},  {U'®', "&reg;", "(R)"},
    {U'™', "&trade;", "(TM)"}, {U'•', "&bull;", "*"},    {U'‹', "&lsaquo;", "<"},
    {U'›', "&rsaquo;", ">"},   {U'«', "&laquo;", "<<"},  {U'»', "&raquo;", ">>"},
    {U'†', "&dagger;", "+"},   {U'‰', "&permil;", "%o"}, {0xA0, "&nbsp;", " "},
    {U'¦', "&brvbar;", "|"},   {U'±', "&plusmn;", "+-"}, {U'µ', "&micro;", "u"},
    {U'¶', "&para;", "P"},     {U'·', "&middot;", "."},
};

/// Calls f(character, position, length) for each character of the document.
template <typename F>
void ForEachCharacter(std::string_view bytes, bool utf8Document, F&& f) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        const std::size_t n =
            utf8Document
                ? base::Utf8Unit(bytes, i, c)
                : (c = base::Cp1250ToUnicode(static_cast<std::uint8_t>(bytes[i])), std::size_t{1});
        f(c, i, n);
        i += n;
    }
}

} // namespace

std::optional<PageEncoding> ForeignCharset(std::string_view bytes, bool utf8Document) {
    PageEncoding declared = PageEncoding::Windows1250;
    if (!CharsetEncoding(DeclaredCharset(bytes), declared) || declared == PageEncoding::Utf8 ||
        (!utf8Document && declared == PageEncoding::Windows1250)) {
        return std::nullopt;
    }
    return declared;
}

std::vector<UnfitCharacter> CharactersOutsideCharset(std::string_view bytes, bool utf8Document,
                                                     PageEncoding declared) {
    std::vector<UnfitCharacter> found;
    Position line = 1;
    ForEachCharacter(bytes, utf8Document, [&](char32_t c, std::size_t, std::size_t n) {
        if (c == '\n') {
            ++line;
        }
        if (c < 0x80 || (utf8Document && n == 1) || EncodingHolds(declared, c)) {
            return; // a broken UTF-8 byte is no character to replace
        }
        auto it = std::find_if(found.begin(), found.end(),
                               [c](const UnfitCharacter& u) { return u.character == c; });
        if (it == found.end()) {
            UnfitCharacter unfit;
            unfit.character = c;
            base::AppendUtf8(unfit.text, c);
            it = found.insert(found.end(), std::move(unfit));
        }
        if (it->lines.empty() || it->lines.back() != line) {
            it->lines.push_back(line);
        }
    });
    return found;
}

std::string SubstituteCharacters(std::string_view bytes, bool utf8Document, PageEncoding declared,
                                 Substitute how) {
    std::string out;
    out.reserve(bytes.size());
    ForEachCharacter(bytes, utf8Document, [&](char32_t c, std::size_t pos, std::size_t n) {
        if (c < 0x80 || (utf8Document && n == 1) || EncodingHolds(declared, c)) {
            out.append(bytes.substr(pos, n));
            return;
        }
        const auto* spelling = std::find_if(std::begin(kSpellings), std::end(kSpellings),
                                            [c](const Spelling& s) { return s.c == c; });
        const bool known = spelling != std::end(kSpellings);
        if (how == Substitute::NamedEntities && known) {
            out += spelling->entity;
        } else if (how == Substitute::Ascii && known) {
            out += spelling->ascii;
        } else {
            out += "&#" + std::to_string(static_cast<std::uint32_t>(c)) + ";";
        }
    });
    return out;
}

} // namespace zn::editor
