// Private parts of the settings store shared by its source files: the prepared statements.
#pragma once

#include "app/SettingsStore.h"
#include "app/Sqlite.h"

#include <string>

namespace zn::app {

struct SettingsStore::Statements {
    SqliteStatement FindKey, InsertKey, ReadValue, UpsertValue, DeleteValue, CountValues,
        ValueNames, ListValues, SubKeys, DeleteKeyEntries, DeleteKeys;
};

namespace settings_detail {

/// Resets a statement when the scope that used it ends, whatever the way out.
class Using {
public:
    explicit Using(SqliteStatement& statement) : statement_(statement) {}
    ~Using() { statement_.Reset(); }
    Using(const Using&) = delete;
    Using& operator=(const Using&) = delete;

private:
    SqliteStatement& statement_;
};

inline std::string Quoted(const std::string& text) {
    return "\u201E" + text + "\u201C";
}

} // namespace settings_detail

} // namespace zn::app
