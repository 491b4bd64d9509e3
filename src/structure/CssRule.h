// The declarations of one CSS rule as the style editor shows them: reading the text into its
// controls and writing the controls back as text in a fixed order.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zn::structure {

/// The declarations of a rule: lower-case names in the order first seen (a repeated name keeps
/// its place and takes the later value), values as written. "bkghp" and "bkgvp" hold the
/// horizontal and vertical halves of background-position.
using TCssList = std::vector<std::pair<std::string, std::string>>;

/// A rule's text read into a list, with what could not be read.
struct TCssRead {
    TCssList List;
    /// Comments and declarations without a name, a value or a ":", trimmed, as written.
    std::vector<std::string> Unread;
};

/// Splits the declarations at ";" and each at its first ":"; comments are taken out first (an
/// unclosed one runs to the end). Never fails: whatever it cannot read goes to `Unread`.
TCssRead SplitCss(std::string_view css);
/// The value of a name in the list; empty when absent.
std::string CssValue(const TCssList& list, std::string_view name);

/// A value of a value and units pair.
struct TValueUnit {
    std::string Value;
    std::string Unit;
    bool operator==(const TValueUnit&) const = default;
};
/// Leading digits and the rest ("12px" gives 12 and px, "1.5em" gives 1 and .5em); a value
/// that is all digits or does not begin with a digit is all value.
TValueUnit SplitUnits(std::string_view value);
/// The units of a pair after its value changed: empty for an empty value or one that is not
/// all digits (a keyword), "px" for digits without a unit, else the unit unchanged.
std::string AutoUnit(std::string_view value, std::string_view unit);

/// How a property is shown and written.
enum class CssKind {
    Simple,      ///< one combo or edit
    Pair,        ///< a value and a units combo
    Color,       ///< a colour panel
    Decoration,  ///< the five text-decoration boxes
    Picture,     ///< an edit holding the address inside "url(...)"
    Position,    ///< the two halves of background-position, each a pair
    BorderColor, ///< the four border colour panels
    Clip,        ///< the four pairs inside "rect(...)"
};

/// One property of the editor, in writing order.
struct TCssProperty {
    const char* Name;
    CssKind Kind;
    const char* Control = ""; ///< value control, colour panel or picture edit
    const char* Units = "";   ///< the units combo of a pair
    const char* Unless = "";  ///< a control whose text keeps this pair from being written
};

/// Every property of the editor in the order the rule is written.
const std::vector<TCssProperty>& CssProperties();
/// The decoration boxes and their words, in writing order.
const std::vector<std::pair<const char*, const char*>>& DecorationBoxes();
/// Border colour panels top, right, bottom, left; clip pairs in the same order.
const std::vector<const char*>& BorderColorPanels();
const std::vector<std::pair<const char*, const char*>>& ClipPairs();

/// The state of the editor's controls by control name.
struct TStyleControls {
    std::map<std::string, std::string> Text;   ///< edits and combos, values and units
    std::map<std::string, std::string> Colors; ///< panel: colour as read or chosen; "žádná" absent
    std::map<std::string, bool> Checks;        ///< the decoration boxes

    std::string TextOf(const std::string& control) const;
    std::string ColorOf(const std::string& panel) const;
    bool Checked(const std::string& box) const;
};

/// The controls filled from a list; colour panels not named stay "žádná".
TStyleControls FillControls(const TCssList& list);
/// The rule rebuilt from the controls: " name: value;" per declaration in the fixed order.
std::string WriteCss(const TStyleControls& controls);
/// The text a colour panel writes: "#RRGGBB" of a colour the colour functions know, anything
/// else ("#f00", "rgb(...)", other names) as it was read.
std::string PanelColorText(std::string_view color);
/// True for "#" and six hexadecimal digits or one of the 16 HTML colour names.
bool IsKnownColor(std::string_view text);

/// What saving the rule unchanged from the editor would lose: the names of properties it would
/// drop or change (background-position for its halves), then the unread parts as written.
std::vector<std::string> DroppedByEditor(std::string_view css);

} // namespace zn::structure
