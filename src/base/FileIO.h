// Reading whole files and writing them so that a failure never leaves a half-written file.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zn::base {

/// The result of a file operation; `message` is a Czech sentence naming the file on failure.
struct FileResult {
    bool ok = true;
    std::string message;
};

/// Reads a whole file (UTF-8 path) as bytes. Folders, devices and unreadable files fail with
/// "Nelze otevřít soubor " + name and the reason.
FileResult ReadDocumentFile(const std::string& path, std::string& bytes);

/// Writes bytes to a file so that a failure at any point leaves the old file whole: a temporary
/// file in the same folder is written, flushed to disk and renamed over the target. The target
/// keeps its permissions; a symbolic link is written through to the file it points at. On
/// failure the message is "Nelze zapsat soubor " + name with the reason. When the temporary file
/// cannot be created, `tempFileError` (if given) receives the reason's errno; otherwise 0.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                               int* tempFileError = nullptr);

/// Read-only here means the owner may not write the file.
bool IsReadOnly(const std::string& path);
/// Gives or takes the owner's write permission; false when the mode cannot be changed.
bool SetReadOnly(const std::string& path, bool readOnly);

/// The system's temporary folder.
std::string TemporaryFolder();

/// A file could not be read or written; the message is Czech and names the file.
class EFileError : public std::runtime_error {
public:
    explicit EFileError(const std::string& message) : std::runtime_error(message) {}
};

/// The same reads and writes for the picture readers and writers, failing with EFileError.
std::vector<uint8_t> ReadBinaryFile(const std::string& fileName);
void WriteBinaryFile(const std::string& fileName, std::span<const uint8_t> bytes);

} // namespace zn::base
