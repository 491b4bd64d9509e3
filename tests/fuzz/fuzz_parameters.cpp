// Fuzzes the document parameters and the tag walker on any page: walking and writing back
// unchanged pieces leaves the page as it was, reading and writing the parameters is one undo
// step that restores the page, and colour schemes and colours of a page never fail.
#include "editor/TREhook.h"
#include "tags/DocumentParameters.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace zn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    editor::THTMLRichEdit edit;
    edit.Model().Load(input);
    const std::string page = edit.Model().Text();

    editor::TREhook walker;
    walker.SetRichEd(&edit);
    std::string value;
    while (walker.FindNext()) {
        if (walker.TagText().find('>') != std::string::npos) {
            std::abort();
        }
        walker.GetParam(walker.TagName(), value);
        const std::string za = walker.TextZa();
        walker.SetTextZa(za + "x"); // a write and its reverse
        walker.SetTextZa(za);
    }
    if (edit.Model().Text() != page) {
        std::abort();
    }

    // A fresh document: an undo that finds nothing written must not undo the walker's writes.
    editor::THTMLRichEdit written;
    written.Model().Load(input);
    tags::TParameters values = tags::ReadParameters(written);
    tags::ApplyScheme(input, values);
    tags::ColorsFromPage(input, values);
    tags::WriteParameters(written, values, (size & 1) != 0);
    written.Model().Undo();
    if (written.Model().Text() != page) {
        std::abort();
    }
    return 0;
}
