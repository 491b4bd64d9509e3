// Setting a stretch of a document to a new text as one undo step that touches only what differs.
#pragma once

#include "editor/TextModel.h"

#include <string>
#include <string_view>

namespace zn::editor {

/// Replaces [pos, pos + len) by `text`, as one undo step, changing only the part between the
/// first and the last byte that differ (kept off the middle of CR LF pairs). The selection
/// stays where the same characters stand, so the caret keeps its place before the first
/// change and moves with the text after the last one. Returns false when nothing differed.
bool SetRangeText(TextModel& model, Position pos, Position len, std::string_view text);
/// The same for a text the caller gives up: the undo step takes it over instead of a copy.
bool SetRangeTextTaking(TextModel& model, Position pos, Position len, std::string&& text);

} // namespace zn::editor
