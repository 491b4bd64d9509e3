// Crash recovery: the text of every modified document kept in a journal file per document, in a
// per-user folder, written atomically on a worker thread; journals of editors that ended
// without removing them are found at the next start.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zn::app {

/// The user's recovery folder: `ZNACKAR_STATE_DIR` when set, else
/// `$XDG_STATE_HOME/znackar/recovery`, else `~/.local/state/znackar/recovery`.
std::string RecoveryFolder();
/// Where in-place saves keep their rescue copies: "saved" in the recovery folder.
std::string RescueFolder();

/// One journalled document.
struct JournalEntry {
    std::string Name;      ///< the full file name, or the caption of an untitled document
    bool Untitled = false; ///< never saved: the name is only a caption
    std::string Text;      ///< the document's bytes
};

/// The bytes of a journal file, and back. Decoding fails (nullopt) on anything that is not a
/// whole journal of this program.
std::string EncodeJournal(const JournalEntry& entry);
std::optional<JournalEntry> DecodeJournal(std::string_view bytes);

/// A journal found at start-up.
struct RecoveredDocument {
    JournalEntry Entry;
    std::string JournalFile;
};

/// The journals of editors that are not running any more (their session is not locked), oldest
/// session first. Sessions of running editors are left alone.
std::vector<RecoveredDocument> FindRecoverable(const std::string& folder);
/// Deletes recovered journals and the session folders they leave empty.
void DiscardRecovered(const std::vector<RecoveredDocument>& documents);

/// The journal of one running editor: a session folder "session-<pid>-<n>" in the recovery
/// folder, locked for as long as the object lives. Writes and removals are queued and done in
/// order by a worker thread; a queued write of a document is replaced by a newer one. Each write
/// goes to a temporary file that is flushed and renamed over the journal, so a journal is always
/// whole.
class RecoveryJournal {
public:
    explicit RecoveryJournal(const std::string& folder);
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal&) = delete;
    RecoveryJournal& operator=(const RecoveryJournal&) = delete;

    /// False when the folder could not be made (private, ours); then nothing is journalled.
    bool Usable() const { return lock_ >= 0; }
    const std::string& SessionFolder() const { return session_; }
    std::string JournalPath(int id) const;

    /// Queues the journal of document `id` (the text is moved, not copied).
    void Write(int id, JournalEntry entry);
    /// Queues the removal of the journal of document `id`.
    void Remove(int id);
    /// Waits until every queued write and removal is done.
    void Flush();

private:
    struct Job {
        int Id;
        std::optional<JournalEntry> Entry; ///< none: remove
    };
    void Run();

    std::string session_;
    int lock_ = -1;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stop_ = false;
    std::thread worker_;
};

} // namespace zn::app
