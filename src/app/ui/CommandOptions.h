// The options of the tag commands, taken from the main window's settings.
#pragma once

#include "app/Settings.h"
#include "tags/ui/CommandContext.h"

namespace zn::app::ui {

inline tags::ui::CommandOptions CommandOptionsOf(const Settings& settings) {
    return {settings.UpperCaseTags, settings.PreferRelative, settings.CopyFiles, settings.CopyPath};
}

} // namespace zn::app::ui
