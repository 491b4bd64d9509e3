// Fuzzes the reader of recovery journals, which the editor reads at start-up from files that a
// crash may have cut short.
#include "app/RecoveryJournal.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto entry = zn::app::DecodeJournal(bytes)) {
        // What was read is written back the same way.
        if (zn::app::EncodeJournal(*entry) != bytes)
            __builtin_trap();
    }
    return 0;
}
