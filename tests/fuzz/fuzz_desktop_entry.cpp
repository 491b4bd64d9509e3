// Fuzzes the reader of desktop entries and mimeapps.list files (files of the desktop, not ours).
#include "base/DesktopApps.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zn::base::IniGroups groups = zn::base::ParseIni(text);
    for (const auto& [group, keys] : groups) {
        for (const auto& [key, value] : keys) {
            // Keys and values are trimmed pieces of one line each.
            if (key.empty() || key.find('\n') != std::string::npos ||
                value.find('\n') != std::string::npos) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
