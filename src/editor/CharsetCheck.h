// The check before saving a page whose META charset names an encoding that cannot hold all of
// its characters, and the substitutes offered for them.
#pragma once

#include "editor/EncodingDetective.h"
#include "editor/Position.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

/// A character the declared charset cannot hold, and the lines (from 1) where it stands.
struct UnfitCharacter {
    char32_t character = 0;
    std::string text; ///< the character as UTF-8, for the user interface
    std::vector<Position> lines;
};

/// The 8-bit charset a page declares when it is not the one the document is edited in
/// (Windows-1250, or any for a UTF-8 document); nothing when the page declares none of ours.
std::optional<PageEncoding> ForeignCharset(std::string_view bytes, bool utf8Document);

/// The characters of the document (in order of first appearance) that `declared` cannot hold.
std::vector<UnfitCharacter> CharactersOutsideCharset(std::string_view bytes, bool utf8Document,
                                                     PageEncoding declared);

enum class Substitute { NamedEntities, NumericEntities, Ascii };

/// The document with every character `declared` cannot hold written as a named entity
/// ("&bdquo;"), a numeric one ("&#8222;") or an ASCII look-alike ("\""); a character without a
/// name or a look-alike becomes a numeric entity.
std::string SubstituteCharacters(std::string_view bytes, bool utf8Document, PageEncoding declared,
                                 Substitute how);

} // namespace zn::editor
