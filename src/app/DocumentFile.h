// Document file names and line ends: Unix line ends, Save As extensions, preview files.
#pragma once

#include <string>
#include <string_view>

namespace zn::app {

/// Every line, the last one included, ended by one LF ("a\r\nb" gives "a\nb\n").
std::string ToUnixLineEnds(std::string_view crlfText);

/// Save As: a chosen name without an extension gets ".html" with filter 2 ("HTML files") and
/// ".htm" with filter 3 ("HTM files"); other filters leave it as it is. Filters count from 1.
std::string WithSaveExtension(const std::string& name, int filterIndex);

/// "kvhtml" + number + ".html" in the document's folder, or in the system's temporary folder for
/// an untitled document (no folder).
std::string PreviewFilePath(const std::string& documentPath, bool untitled, unsigned number);

} // namespace zn::app
