// Fuzzes the document scanner, its map and style writers and the Tag Inspector's reader with
// arbitrary page text: nothing may crash, and a written map must scan again.
#include "structure/DocumentStructure.h"
#include "tags/TagPanelRead.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const zn::structure::TStructure found = zn::structure::ScanStructure(text);
    for (const zn::structure::TIMG& picture : found.Pictures) {
        const auto position = zn::structure::GotoEntryPosition(GotoEntryText(picture));
        if (!position || *position != picture.Position) {
            std::abort();
        }
    }
    const std::string maps = zn::structure::WriteMaps(text, found.Areas, true);
    zn::structure::ScanStructure(maps);
    zn::structure::WriteStyles(text, found.Styles, false);
    zn::tags::TInspectorContext context;
    context.RefComboText = "x";
    zn::tags::ReadTag(text.substr(0, 4096), context);
    return 0;
}
