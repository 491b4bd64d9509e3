// The hand-off key: written in order by a second start, taken and emptied by the running editor.
#include "app/HandOff.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"

#include <gtest/gtest.h>

using namespace zn::app;

namespace {
using Names = std::vector<std::string>;
}

TEST(HandOff, ThreeNamesAreTakenInOrderAndTheKeyIsEmptied) {
    SettingsStore store(":memory:");
    const Names names{"/w/c.html", "/w/a b.html", "/w/Čeština.htm"};
    ASSERT_TRUE(WriteHandOff(store, names));
    EXPECT_EQ(store.ValueNames(ToOpenKey), (Names{"0", "1", "2"}));
    EXPECT_EQ(store.ReadString(ToOpenKey, "1"), "/w/a b.html");
    EXPECT_EQ(TakeHandOff(store), names);
    EXPECT_TRUE(store.KeyExists(ToOpenKey));
    EXPECT_EQ(store.ValueCount(ToOpenKey), 0);
    EXPECT_TRUE(TakeHandOff(store).empty());
    // No names still leave the key; a cleared hand-off is not taken.
    ASSERT_TRUE(WriteHandOff(store, {}));
    EXPECT_TRUE(store.KeyExists(ToOpenKey));
    ASSERT_TRUE(WriteHandOff(store, {"/a.html"}));
    ClearHandOff(store);
    EXPECT_TRUE(TakeHandOff(store).empty());
}

TEST(HandOff, LeftoversOfAnUntakenHandOffAreNotOpenedLater) {
    SettingsStore store(":memory:");
    ASSERT_TRUE(WriteHandOff(store, {"/old/1.html", "/old/2.html", "/old/3.html"}));
    ASSERT_TRUE(WriteHandOff(store, {"/new.html"}));
    EXPECT_EQ(TakeHandOff(store), Names{"/new.html"});
}

TEST(HandOff, ForeignValuesAreDroppedAndGapsSkipped) {
    SettingsStore store(":memory:");
    store.WriteString(ToOpenKey, "0", "/a.html");
    store.WriteInteger(ToOpenKey, "1", 7);
    store.WriteString(ToOpenKey, "x", "/stray.html");
    // Three values: "0" and "1" are read ("1" is no text), "2" does not exist.
    EXPECT_EQ(TakeHandOff(store), Names{"/a.html"});
    EXPECT_EQ(store.ValueCount(ToOpenKey), 0);
}
