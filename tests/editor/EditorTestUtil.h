// Helpers for tests of the text control: texts with a caret or selection mark, colour strings.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <string>

namespace zn::editor::test {

/// Loads text in which "|" marks the caret or "[" and "]" the selection (marks removed).
inline void LoadWithCaret(THTMLRichEdit& edit, std::string text) {
    const std::size_t caret = text.find('|');
    const std::size_t open = text.find('[');
    if (caret != std::string::npos || open == std::string::npos) {
        if (caret != std::string::npos)
            text.erase(caret, 1);
        edit.Model().Load(text);
        edit.Model().SetCaret(caret == std::string::npos ? 0 : static_cast<Position>(caret));
        return;
    }
    const std::size_t close = text.find(']');
    text.erase(close, 1);
    text.erase(open, 1);
    edit.Model().Load(text);
    edit.Model().Select(static_cast<Position>(open), static_cast<Position>(close - open - 1));
}

/// The text with "|" at an empty selection, or "[" and "]" around a selection.
inline std::string TextWithCaret(const THTMLRichEdit& edit) {
    std::string text = edit.Model().Text();
    const auto start = static_cast<std::size_t>(edit.Model().SelStart());
    const auto end = static_cast<std::size_t>(edit.Model().SelEnd());
    if (start == end)
        return text.insert(start, "|");
    text.insert(end, "]");
    return text.insert(start, "[");
}

/// One letter per character: "." text, "T" tag, "P" attribute name, "V" attribute value.
inline std::string ColorString(const TextModel& model) {
    std::string out;
    for (Position i = 0; i < model.Length(); ++i) {
        out += ".TPV"[static_cast<int>(model.ColorAt(i)) & 3];
    }
    return out;
}

} // namespace zn::editor::test
