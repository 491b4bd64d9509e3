// The per-user settings store: typed named values under backslash key paths, kept in SQLite.
#include "app/SettingsStore.h"

#include "app/SettingsFile.h"
#include "app/SettingsNames.h"

#include <filesystem>
#include <map>
#include <sqlite3.h>
#include <system_error>
#include <utility>

namespace zn::app {

namespace {

/// Marks a file as this program's store ("ZnSt"), so a foreign database is never taken for one.
constexpr int kApplicationId = 0x5A6E5374;
constexpr int kLayoutVersion = 1;
constexpr int kBusyTimeoutMs = 10000;

const char* const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS keys(
    id     INTEGER PRIMARY KEY,
    path   TEXT NOT NULL,
    folded TEXT NOT NULL UNIQUE);
CREATE TABLE IF NOT EXISTS entries(
    id     INTEGER PRIMARY KEY,
    key_id INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,
    name   TEXT NOT NULL,
    folded TEXT NOT NULL,
    value,
    UNIQUE(key_id, folded));
INSERT OR IGNORE INTO keys(path, folded) VALUES('', '');
)sql";

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

std::string Quoted(const std::string& text) {
    return "\u201E" + text + "\u201C";
}

} // namespace

struct SettingsStore::Statements {
    SqliteStatement FindKey, InsertKey, ReadValue, UpsertValue, DeleteValue, CountValues,
        ValueNames, ListValues, SubKeys, DeleteKeyEntries, DeleteKeys;
};

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

// ---- opening and recovery ----

void SettingsStore::Open() {
    persistent_ = path_ != ":memory:";
    if (!persistent_) {
        TryOpen(path_);
        return;
    }
    std::error_code ec;
    const auto folder = std::filesystem::path(path_).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    if (ec) {
        OpenInMemory(ec.message());
        return;
    }
    const SqliteResult result = TryOpen(path_);
    if (result.Ok())
        return;
    const bool unusableFile =
        (result.Code & 0xFF) == SQLITE_CANTOPEN && std::filesystem::exists(path_, ec);
    if (result.Damaged() || unusableFile)
        Recover(result);
    else
        OpenInMemory(result.Message);
}

SqliteResult SettingsStore::TryOpen(const std::string& file) {
    delete std::exchange(statements_, nullptr);
    SqliteResult result = db_.Open(file);
    if (!result.Ok())
        return result;
    db_.SetBusyTimeout(kBusyTimeoutMs);
    // Look before changing anything, so a file that is not ours is moved aside untouched.
    std::string answer;
    result = db_.QueryText("PRAGMA quick_check", answer);
    if (result.Ok() && answer != "ok")
        result = {SQLITE_CORRUPT, answer};
    if (result.Ok())
        result = CheckOwner();
    // The write-ahead log lets the other process read while this one writes; FULL makes every
    // commit reach the disk before the call returns.
    if (result.Ok())
        result = db_.QueryText("PRAGMA journal_mode=WAL", answer);
    if (result.Ok())
        result = db_.Exec("PRAGMA synchronous=FULL");
    if (result.Ok())
        result = InitSchema();
    if (result.Ok())
        result = PrepareStatements();
    if (!result.Ok())
        db_.Close();
    return result;
}

SqliteResult SettingsStore::CheckOwner() {
    std::string id, tables;
    SqliteResult result = db_.QueryText("PRAGMA application_id", id);
    if (result.Ok())
        result = db_.QueryText("SELECT count(*) FROM sqlite_schema", tables);
    if (result.Ok() && id != std::to_string(kApplicationId) && tables != "0")
        return {SQLITE_NOTADB, "the file holds another program's database"};
    return result;
}

SqliteResult SettingsStore::InitSchema() {
    SqliteResult result = db_.Exec("BEGIN IMMEDIATE");
    if (!result.Ok())
        return result;
    std::string id;
    result = db_.QueryText("PRAGMA application_id", id);
    if (result.Ok())
        result = db_.Exec(kSchema);
    if (result.Ok() && id != std::to_string(kApplicationId)) {
        const std::string stamp = "PRAGMA application_id=" + std::to_string(kApplicationId) +
                                  "; PRAGMA user_version=" + std::to_string(kLayoutVersion);
        result = db_.Exec(stamp.c_str());
    }
    const SqliteResult end = db_.Exec(result.Ok() ? "COMMIT" : "ROLLBACK");
    return result.Ok() ? end : result;
}

