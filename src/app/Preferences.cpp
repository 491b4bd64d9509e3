// The preferences without a window: switches, the copy folder, the link order, the shortcut list.
#include "app/Preferences.h"

#include "app/SettingsStore.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace zn::app {

const std::array<PrefSwitch, PrefSwitchCount> PrefSwitches = {{
    {"Používat barvy dokumentů v editoru", &Settings::UseColors},
    {"Používat HTML panel", &Settings::UseHTMLPanel},
    {"Ptát se na zakládání struktury při vytváření souboru", &Settings::AskForStructure},
    {"Automaticky hrát zvukové tagy", &Settings::AutoPlaySnd},
    {"Zalamovat řádky", &Settings::WRAPTAGS},
    {"Všechny TAGy a PARAMETRy velké", &Settings::UpperCaseTags},
    {"Automaticky zobrazovat obrázky", &Settings::AutoShow},
    {"Automaticky zapisovat velikost obrázků", &Settings::AutoPutDim},
    {"Automaticky kopírovat soubory umístěné v jiných složkách", &Settings::CopyFiles},
    {"Preferovat relativní cestu (pomocí ../../ ) raději než absolutní (pomocí file:// )",
     &Settings::PreferRelative},
    {"V názvech karet zobrazovat i celou cestu", &Settings::KartaPath},
    {"Informovat o výsledku překódování", &Settings::EncInf},
    {"Zobrazovat obrázky v menu (efekt zapnutí se projeví až po restartu Editoru)",
     &Settings::ShowMenuBitmaps},
    {"Ukládat soubory v Unixovém formátu", &Settings::UnixFormat},
    {"Při spuštění automaticky otevírat naposledy otevřené soubory záměny", &Settings::AutoOpenDf},
    {"Automaticky dokončovat načaté tagy", &Settings::AutoComplete},
}};

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::string WithoutAmpersands(std::string_view caption) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

constexpr std::string_view kFileMenu = "&Soubor";
constexpr std::string_view kFileMenuLast = "Zavřít vš&e";
constexpr std::string_view kPluginMenu = "&Plug-ins";
constexpr int kDeepestLevel = 3; // the menu bar's menus are level 0

void AddLines(const MenuNode& node, int level, std::vector<ShortcutLine>& lines) {
    const bool bracketed = level == 0 || !node.Children.empty();
    const std::string indent(static_cast<std::size_t>(level) * 4, ' ');
    lines.push_back(
        {indent + (bracketed ? "[" + node.Caption + "]" : node.Caption), node.Id, bracketed});
    if (level == kDeepestLevel)
        return;
    for (const MenuNode& child : node.Children) {
        if (child.Separator)
            continue;
        AddLines(child, level + 1, lines);
        if (node.Caption == kFileMenu && child.Caption == kFileMenuLast)
            break;
    }
}

} // namespace

std::string CopyPathFromField(std::string_view text) {
    if (!text.empty() && IsSeparator(text.front()))
        text.remove_prefix(1);
    if (!text.empty() && IsSeparator(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

void SortLinks(std::vector<std::string>& links) {
    std::stable_sort(links.begin(), links.end(), [](const std::string& a, const std::string& b) {
        const std::string fa = Folded(a), fb = Folded(b);
        return fa != fb ? fa < fb : a < b;
    });
}

namespace {

/// The dialog's fields and the settings they edit.
constexpr std::pair<std::string PrefValues::*, std::string Settings::*> kTexts[] = {
    {&PrefValues::ExtView, &Settings::ExternalViewer},
    {&PrefValues::ExtEdit, &Settings::ExternalEditor},
    {&PrefValues::Browser, &Settings::HTMLBrowser},
    {&PrefValues::Php, &Settings::phppath},
    {&PrefValues::CopyP, &Settings::CopyPath},
};
constexpr std::pair<ColorNumber PrefValues::*, ColorNumber Settings::*> kColors[] = {
    {&PrefValues::CLtag, &Settings::Ptag}, {&PrefValues::CLpar, &Settings::ppar},
    {&PrefValues::CLval, &Settings::pval}, {&PrefValues::CLtxt, &Settings::ptxt},
    {&PrefValues::CLbkg, &Settings::pbkg},
};
constexpr std::pair<bool PrefValues::*, bool Settings::*> kBoxes[] = {
    {&PrefValues::PhpEnable, &Settings::PhpEnable},
    {&PrefValues::UseHighLight, &Settings::UseHighLight},
};

} // namespace

PrefValues PrefValues::From(const Settings& s) {
    PrefValues v;
    for (std::size_t i = 0; i < PrefSwitchCount; ++i)
        v.Switches[i] = s.*PrefSwitches[i].Field;
    for (const auto& [field, setting] : kBoxes)
        v.*field = s.*setting;
    for (const auto& [field, setting] : kTexts)
        v.*field = s.*setting;
    for (const auto& [field, setting] : kColors)
        v.*field = s.*setting;
    v.Links = s.LinkDatabase;
    SortLinks(v.Links);
    v.Font = s.FL;
    return v;
}

void PrefValues::ApplySwitchRule() {
    if (!Switches[AutoShowSwitch])
        Switches[AutoPutDimSwitch] = false;
}

PrefEffect ApplyPrefs(const PrefValues& given, Settings& s, SettingsStore& store) {
    PrefValues v = given;
    v.ApplySwitchRule();
    PrefEffect effect;
    effect.Recolor = v.UseHighLight != s.UseHighLight || v.CLtag != s.Ptag || v.CLpar != s.ppar ||
                     v.CLval != s.pval;
    s.LinkDatabase = v.Links;
    SortLinks(s.LinkDatabase);
    for (std::size_t i = 0; i < PrefSwitchCount; ++i)
        s.*PrefSwitches[i].Field = v.Switches[i];
    for (const auto& [field, setting] : kBoxes)
        s.*setting = v.*field;
    s.SaveSwitches(store);
    effect.MenuBitmapsOff = !s.ShowMenuBitmaps;
    s.FL = v.Font;
    for (const auto& [field, setting] : kTexts)
        s.*setting = v.*field;
    s.CopyPath = CopyPathFromField(v.CopyP);
    for (const auto& [field, setting] : kColors)
        s.*setting = v.*field;
    return effect;
}

std::vector<ShortcutLine> ShortcutLines(const std::vector<MenuNode>& menus) {
    std::vector<ShortcutLine> lines;
    for (const MenuNode& menu : menus) {
        if (!menu.Separator && menu.Caption != kPluginMenu)
            AddLines(menu, 0, lines);
    }
    return lines;
}

int ShortcutTakenBy(const std::vector<std::string>& shortcuts, std::size_t except,
                    std::string_view shortcut) {
    if (shortcut.empty())
        return -1;
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        if (i != except && Folded(shortcuts[i]) == Folded(shortcut))
            return static_cast<int>(i);
    }
    return -1;
}

std::string ShortcutTakenMessage(std::string_view shortcut, std::string_view caption) {
    return "Klávesová zkratka " + std::string(shortcut) + " už patří položce „" +
           WithoutAmpersands(caption) + "“.";
}

} // namespace zn::app
