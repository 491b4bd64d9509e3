// The settings store: keys, typed values, order, lists, groups and persistence.
#include "app/SettingsStore.h"
#include "app/SettingsFile.h"

#include "base/TempFolder.h"

#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace zn::app;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    zn::test::TempFolder folder_;
    std::string file_ = folder_.File("settings.sqlite");
};

using StringList = std::vector<std::string>;

} // namespace

TEST_F(SettingsStoreTest, ValuesKeepTheirType) {
    SettingsStore store(file_);
    EXPECT_TRUE(store.IsPersistent());
    EXPECT_TRUE(store.TakeMessages().empty());
    EXPECT_FALSE(SettingsStore(":memory:").IsPersistent());
    ASSERT_TRUE(store.WriteString("Software\\KVHTML", "State", "2"));
    ASSERT_TRUE(store.WriteInteger("Software\\KVHTML", "UnixFormat", 1));

    const StoredValue text = store.Read("Software\\KVHTML", "State");
    EXPECT_EQ(text.Type, ValueType::String);
    EXPECT_EQ(text.Text, "2");
    // A string of digits is no integer, and an integer no string.
    EXPECT_FALSE(store.ReadInteger("Software\\KVHTML", "State"));
    EXPECT_FALSE(store.ReadString("Software\\KVHTML", "UnixFormat"));
    EXPECT_EQ(store.ReadInteger("Software\\KVHTML", "UnixFormat"), 1);
    EXPECT_EQ(store.Read("Software\\KVHTML", "nothing").Type, ValueType::Missing);
    EXPECT_EQ(store.Read("Software\\Nothing", "State").Type, ValueType::Missing);

    // Writing another type replaces the value and its type.
    ASSERT_TRUE(store.WriteInteger("Software\\KVHTML", "State", 7));
    EXPECT_EQ(store.Read("Software\\KVHTML", "State").Type, ValueType::Integer);
}

TEST_F(SettingsStoreTest, ContentRoundTripsExactly) {
    SettingsStore store(file_);
    const std::pair<const char*, std::string> texts[] = {
        {"empty", ""},
        {"nul", std::string("a\0b", 3)},
        {"cp1250", "P\xF8\xEDli\x9A \x9Elu\x9Do\xE8k\xFD"},
        {"utf8", "/home/\xC5\xBEluva/str\xC3\xA1nka.html"},
        {"digits", "0042"},
        {"crlf", "a\r\nb"},
    };
    for (const auto& [name, text] : texts)
        ASSERT_TRUE(store.WriteString("K", name, text));
    const std::int32_t numbers[] = {0, 1, -1, INT32_MIN, INT32_MAX, 0x00FFFFFF};
    for (std::int32_t n : numbers)
        ASSERT_TRUE(store.WriteInteger("K", "n" + std::to_string(n), n));

    SettingsStore reopened(file_);
    for (const auto& [name, text] : texts)
        EXPECT_EQ(reopened.ReadString("K", name), text) << name;
    for (std::int32_t n : numbers)
        EXPECT_EQ(reopened.ReadInteger("K", "n" + std::to_string(n)), n);
}

TEST_F(SettingsStoreTest, NamesIgnoreLetterCaseAndKeepFirstSpelling) {
    SettingsStore store(file_);
    ASSERT_TRUE(store.WriteInteger("Software\\KVHTML", "WrapTags", 0));
    ASSERT_TRUE(store.WriteInteger("\\SOFTWARE\\kvhtml\\", "WRAPTAGS", 1));
    EXPECT_EQ(store.ValueCount("software\\KVHTML"), 1);
    EXPECT_EQ(store.ReadInteger("Software\\KVHTML", "wraptags"), 1);
    EXPECT_EQ(store.ValueNames("Software\\KVHTML"), StringList{"WrapTags"});
    EXPECT_EQ(store.SubKeyNames(""), StringList{"Software"});
    EXPECT_EQ(store.SubKeyNames("SOFTWARE"), StringList{"KVHTML"});

    // "Schéma" and "SCHÉMA" (UTF-8) are one key.
    ASSERT_TRUE(store.WriteString("Software\\KVHTML\\Schema\\Sch\xC3\xA9ma", "Font", "Arial"));
    EXPECT_EQ(store.ReadString("Software\\KVHTML\\Schema\\SCH\xC3\x89MA", "font"), "Arial");
}

