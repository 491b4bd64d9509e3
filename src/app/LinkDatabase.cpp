// Entering addresses in the link database.
#include "app/LinkDatabase.h"

#include "app/SettingsNames.h"

#include <algorithm>

namespace zn::app {

bool AddToLinkDatabase(std::vector<std::string>& database, std::string_view text) {
    const bool blank = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    if (blank)
        return false;
    const std::string folded = FoldName(text);
    const bool known = std::any_of(database.begin(), database.end(), [&](const std::string& entry) {
        return FoldName(entry) == folded;
    });
    if (known)
        return false;
    database.emplace_back(text);
    return true;
}

void UrlFieldWatch::Tick(bool fieldFocused, std::vector<std::string>& database,
                         const std::function<std::vector<std::string>()>& fieldTexts) {
    if (fieldFocused) {
        focused_ = true;
        return;
    }
    if (!focused_)
        return;
    focused_ = false;
    if (fieldTexts) {
        for (const std::string& text : fieldTexts())
            AddToLinkDatabase(database, text);
    }
}

} // namespace zn::app
