// The named settings: first run, the boolean rule, the reading order and the writing at exit.
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"

#include "base/TempFolder.h"

#include <gtest/gtest.h>

using namespace zn::app;

namespace {

using StringList = std::vector<std::string>;

class SettingsTest : public ::testing::Test {
protected:
    /// One run of the program: the settings read at start from a store of its own.
    Settings Start() {
        SettingsStore store(file_);
        Settings settings;
        settings.Load(store);
        return settings;
    }

    /// The exit of that run.
    void Exit(const Settings& settings) {
        SettingsStore store(file_);
        settings.Save(store);
    }

    zn::test::TempFolder folder_;
    std::string file_ = folder_.File("settings.sqlite");
};

} // namespace

TEST_F(SettingsTest, FirstRunWritesEveryBooleanWithItsDefault) {
    const Settings settings = Start();
    SettingsStore store(file_);
    for (const BoolSetting& setting : BoolSettings) {
        EXPECT_EQ(store.ReadInteger(KVHTMLKey, setting.Name), setting.Default ? 1 : 0)
            << setting.Name;
        EXPECT_EQ(settings.*setting.Field, setting.Default) << setting.Name;
    }
    // Reading order: Version first, then the booleans in their order.
    StringList expected{"Version"};
    for (const BoolSetting& setting : BoolSettings)
        expected.emplace_back(setting.Name);
    EXPECT_EQ(store.ValueNames(KVHTMLKey), expected);
    EXPECT_EQ(store.ReadString(KVHTMLKey, "Version"), std::string(VersionText));
    EXPECT_EQ(settings.LastVersion, "");
    EXPECT_TRUE(store.KeyExists(HREFKey));
    EXPECT_TRUE(store.KeyExists(SchemaKey));
    EXPECT_EQ(settings.State, StateNormal);
}

TEST_F(SettingsTest, BooleanOfAnotherTypeIsReplacedByItsDefault) {
    {
        SettingsStore store(file_);
        store.WriteString(KVHTMLKey, "UnixFormat", "1");
        store.WriteString(KVHTMLKey, "UseHighLight", "0");
        store.WriteInteger(KVHTMLKey, "CopyFiles", 7);
        store.WriteInteger(KVHTMLKey, "AutoComplete", 0);
    }
    const Settings settings = Start();
    EXPECT_FALSE(settings.UnixFormat);
    EXPECT_TRUE(settings.UseHighLight);
    EXPECT_TRUE(settings.CopyFiles); // any number but 0 is true
    EXPECT_FALSE(settings.AutoComplete);
    SettingsStore store(file_);
    EXPECT_EQ(store.Read(KVHTMLKey, "UnixFormat").Type, ValueType::Integer);
    EXPECT_EQ(store.ReadInteger(KVHTMLKey, "UnixFormat"), 0);
    EXPECT_EQ(store.ReadInteger(KVHTMLKey, "UseHighLight"), 1);
    EXPECT_EQ(store.ReadInteger(KVHTMLKey, "CopyFiles"), 7); // left as it was
}

TEST_F(SettingsTest, StateAcceptsOnlyItsThreeTexts) {
    const std::pair<StoredValue, int> cases[] = {
        {{ValueType::String, "0", 0}, StateNormal},
        {{ValueType::String, "1", 0}, StateMinimized},
        {{ValueType::String, "2", 0}, StateMaximized},
        {{ValueType::String, "7", 0}, StateNormal},
        {{ValueType::String, "", 0}, StateNormal},
        {{ValueType::String, "2 ", 0}, StateNormal},
        {{ValueType::Integer, "", 2}, StateNormal},
        {{ValueType::Missing, "", 0}, StateNormal},
    };
    for (const auto& [stored, expected] : cases) {
        SettingsStore store(":memory:");
        if (stored.Type == ValueType::String)
            store.WriteString(KVHTMLKey, "State", stored.Text);
        if (stored.Type == ValueType::Integer)
            store.WriteInteger(KVHTMLKey, "State", stored.Number);
        Settings settings;
        settings.State = StateMaximized; // whatever was there before the reading
        settings.Load(store);
        EXPECT_EQ(settings.State, expected) << stored.Text << "/" << stored.Number;
    }
}

