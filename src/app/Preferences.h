// What the preferences dialog edits, without a window: its switches, fields and colours, the
// rules between them, the list of menu lines for shortcuts, and applying it all to the settings.
#pragma once

#include "app/Settings.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

class SettingsStore;

/// One line of the switch list: its caption and the setting it edits.
struct PrefSwitch {
    std::string_view Caption;
    bool Settings::*Field;
};

inline constexpr std::size_t PrefSwitchCount = 16;
/// The switches in list order; the index is the line of the list.
extern const std::array<PrefSwitch, PrefSwitchCount> PrefSwitches;
/// "Automaticky zobrazovat obrázky" and "Automaticky zapisovat velikost obrázků": a picture's
/// size can be written only when the picture is loaded, so switching off the first switches
/// off the second.
inline constexpr std::size_t AutoShowSwitch = 6;
inline constexpr std::size_t AutoPutDimSwitch = 7;

/// The sub-folder field as stored: one leading and one trailing separator ("\" or "/") removed,
/// so the folder stays relative to the document.
std::string CopyPathFromField(std::string_view text);

/// Sorts the link database alphabetically, letter case ignored (ties in byte order).
void SortLinks(std::vector<std::string>& links);

/// Everything the dialog edits, as plain values. Loaded from the main window's settings each
/// time the dialog is shown; applied by "&OK" and "&Použít".
struct PrefValues {
    std::array<bool, PrefSwitchCount> Switches{};
    bool PhpEnable = true;
    bool UseHighLight = true;
    std::vector<std::string> Links;
    std::string ExtView, ExtEdit, Browser, Php, CopyP;
    StoredFont Font;
    ColorNumber CLtag = 0, CLpar = 0, CLval = 0, CLtxt = 0, CLbkg = 0;

    static PrefValues From(const Settings& settings);
    /// The switch rule: switch 7 goes off whenever switch 6 is off.
    void ApplySwitchRule();
};

/// What applying changed that open documents must follow.
struct PrefEffect {
    /// Highlighting was switched or one of its colours changed: recolour every document.
    bool Recolor = false;
    /// The menu pictures were switched off.
    bool MenuBitmapsOff = false;
};

/// Applies the values to the settings (the switch rule first, the links sorted, the copy
/// folder trimmed) and writes the switches to the store at once. Applying the same values
/// twice gives the same settings and store.
PrefEffect ApplyPrefs(const PrefValues& values, Settings& settings, SettingsStore& store);

/// A menu as the shortcut list sees it; `Id` is the caller's handle of the item.
struct MenuNode {
    std::string Caption;
    int Id = -1;
    bool Separator = false;
    std::vector<MenuNode> Children;
};

/// One line of the shortcut list.
struct ShortcutLine {
    std::string Text; ///< indented; "[" caption "]" for menus and items with sub-items
    int Id = -1;
    bool Bracketed = false;
};

/// The lines of the shortcut list from the menu bar's menus: four levels deep in menu order,
/// separators and the "&Plug-ins" menu left out, and of "&Soubor" only the items up to
/// "Zavřít vš&e" (its recent files and the rest follow).
std::vector<ShortcutLine> ShortcutLines(const std::vector<MenuNode>& menus);

/// The index of another entry of `shortcuts` that already holds `shortcut`, or -1 (also for an
/// empty shortcut). Shortcuts are compared as their portable text.
int ShortcutTakenBy(const std::vector<std::string>& shortcuts, std::size_t except,
                    std::string_view shortcut);

/// "Klávesová zkratka %1 už patří položce %2." with the caption's "&" marks left out.
std::string ShortcutTakenMessage(std::string_view shortcut, std::string_view caption);

} // namespace zn::app
