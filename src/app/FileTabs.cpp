// Synchronising the file tabs with the documents' captions.
#include "app/FileTabs.h"

#include <algorithm>

namespace zn::app {

std::string TabCaption(std::string_view fullName, bool fullPath) {
    if (fullPath)
        return std::string(fullName);
    const std::size_t slash = fullName.rfind('/');
    return std::string(slash == std::string_view::npos ? fullName : fullName.substr(slash + 1));
}

int FileTabs::IndexOf(std::string_view fullName) const {
    // Exact comparison: on this system "Index.html" and "index.html" are two files, and each
    // must keep a tab of its own.
    const auto found = std::find(names_.begin(), names_.end(), fullName);
    return found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
}

bool FileTabs::Sync(const std::vector<std::string>& documentCaptions,
                    std::string_view activeCaption, bool fullPath) {
    bool changed = false;
    for (std::size_t i = names_.size(); i-- > 0;) {
        if (std::find(documentCaptions.begin(), documentCaptions.end(), names_[i]) ==
            documentCaptions.end()) {
            names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(i));
            captions_.erase(captions_.begin() + static_cast<std::ptrdiff_t>(i));
            changed = true;
        }
    }
    for (const std::string& caption : documentCaptions) {
        if (IndexOf(caption) < 0) {
            names_.push_back(caption);
            captions_.push_back(TabCaption(caption, fullPath));
            changed = true;
        }
    }
    selected_ = IndexOf(activeCaption);
    return changed;
}

void FileTabs::SetFullPath(bool fullPath) {
    for (std::size_t i = 0; i < names_.size(); ++i)
        captions_[i] = TabCaption(names_[i], fullPath);
}

} // namespace zn::app
