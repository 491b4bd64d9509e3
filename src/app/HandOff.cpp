// Writing and taking the single-instance hand-off values.
#include "app/HandOff.h"

#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"

namespace zn::app {

bool WriteHandOff(SettingsStore& store, const std::vector<std::string>& names) {
    SettingsStore::Transaction group(store);
    for (const std::string& stale : store.ValueNames(ToOpenKey))
        store.DeleteValue(ToOpenKey, stale);
    store.CreateKey(ToOpenKey);
    for (std::size_t i = 0; i < names.size(); ++i)
        store.WriteString(ToOpenKey, std::to_string(i), names[i]);
    return group.Commit();
}

std::vector<std::string> TakeHandOff(SettingsStore& store) {
    std::vector<std::string> names;
    SettingsStore::Transaction group(store);
    store.CreateKey(ToOpenKey);
    const int count = store.ValueCount(ToOpenKey);
    for (int i = 0; i < count; ++i) {
        const std::string name = std::to_string(i);
        if (auto text = store.ReadString(ToOpenKey, name))
            names.push_back(std::move(*text));
        store.DeleteValue(ToOpenKey, name);
    }
    // Anything not named "0" ... N-1 was never part of a hand-off; leave the key empty.
    for (const std::string& other : store.ValueNames(ToOpenKey))
        store.DeleteValue(ToOpenKey, other);
    group.Commit();
    return names;
}

void ClearHandOff(SettingsStore& store) {
    SettingsStore::Transaction group(store);
    for (const std::string& name : store.ValueNames(ToOpenKey))
        store.DeleteValue(ToOpenKey, name);
    group.Commit();
}

} // namespace zn::app
