// Fuzzes the style editor's reading and writing of a rule: nothing may crash, a rule written
// once is written again unchanged, and the check for rules a style block would lose holds.
#include "structure/CssRule.h"
#include "structure/StyleRules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string Rewrite(std::string_view css) {
    using namespace zn::structure;
    return WriteCss(FillControls(SplitCss(css).List));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string once = Rewrite(text);
    if (Rewrite(once) != once || !zn::structure::DroppedByEditor(once).empty()) {
        std::abort();
    }
    zn::structure::DroppedByEditor(text);
    zn::structure::WritingLosesRules(text);
    return 0;
}
