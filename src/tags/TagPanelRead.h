// Reading the current tag into the Tag Inspector: the panel for a tag text and the value of
// every control of that panel.
#pragma once

#include "base/Color.h"
#include "tags/TagPanelTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace zn::tags {

/// The state of one control after reading.
struct TControlValue {
    std::string Control;
    ReaderKind Kind = ReaderKind::Edit;
    std::string Text;     ///< edit, combo and label text
    bool Checked = false; ///< check box
    int Index = -1;       ///< radio group item, track bar position, combo item
    base::TColor Color = 0;
    bool FocusGuarded = true; ///< left alone while the control has the keyboard focus
    bool Enabled = true;
    int FontSize = 0; ///< the heading preview's font size in points; 0 otherwise
};

/// An attribute the reader itself writes (the link rule and automatic dimensions).
struct TAttributeWrite {
    std::string Attribute;
    std::string Value;
    bool operator==(const TAttributeWrite&) const = default;
};

/// What the reader needs besides the tag.
struct TInspectorContext {
    bool StylesDown = false;     ///< `StylySB` pressed: every tag shows its attributes
    bool ComboWriteFlag = false; ///< a combo box or link writer is changing the tag
    base::TColor TextColor = 0;  ///< the document's text colour (FONT's default)
    std::string RefComboText;    ///< what the link combo box shows now
};

inline constexpr const char* kButtonPanel = "TP";

/// The panel and its control values for a tag. `Panel` is "TP" for no tag or a comment,
/// empty when the panel must stay as it is (the combo write flag on a link or picture tag).
struct TInspectorRead {
    std::string Panel;
    std::string UpperName;
    std::vector<TControlValue> Values;
    std::vector<TAttributeWrite> Writes; ///< what the link rule writes at once

    /// The value of a control; null when the read did not fill it.
    const TControlValue* Find(std::string_view control) const;
};

/// Reads a tag text (what stands between "<" and ">"); an empty text means no current tag.
TInspectorRead ReadTag(std::string_view tagText, const TInspectorContext& context);

/// The item index of an enumerated value: the position in the kind's list (exact case for
/// kind 5, upper case for the others), else the default; a position beyond `itemCount`
/// gives the last item.
int EnumIndex(std::string_view value, bool present, int kind, int defaultIndex, int itemCount);

/// Which INPUT controls are enabled for a TYPE text.
struct TInputEnabling {
    bool Check = false;    ///< `CheckCH`
    bool ReadOnly = false; ///< `ReadOnlyCH` and `MaxLEdit`
    bool Src = false;      ///< `SrcEdit` and its buttons
};
TInputEnabling InputEnabling(std::string_view type);

/// The automatic dimensions of a freshly previewed picture: WIDTH and HEIGHT written where the
/// edit is empty or differs from the picture's size.
std::vector<TAttributeWrite> AutoDimensions(std::string_view widthText, std::string_view heightText,
                                            int width, int height);

/// A map name and the picture a MAP panel previews: the Src of the last pair named "#" + name.
struct TMapPair {
    std::string Src;
    std::string Name;
};
std::string MapPicture(std::string_view mapName, const std::vector<TMapPair>& pairs);

/// An area's alt text and map, for the area panel's map label.
struct TAreaMap {
    std::string Alt;
    std::string Map;
};
/// What the inspector needs from a scan of the document, as plain data.
struct TDocumentLists {
    std::vector<std::string> Classes;  ///< for `ClassCombo`
    std::vector<std::string> MapNames; ///< for `usemapCB`
    std::vector<TMapPair> Pairs;       ///< pictures and their maps
    std::vector<TAreaMap> Areas;
};

/// The map (without its "#"; a nameless map keeps "unknown") of the last area whose Alt equals
/// `alt`; empty when none.
std::string AreaMapName(std::string_view alt, const std::vector<TAreaMap>& areas);

} // namespace zn::tags
