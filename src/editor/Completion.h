// Small typing conveniences: "<" completion, list continuation after Enter, combo-box completion.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

/// Text typed into the control: with AutoComplete on, "<" becomes "<>" with the caret between,
/// and ">" typed just before that completion's ">" steps over it instead of adding another.
void TypeIntoControl(THTMLRichEdit& edit, std::string_view text);

/// After Enter: when the line above holds "<LI>", "<OL>" or "<UL>" (then "<DT>" or "<DL>"),
/// starts a list item on the new line at the same indentation, in the case of the setting.
void ContinueList(THTMLRichEdit& edit, bool upperCaseTags);

/// What a completing combo box offers for its typed text: the rest of the first list item that
/// begins with the text (ASCII letters compared without regard to case). Nothing after Backspace
/// or Delete, for a text shorter than minLength, or when no item matches.
std::optional<std::string> ComboCompletion(std::string_view typed,
                                           const std::vector<std::string>& items,
                                           std::size_t minLength, bool lastKeyDeleted);

} // namespace zn::editor
