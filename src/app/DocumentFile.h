// Reading and writing document files: line ends, read-only files, and saves that never leave a
// half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace zn::app {

/// The result of a file operation; `message` is a Czech sentence naming the file on failure.
struct FileResult {
    bool ok = true;
    std::string message;
};

/// Reads a whole file (UTF-8 path) as bytes. Folders, devices and unreadable files fail with
/// "Nelze otevřít soubor " + name and the reason.
FileResult ReadDocumentFile(const std::string& path, std::string& bytes);

/// Every line, the last one included, ended by one LF ("a\r\nb" gives "a\nb\n").
std::string ToUnixLineEnds(std::string_view crlfText);

/// Writes bytes to a file so that a failure at any point leaves the old file whole: a temporary
/// file in the same folder is written, flushed to disk and renamed over the target. The target
/// keeps its permissions; a symbolic link is written through to the file it points at. On
/// failure the message is "Nelze zapsat soubor " + name with the reason.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

/// Read-only here means the owner may not write the file.
bool IsReadOnly(const std::string& path);
/// Gives or takes the owner's write permission; false when the mode cannot be changed.
bool SetReadOnly(const std::string& path, bool readOnly);

/// Save As: a chosen name without an extension gets ".html" with filter 2 ("HTML files") and
/// ".htm" with filter 3 ("HTM files"); other filters leave it as it is. Filters count from 1.
std::string WithSaveExtension(const std::string& name, int filterIndex);

/// "kvhtml" + number + ".html" in the document's folder, or in the system's temporary folder for
/// an untitled document (no folder).
std::string PreviewFilePath(const std::string& documentPath, bool untitled, unsigned number);

/// The system's temporary folder.
std::string TemporaryFolder();

} // namespace zn::app
