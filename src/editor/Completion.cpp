// Typing conveniences of the text control and the completing combo box.
#include "editor/Completion.h"

#include "base/TextCase.h"

namespace zn::editor {

void TypeIntoControl(THTMLRichEdit& edit, std::string_view text) {
    TextModel& model = edit.Model();
    if (text == "<" && edit.AutoComplete) {
        edit.InsertText("<>");
        model.SetCaret(model.SelStart() - 1);
        edit.CompletionClose = model.SelStart();
        return;
    }
    const Position caret = model.SelStart();
    if (text == ">" && model.Sel().Empty() && caret == edit.CompletionClose &&
        caret < model.Length() && model.CharAt(caret) == '>') {
        // The user finishes the tag the completion opened: step over its ">".
        edit.CompletionClose = -1;
        model.SetCaret(caret + 1);
        return;
    }
    model.Type(text);
}

void ContinueList(THTMLRichEdit& edit, bool upperCaseTags) {
    TextModel& model = edit.Model();
    const Position line = model.LineFromPosition(model.SelStart());
    if (line == 0) {
        return;
    }
    const Position start = model.LineStart(line - 1);
    const std::string above =
        base::AsciiCase(model.GetText(start, model.LineEnd(line - 1) - start), true);
    auto indentOf = [&](std::initializer_list<const char*> marks) -> std::optional<std::size_t> {
        for (const char* mark : marks) {
            const std::size_t at = above.find(mark);
            if (at != std::string::npos) {
                return at;
            }
        }
        return std::nullopt;
    };
    if (const auto indent = indentOf({"<LI>", "<OL>", "<UL>"})) {
        edit.InsertText(std::string(*indent, ' ') + base::TagCase("<LI>", upperCaseTags));
    } else if (const auto indent = indentOf({"<DT>", "<DL>"})) {
        edit.InsertText(std::string(*indent, ' ') + base::TagCase("<DT><DD>", upperCaseTags));
    }
}

std::optional<std::string> ComboCompletion(std::string_view typed,
                                           const std::vector<std::string>& items,
                                           std::size_t minLength, bool lastKeyDeleted) {
    if (lastKeyDeleted || typed.size() < minLength || items.empty()) {
        return std::nullopt;
    }
    const std::string wanted = base::AsciiCase(typed, true);
    for (const std::string& item : items) {
        if (item.size() >= typed.size() &&
            base::AsciiCase(std::string_view(item).substr(0, typed.size()), true) == wanted) {
            return item.substr(typed.size());
        }
    }
    return std::nullopt;
}

} // namespace zn::editor
