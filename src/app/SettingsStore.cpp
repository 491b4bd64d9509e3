// The per-user settings store: typed named values under backslash key paths, kept in SQLite.
#include "app/SettingsStore.h"

#include "app/SettingsFile.h"
#include "app/SettingsNames.h"
#include "app/SettingsStatements.h"

#include <map>
#include <sqlite3.h>
#include <utility>

namespace zn::app {

using settings_detail::Quoted;
using settings_detail::Using;

namespace {

StoredValue ValueOf(const SqliteStatement& statement, int column) {
    StoredValue value;
    if (statement.IsInteger(column)) {
        value.Type = ValueType::Integer;
        // Registry numbers are 32 bits wide; a wider number typed in by hand keeps its low bits.
        value.Number = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(statement.Integer(column))));
    } else if (statement.IsText(column)) {
        value.Type = ValueType::String;
        value.Text = statement.Text(column);
    } else {
        value.Type = ValueType::Other;
    }
    return value;
}

/// The folded key path followed by a backslash: what every sub-key's folded path starts with.
std::string SubKeyPrefix(const std::string& foldedPath) {
    return foldedPath.empty() ? std::string() : foldedPath + "\\";
}

} // namespace

SettingsStore::SettingsStore() : SettingsStore(DefaultSettingsPath()) {}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {
    Open();
}

SettingsStore::~SettingsStore() {
    delete statements_;
    db_.Close();
}

std::vector<std::string> SettingsStore::TakeMessages() {
    return std::exchange(messages_, {});
}

// ---- running statements ----

template <class Body>
bool SettingsStore::Run(Access access, Body&& body) {
    if (!statements_)
        return false;
    SqliteResult result = body();
    if (result.Damaged()) {
        const bool inGroup = depth_ > 0;
        Recover(result);
        // Inside a group the earlier changes are gone with the file; only a lone call is redone.
        if (inGroup || !statements_)
            return false;
        result = body();
    }
    if (result.Ok())
        return true;
    NoteFailure(access, result);
    return false;
}

void SettingsStore::NoteFailure(Access access, const SqliteResult& result) {
    if (access == Access::Read)
        return;
    if (depth_ > 0)
        groupFailed_ = true;
    if (writeFailureReported_)
        return;
    writeFailureReported_ = true;
    messages_.push_back("Do souboru nastavení " + Quoted(path_) + " nelze zapisovat (" +
                        result.Message + "). Změna nastavení se neuložila.");
}

template <class Work>
SqliteResult SettingsStore::InWrite(Work&& work) {
    const bool own = depth_ == 0;
    if (own) {
        SqliteResult begun = Begin();
        if (!begun.Ok())
            return begun;
    }
    SqliteResult result = work();
    if (own) {
        SqliteResult ended = End(result.Ok());
        if (result.Ok())
            result = ended;
    }
    return result;
}

SqliteResult SettingsStore::Begin() {
    return db_.Exec("BEGIN IMMEDIATE");
}

SqliteResult SettingsStore::End(bool commit) {
    if (commit) {
        SqliteResult result = db_.Exec("COMMIT");
        if (result.Ok())
            return result;
        db_.Exec("ROLLBACK");
        return result;
    }
    db_.Exec("ROLLBACK");
    return {};
}

SqliteResult SettingsStore::FindKey(const std::string& folded, std::int64_t& id) {
    SqliteStatement& find = statements_->FindKey;
    Using use(find);
    find.Bind(1, folded);
    SqliteResult result = find.Step();
    id = result.Code == SQLITE_ROW ? find.Integer(0) : -1;
    return result;
}

SqliteResult SettingsStore::EnsureKey(const std::string& path, std::int64_t& id) {
    SqliteStatement& insert = statements_->InsertKey;
    for (std::size_t end = 0; end != std::string::npos;) {
        end = path.find('\\', end + 1);
        const std::string prefix = path.substr(0, end);
        if (prefix.empty())
            break;
        Using use(insert);
        insert.Bind(1, prefix);
        insert.Bind(2, FoldName(prefix));
        SqliteResult result = insert.Step();
        if (!result.Ok())
            return result;
    }
    return FindKey(FoldName(path), id);
}

// ---- keys ----

bool SettingsStore::KeyExists(std::string_view key) {
    std::int64_t id = -1;
    const std::string folded = FoldName(NormalizeKeyPath(key));
    return Run(Access::Read, [&] { return FindKey(folded, id); }) && id >= 0;
}

bool SettingsStore::CreateKey(std::string_view key) {
    const std::string path = NormalizeKeyPath(key);
    std::int64_t id = -1;
    return Run(Access::Write, [&] { return InWrite([&] { return EnsureKey(path, id); }); }) &&
           id >= 0;
}