TEST_F(SettingsTest, ObsoleteValuesAreDeletedOthersKept) {
    {
        SettingsStore store(file_);
        for (std::string_view name : ObsoleteValues)
            store.WriteInteger(KVHTMLKey, name, 1);
        store.WriteString(KVHTMLKey, "LASTDIR", "upper case is the same name");
        store.WriteString(KVHTMLKey, "adfopen", "/home/jana/zkratky.chn");
        store.WriteString(KVHTMLKey, "lastdirectory", "not obsolete");
        store.WriteString(KVHTMLKey, "defstore", "/home/jana/web");
        store.WriteString("Software\\KVHTML\\MapEditor", "MapColor", "another key");
    }
    const Settings settings = Start();
    SettingsStore store(file_);
    for (std::string_view name : ObsoleteValues)
        EXPECT_FALSE(store.ValueExists(KVHTMLKey, name)) << name;
    EXPECT_EQ(store.ReadString(KVHTMLKey, "adfopen"), "/home/jana/zkratky.chn");
    EXPECT_EQ(store.ReadString(KVHTMLKey, "lastdirectory"), "not obsolete");
    EXPECT_EQ(store.ReadString("Software\\KVHTML\\MapEditor", "MapColor"), "another key");
    EXPECT_EQ(settings.defstore, "/home/jana/web");
}

TEST_F(SettingsTest, VersionIsKeptThenOverwritten) {
    {
        SettingsStore store(file_);
        store.WriteString(KVHTMLKey, "Version", "2.5 Cz freeware");
    }
    EXPECT_EQ(Start().LastVersion, "2.5 Cz freeware");
    EXPECT_EQ(Start().LastVersion, VersionText);
}

TEST_F(SettingsTest, LinkDatabaseSurvivesARestartInOrder) {
    Settings first = Start();
    first.LinkDatabase = {"http://www.seznam.cz/", "index.html", "mailto:jana@example.cz",
                          "../obrazky/logo.gif"};
    Exit(first);

    Settings second = Start();
    EXPECT_EQ(second.LinkDatabase, first.LinkDatabase);
    // An entry removed before exit is gone afterwards, because HREF is written anew.
    second.LinkDatabase.erase(second.LinkDatabase.begin() + 1);
    Exit(second);

    const Settings third = Start();
    EXPECT_EQ(third.LinkDatabase, (StringList{"http://www.seznam.cz/", "mailto:jana@example.cz",
                                              "../obrazky/logo.gif"}));
    SettingsStore store(file_);
    EXPECT_EQ(store.ValueNames(HREFKey), (StringList{"1", "2", "3"}));
}

TEST_F(SettingsTest, ExitWritesStateSaveInfoAndDefstoreWhenGiven) {
    Settings settings = Start();
    settings.State = StateMaximized;
    settings.SaveInfo = true;
    settings.defstore = "/home/jana/web";
    settings.UnixFormat = true; // a switch of the preferences dialog: not written at exit
    Exit(settings);
    {
        SettingsStore store(file_);
        EXPECT_EQ(store.ReadString(KVHTMLKey, "State"), "2");
        EXPECT_EQ(store.ReadInteger(KVHTMLKey, "SaveInfo"), 1);
        EXPECT_EQ(store.ReadString(KVHTMLKey, "defstore"), "/home/jana/web");
        EXPECT_EQ(store.ReadInteger(KVHTMLKey, "UnixFormat"), 0);
    }
    // An empty folder does not overwrite the stored one.
    Settings next = Start();
    EXPECT_EQ(next.State, StateMaximized);
    EXPECT_TRUE(next.SaveInfo);
    next.defstore.clear();
    next.State = 99; // not a window state: stored as normal
    Exit(next);
    SettingsStore store(file_);
    EXPECT_EQ(store.ReadString(KVHTMLKey, "defstore"), "/home/jana/web");
    EXPECT_EQ(store.ReadString(KVHTMLKey, "State"), "0");
}

