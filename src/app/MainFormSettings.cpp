// The settings kept as properties of the main window, under its form-state key.
#include "app/Settings.h"

#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"

#include <string>

namespace zn::app {

namespace {

/// Names of the hidden labels whose captions hold text settings, with their fields.
constexpr std::pair<std::string_view, std::string Settings::*> kCaptions[] = {
    {"ExternalViewer", &Settings::ExternalViewer},
    {"ExternalEditor", &Settings::ExternalEditor},
    {"HTMLBrowser", &Settings::HTMLBrowser},
    {"CopyPath", &Settings::CopyPath},
    {"phppath", &Settings::phppath},
};

/// Names of the colour panels, with their fields.
constexpr std::pair<std::string_view, ColorNumber Settings::*> kColors[] = {
    {"Ptag", &Settings::Ptag}, {"ppar", &Settings::ppar}, {"pval", &Settings::pval},
    {"ptxt", &Settings::ptxt}, {"pbkg", &Settings::pbkg},
};

constexpr std::pair<std::string_view, bool StoredFont::*> kFontStyles[] = {
    {"FL.Font.Bold", &StoredFont::Bold},
    {"FL.Font.Italic", &StoredFont::Italic},
    {"FL.Font.Underline", &StoredFont::Underline},
    {"FL.Font.StrikeOut", &StoredFont::StrikeOut},
};

std::string Joined(std::string_view a, std::string_view b) {
    return std::string(a) + std::string(b);
}

/// The recent-files list sits in a key of its own below the main window's key.
std::string RecentFilesKey() {
    return Joined(MainFormKey, "\\Filesy.Items");
}

void TakeString(SettingsStore& store, std::string_view name, std::string& field) {
    if (auto text = store.ReadString(MainFormKey, name))
        field = std::move(*text);
}

template <class Number>
void TakeInteger(SettingsStore& store, std::string_view name, Number& field) {
    if (auto number = store.ReadInteger(MainFormKey, name))
        field = static_cast<Number>(*number);
}

void TakeBool(SettingsStore& store, std::string_view name, bool& field) {
    if (auto number = store.ReadInteger(MainFormKey, name))
        field = *number != 0;
}

void LoadFont(SettingsStore& store, StoredFont& font) {
    TakeString(store, "FL.Font.Name", font.Family);
    if (font.Family.empty())
        font.Family = SystemFontFamily;
    int height = font.PixelHeight;
    TakeInteger(store, "FL.Font.Height", height);
    // A height of 0 or less, or an absurd one, would make the text unreadable.
    if (height >= 4 && height <= 400)
        font.PixelHeight = height;
    for (const auto& [name, field] : kFontStyles)
        TakeBool(store, name, font.*field);
    TakeInteger(store, "FL.Font.Charset", font.Charset);
    TakeInteger(store, "FL.Font.Color", font.Color);
    font.Color &= 0xFFFFFF;
}

void SaveFont(SettingsStore& store, const StoredFont& font) {
    store.WriteString(MainFormKey, "FL.Font.Name", font.Family);
    store.WriteInteger(MainFormKey, "FL.Font.Height", font.PixelHeight);
    for (const auto& [name, field] : kFontStyles)
        store.WriteInteger(MainFormKey, name, font.*field ? 1 : 0);
    store.WriteInteger(MainFormKey, "FL.Font.Charset", font.Charset);
    store.WriteInteger(MainFormKey, "FL.Font.Color", static_cast<std::int32_t>(font.Color));
}

} // namespace

void Settings::LoadMainForm(SettingsStore& store) {
    for (const auto& [name, field] : kCaptions)
        TakeString(store, Joined(name, ".Caption"), this->*field);
    LoadFont(store, FL);
    for (const auto& [name, field] : kColors) {
        TakeInteger(store, Joined(name, ".Color"), this->*field);
        this->*field &= 0xFFFFFF;
    }
    Filesy = store.ReadStringList(RecentFilesKey());
    if (Filesy.size() > MaxRecentFiles)
        Filesy.erase(Filesy.begin(), Filesy.end() - MaxRecentFiles);
    TakeBool(store, "StylySB.Down", StylySBDown);
}

void Settings::SaveMainForm(SettingsStore& store) const {
    SettingsStore::Transaction group(store);
    for (const auto& [name, field] : kCaptions)
        store.WriteString(MainFormKey, Joined(name, ".Caption"), this->*field);
    SaveFont(store, FL);
    for (const auto& [name, field] : kColors)
        store.WriteInteger(MainFormKey, Joined(name, ".Color"),
                           static_cast<std::int32_t>(this->*field));
    store.WriteStringList(RecentFilesKey(), Filesy);
    store.WriteInteger(MainFormKey, "StylySB.Down", StylySBDown ? 1 : 0);
    group.Commit();
}

} // namespace zn::app
