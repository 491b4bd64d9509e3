// Key handling of the document window's text control.
#include "editor/DocumentKeys.h"

namespace zn::editor {

bool DocumentKeys::KeyDown(EditKey key, KeyModifiers mods) {
    switch (key) {
    case EditKey::Insert:
        if (mods.None()) {
            edit_.Model().SetOverwrite(!edit_.Model().Overwrite());
            insertPanel_ = edit_.Model().Overwrite() ? "" : "insert";
            return true;
        }
        return false;
    case EditKey::Delete:
        if (mods.alt && !mods.ctrl && !mods.shift) {
            RemoveTagAtCaret(edit_);
            return true;
        }
        return false;
    case EditKey::Enter:
        enterNoted_ = true;
        return false;
    case EditKey::Tab:
        return mods.None(); // inserted when the key is released
    case EditKey::Other:
        return false;
    }
    return false;
}

void DocumentKeys::KeyUp(EditKey key, KeyModifiers mods) {
    if (key == EditKey::Tab && mods.None()) {
        edit_.Model().ReplaceSelection("\t");
    } else if (key == EditKey::Enter && enterNoted_) {
        enterNoted_ = false;
        if (OnEnterReleased) {
            OnEnterReleased();
        }
    }
}

void RemoveTagAtCaret(THTMLRichEdit& edit) {
    if (edit.OnBusy) {
        edit.OnBusy(true);
    }
    edit.RemoveTagPair(edit.Model().SelStart());
    edit.UpdateCurrentTag();
    if (edit.OnBusy) {
        edit.OnBusy(false);
    }
}

std::string CaretStatusText(const TextModel& model) {
    const Position end = model.SelEnd();
    const Position line = model.LineFromPosition(end);
    return std::to_string(end - model.LineStart(line)) + ":" + std::to_string(line);
}

} // namespace zn::editor
