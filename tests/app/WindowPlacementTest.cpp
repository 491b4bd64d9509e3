// The placement hook: kept in memory by default, handed to the store once one is set.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

#include <map>

using namespace zn::app;

TEST(WindowPlacement, MemoryUntilAStoreIsSetThenTheStore) {
    const std::string key = "\\Software\\KVHTML\\PicturePreview";
    SetPlacementStore({}, {});
    EXPECT_FALSE(LoadWindowPlacement(key).has_value());
    TWindowPlacement placement{10, 20, 300, 200, false};
    SaveWindowPlacement(key, placement);
    EXPECT_EQ(LoadWindowPlacement(key), placement);

    std::map<std::string, TWindowPlacement> store;
    SetPlacementStore(
        [&](const std::string& k) -> std::optional<TWindowPlacement> {
            auto found = store.find(k);
            if (found == store.end())
                return std::nullopt;
            return found->second;
        },
        [&](const std::string& k, const TWindowPlacement& p) { store[k] = p; });
    EXPECT_FALSE(LoadWindowPlacement(key).has_value()) << "the store knows nothing yet";
    TWindowPlacement moved{5, 6, 7, 8, true};
    SaveWindowPlacement(key, moved);
    EXPECT_EQ(store.at(key), moved);
    EXPECT_EQ(LoadWindowPlacement(key), moved);
    SetPlacementStore({}, {});
}
