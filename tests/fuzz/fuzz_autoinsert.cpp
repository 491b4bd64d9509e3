// Fuzzes the reader of automatic-insertion ".chn" files and the text functions: what is read
// writes back to bytes that read the same, no file yields more definitions than its bytes can
// hold, and expanding any text (the input itself and every text read) ends without a fault.
#include "editor/AutoInsert.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zn::editor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ChnContent read = ParseChn(bytes);
    if (read.Items.size() * 4 > size || ParseChn(ChnBytes(read.Items)).Items != read.Items) {
        __builtin_trap();
    }
    const LocalTime now{std::chrono::local_days{std::chrono::year{2026} / 12 / 5}};
    const ExpandResult expanded = ExpandFunctions(bytes, now);
    if (!expanded.Ok() && !expanded.Text.empty()) {
        __builtin_trap();
    }
    std::string page(bytes.substr(0, 256));
    AutoInsertText(page, read.Items, now);
    return 0;
}