SqliteResult SettingsStore::RemoveKey(const std::string& path) {
    const std::string folded = FoldName(path);
    const std::string prefix = SubKeyPrefix(folded);
    for (SqliteStatement* statement : {&statements_->DeleteKeyEntries, &statements_->DeleteKeys}) {
        Using use(*statement);
        statement->Bind(1, folded);
        statement->BindBlob(2, prefix);
        statement->Bind(3, static_cast<std::int64_t>(prefix.size()));
        SqliteResult result = statement->Step();
        if (!result.Ok())
            return result;
    }
    return {};
}

bool SettingsStore::DeleteKey(std::string_view key) {
    const std::string path = NormalizeKeyPath(key);
    if (path.empty())
        return false;
    return Run(Access::Write, [&] { return InWrite([&] { return RemoveKey(path); }); });
}

std::vector<std::string> SettingsStore::SubKeyNames(std::string_view key) {
    std::vector<std::string> names;
    const std::string prefix = SubKeyPrefix(FoldName(NormalizeKeyPath(key)));
    Run(Access::Read, [&] {
        names.clear();
        SqliteStatement& select = statements_->SubKeys;
        Using use(select);
        select.BindBlob(1, prefix);
        select.Bind(2, static_cast<std::int64_t>(prefix.size()));
        SqliteResult result;
        while ((result = select.Step()).Code == SQLITE_ROW)
            names.emplace_back(LastKeyComponent(select.Text(0)));
        return result;
    });
    return names;
}

// ---- values ----

StoredValue SettingsStore::Read(std::string_view key, std::string_view name) {
    StoredValue value;
    const std::string folded = FoldName(NormalizeKeyPath(key));
    const std::string foldedName = FoldName(name);
    Run(Access::Read, [&] {
        SqliteStatement& read = statements_->ReadValue;
        Using use(read);
        read.Bind(1, folded);
        read.Bind(2, foldedName);
        SqliteResult result = read.Step();
        value = result.Code == SQLITE_ROW ? ValueOf(read, 0) : StoredValue{};
        return result;
    });
    return value;
}

std::optional<std::string> SettingsStore::ReadString(std::string_view key, std::string_view name) {
    StoredValue value = Read(key, name);
    if (value.Type != ValueType::String)
        return std::nullopt;
    return std::move(value.Text);
}

std::optional<std::int32_t> SettingsStore::ReadInteger(std::string_view key,
                                                       std::string_view name) {
    const StoredValue value = Read(key, name);
    if (value.Type != ValueType::Integer)
        return std::nullopt;
    return value.Number;
}

bool SettingsStore::ValueExists(std::string_view key, std::string_view name) {
    return Read(key, name).Exists();
}

SqliteResult SettingsStore::WriteValue(std::string_view key, std::string_view name,
                                       const std::string* text, std::int32_t number) {
    const std::string path = NormalizeKeyPath(key);
    std::int64_t id = -1;
    SqliteResult result = EnsureKey(path, id);
    if (!result.Ok())
        return result;
    SqliteStatement& upsert = statements_->UpsertValue;
    Using use(upsert);
    upsert.Bind(1, id);
    upsert.Bind(2, name);
    upsert.Bind(3, FoldName(name));
    if (text)
        upsert.Bind(4, std::string_view(*text));
    else
        upsert.Bind(4, static_cast<std::int64_t>(number));
    return upsert.Step();
}

bool SettingsStore::WriteString(std::string_view key, std::string_view name,
                                std::string_view value) {
    const std::string text(value);
    return Run(Access::Write,
               [&] { return InWrite([&] { return WriteValue(key, name, &text, 0); }); });
}

bool SettingsStore::WriteInteger(std::string_view key, std::string_view name, std::int32_t value) {
    return Run(Access::Write,
               [&] { return InWrite([&] { return WriteValue(key, name, nullptr, value); }); });
}

bool SettingsStore::DeleteValue(std::string_view key, std::string_view name) {
    const std::string folded = FoldName(NormalizeKeyPath(key));
    const std::string foldedName = FoldName(name);
    return Run(Access::Write, [&] {
        return InWrite([&] {
            SqliteStatement& remove = statements_->DeleteValue;
            Using use(remove);
            remove.Bind(1, folded);
            remove.Bind(2, foldedName);
            return remove.Step();
        });
    });
}

int SettingsStore::ValueCount(std::string_view key) {
    int count = 0;
    const std::string folded = FoldName(NormalizeKeyPath(key));
    Run(Access::Read, [&] {
        SqliteStatement& select = statements_->CountValues;
        Using use(select);
        select.Bind(1, folded);
        SqliteResult result = select.Step();
        count = result.Code == SQLITE_ROW ? static_cast<int>(select.Integer(0)) : 0;
        return result;
    });
    return count;
}

