// The preferences without a window: the switch rule, the copy folder, applying, the shortcut list.
#include "app/Preferences.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"

#include "base/TempFolder.h"

#include <gtest/gtest.h>

using namespace zn::app;

namespace {

using StringList = std::vector<std::string>;

class PreferencesTest : public ::testing::Test {
protected:
    zn::test::TempFolder folder_;
    SettingsStore store_{folder_.File("settings.sqlite")};
};

std::vector<std::pair<std::string, long long>> StoredSwitches(SettingsStore& store) {
    std::vector<std::pair<std::string, long long>> values;
    for (const std::string& name : store.ValueNames(KVHTMLKey))
        values.emplace_back(name, store.ReadInteger(KVHTMLKey, name).value_or(-1));
    return values;
}

} // namespace

TEST(CopyPathFromField, OneSeparatorGoesAtEachEnd) {
    const std::pair<const char*, const char*> cases[] = {
        {"\\obrazky\\", "obrazky"},
        {"obrazky", "obrazky"},
        {"/obrazky/", "obrazky"},
        {"\\\\a\\b\\\\", "\\a\\b\\"},
        {"\\", ""},
        {"", ""},
        {"a\\b", "a\\b"},
        {"\\obrazky", "obrazky"},
    };
    for (const auto& [field, stored] : cases)
        EXPECT_EQ(CopyPathFromField(field), stored) << field;
}

TEST_F(PreferencesTest, SwitchingOffPicturesSwitchesOffTheirSizes) {
    Settings settings;
    PrefValues values = PrefValues::From(settings);
    ASSERT_TRUE(values.Switches[AutoPutDimSwitch]);
    values.Switches[AutoShowSwitch] = false;
    ApplyPrefs(values, settings, store_);
    EXPECT_FALSE(settings.AutoShow);
    EXPECT_FALSE(settings.AutoPutDim);
    EXPECT_EQ(store_.ReadInteger(KVHTMLKey, "AutoPutDim"), 0);
}

TEST_F(PreferencesTest, ApplyingTwiceIsApplyingOnce) {
    Settings settings;
    PrefValues values = PrefValues::From(settings);
    values.Switches[4] = true; // WRAPTAGS
    values.Links = {"b", "A", "a"};
    values.CopyP = "\\obr\\";
    values.CLtag = 0x00FF00;
    ApplyPrefs(values, settings, store_);
    const auto stored = StoredSwitches(store_);
    const Settings once = settings;
    ApplyPrefs(values, settings, store_);
    EXPECT_EQ(StoredSwitches(store_), stored);
    EXPECT_EQ(settings.LinkDatabase, once.LinkDatabase);
    EXPECT_EQ(settings.LinkDatabase, (StringList{"A", "a", "b"}));
    EXPECT_EQ(settings.CopyPath, "obr");
    EXPECT_TRUE(settings.WRAPTAGS);
    // The dialog shown again offers what was applied: nothing changes on a third time.
    ApplyPrefs(PrefValues::From(settings), settings, store_);
    EXPECT_EQ(settings.CopyPath, "obr");
    EXPECT_EQ(settings.Ptag, 0x00FF00u);
}

TEST_F(PreferencesTest, DocumentsAreRecolouredOnlyWhenHighlightingChanged) {
    struct Case {
        const char* what;
        void (*change)(PrefValues&);
        bool recolor;
    };
    const Case cases[] = {
        {"nothing", [](PrefValues&) {}, false},
        {"font", [](PrefValues& v) { v.Font.PixelHeight = 20; }, false},
        {"background", [](PrefValues& v) { v.CLbkg = 0x101010; }, false},
        {"tag colour", [](PrefValues& v) { v.CLtag = 1; }, true},
        {"value colour", [](PrefValues& v) { v.CLval = 1; }, true},
        {"highlighting", [](PrefValues& v) { v.UseHighLight = false; }, true},
    };
    for (const Case& c : cases) {
        Settings settings;
        PrefValues values = PrefValues::From(settings);
        c.change(values);
        EXPECT_EQ(ApplyPrefs(values, settings, store_).Recolor, c.recolor) << c.what;
    }
}

TEST(ShortcutLines, MenusInBracketsIndentedFourLevelsDeep) {
    const auto item = [](const char* caption, int id) { return MenuNode{caption, id, false, {}}; };
    const MenuNode separator{"", -1, true, {}};
    MenuNode level4{"Pátá", 31, false, {item("Šestá", 32)}};
    MenuNode level3{"Hloubka", 30, false, {level4}};
    MenuNode level2{"Vložit", 20, false, {level3, separator, item("Tabulka", 21)}};
    const std::vector<MenuNode> menus = {
        {"&Soubor",
         0,
         false,
         {item("&Nový", 1), separator, item("Zavřít vš&e", 2), item("&1 a.html", 3),
          item("&Konec", 4)}},
        {"&Plug-ins", 5, false, {item("Entity", 6)}},
        {"&HTML", 7, false, {level2, item("Odstavec", 8)}},
    };
    const std::vector<ShortcutLine> lines = ShortcutLines(menus);
    StringList texts;
    std::vector<int> ids;
    for (const ShortcutLine& line : lines) {
        texts.push_back(line.Text);
        ids.push_back(line.Id);
        EXPECT_EQ(line.Bracketed, line.Text.find('[') != std::string::npos) << line.Text;
    }
    EXPECT_EQ(texts, (StringList{"[&Soubor]", "    &Nový", "    Zavřít vš&e", "[&HTML]",
                                 "    [Vložit]", "        [Hloubka]", "            [Pátá]",
                                 "        Tabulka", "    Odstavec"}));
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 2, 7, 20, 30, 31, 21, 8}));
}

TEST(ShortcutTakenBy, FindsAnotherHolderOfTheKeys) {
    const StringList shortcuts = {"Ctrl+S", "", "F12", "ctrl+o"};
    EXPECT_EQ(ShortcutTakenBy(shortcuts, 1, "Ctrl+S"), 0);
    EXPECT_EQ(ShortcutTakenBy(shortcuts, 0, "Ctrl+S"), -1); // its own line
    EXPECT_EQ(ShortcutTakenBy(shortcuts, 0, "Ctrl+O"), 3);
    EXPECT_EQ(ShortcutTakenBy(shortcuts, 0, ""), -1);
    EXPECT_EQ(ShortcutTakenMessage("Ctrl+S", "&Uložit"),
              "Klávesová zkratka Ctrl+S už patří položce „Uložit“.");
}