TEST_F(SettingsTest, SwitchesAreWrittenAtOnceInTheDialogsOrder) {
    Settings settings;
    SettingsStore store(":memory:");
    settings.AutoShow = false;
    settings.AutoPutDim = false;
    settings.KartaPath = true;
    settings.PhpEnable = false;
    settings.SaveSwitches(store);
    EXPECT_EQ(store.ValueNames(KVHTMLKey).size(), BoolSettings.size() - 1);
    EXPECT_EQ(store.ReadInteger(KVHTMLKey, "KartaPath"), 1);
    EXPECT_EQ(store.ReadInteger(KVHTMLKey, "PhpEnable"), 0);
    // SaveInfo belongs to the information dialog, not to the switches.
    EXPECT_FALSE(store.ValueExists(KVHTMLKey, "SaveInfo"));

    settings.KartaPath = false;
    settings.SaveKartaPath(store);
    EXPECT_EQ(store.ReadInteger(KVHTMLKey, "KartaPath"), 0);
}

TEST_F(SettingsTest, MainWindowPropertiesSurviveARestart) {
    Settings settings = Start();
    settings.ExternalViewer = "/usr/bin/eog";
    settings.ExternalEditor = "/usr/bin/gimp";
    settings.HTMLBrowser = "/usr/bin/firefox";
    settings.CopyPath = "obrazky";
    settings.phppath = "/usr/bin/php";
    settings.FL = {"DejaVu Sans Mono", 14, false, true, true, true, 0, 0x123456};
    settings.Ptag = 0x010203;
    settings.ppar = 0x040506;
    settings.pval = 0x070809;
    settings.ptxt = 0x0A0B0C;
    settings.pbkg = 0x0D0E0F;
    settings.Filesy = {"/a.html", "/b.html"};
    settings.StylySBDown = true;
    Exit(settings);

    const Settings again = Start();
    const auto texts = [](const Settings& s) {
        return StringList{s.ExternalViewer, s.ExternalEditor, s.HTMLBrowser, s.CopyPath, s.phppath};
    };
    const auto colours = [](const Settings& s) {
        return std::vector<unsigned>{s.Ptag, s.ppar, s.pval, s.ptxt, s.pbkg};
    };
    EXPECT_EQ(texts(again), texts(settings));
    EXPECT_EQ(colours(again), colours(settings));
    EXPECT_EQ(again.FL, settings.FL);
    EXPECT_EQ(again.Filesy, settings.Filesy);
    EXPECT_TRUE(again.StylySBDown);
    SettingsStore store(file_);
    EXPECT_EQ(store.ReadString(MainFormKey, "ExternalViewer.Caption"), "/usr/bin/eog");
}

TEST_F(SettingsTest, StrangeMainWindowValuesFallBackToDefaults) {
    {
        SettingsStore store(file_);
        store.WriteInteger(MainFormKey, "FL.Font.Height", 0);
        store.WriteString(MainFormKey, "FL.Font.Name", "");
        store.WriteString(MainFormKey, "Ptag.Color", "red");
        store.WriteInteger(MainFormKey, "pbkg.Color", -1);
        StringList many;
        for (int i = 0; i < 14; ++i)
            many.push_back("/f" + std::to_string(i) + ".html");
        store.WriteStringList(std::string(MainFormKey) + "\\Filesy.Items", many);
    }
    const Settings settings = Start();
    EXPECT_EQ(settings.FL.PixelHeight, 11);
    EXPECT_EQ(settings.FL.Family, "System");
    EXPECT_EQ(settings.Ptag, 0x0000FFu);
    EXPECT_EQ(settings.pbkg, 0xFFFFFFu); // only the colour bytes are kept
    // At most ten recent files, the newest ones (the list is oldest first).
    ASSERT_EQ(settings.Filesy.size(), MaxRecentFiles);
    EXPECT_EQ(settings.Filesy.front(), "/f4.html");
    EXPECT_EQ(settings.Filesy.back(), "/f13.html");
}

TEST_F(SettingsTest, ReadBoolWritesAMissingDefaultAtOnce) {
    SettingsStore store(":memory:");
    EXPECT_TRUE(ReadBool(store, "Software\\KVHTML\\Schema\\Zima", "NahledOdkaz", true));
    EXPECT_EQ(store.ReadInteger("Software\\KVHTML\\Schema\\Zima", "NahledOdkaz"), 1);
    EXPECT_TRUE(WriteBool(store, "Software\\KVHTML\\Schema\\Zima", "NahledOdkaz", false));
    EXPECT_FALSE(ReadBool(store, "Software\\KVHTML\\Schema\\Zima", "NahledOdkaz", true));
}