std::vector<std::string> SettingsStore::ValueNames(std::string_view key) {
    std::vector<std::string> names;
    const std::string folded = FoldName(NormalizeKeyPath(key));
    Run(Access::Read, [&] {
        names.clear();
        SqliteStatement& select = statements_->ValueNames;
        Using use(select);
        select.Bind(1, folded);
        SqliteResult result;
        while ((result = select.Step()).Code == SQLITE_ROW)
            names.push_back(select.Text(0));
        return result;
    });
    return names;
}

// ---- lists ----

namespace {

template <class Item, class Take>
std::vector<Item> ListFrom(const std::map<std::string, StoredValue>& values, int firstIndex,
                           Take take) {
    std::vector<Item> items;
    const int count = static_cast<int>(values.size());
    for (int i = 0; i < count; ++i) {
        const auto found = values.find(std::to_string(firstIndex + i));
        if (found != values.end())
            take(found->second, items);
    }
    return items;
}

} // namespace

std::map<std::string, StoredValue> SettingsStore::ListValues(std::string_view key) {
    // One statement, so a writer in another process is seen entirely or not at all.
    std::map<std::string, StoredValue> values;
    const std::string folded = FoldName(NormalizeKeyPath(key));
    Run(Access::Read, [&] {
        values.clear();
        SqliteStatement& select = statements_->ListValues;
        Using use(select);
        select.Bind(1, folded);
        SqliteResult result;
        while ((result = select.Step()).Code == SQLITE_ROW)
            values.emplace(select.Text(0), ValueOf(select, 1));
        return result;
    });
    return values;
}

std::vector<std::string> SettingsStore::ReadStringList(std::string_view key, int firstIndex) {
    return ListFrom<std::string>(ListValues(key), firstIndex,
                                 [](const StoredValue& v, auto& items) {
                                     if (v.Type == ValueType::String)
                                         items.push_back(v.Text);
                                 });
}

std::vector<std::int32_t> SettingsStore::ReadIntegerList(std::string_view key, int firstIndex) {
    return ListFrom<std::int32_t>(ListValues(key), firstIndex,
                                  [](const StoredValue& v, auto& items) {
                                      if (v.Type == ValueType::Integer)
                                          items.push_back(v.Number);
                                  });
}

bool SettingsStore::WriteList(
    std::string_view key, std::size_t count, int firstIndex,
    const std::function<SqliteResult(const std::string& path, const std::string& name,
                                     std::size_t index)>& writeItem) {
    const std::string path = NormalizeKeyPath(key);
    if (path.empty())
        return false;
    return Run(Access::Write, [&] {
        return InWrite([&] {
            SqliteResult result = RemoveKey(path);
            std::int64_t id = -1;
            if (result.Ok())
                result = EnsureKey(path, id);
            for (std::size_t i = 0; result.Ok() && i < count; ++i)
                result = writeItem(path, std::to_string(firstIndex + static_cast<int>(i)), i);
            return result;
        });
    });
}

bool SettingsStore::WriteStringList(std::string_view key, const std::vector<std::string>& items,
                                    int firstIndex) {
    return WriteList(key, items.size(), firstIndex,
                     [&](const std::string& path, const std::string& name, std::size_t i) {
                         return WriteValue(path, name, &items[i], 0);
                     });
}

bool SettingsStore::WriteIntegerList(std::string_view key, const std::vector<std::int32_t>& items,
                                     int firstIndex) {
    return WriteList(key, items.size(), firstIndex,
                     [&](const std::string& path, const std::string& name, std::size_t i) {
                         return WriteValue(path, name, nullptr, items[i]);
                     });
}

// ---- groups ----

SettingsStore::Transaction::Transaction(SettingsStore& store)
    : store_(store), outermost_(store.depth_ == 0) {
    if (outermost_ && store_.statements_) {
        store_.groupFailed_ = false;
        SqliteResult result = store_.Begin();
        if (result.Damaged()) {
            store_.Recover(result);
            result = store_.statements_ ? store_.Begin() : result;
        }
        if (!result.Ok()) {
            store_.NoteFailure(Access::Write, result);
            store_.groupFailed_ = true;
        }
    }
    generation_ = store_.generation_;
    ++store_.depth_;
}

SettingsStore::Transaction::~Transaction() {
    if (done_ || store_.generation_ != generation_)
        return;
    --store_.depth_;
    if (outermost_) {
        store_.End(false);
        store_.groupFailed_ = false;
    }
}

bool SettingsStore::Transaction::Commit() {
    if (done_ || store_.generation_ != generation_)
        return false;
    done_ = true;
    --store_.depth_;
    if (!outermost_)
        return !store_.groupFailed_;
    const bool ok = !store_.groupFailed_;
    store_.groupFailed_ = false;
    const SqliteResult result = store_.End(ok);
    if (!result.Ok()) {
        if (result.Damaged())
            store_.Recover(result);
        else
            store_.NoteFailure(Access::Write, result);
        return false;
    }
    return ok;
}

} // namespace zn::app
