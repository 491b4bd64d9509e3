// Document files on a POSIX file system.
#include "app/DocumentFile.h"

#include "base/FileIO.h"

#include <filesystem>

namespace zn::app {
namespace fs = std::filesystem;

std::string ToUnixLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue; // the LF that follows stays
        }
        out += text[i];
    }
    if (!out.empty() && out.back() != '\n') {
        out += '\n';
    }
    return out;
}

std::string WithSaveExtension(const std::string& name, int filterIndex) {
    const fs::path path(name);
    if (path.has_extension()) {
        return name;
    }
    if (filterIndex == 2) {
        return name + ".html";
    }
    if (filterIndex == 3) {
        return name + ".htm";
    }
    return name;
}

std::string PreviewFilePath(const std::string& documentPath, bool untitled, unsigned number) {
    const std::string name = "kvhtml" + std::to_string(number) + ".html";
    const fs::path folder = fs::path(documentPath).parent_path();
    if (untitled || folder.empty()) {
        return (fs::path(base::TemporaryFolder()) / name).string();
    }
    return (folder / name).string();
}

} // namespace zn::app
