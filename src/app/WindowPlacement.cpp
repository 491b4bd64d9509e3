// The placement store in use: the functions set by SetPlacementStore, else a memory map.
#include "app/WindowPlacement.h"

#include <map>

namespace zn::app {

namespace {

struct TStore {
    TPlacementLoader Load;
    TPlacementSaver Save;
    std::map<std::string, TWindowPlacement> Memory;
};

TStore& Store() {
    static TStore store;
    return store;
}

} // namespace

void SetPlacementStore(TPlacementLoader load, TPlacementSaver save) {
    Store().Load = std::move(load);
    Store().Save = std::move(save);
}

std::optional<TWindowPlacement> LoadWindowPlacement(const std::string& key) {
    TStore& store = Store();
    if (store.Load)
        return store.Load(key);
    auto found = store.Memory.find(key);
    if (found == store.Memory.end())
        return std::nullopt;
    return found->second;
}

void SaveWindowPlacement(const std::string& key, const TWindowPlacement& placement) {
    TStore& store = Store();
    if (store.Save)
        store.Save(key, placement);
    else
        store.Memory[key] = placement;
}

} // namespace zn::app
