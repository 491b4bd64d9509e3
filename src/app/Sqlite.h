// A thin RAII wrapper over the SQLite C interface: one connection, prepared statements.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zn::app {

/// Result of a step or an execution: the SQLite result code (SQLITE_OK, SQLITE_ROW,
/// SQLITE_DONE or an error code) and, for errors, the connection's message.
struct SqliteResult {
    int Code = 0;
    std::string Message;

    bool Ok() const;
    /// The file is not a database or its pages are damaged.
    bool Damaged() const;
};

class SqliteStatement;

/// One open connection. Not copyable; closing happens in the destructor.
class SqliteDb {
public:
    SqliteDb() = default;
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    /// Opens (creating when missing) the database file; ":memory:" opens a private one.
    SqliteResult Open(const std::string& path);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    /// How long a statement waits for another connection's lock before giving up.
    void SetBusyTimeout(int milliseconds);

    /// Runs one or more statements without results.
    SqliteResult Exec(const char* sql);
    /// Runs a statement that yields one text cell (a pragma); empty when there is none.
    SqliteResult QueryText(const char* sql, std::string& text);
    SqliteResult Prepare(const char* sql, SqliteStatement& statement);
    SqliteResult LastError() const;
    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

/// A prepared statement; reset and cleared of its bindings by Reset(). Columns and
/// parameters are 0- and 1-based as in SQLite.
class SqliteStatement {
public:
    SqliteStatement() = default;
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void Finalize();
    bool IsPrepared() const { return stmt_ != nullptr; }

    void Bind(int index, std::string_view text);
    void BindBlob(int index, std::string_view bytes);
    void Bind(int index, std::int64_t number);
    /// Steps once: SQLITE_ROW, SQLITE_DONE or an error.
    SqliteResult Step();
    void Reset();

    bool IsNull(int column) const;
    bool IsInteger(int column) const;
    bool IsText(int column) const;
    std::int64_t Integer(int column) const;
    /// The cell as bytes, embedded NUL characters included.
    std::string Text(int column) const;

private:
    friend class SqliteDb;
    sqlite3_stmt* stmt_ = nullptr;
    sqlite3* db_ = nullptr;
};

} // namespace zn::app
