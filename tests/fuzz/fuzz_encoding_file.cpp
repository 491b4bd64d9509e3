// Fuzzes the reader of encoding definition files, and converts and searches with what it reads:
// the entries stay parallel, conversions keep the length and searching never reads past the
// text.
#include "editor/EncChanger.h"
#include "editor/Encodings.h"
#include "editor/Search.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<zn::editor::TEncoding> parsed = zn::editor::ParseEncodingFile(text);
    if (!parsed) {
        return 0;
    }
    if (parsed->Codes.size() != parsed->CharNames.size()) {
        __builtin_trap();
    }
    zn::editor::TEncodings encodings;
    encodings.Add(*parsed);
    encodings.Add(*zn::editor::ParseEncodingFile("ENCODING FILE\nASCII\n65 LATIN CAPITAL LETTER A\n"
                                                 "97 LATIN SMALL LETTER A\n"));
    zn::editor::TEncChanger changer(nullptr, encodings);
    changer.FromEnc = parsed->Name;
    changer.ToEnc = "ASCII";
    changer.Convert(text);
    if (changer.Result().size() != text.size()) {
        __builtin_trap();
    }
    const std::string_view needle = text.substr(0, std::min<std::size_t>(text.size(), 5));
    const zn::editor::Position found = zn::editor::SearchText(needle, 1, text, 3, encodings);
    if (found < 0 || found > static_cast<zn::editor::Position>(text.size())) {
        __builtin_trap();
    }
    return 0;
}
