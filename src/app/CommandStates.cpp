// The enabling rules of the main window's commands.
#include "app/CommandStates.h"

namespace zn::app {

bool IsEnabled(EnableRule rule, const CommandInputs& in) {
    const bool open = in.DocumentCount > 0;
    switch (rule) {
    case EnableRule::Always:
        return true;
    case EnableRule::DocumentOpen:
        return open;
    case EnableRule::ActiveModified:
        return open && in.ActiveModified;
    case EnableRule::AnyModified:
        return open && in.AnyModified;
    case EnableRule::CutCopy:
        return (open && in.EditorFocused && in.EditorHasSelection) || in.FieldHasSelection;
    case EnableRule::Paste:
        return open && in.ClipboardHasText;
    case EnableRule::Undo:
        return open && in.CanUndo;
    case EnableRule::InTag:
        return open && in.InTag;
    case EnableRule::OutsideTag:
        return open && !in.InTag;
    case EnableRule::ScriptEvents:
        return open && in.InTag && in.TakesScriptEvents && in.TakesScriptEvents(in.CurrentTagName);
    case EnableRule::AutoInsert:
        return open && in.AutoDefWindowExists;
    case EnableRule::TextTarget:
        return in.TextTargetExists;
    }
    return false;
}

} // namespace zn::app
