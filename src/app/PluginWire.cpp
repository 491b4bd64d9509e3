// Encoding of plug-in host messages.
#include "app/PluginWire.h"

#include <cstdint>

namespace zn::app {
namespace {

void PutLength(std::string& out, std::size_t n) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
    }
}

bool TakeLength(std::string_view& in, std::size_t& n) {
    if (in.size() < 4) {
        return false;
    }
    n = 0;
    for (int i = 0; i < 4; ++i) {
        n |= static_cast<std::size_t>(static_cast<unsigned char>(in[i])) << (8 * i);
    }
    in.remove_prefix(4);
    return true;
}

} // namespace

std::string EncodePluginMessage(const PluginMessage& fields) {
    std::string out;
    PutLength(out, fields.size());
    for (const std::string& field : fields) {
        PutLength(out, field.size());
        out += field;
    }
    return out;
}

std::optional<PluginMessage> DecodePluginMessage(std::string_view bytes) {
    std::size_t count = 0;
    if (!TakeLength(bytes, count) || count > bytes.size() / 4) {
        return std::nullopt;
    }
    PluginMessage fields(count);
    for (std::string& field : fields) {
        std::size_t n = 0;
        if (!TakeLength(bytes, n) || n > bytes.size()) {
            return std::nullopt;
        }
        field.assign(bytes.substr(0, n));
        bytes.remove_prefix(n);
    }
    if (!bytes.empty()) {
        return std::nullopt;
    }
    return fields;
}

} // namespace zn::app
