// The per-user settings store: typed named values under backslash key paths, kept in SQLite.
#pragma once

#include "app/Sqlite.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

/// The type of a stored value. `Other` is anything the program never writes (a real number or
/// a blob put there by hand); readers treat it as a value of the wrong type.
enum class ValueType { Missing, String, Integer, Other };

struct StoredValue {
    ValueType Type = ValueType::Missing;
    std::string Text;        ///< the string, when Type is String
    std::int32_t Number = 0; ///< the integer, when Type is Integer

    bool Exists() const { return Type != ValueType::Missing; }
};

/// Keys are paths such as "Software\KVHTML\HREF" ("\Software\KVHTML\HREF" names the same key);
/// key and value names compare without regard to letter case, and the spelling first written
/// is kept. Values of a key enumerate in the order they were created; rewriting a value keeps
/// its place. Writing a value creates its key and the key's ancestors.
///
/// Every change is committed (and synced) before the call returns, so another process that
/// shares the file sees it at once; concurrent writers wait for each other. A damaged or
/// foreign file found at opening or later is moved aside and replaced by an empty store; a
/// folder that cannot be used leaves a store in memory only. Both are told to the user once
/// through TakeMessages(). Not thread-safe: one store per thread.
class SettingsStore {
public:
    /// Opens the store of this user (DefaultSettingsPath()).
    SettingsStore();
    /// Opens the store in the given file; ":memory:" gives a private store that is not saved.
    explicit SettingsStore(std::string path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const std::string& FilePath() const { return path_; }
    /// False when the store lives in memory only (the file could not be used).
    bool IsPersistent() const { return persistent_; }
    /// How long a change waits for another process's change to finish (10 s by default).
    void SetBusyTimeout(int milliseconds) { db_.SetBusyTimeout(milliseconds); }
    /// Czech messages for the user about the store file, each returned once.
    std::vector<std::string> TakeMessages();

    bool KeyExists(std::string_view key);
    /// Creates the key and its ancestors when missing; true when the key exists afterwards.
    bool CreateKey(std::string_view key);
    /// Deletes the key with its values and all its sub-keys. The root cannot be deleted.
    bool DeleteKey(std::string_view key);
    /// Names of the direct sub-keys, in the order they were created.
    std::vector<std::string> SubKeyNames(std::string_view key);

    StoredValue Read(std::string_view key, std::string_view name);
    /// The value when it exists as a string.
    std::optional<std::string> ReadString(std::string_view key, std::string_view name);
    /// The value when it exists as an integer.
    std::optional<std::int32_t> ReadInteger(std::string_view key, std::string_view name);
    bool ValueExists(std::string_view key, std::string_view name);

    bool WriteString(std::string_view key, std::string_view name, std::string_view value);
    bool WriteInteger(std::string_view key, std::string_view name, std::int32_t value);
    /// True when the value is gone afterwards (also when it never existed).
    bool DeleteValue(std::string_view key, std::string_view name);
    int ValueCount(std::string_view key);
    /// Value names of the key in creation order.
    std::vector<std::string> ValueNames(std::string_view key);

    /// A list kept as a key of its own with values named firstIndex, firstIndex + 1, ...:
    /// reading takes the values for as many indexes as the key holds values, skipping any
    /// missing or of another type; writing deletes the key and writes it anew in one step.
    std::vector<std::string> ReadStringList(std::string_view key, int firstIndex = 0);
    bool WriteStringList(std::string_view key, const std::vector<std::string>& items,
                         int firstIndex = 0);
    std::vector<std::int32_t> ReadIntegerList(std::string_view key, int firstIndex = 0);
    bool WriteIntegerList(std::string_view key, const std::vector<std::int32_t>& items,
                          int firstIndex = 0);

    /// Groups several changes into one step that another process sees whole or not at all.
    /// Commit() makes them durable; without it the destructor undoes them. Nested groups
    /// join the outermost one, and a failed change inside makes the whole group fail.
    class Transaction {
    public:
        explicit Transaction(SettingsStore& store);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        bool Commit();

    private:
        SettingsStore& store_;
        bool outermost_ = false;
        bool done_ = false;
        unsigned generation_ = 0;
    };

private:
    struct Statements;
    enum class Access { Read, Write };

    void Open();
    SqliteResult TryOpen(const std::string& file);
    SqliteResult CheckOwner();
    SqliteResult InitSchema();
    SqliteResult PrepareStatements();
    void OpenInMemory(const std::string& reason);
    void Recover(const SqliteResult& failure);
    template <class Body>
    bool Run(Access access, Body&& body);
    template <class Work>
    SqliteResult InWrite(Work&& work);
    void NoteFailure(Access access, const SqliteResult& result);

    SqliteResult FindKey(const std::string& folded, std::int64_t& id);
    SqliteResult EnsureKey(const std::string& path, std::int64_t& id);
    SqliteResult WriteValue(std::string_view key, std::string_view name, const std::string* text,
                            std::int32_t number);
    SqliteResult RemoveKey(const std::string& path);
    std::map<std::string, StoredValue> ListValues(std::string_view key);
    bool
    WriteList(std::string_view key, std::size_t count, int firstIndex,
              const std::function<SqliteResult(const std::string& path, const std::string& name,
                                               std::size_t index)>& writeItem);
    SqliteResult Begin();
    SqliteResult End(bool commit);

    std::string path_;
    bool persistent_ = false;
    SqliteDb db_;
    Statements* statements_ = nullptr;
    std::vector<std::string> messages_;
    bool writeFailureReported_ = false;
    int depth_ = 0;            ///< nesting of open Transaction objects
    bool groupFailed_ = false; ///< a change inside the open group failed
    unsigned generation_ = 0;  ///< counts reopenings, so a group never outlives its file
};

} // namespace zn::app
