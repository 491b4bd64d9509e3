// When the commands of the main window are enabled: one rule per group of commands, decided
// from a snapshot of the documents, the focus and the clipboard.
#pragma once

#include <functional>
#include <string>

namespace zn::app {

/// What the rules look at, gathered by the main window at each periodic update.
struct CommandInputs {
    int DocumentCount = 0;
    bool ActiveModified = false;     ///< the active document is modified
    bool AnyModified = false;        ///< some document's text control is modified
    bool EditorFocused = false;      ///< the active text control has the focus
    bool EditorHasSelection = false; ///< the active text control's selection is not empty
    bool FieldHasSelection = false;  ///< the focused edit field or combo box has a selection
    bool ClipboardHasText = false;
    bool CanUndo = false; ///< the active text control can undo
    bool InTag = false;   ///< the caret of the active text control is inside a tag
    std::string CurrentTagName;
    bool AutoDefWindowExists = false; ///< the automatic-insertion definitions window exists
    bool TextTargetExists = false;    ///< a field or document can take inserted text
    /// Whether a tag takes script events; set by the script-events commands when they exist.
    std::function<bool(const std::string& tagName)> TakesScriptEvents;
};

/// The rule a command follows.
enum class EnableRule {
    Always,
    DocumentOpen,   ///< at least one document is open (also the "&HTML" menu and its kin)
    ActiveModified, ///< "&Uložit"
    AnyModified,    ///< "Uložit &vše"
    CutCopy,        ///< "&Vyjmout", "&Kopírovat"
    Paste,          ///< "V&ložit"
    Undo,           ///< "Zpět"
    InTag,          ///< commands on the current tag
    OutsideTag,     ///< commands that insert a tag at the caret
    ScriptEvents,   ///< "Události pro JavaScripty..."
    AutoInsert,     ///< "Automaticky vkládat"
    TextTarget,     ///< number systems, date, time, colour
};

/// Whether a command following `rule` is enabled.
bool IsEnabled(EnableRule rule, const CommandInputs& in);

/// The Tag Inspector is shown exactly when the "&HTML" menu is enabled and the setting
/// `UseHTMLPanel` is on.
inline bool InspectorVisible(const CommandInputs& in, bool useHtmlPanel) {
    return useHtmlPanel && IsEnabled(EnableRule::DocumentOpen, in);
}

} // namespace zn::app