TEST_F(SettingsStoreTest, ValuesEnumerateInCreationOrder) {
    SettingsStore store(file_);
    for (const char* name : {"c", "a", "b", "10", "2"})
        ASSERT_TRUE(store.WriteString("K", name, name));
    EXPECT_EQ(store.ValueNames("K"), (StringList{"c", "a", "b", "10", "2"}));
    // Rewriting keeps the place; deleting and writing again moves the value to the end.
    ASSERT_TRUE(store.WriteInteger("K", "A", 5));
    ASSERT_TRUE(store.DeleteValue("K", "c"));
    ASSERT_TRUE(store.WriteString("K", "C", "again"));
    EXPECT_EQ(store.ValueNames("K"), (StringList{"a", "b", "10", "2", "C"}));
    EXPECT_EQ(store.ValueCount("K"), 5);
    // Deleting what is not there is no failure.
    EXPECT_TRUE(store.DeleteValue("K", "missing"));
    EXPECT_TRUE(store.DeleteValue("Missing\\Key", "x"));
    EXPECT_EQ(store.ValueCount("Missing\\Key"), 0);
    EXPECT_TRUE(store.ValueNames("Missing\\Key").empty());
}

TEST_F(SettingsStoreTest, KeysAreCreatedWithTheirAncestors) {
    SettingsStore store(file_);
    EXPECT_FALSE(store.KeyExists("Software\\KVHTML\\Schema"));
    ASSERT_TRUE(store.CreateKey("\\Software\\KVHTML\\Schema"));
    EXPECT_TRUE(store.KeyExists("Software"));
    EXPECT_TRUE(store.KeyExists("Software\\KVHTML"));
    EXPECT_TRUE(store.KeyExists("software\\kvhtml\\schema"));
    EXPECT_EQ(store.ValueCount("Software\\KVHTML\\Schema"), 0);
    EXPECT_TRUE(store.KeyExists(""));
    // Creating an existing key changes nothing.
    ASSERT_TRUE(store.CreateKey("Software\\KVHTML\\SCHEMA"));
    EXPECT_EQ(store.SubKeyNames("Software\\KVHTML"), StringList{"Schema"});
    // Sub-keys are the direct children in creation order.
    for (const char* key :
         {"S\\Schema\\Zima", "S\\Schema\\Jaro\\Deep", "S\\Schema\\Leto", "S\\SchemaX"})
        store.CreateKey(key);
    EXPECT_EQ(store.SubKeyNames("S\\Schema"), (StringList{"Zima", "Jaro", "Leto"}));
    EXPECT_EQ(store.SubKeyNames("S"), (StringList{"Schema", "SchemaX"}));
    EXPECT_TRUE(store.SubKeyNames("S\\Missing").empty());
}

TEST_F(SettingsStoreTest, DeletingAKeyTakesItsSubKeysButNotItsNamesakes) {
    SettingsStore store(file_);
    store.WriteString("Software\\KVHTML\\HREF", "1", "a");
    store.WriteString("Software\\KVHTML\\HREF\\Deep\\Deeper", "x", "y");
    store.WriteString("Software\\KVHTML\\HREF2", "1", "kept");
    store.WriteString("Software\\KVHTML\\HREFX\\Sub", "1", "kept");
    store.WriteString("Software\\KVHTML", "HREF", "kept");

    ASSERT_TRUE(store.DeleteKey("\\software\\kvhtml\\href"));
    EXPECT_FALSE(store.KeyExists("Software\\KVHTML\\HREF"));
    EXPECT_FALSE(store.KeyExists("Software\\KVHTML\\HREF\\Deep"));
    EXPECT_EQ(store.ValueCount("Software\\KVHTML\\HREF\\Deep\\Deeper"), 0);
    EXPECT_EQ(store.ReadString("Software\\KVHTML\\HREF2", "1"), "kept");
    EXPECT_EQ(store.ReadString("Software\\KVHTML\\HREFX\\Sub", "1"), "kept");
    EXPECT_EQ(store.ReadString("Software\\KVHTML", "HREF"), "kept");
    EXPECT_EQ(store.SubKeyNames("Software\\KVHTML"), (StringList{"HREF2", "HREFX"}));
    // The root stays; a missing key is simply not there.
    EXPECT_FALSE(store.DeleteKey("\\"));
    EXPECT_TRUE(store.DeleteKey("Software\\Missing"));
}

