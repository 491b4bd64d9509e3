// Opening the settings store file: checking it, creating its tables, replacing a damaged one.
#include "app/SettingsStore.h"

#include "base/ErrorText.h"

#include "app/SettingsFile.h"
#include "app/SettingsStatements.h"

#include <fcntl.h>
#include <filesystem>
#include <sqlite3.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace zn::app {

using settings_detail::Quoted;

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

} // namespace

void SettingsStore::Open() {
    persistent_ = path_ != ":memory:";
    if (!persistent_) {
        TryOpen(path_);
        return;
    }
    std::error_code ec;
    const auto folder = std::filesystem::path(path_).parent_path();
    // The store holds recent files and the link database: a folder made here is the user's
    // only, and so is the file (SQLite gives its -wal and -shm files the store's permissions).
    if (!folder.empty() && !std::filesystem::exists(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (!ec)
            ::chmod(folder.c_str(), 0700);
    }
    if (ec) {
        OpenInMemory(base::ErrorText(ec));
        return;
    }
    if (const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600); fd >= 0) {
        ::fchmod(fd, 0600);
        ::close(fd);
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
    // integrity_check, not quick_check: a damaged index passes the quick one and then loses writes.
    result = db_.QueryText("PRAGMA integrity_check", answer);
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

} // namespace zn::app
