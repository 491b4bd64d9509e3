// The Tag Inspector's panels as data: which panel shows which tag, and which control shows
// which attribute through which reader.
#pragma once

#include "base/Color.h"

#include <string>
#include <string_view>
#include <vector>

namespace zn::tags {

/// How a control takes an attribute's value.
enum class ReaderKind {
    Edit,       ///< text = value (empty when absent); skipped while focused
    Check,      ///< checked when present; skipped while focused
    Combo,      ///< edit text = value; items unchanged; skipped while focused
    Enumerated, ///< item index from the kind's value list; skipped while focused
    Color,      ///< panel colour from the value, else the default; read even when focused
    LabelColor, ///< font colour of a label, the same way
    Mirror,     ///< takes the colour of another control of the panel (`Attribute` names it)
    Label,      ///< a label whose text is filled by the panel's own rule
    Bar,        ///< a track bar whose position is filled by the panel's own rule
    Picture,    ///< a preview image, filled by the panel's own rule
    Button,     ///< a button of the panel (`Caption`)
};

/// One control of a panel.
struct TControlRow {
    const char* Control;
    const char* Attribute; ///< empty for controls filled by a rule
    ReaderKind Kind;
    int EnumKind = 0;     ///< 1-7 for enumerated attributes
    int DefaultIndex = 0; ///< enumerated default
    base::TColor DefaultColor = 0;
    const char* Caption = "";       ///< caption shown beside or on the control
    std::vector<const char*> Items; ///< combo items or radio captions
};

/// One sub-panel of the inspector and the tags it shows.
struct TPanelRow {
    const char* Panel;
    const char* Title;
    std::vector<const char*> Tags; ///< upper-case tag names
    std::vector<TControlRow> Controls;
};

/// Every sub-panel, in the order the reader dispatches; ClassPanel and ChangePanel included
/// (they have no tag names of their own).
const std::vector<TPanelRow>& InspectorPanels();
/// The panel row of a name; null when there is none.
const TPanelRow* FindPanel(std::string_view panel);
/// The panel showing an upper-case tag name by the table; null when no row lists it.
const TPanelRow* PanelForTag(std::string_view upperName);

/// The values of an enumerated kind (1-7), position by position; empty for other numbers.
const std::vector<const char*>& EnumValues(int kind);

/// The items of the text-type combo box `TTCB`, sorted.
const std::vector<const char*>& TextTypes();

} // namespace zn::tags
