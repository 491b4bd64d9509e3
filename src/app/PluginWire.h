// The messages between the editor and the plug-in host: a list of byte fields over a pipe.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

/// A request or a reply: the first field names it ("info", "run", "about"; "ok", "error").
using PluginMessage = std::vector<std::string>;

/// The field count, then each field as 4 length bytes (least significant first) and its bytes.
std::string EncodePluginMessage(const PluginMessage& fields);
/// The message, or nothing when the bytes are cut short, too long or have bytes left over.
std::optional<PluginMessage> DecodePluginMessage(std::string_view bytes);

} // namespace zn::app
