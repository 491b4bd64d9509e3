// The document window's own handling of keys in its text control, as operations on the control.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <functional>
#include <string>

namespace zn::editor {

enum class EditKey { Insert, Delete, Tab, Enter, Other };

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool None() const { return !shift && !ctrl && !alt; }
};

/// Insert toggles overwrite mode and the status text "insert"; Alt+Del removes the tag pair at
/// the caret; Tab (on release) inserts a tab character; Enter is noted on press and list
/// continuation runs on release.
class DocumentKeys {
public:
    explicit DocumentKeys(THTMLRichEdit& edit) : edit_(edit) {}

    /// Returns true when the key was consumed and the control must not act on it.
    bool KeyDown(EditKey key, KeyModifiers mods);
    void KeyUp(EditKey key, KeyModifiers mods);

    /// "insert" in insert mode, empty in overwrite mode (the third status panel).
    const std::string& InsertPanel() const { return insertPanel_; }

    /// Runs after a released Enter (list continuation).
    std::function<void()> OnEnterReleased;

private:
    THTMLRichEdit& edit_;
    std::string insertPanel_ = "insert";
    bool enterNoted_ = false;
};

/// "Odstranit tag": removes the tag pair at the caret with the busy cursor, then updates the
/// current tag.
void RemoveTagAtCaret(THTMLRichEdit& edit);

/// The caret for the status bar: "column:line", both from 0; the column is the selection end
/// minus the start of its line.
std::string CaretStatusText(const TextModel& model);

} // namespace zn::editor