SqliteResult SettingsStore::PrepareStatements() {
    auto* s = new Statements;
    statements_ = s;
    const std::pair<SqliteStatement*, const char*> all[] = {
        {&s->FindKey, "SELECT id FROM keys WHERE folded = ?1"},
        {&s->InsertKey, "INSERT INTO keys(path, folded) VALUES(?1, ?2) "
                        "ON CONFLICT(folded) DO NOTHING"},
        {&s->ReadValue, "SELECT e.value FROM entries e JOIN keys k ON k.id = e.key_id "
                        "WHERE k.folded = ?1 AND e.folded = ?2"},
        {&s->UpsertValue, "INSERT INTO entries(key_id, name, folded, value) "
                          "VALUES(?1, ?2, ?3, ?4) "
                          "ON CONFLICT(key_id, folded) DO UPDATE SET value = excluded.value"},
        {&s->DeleteValue, "DELETE FROM entries WHERE folded = ?2 "
                          "AND key_id = (SELECT id FROM keys WHERE folded = ?1)"},
        {&s->CountValues, "SELECT count(*) FROM entries e JOIN keys k ON k.id = e.key_id "
                          "WHERE k.folded = ?1"},
        {&s->ValueNames, "SELECT e.name FROM entries e JOIN keys k ON k.id = e.key_id "
                         "WHERE k.folded = ?1 ORDER BY e.id"},
        {&s->ListValues, "SELECT e.folded, e.value FROM entries e JOIN keys k "
                         "ON k.id = e.key_id WHERE k.folded = ?1"},
        // ?1 is the folded prefix "parent\" as bytes, ?2 its length in bytes.
        {&s->SubKeys, "SELECT path FROM keys WHERE folded <> '' "
                      "AND substr(CAST(folded AS BLOB), 1, ?2) = ?1 "
                      "AND instr(substr(CAST(folded AS BLOB), ?2 + 1), X'5C') = 0 ORDER BY id"},
        {&s->DeleteKeyEntries, "DELETE FROM entries WHERE key_id IN (SELECT id FROM keys "
                               "WHERE folded = ?1 OR substr(CAST(folded AS BLOB), 1, ?3) = ?2)"},
        {&s->DeleteKeys, "DELETE FROM keys WHERE folded = ?1 "
                         "OR substr(CAST(folded AS BLOB), 1, ?3) = ?2"},
    };
    for (const auto& [statement, sql] : all) {
        SqliteResult result = db_.Prepare(sql, *statement);
        // A table of another layout under our names is a damaged store, not a passing error.
        if (!result.Ok())
            return {result.Damaged() ? result.Code : SQLITE_CORRUPT, result.Message};
    }
    return {};
}

void SettingsStore::OpenInMemory(const std::string& reason) {
    persistent_ = false;
    TryOpen(":memory:");
    messages_.push_back("Soubor nastavení " + Quoted(path_) + " nelze otevřít (" + reason +
                        "). Nastavení platí jen do ukončení programu a neuloží se.");
}

void SettingsStore::Recover(const SqliteResult& failure) {
    delete std::exchange(statements_, nullptr);
    db_.Close();
    ++generation_;
    depth_ = 0;
    groupFailed_ = false;
    if (!persistent_) {
        TryOpen(":memory:");
        return;
    }
    std::string movedTo, error;
    if (!MoveDamagedFile(path_, movedTo, error)) {
        OpenInMemory(failure.Message + "; " + error);
        return;
    }
    const SqliteResult result = TryOpen(path_);
    if (!result.Ok()) {
        OpenInMemory(result.Message);
        return;
    }
    messages_.push_back("Soubor nastavení " + Quoted(path_) +
                        " byl poškozený nebo nepatří tomuto programu. Byl přesunut do " +
                        Quoted(movedTo) + " a nastavení začíná znovu s výchozími hodnotami.");
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

/// The values of one key by folded name, read in one statement so a writer in another
/// process is seen entirely or not at all.
using ValueMap = std::map<std::string, StoredValue>;

template <class Item, class Take>
std::vector<Item> ListFrom(const ValueMap& values, int firstIndex, Take take) {
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

std::vector<std::string> SettingsStore::ReadStringList(std::string_view key, int firstIndex) {
    ValueMap values;
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
    return ListFrom<std::string>(values, firstIndex, [](const StoredValue& v, auto& items) {
        if (v.Type == ValueType::String)
            items.push_back(v.Text);
    });
}

std::vector<std::int32_t> SettingsStore::ReadIntegerList(std::string_view key, int firstIndex) {
    ValueMap values;
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
    return ListFrom<std::int32_t>(values, firstIndex, [](const StoredValue& v, auto& items) {
        if (v.Type == ValueType::Integer)
            items.push_back(v.Number);
    });
}

bool SettingsStore::WriteStringList(std::string_view key, const std::vector<std::string>& items,
                                    int firstIndex) {
    const std::string path = NormalizeKeyPath(key);
    if (path.empty())
        return false;
    return Run(Access::Write, [&] {
        return InWrite([&] {
            SqliteResult result = RemoveKey(path);
            std::int64_t id = -1;
            if (result.Ok())
                result = EnsureKey(path, id);
            for (std::size_t i = 0; result.Ok() && i < items.size(); ++i)
                result = WriteValue(path, std::to_string(firstIndex + static_cast<int>(i)),
                                    &items[i], 0);
            return result;
        });
    });
}

bool SettingsStore::WriteIntegerList(std::string_view key, const std::vector<std::int32_t>& items,
                                     int firstIndex) {
    const std::string path = NormalizeKeyPath(key);
    if (path.empty())
        return false;
    return Run(Access::Write, [&] {
        return InWrite([&] {
            SqliteResult result = RemoveKey(path);
            std::int64_t id = -1;
            if (result.Ok())
                result = EnsureKey(path, id);
            for (std::size_t i = 0; result.Ok() && i < items.size(); ++i)
                result = WriteValue(path, std::to_string(firstIndex + static_cast<int>(i)), nullptr,
                                    items[i]);
            return result;
        });
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
