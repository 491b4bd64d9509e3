// Line-end conversions between files and the text model, which ends every line with CR LF.
#pragma once

#include <string>
#include <string_view>

namespace zn::editor {

/// CR LF, lone LF and lone CR all become CR LF; every other byte (NUL included) stays.
std::string NormalizeLineEnds(std::string_view text);
/// The same without a copy when the text has only CR LF pairs already: then `text` itself is
/// returned, otherwise the converted text, kept in `buffer`.
std::string_view NormalizeLineEnds(std::string_view text, std::string& buffer);

/// True when the text holds a CR or LF that is not part of a CR LF pair.
bool HasLoneLineBreak(std::string_view text);

} // namespace zn::editor
