// The document structure scanner: maps, areas, pictures, style rules and body colours of a page,
// and the writers that put edited maps and style rules back into the text.
#pragma once

#include "base/Color.h"
#include "editor/Position.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::structure {

/// A map reference: a picture that uses a map, or (freshly scanned) a map of the document.
struct TMap {
    std::string Src;  ///< picture source of an IMG using the map; empty for a freshly found map
    std::string Name; ///< "#" + the MAP's NAME, or "unknown" for a MAP without NAME
    bool operator==(const TMap&) const = default;
};

/// Name of a map that has no NAME attribute.
inline constexpr const char* kUnknownMap = "unknown";

/// One area of an image map.
struct TArea {
    std::string Coords;
    int Shape = 0;   ///< 0 polygon, 1 rectangle, 2 circle
    std::string Map; ///< Name of the enclosing map; empty outside any MAP
    std::string Target, Href, Alt, AccessKey, TabIndex;
    bool NoHref = false;
    bool operator==(const TArea&) const = default;
};

/// One picture tag.
struct TIMG {
    std::string Src;               ///< the SRC value, or "Unnamed picture"
    editor::Position Position = 0; ///< 1-based index of the first character after "<"
};

/// One CSS rule of a style block.
struct TStyle {
    std::string Selector; ///< trimmed
    std::string Body;     ///< the declarations between the braces, trimmed
    bool operator==(const TStyle&) const = default;
};

using MapList = std::vector<TMap>;
using AreaList = std::vector<TArea>;
using StyleList = std::vector<TStyle>;

/// Everything one scan finds. The body colours are set only where a BODY tag gives them, so
/// the document keeps its previous colours for the others.
struct TStructure {
    StyleList Styles;
    MapList Maps; ///< picture and map pairs (a USEMAP naming no map of the document dropped)
    AreaList Areas;
    std::vector<std::string> MapNames;   ///< every map's Name in document order
    std::vector<std::string> MapEntries; ///< per pair: Name + " - [" + Src + "]"
    std::vector<std::string> Classes;    ///< selectors beginning with "." without the "."
    std::vector<TIMG> Pictures;
    std::optional<base::TColor> BodyColor, TextColor, LinkColor;
};

/// A tag as the scanner reads it: the text between "<" and ">" and where it starts.
struct TScanTag {
    std::string_view Text;
    editor::Position Position = 0; ///< 1-based index of the first character after "<"
    editor::Position Close = 0;    ///< 0-based index of the ">" that ends it
};

/// The next tag searching from a 1-based position: the first "<" and the first ">" at or after
/// it; when the ">" comes first (the position lies inside a tag), the next "<" after that ">"
/// and the first ">" after it. Nothing when no further pair exists.
std::optional<TScanTag> NextScanTag(std::string_view text, editor::Position from);

/// Scans a whole document. A ">" inside the HTML comment of a style block does not end the
/// comment: the rules run to its "-->".
TStructure ScanStructure(std::string_view text);

/// The Go-to-picture entry of a picture: Src + "[" + (Position + 1) + "]".
std::string GotoEntryText(const TIMG& picture);
/// The number of a Go-to-picture entry minus 1 (the picture's Position), read after the last
/// "[" so that a source containing "[" does not matter; nothing for a malformed entry.
std::optional<editor::Position> GotoEntryPosition(std::string_view entry);

/// Rewrites every MAP element (from its "<" through the ">" of its "/MAP") from the areas filed
/// under its name. A MAP without NAME is written without NAME and keeps the areas filed under
/// "unknown". A MAP without a following "/MAP" stops the writer; what was written before stays.
/// Every written Href is appended to `hrefs` when given.
std::string WriteMaps(std::string_view text, const AreaList& areas, bool upperCaseTags,
                      std::vector<std::string>* hrefs = nullptr);

/// A replacement of a stretch of the text.
struct TTextReplacement {
    editor::Position Start = 0;  ///< 0-based
    editor::Position Length = 0; ///< characters replaced
    std::string Text;
};

/// The style block for the rules.
std::string StyleBlock(const StyleList& styles, bool upperCaseTags);
/// Where and what WriteStyles writes: over the first TEXT/CSS style block, else before
/// "</HEAD>", else a HEAD before BODY, else at the start. Nothing when the first style block
/// has no "/STYLE".
std::optional<TTextReplacement> WriteStyles(std::string_view text, const StyleList& styles,
                                            bool upperCaseTags);

} // namespace zn::structure
