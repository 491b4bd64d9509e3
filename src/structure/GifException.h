// The error raised by the GIF reader and writer for every format or memory fault.
#pragma once

#include <stdexcept>
#include <string>

namespace zn::structure {

/// A GIF file cannot be read or written; the message says why and is shown to the user as is.
class EGifException : public std::runtime_error {
public:
    explicit EGifException(const std::string& message) : std::runtime_error(message) {}
};

} // namespace zn::structure
