// Writing the Tag Inspector's controls back into the current tag: which control writes which
// attribute through which writer, and the writers themselves.
#pragma once

#include "editor/THTMLRichEdit.h"
#include "tags/TagPanelRead.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::tags {

/// How a control writes its value.
enum class WriterKind {
    Edit,        ///< non-empty text sets the attribute, empty text removes it
    Combo,       ///< the same, with the combo write flag set meanwhile
    Check,       ///< checked sets the bare attribute, cleared removes it
    Enumerated,  ///< the kind's value at the selected item; the none index removes
    Color,       ///< "#RRGGBB" of the control's colour
    HeadingSize, ///< the track bar renames the tag pair H1-H6
    TextType,    ///< the text-type box renames the tag pair
    LinkType,    ///< the "HREF"/"NAME" switch of a link
    Link,        ///< the link address under the attribute the switch shows
    Fixed,       ///< a button that sets the attribute to `Value`
    Browse,      ///< a button choosing a file for `Field`
    Reload,      ///< a button reloading the preview of `Field`
    View,        ///< a button opening `Field` in the external picture viewer
    EditPicture, ///< a button opening `Field` in the external picture editor
    Fonts,       ///< the font list for `Field`
    Delete,      ///< a button removing the tag and its end tag
    Dimensions,  ///< "Vložit rozměry": the previewed picture's size as WIDTH and HEIGHT
    StyleEditor, ///< the style editor on the inline style in `Field`
};

/// Which dialog a browse button opens.
enum class BrowseKind { General, Picture, Sound };

/// One control of a panel and how it writes.
struct TWriterRow {
    const char* Control;
    WriterKind Kind;
    const char* Attribute = "";
    int EnumKind = 0;       ///< 1-7 for enumerated writers
    int NoneIndex = 0;      ///< the item that removes the attribute; 255 never matches
    const char* Field = ""; ///< the field a button works on; the 3D panel pairing a colour
    const char* Value = ""; ///< the value a fixed button writes
    BrowseKind Browse = BrowseKind::General;
};

/// Every writing control and every button of the panels.
const std::vector<TWriterRow>& InspectorWriters();
/// The writer of a control; null when it writes nothing.
const TWriterRow* FindWriter(std::string_view control);

/// A field's text as an attribute value: a double quote, "<" and ">" become "&quot;", "&lt;"
/// and "&gt;", so that the value cannot end its quotes or its tag.
std::string FieldToValue(std::string_view text);
/// The field text of a value: the three references back to their characters.
std::string ValueToField(std::string_view value);

/// What a writer needs besides the control's value.
struct TWriteContext {
    editor::THTMLRichEdit* Edit = nullptr; ///< the active document's text control; null: none
    bool WriteGuard = false;               ///< the panel is being filled: nothing is written
    bool UpperCaseTags = true;
    bool* ComboWriteFlag = nullptr; ///< set while a combo or link writer writes
    int LinkType = 0;               ///< `AType`: 0 "HREF", 1 "NAME"
    std::string RefComboText;       ///< what `RefCombo` shows
    /// Set by the link-type writer when `RefCombo` must show a new text.
    std::optional<std::string> NewRefComboText;
};

/// Writes one control's value (as the reader gives values) into the current tag. Buttons other
/// than fixed ones, and everything while there is no document or the guard is set, write
/// nothing; returns whether the writer acted.
bool WriteControl(const TWriterRow& row, const TControlValue& value, TWriteContext& context);

/// The tag name the heading track bar writes for a position 1-6 ("H6" to "H1").
std::string HeadingName(int position);

} // namespace zn::tags
