// Helpers for tests of the text control: texts with a caret mark and colour strings.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <string>

namespace zn::editor::test {

/// Loads text in which "|" marks the caret (the mark is removed).
inline void LoadWithCaret(THTMLRichEdit& edit, std::string text) {
    const std::size_t caret = text.find('|');
    if (caret != std::string::npos) {
        text.erase(caret, 1);
    }
    edit.Model().Load(text);
    edit.Model().SetCaret(caret == std::string::npos ? 0 : static_cast<Position>(caret));
}

/// The text with "|" at the caret.
inline std::string TextWithCaret(const THTMLRichEdit& edit) {
    std::string text = edit.Model().Text();
    text.insert(static_cast<std::size_t>(edit.Model().Sel().caret), "|");
    return text;
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
