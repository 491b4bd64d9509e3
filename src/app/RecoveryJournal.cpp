// Recovery journals: the folder, the file format, the worker thread and the search at start-up.
#include "app/RecoveryJournal.h"

#include "base/FileIO.h"
#include "base/SafeSave.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zn::app {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "ZNACKAR-RECOVERY 1\n";
constexpr std::string_view kLockName = "session.lock";
constexpr std::string_view kJournalSuffix = ".journal";

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

/// Reads a decimal number ended by '\n' at `at`; advances past the line end.
std::optional<std::size_t> ReadNumber(std::string_view bytes, std::size_t& at) {
    const std::size_t end = bytes.find('\n', at);
    // One spelling per number: no leading zeros.
    if (end == std::string_view::npos || end == at || end - at > 19 ||
        (end - at > 1 && bytes[at] == '0')) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (std::size_t i = at; i < end; ++i) {
        if (bytes[i] < '0' || bytes[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::size_t>(bytes[i] - '0');
    }
    at = end + 1;
    return value;
}

std::optional<std::string> ReadCounted(std::string_view bytes, std::size_t& at) {
    const auto length = ReadNumber(bytes, at);
    if (!length || *length > bytes.size() - at) {
        return std::nullopt;
    }
    std::string text(bytes.substr(at, *length));
    at += *length;
    return text;
}

/// Takes the session's lock without waiting; -1 when another process holds it.
int TryLock(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::string RecoveryFolder() {
    if (const std::string own = Env("ZNACKAR_STATE_DIR"); !own.empty()) {
        return own;
    }
    if (const std::string state = Env("XDG_STATE_HOME"); !state.empty() && state[0] == '/') {
        return state + "/znackar/recovery";
    }
    return Env("HOME") + "/.local/state/znackar/recovery";
}

std::string RescueFolder() {
    return RecoveryFolder() + "/saved";
}

std::string EncodeJournal(const JournalEntry& entry) {
    std::string bytes;
    bytes.reserve(entry.Text.size() + entry.Name.size() + 64);
    bytes += kMagic;
    bytes += entry.Untitled ? "1\n" : "0\n";
    bytes += std::to_string(entry.Name.size()) + "\n";
    bytes += entry.Name;
    bytes += std::to_string(entry.Text.size()) + "\n";
    bytes += entry.Text;
    return bytes;
}

std::optional<JournalEntry> DecodeJournal(std::string_view bytes) {
    if (!bytes.starts_with(kMagic)) {
        return std::nullopt;
    }
    std::size_t at = kMagic.size();
    JournalEntry entry;
    const auto untitled = ReadNumber(bytes, at);
    if (!untitled || *untitled > 1) {
        return std::nullopt;
    }
    entry.Untitled = *untitled == 1;
    auto name = ReadCounted(bytes, at);
    if (!name || name->empty() || name->find('\0') != std::string::npos) {
        return std::nullopt;
    }
    entry.Name = std::move(*name);
    auto text = ReadCounted(bytes, at);
    if (!text || at != bytes.size()) {
        return std::nullopt;
    }
    entry.Text = std::move(*text);
    return entry;
}

std::vector<RecoveredDocument> FindRecoverable(const std::string& folder) {
    std::vector<std::pair<fs::file_time_type, fs::path>> sessions;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        if (item.is_directory(error) && item.path().filename().string().starts_with("session-")) {
            sessions.emplace_back(item.last_write_time(error), item.path());
        }
    }
    std::sort(sessions.begin(), sessions.end());
    std::vector<RecoveredDocument> found;
    for (const auto& [time, session] : sessions) {
        const int lock = TryLock((session / kLockName).string());
        if (lock < 0) {
            continue; // a running editor's session
        }
        std::vector<fs::path> journals;
        for (const auto& item : fs::directory_iterator(session, error)) {
            if (item.path().extension() == kJournalSuffix) {
                journals.push_back(item.path());
            }
        }
        std::sort(journals.begin(), journals.end());
        for (const fs::path& journal : journals) {
            std::string bytes;
            if (!base::ReadDocumentFile(journal.string(), bytes).ok) {
                continue;
            }
            if (auto entry = DecodeJournal(bytes)) {
                found.push_back({std::move(*entry), journal.string()});
            }
        }
        if (journals.empty()) {
            fs::remove_all(session, error); // an editor that ended with nothing to keep
        }
        ::close(lock);
    }
    return found;
}

void DiscardRecovered(const std::vector<RecoveredDocument>& documents) {
    std::error_code error;
    for (const RecoveredDocument& document : documents) {
        const fs::path journal(document.JournalFile);
        fs::remove(journal, error);
        const fs::path session = journal.parent_path();
        bool empty = true;
        for (const auto& item : fs::directory_iterator(session, error)) {
            empty = empty && item.path().filename() == kLockName;
        }
        if (empty) {
            fs::remove_all(session, error);
        }
    }
}

// --- the running editor's journal ---

RecoveryJournal::RecoveryJournal(const std::string& folder) {
    if (!base::MakePrivateFolder(folder)) {
        return;
    }
    static std::atomic<int> counter{0};
    for (int attempt = 0; attempt < 100 && lock_ < 0; ++attempt) {
        const std::string name =
            folder + "/session-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        if (::mkdir(name.c_str(), 0700) != 0) {
            continue;
        }
        session_ = name;
        lock_ = TryLock(name + "/" + std::string(kLockName));
    }
    if (lock_ >= 0) {
        worker_ = std::thread([this] { Run(); });
    }
}

RecoveryJournal::~RecoveryJournal() {
    if (lock_ < 0) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    worker_.join();
    // A session without journals has nothing to recover.
    std::error_code error;
    bool journals = false;
    for (const auto& item : fs::directory_iterator(session_, error)) {
        journals = journals || item.path().extension() == kJournalSuffix;
    }
    if (!journals) {
        fs::remove_all(session_, error);
    }
    ::close(lock_);
}

std::string RecoveryJournal::JournalPath(int id) const {
    return session_ + "/" + std::to_string(id) + std::string(kJournalSuffix);
}

void RecoveryJournal::Write(int id, JournalEntry entry) {
    if (lock_ < 0) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        // A queued write of the same document that has not started is out of date.
        std::erase_if(jobs_, [id](const Job& job) { return job.Id == id && job.Entry; });
        jobs_.push_back({id, std::move(entry)});
    }
    wake_.notify_one();
}

void RecoveryJournal::Remove(int id) {
    if (lock_ < 0) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        std::erase_if(jobs_, [id](const Job& job) { return job.Id == id; });
        jobs_.push_back({id, std::nullopt});
    }
    wake_.notify_one();
}

void RecoveryJournal::Flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void RecoveryJournal::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
        if (jobs_.empty()) {
            return; // stopping, and everything queued is done
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        const std::string path = JournalPath(job.Id);
        if (job.Entry) {
            base::WriteFileAtomically(path, EncodeJournal(*job.Entry));
        } else {
            ::unlink(path.c_str());
        }
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) {
            idle_.notify_all();
        }
    }
}

} // namespace zn::app
