// Tags in HTML text: parsing a tag's text into its name and attributes, and finding tags.
#pragma once

#include "editor/Position.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

/// One attribute of a parsed tag. Offsets count from the first character after "<".
struct TTagParameter {
    std::string ParamName;  ///< as written
    std::string ParamValue; ///< as written, enclosing double quotes included; empty when none
    Position NameOffset = 0;
    Position ValueOffset = -1;  ///< first character of the value (its opening quote); -1 if none
    Position EqualsOffset = -1; ///< the "=" of the attribute; -1 if none

    /// Offset just past the attribute: past its value, else past its "=", else past its name.
    Position EndOffset() const;
};

using TTagParameters = std::vector<TTagParameter>;

/// Where the parts of a tag text stand, without copying them.
struct TagLayout {
    struct Attribute {
        Position nameOffset = 0;
        Position nameLength = 0;
        Position equalsOffset = -1;
        Position valueOffset = -1;
        Position valueLength = 0;
    };
    Position nameOffset = 0;
    Position nameLength = 0;
    std::vector<Attribute> attributes;
};

/// Blanks separate the parts of a tag: space, CR and LF (a tab is part of a name or value).
constexpr bool IsTagBlank(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

/// Splits a tag text (what stands between "<" and ">") into name and attributes. A value in
/// double quotes runs to the next double quote (an unterminated one to the end); any other
/// value runs to the next blank.
void ParseTagLayout(std::string_view tagText, TagLayout& layout);

/// The same with copies: the name as written, its offset, and one item per attribute. The
/// collection is cleared first.
void ParseTag(std::string_view tagText, std::string& name, Position& nameOffset,
              TTagParameters& parameters);

/// The value of the first attribute of that name (letters in any case), without one enclosing
/// double quote on each side; false and an empty value when there is none.
bool AttributeValue(const TTagParameters& parameters, std::string_view name, std::string& value);

/// A tag found in a text: the position after its "<" and the position of the ">" that ends it.
/// When a stray ">" stood before the "<", `close` is that ">" and the tag text is empty.
struct FoundTag {
    Position contentStart = 0;
    Position close = 0;
    Position TextLength() const { return close > contentStart ? close - contentStart : 0; }
};

/// The next tag at or after `start` in any text offering FindChar(c, from, to) and Length():
/// the first "<" and the first ">" at or after start; when the ">" comes first (start lies in a
/// tag or after a stray ">"), both are searched once more from just past that ">".
template <typename Source>
std::optional<FoundTag> NextTag(const Source& source, Position start) {
    const Position length = source.Length();
    for (int attempt = 0; attempt < 2; ++attempt) {
        const Position lt = source.FindChar('<', start, length);
        if (lt < 0) {
            return std::nullopt;
        }
        const Position gtBefore = source.FindChar('>', start, lt);
        if (gtBefore >= 0) {
            if (attempt == 0) {
                start = gtBefore + 1;
                continue;
            }
            return FoundTag{lt + 1, gtBefore};
        }
        const Position gt = source.FindChar('>', lt, length);
        if (gt < 0) {
            return std::nullopt;
        }
        return FoundTag{lt + 1, gt};
    }
    return std::nullopt;
}

/// A string seen as a source for NextTag.
struct StringSource {
    std::string_view text;
    Position Length() const { return static_cast<Position>(text.size()); }
    Position FindChar(char c, Position from, Position to) const;
};

/// The next tag in a string from a 0-based index: returns the index after its "<" and puts the
/// text between "<" and ">" into tagText; nothing when there is no further tag.
std::optional<Position> NextTagInText(std::string_view text, Position start, std::string& tagText);

} // namespace zn::editor
