// The named settings of the editor: reading at start, writing at exit, the boolean rule.
#include "app/Settings.h"

#include "app/Preferences.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"

namespace zn::app {

const std::array<BoolSetting, 19> BoolSettings = {{
    {"ShowMenuBitmaps", &Settings::ShowMenuBitmaps, true},
    {"UseHighLight", &Settings::UseHighLight, true},
    {"CopyFiles", &Settings::CopyFiles, false},
    {"PreferRelative", &Settings::PreferRelative, true},
    {"UpperCaseTags", &Settings::UpperCaseTags, true},
    {"AutoPutDim", &Settings::AutoPutDim, true},
    {"UseColors", &Settings::UseColors, false},
    {"UseHTMLPanel", &Settings::UseHTMLPanel, true},
    {"AskForStructure", &Settings::AskForStructure, true},
    {"UnixFormat", &Settings::UnixFormat, false},
    {"AutoOpenDf", &Settings::AutoOpenDf, true},
    {"AutoPlaySnd", &Settings::AutoPlaySnd, false},
    {"WRAPTAGS", &Settings::WRAPTAGS, false},
    {"AutoShow", &Settings::AutoShow, true},
    {"SaveInfo", &Settings::SaveInfo, false},
    {"KartaPath", &Settings::KartaPath, false},
    {"EncInf", &Settings::EncInf, false},
    {"PhpEnable", &Settings::PhpEnable, true},
    {"AutoComplete", &Settings::AutoComplete, true},
}};

const std::array<std::string_view, 19> ObsoleteValues = {"AutoSaveAreaChanges",
                                                         "DrawThickness",
                                                         "EditThickness",
                                                         "MapColor",
                                                         "lastdir",
                                                         "Albert",
                                                         "AlbertMessage",
                                                         "AlbertX",
                                                         "AlbertY",
                                                         "fl1",
                                                         "fl2",
                                                         "fl3",
                                                         "fl4",
                                                         "HTMLPanelTop",
                                                         "MapPanelRight",
                                                         "left",
                                                         "top",
                                                         "width",
                                                         "height"};

bool ReadBool(SettingsStore& store, std::string_view key, std::string_view name,
              bool defaultValue) {
    const StoredValue value = store.Read(key, name);
    if (value.Type == ValueType::Integer)
        return value.Number != 0;
    WriteBool(store, key, name, defaultValue);
    return defaultValue;
}

bool WriteBool(SettingsStore& store, std::string_view key, std::string_view name, bool value) {
    return store.WriteInteger(key, name, value ? 1 : 0);
}

namespace {

int StateFromText(const std::optional<std::string>& text) {
    if (text && (*text == "1" || *text == "2"))
        return (*text)[0] - '0';
    return StateNormal;
}

} // namespace

void Settings::Load(SettingsStore& store) {
    // One group, so the defaults of a first run reach the disk in one write.
    SettingsStore::Transaction group(store);
    store.CreateKey(KVHTMLKey);
    State = StateFromText(store.ReadString(KVHTMLKey, "State"));
    if (auto folder = store.ReadString(KVHTMLKey, "defstore"))
        defstore = std::move(*folder);
    for (std::string_view name : ObsoleteValues)
        if (store.ValueExists(KVHTMLKey, name))
            store.DeleteValue(KVHTMLKey, name);
    if (auto version = store.ReadString(KVHTMLKey, "Version"))
        LastVersion = std::move(*version);
    store.WriteString(KVHTMLKey, "Version", VersionText);
    for (const BoolSetting& setting : BoolSettings)
        this->*setting.Field = ReadBool(store, KVHTMLKey, setting.Name, setting.Default);
    store.CreateKey(HREFKey);
    LinkDatabase = store.ReadStringList(HREFKey, 1);
    store.CreateKey(SchemaKey);
    LoadMainForm(store);
    group.Commit();
}

void Settings::Save(SettingsStore& store,
                    const std::function<void(SettingsStore&)>& writePlugins) const {
    SettingsStore::Transaction group(store);
    const int state = State >= StateNormal && State <= StateMaximized ? State : StateNormal;
    store.WriteString(KVHTMLKey, "State", std::to_string(state));
    WriteBool(store, KVHTMLKey, "SaveInfo", SaveInfo);
    if (!defstore.empty())
        store.WriteString(KVHTMLKey, "defstore", defstore);
    store.WriteStringList(HREFKey, LinkDatabase, 1);
    if (writePlugins)
        writePlugins(store);
    SaveMainForm(store);
    group.Commit();
}

void Settings::SaveSwitches(SettingsStore& store) const {
    SettingsStore::Transaction group(store);
    for (const PrefSwitch& setting : PrefSwitches)
        WriteBool(store, KVHTMLKey, BoolSettingName(setting.Field), this->*setting.Field);
    WriteBool(store, KVHTMLKey, "PhpEnable", PhpEnable);
    WriteBool(store, KVHTMLKey, "UseHighLight", UseHighLight);
    group.Commit();
}

std::string_view BoolSettingName(bool Settings::*field) {
    for (const BoolSetting& setting : BoolSettings)
        if (setting.Field == field)
            return setting.Name;
    return {};
}

void Settings::SaveKartaPath(SettingsStore& store) const {
    WriteBool(store, KVHTMLKey, "KartaPath", KartaPath);
}

} // namespace zn::app
