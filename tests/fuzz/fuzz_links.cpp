// Fuzzes the link rules with links and file names taken from documents: link text, document
// name and chosen file are three NUL-separated parts of the input.
#include "base/HtmlColor.h"
#include "base/Links.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

std::string Part(std::string_view& rest) {
    const std::size_t nul = rest.find('\0');
    std::string part(rest.substr(0, nul));
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    return part;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string link = Part(rest);
    const std::string document = Part(rest);
    const std::string file = Part(rest);
    zn::base::HtmlToColor(link);
    zn::base::LinkToFileName(link, document);
    zn::base::LinkSettings settings;
    settings.DocumentFileName = document;
    zn::base::ScriptedPrompter prompter;
    for (const bool relative : {true, false}) {
        settings.PreferRelative = relative;
        // Copies stay off: the fuzzer must not write files.
        const std::string made = zn::base::MakeLink(file, settings, prompter);
        if (!prompter.shown.empty()) {
            __builtin_trap();
        }
        (void)made;
    }
    return 0;
}
