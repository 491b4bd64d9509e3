// A thin RAII wrapper over the SQLite C interface.
#include "app/Sqlite.h"

#include <sqlite3.h>

namespace zn::app {

bool SqliteResult::Ok() const {
    return Code == SQLITE_OK || Code == SQLITE_ROW || Code == SQLITE_DONE;
}

bool SqliteResult::Damaged() const {
    const int primary = Code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

namespace {
SqliteResult ResultOf(sqlite3* db, int code) {
    SqliteResult result{code, {}};
    if (!result.Ok())
        result.Message = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    return result;
}
} // namespace

SqliteDb::~SqliteDb() {
    Close();
}

SqliteResult SqliteDb::Open(const std::string& path) {
    Close();
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    const int code = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    SqliteResult result = ResultOf(db_, code);
    if (code != SQLITE_OK)
        Close();
    else
        sqlite3_extended_result_codes(db_, 1);
    return result;
}

void SqliteDb::Close() {
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
}

void SqliteDb::SetBusyTimeout(int milliseconds) {
    if (db_)
        sqlite3_busy_timeout(db_, milliseconds);
}

SqliteResult SqliteDb::Exec(const char* sql) {
    if (!db_)
        return {SQLITE_MISUSE, "no database"};
    return ResultOf(db_, sqlite3_exec(db_, sql, nullptr, nullptr, nullptr));
}

SqliteResult SqliteDb::QueryText(const char* sql, std::string& text) {
    text.clear();
    SqliteStatement statement;
    SqliteResult result = Prepare(sql, statement);
    if (!result.Ok())
        return result;
    result = statement.Step();
    if (result.Code == SQLITE_ROW)
        text = statement.Text(0);
    return result;
}

SqliteResult SqliteDb::Prepare(const char* sql, SqliteStatement& statement) {
    statement.Finalize();
    if (!db_)
        return {SQLITE_MISUSE, "no database"};
    const int code =
        sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement.stmt_, nullptr);
    statement.db_ = db_;
    return ResultOf(db_, code);
}

SqliteResult SqliteDb::LastError() const {
    return {db_ ? sqlite3_extended_errcode(db_) : SQLITE_MISUSE,
            db_ ? sqlite3_errmsg(db_) : "no database"};
}

SqliteStatement::~SqliteStatement() {
    Finalize();
}

void SqliteStatement::Finalize() {
    if (stmt_)
        sqlite3_finalize(stmt_);
    stmt_ = nullptr;
}

void SqliteStatement::Bind(int index, std::string_view text) {
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::BindBlob(int index, std::string_view bytes) {
    sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::Bind(int index, std::int64_t number) {
    sqlite3_bind_int64(stmt_, index, number);
}

SqliteResult SqliteStatement::Step() {
    if (!stmt_)
        return {SQLITE_MISUSE, "statement not prepared"};
    return ResultOf(db_, sqlite3_step(stmt_));
}

void SqliteStatement::Reset() {
    if (!stmt_)
        return;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool SqliteStatement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

bool SqliteStatement::IsInteger(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_INTEGER;
}

bool SqliteStatement::IsText(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_TEXT;
}

std::int64_t SqliteStatement::Integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string SqliteStatement::Text(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
}

} // namespace zn::app
