// Untitled names, the greeting and the application title.
#include "app/DocumentNames.h"

#include "app/SettingsKeys.h"

#include <algorithm>

namespace zn::app {

std::string UntitledName(int openDocuments) {
    return "BezJmena" + std::to_string(openDocuments + 1);
}

bool IsUntitled(std::string_view caption) {
    return caption.find("BezJmena") != std::string_view::npos;
}

bool IsDisposableUntitled(std::string_view caption, bool textEmpty) {
    std::string upper(caption);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return textEmpty && upper.find("BEZJMENA") != std::string::npos;
}

std::optional<std::string> GreetingText(std::string_view lastVersion) {
    if (lastVersion == VersionText)
        return std::nullopt;
    if (lastVersion.empty())
        return "Děkuji za použití " + std::string(VersionText);
    return "Děkuji za upgrade z " + std::string(lastVersion) + " na " + std::string(VersionText);
}

std::string ApplicationTitle() {
    return std::string(ApplicationName) + " v3.0 Cze";
}

} // namespace zn::app
