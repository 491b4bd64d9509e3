// Positions in the text: 0-based character indices in which a line break counts as CR LF.
#pragma once

#include <cstdint>

namespace zn::editor {

/// A caret position p lies between character p-1 and character p.
using Position = std::int64_t;

/// Colour kinds of characters. Tag, Parameter and Value follow the control's colours; Text is the
/// colour of the control's font.
enum class ColorKind : std::uint8_t { Text = 0, Tag = 1, Parameter = 2, Value = 3 };

} // namespace zn::editor
