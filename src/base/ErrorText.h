// Czech texts of the operating system's error numbers, for messages that say why a file failed.
#pragma once

#include <string>
#include <system_error>

namespace zn::base {

/// The Czech text of an errno value; the system's own (English) text for the rare rest.
std::string ErrorText(int error);
/// The same for an error code of the generic or system category; others keep their message.
std::string ErrorText(const std::error_code& error);

} // namespace zn::base