TEST_F(SettingsStoreTest, ListsAreRewrittenWhole) {
    SettingsStore store(file_);
    ASSERT_TRUE(store.WriteStringList("Software\\KVHTML\\HREF", {"x", "y", "z", "w"}, 1));
    EXPECT_EQ(store.ValueNames("Software\\KVHTML\\HREF"), (StringList{"1", "2", "3", "4"}));
    ASSERT_TRUE(store.WriteStringList("Software\\KVHTML\\HREF", {"b", "a"}, 1));
    EXPECT_EQ(store.ReadStringList("Software\\KVHTML\\HREF", 1), (StringList{"b", "a"}));
    EXPECT_EQ(store.ValueCount("Software\\KVHTML\\HREF"), 2);

    // An empty list leaves an empty key.
    ASSERT_TRUE(store.WriteStringList("Software\\KVHTML\\HREF", {}, 1));
    EXPECT_TRUE(store.KeyExists("Software\\KVHTML\\HREF"));
    EXPECT_TRUE(store.ReadStringList("Software\\KVHTML\\HREF", 1).empty());

    ASSERT_TRUE(store.WriteIntegerList("Sizes", {120, -1, 0}));
    EXPECT_EQ(store.ReadIntegerList("Sizes"), (std::vector<std::int32_t>{120, -1, 0}));
}

TEST_F(SettingsStoreTest, ListReadingSkipsHolesAndStrangers) {
    SettingsStore store(file_);
    // Three values, but "2" is missing and "3" is an integer: only "1" counts as an entry,
    // and "4" lies beyond the count of values.
    store.WriteString("L", "1", "first");
    store.WriteInteger("L", "3", 3);
    store.WriteString("L", "4", "beyond");
    EXPECT_EQ(store.ReadStringList("L", 1), StringList{"first"});
    EXPECT_TRUE(store.ReadStringList("Missing", 1).empty());
}

TEST_F(SettingsStoreTest, GroupsCommitWholeOrNotAtAll) {
    SettingsStore store(file_);
    {
        SettingsStore::Transaction group(store);
        store.WriteString("K", "a", "1");
        store.WriteStringList("K\\List", {"x"});
    } // no commit: undone
    EXPECT_FALSE(store.ValueExists("K", "a"));
    EXPECT_FALSE(store.KeyExists("K\\List"));
    {
        SettingsStore::Transaction group(store);
        store.WriteString("K", "a", "1");
        {
            SettingsStore::Transaction inner(store);
            store.WriteString("K", "b", "2");
            EXPECT_TRUE(inner.Commit());
        }
        EXPECT_TRUE(group.Commit());
        EXPECT_FALSE(group.Commit());
    }
    SettingsStore other(file_);
    EXPECT_EQ(other.ValueNames("K"), (StringList{"a", "b"}));
}

TEST(SettingsFile, FolderFollowsTheEnvironment) {
    const std::string saved[3] = {getenv("ZNACKAR_CONFIG_DIR") ? getenv("ZNACKAR_CONFIG_DIR") : "",
                                  getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "",
                                  getenv("HOME") ? getenv("HOME") : ""};
    setenv("HOME", "/home/jana", 1);
    unsetenv("ZNACKAR_CONFIG_DIR");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsPath(), "/home/jana/.config/znackar/settings.sqlite");
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(SettingsFolder(), "/home/jana/.config/znackar");
    setenv("XDG_CONFIG_HOME", "/xdg", 1);
    EXPECT_EQ(SettingsFolder(), "/xdg/znackar");
    setenv("ZNACKAR_CONFIG_DIR", "/tmp/zn-config", 1);
    EXPECT_EQ(DefaultSettingsPath(), "/tmp/zn-config/settings.sqlite");

    const char* names[3] = {"ZNACKAR_CONFIG_DIR", "XDG_CONFIG_HOME", "HOME"};
    for (int i = 0; i < 3; ++i)
        saved[i].empty() ? unsetenv(names[i]) : setenv(names[i], saved[i].c_str(), 1);
}

TEST_F(SettingsStoreTest, FailedWriteIsReportedOnceAndNotAsSuccess) {
    SettingsStore store(file_);
    ASSERT_TRUE(store.WriteInteger("K", "v", 1));
    store.SetBusyTimeout(20);
    // Another program holds the write lock longer than the store waits.
    SettingsStore other(file_);
    {
        SettingsStore::Transaction lock(other);
        other.WriteInteger("K", "w", 2);
        EXPECT_FALSE(store.WriteInteger("K", "v", 5));
        EXPECT_FALSE(store.WriteStringList("K\\List", {"a"}));
        const std::vector<std::string> messages = store.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(file_), std::string::npos);
        EXPECT_NE(messages[0].find("nelze zapisovat"), std::string::npos);
        // Reading goes on meanwhile and sees the last committed state.
        EXPECT_EQ(store.ReadInteger("K", "v"), 1);
        EXPECT_FALSE(store.ValueExists("K", "w"));
        EXPECT_TRUE(lock.Commit());
    }
    EXPECT_TRUE(store.WriteInteger("K", "v", 5));
    EXPECT_EQ(other.ReadInteger("K", "v"), 5);
    EXPECT_EQ(store.ReadInteger("K", "w"), 2);
    EXPECT_TRUE(store.TakeMessages().empty());
}
