// What every subcommand of znackar-batch shares: the language of its messages, options, the
// files named or found in folders, and the loop over them with progress and failures.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zn::batch {

/// Exit codes of every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; ///< at least one file could not be done
inline constexpr int kExitUsage = 2;  ///< wrong options; no file was touched

/// True when the messages are Czech: the first of LC_ALL, LC_MESSAGES and LANG that is set
/// starts with "cs".
bool Czech();
/// The Czech or the English text by the locale.
inline const char* Tr(const char* cs, const char* en) {
    return Czech() ? cs : en;
}
/// The pattern with "%1", "%2", … replaced by the arguments.
std::string Format(std::string_view pattern, const std::vector<std::string>& args);

/// An option a subcommand knows besides -n, -r and -h; `value` when it takes an argument.
struct OptionRule {
    std::string_view name;
    bool value = false;
};

/// A parsed command line of one subcommand. Options may repeat; "--" ends them.
struct Args {
    bool dryRun = false;
    bool recursive = false;
    bool help = false;
    std::map<std::string, std::vector<std::string>, std::less<>> values; ///< per option
    std::vector<std::string> operands;
    std::string error; ///< what was wrong with the command line; empty when nothing

    bool Has(std::string_view name) const { return values.find(name) != values.end(); }
    /// The last value given to an option, or "".
    std::string Value(std::string_view name) const;
};
Args ParseArgs(std::span<const std::string> argv, std::span<const OptionRule> rules);

/// Which files a folder gives to a subcommand (files named on the command line always count).
enum class FileKind { Page, Gif, Picture };
bool IsKind(const std::string& path, FileKind kind);

/// The files named, with the files of the kind in the folders named (in their sub-folders too
/// with `recursive`; hidden folders are left out), sorted per folder. A name that does not exist
/// goes to `missing`.
std::vector<std::string> GatherFiles(const std::vector<std::string>& operands, bool recursive,
                                     FileKind kind, std::vector<std::string>& missing);

/// One run over many files: reports on standard output, failures on standard error with the
/// run going on, and after the first second the progress on standard error.
class Run {
public:
    explicit Run(std::size_t total);
    /// Called before each file.
    void Next(const std::string& file);
    void Report(const std::string& line);
    void Fail(const std::string& message);
    bool Failed() const { return failed_; }
    int ExitCode() const { return failed_ ? kExitFailed : kExitOk; }

private:
    using Clock = std::chrono::steady_clock;
    std::size_t total_;
    std::size_t done_ = 0;
    Clock::time_point start_ = Clock::now();
    Clock::time_point shown_ = start_;
    bool failed_ = false;
};

/// The bytes of a page: the file mapped into memory (read straight from the system's cache, with
/// no copy), or, where it cannot be mapped (an empty file, a pipe), read as a whole.
class PageBytes {
public:
    PageBytes() = default;
    ~PageBytes();
    PageBytes(const PageBytes&) = delete;
    PageBytes& operator=(const PageBytes&) = delete;

    /// False with the reader's message (Czech, naming the file) when it cannot be read.
    bool Read(const std::string& path, std::string& message);
    std::string_view View() const { return map_ ? std::string_view(map_, size_) : copy_; }

private:
    void Release();
    const char* map_ = nullptr;
    std::size_t size_ = 0;
    std::string copy_;
};

/// Writes the file unless it holds these bytes already (then its time stamp stays); through
/// the atomic writer, so a failure never leaves it half written. False with a message on
/// failure; `written` tells whether anything was written.
bool WriteIfChanged(const std::string& path, std::string_view bytes, bool& written,
                    std::string& message);

/// Prints a usage error and the hint to --help; returns kExitUsage.
int UsageError(std::string_view command, const std::string& message);
/// Prints the help of a subcommand ("" for the program) in the locale's language.
void PrintHelp(std::string_view command);

/// The line a text subcommand reports for a file: unchanged, changed or (dry run) would change.
std::string ChangeLine(const std::string& file, long long count, bool changed, bool dryRun,
                       bool bytes);

} // namespace zn::batch
