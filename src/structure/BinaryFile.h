// Whole-file reads and all-or-nothing writes for the picture readers and writers.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zn::structure {

/// A picture file could not be read or written; the message is Czech and names the file.
class EFileError : public std::runtime_error {
public:
    explicit EFileError(const std::string& message) : std::runtime_error(message) {}
};

/// The whole content of a file; raises EFileError when it cannot be read.
std::vector<uint8_t> ReadBinaryFile(const std::string& fileName);

/// Writes the bytes to a temporary file beside the target and renames it over the target, so
/// an existing file is never left half-written. Raises EFileError on failure.
void WriteBinaryFile(const std::string& fileName, std::span<const uint8_t> bytes);

} // namespace zn::structure
