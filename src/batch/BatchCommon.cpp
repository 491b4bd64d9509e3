// The shared parts of znackar-batch: locale, options, gathering files, the run loop, writing.
#include "batch/BatchCommon.h"

#include "base/FileIO.h"
#include "base/TextCase.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zn::batch {

namespace fs = std::filesystem;

bool Czech() {
    static const bool czech = [] {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* value = std::getenv(name);
            if (value && *value) {
                return std::string_view(value).starts_with("cs");
            }
        }
        return false;
    }();
    return czech;
}

std::string Format(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : 0;
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            out += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string Args::Value(std::string_view name) const {
    const auto it = values.find(name);
    return it == values.end() || it->second.empty() ? std::string() : it->second.back();
}

Args ParseArgs(std::span<const std::string> argv, std::span<const OptionRule> rules) {
    Args args;
    bool options = true;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        if (!options || arg.size() < 2 || arg[0] != '-') {
            args.operands.push_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (arg == "-n" || arg == "--dry-run") {
            args.dryRun = true;
        } else if (arg == "-r" || arg == "--recursive") {
            args.recursive = true;
        } else if (arg == "-h" || arg == "--help") {
            args.help = true;
        } else {
            // "--name=value" or "--name value".
            const std::size_t eq = arg.find('=');
            const std::string name = arg.substr(0, eq);
            const auto rule = std::find_if(rules.begin(), rules.end(),
                                           [&](const OptionRule& s) { return s.name == name; });
            if (rule == rules.end()) {
                args.error = Format(Tr("neznámá volba %1", "unknown option %1"), {arg});
                return args;
            }
            std::vector<std::string>& values = args.values[name];
            if (!rule->value) {
                values.emplace_back();
            } else if (eq != std::string::npos) {
                values.push_back(arg.substr(eq + 1));
            } else if (i + 1 < argv.size()) {
                values.push_back(argv[++i]);
            } else {
                args.error = Format(Tr("volbě %1 chybí hodnota", "option %1 needs a value"), {arg});
                return args;
            }
        }
    }
    return args;
}

bool IsKind(const std::string& path, FileKind kind) {
    static const std::vector<std::string> pages = {".htm", ".html", ".shtml", ".xhtml", ".php",
                                                   ".asp", ".css",  ".js",    ".txt"};
    static const std::vector<std::string> pictures = {".gif", ".jpg", ".jpeg", ".jpe"};
    const std::string ext = base::LowerCaseCZ(fs::path(path).extension().string());
    switch (kind) {
    case FileKind::Page:
        return std::find(pages.begin(), pages.end(), ext) != pages.end();
    case FileKind::Gif:
        return ext == ".gif";
    case FileKind::Picture:
        return std::find(pictures.begin(), pictures.end(), ext) != pictures.end();
    }
    return false;
}

namespace {

void AddFolder(const fs::path& folder, bool recursive, FileKind kind,
               std::vector<std::string>& files) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    for (const fs::path& entry : entries) {
        // Symbolic links to folders are not followed, so a loop of links cannot trap the walk.
        const fs::file_status status = fs::symlink_status(entry, error);
        if (fs::is_directory(status)) {
            if (recursive && !entry.filename().string().starts_with(".")) {
                AddFolder(entry, recursive, kind, files);
            }
        } else if (fs::is_regular_file(fs::status(entry, error)) && IsKind(entry.string(), kind)) {
            files.push_back(entry.string());
        }
    }
}

} // namespace

std::vector<std::string> GatherFiles(const std::vector<std::string>& operands, bool recursive,
                                     FileKind kind, std::vector<std::string>& missing) {
    std::vector<std::string> files;
    for (const std::string& name : operands) {
        std::error_code error;
        const fs::file_status status = fs::status(name, error);
        if (fs::is_directory(status)) {
            AddFolder(name, recursive, kind, files);
        } else if (fs::exists(status)) {
            files.push_back(name);
        } else {
            missing.push_back(name);
        }
    }
    return files;
}

Run::Run(std::size_t total) : total_(total) {}

void Run::Next(const std::string& file) {
    ++done_;
    const Clock::time_point now = Clock::now();
    if (now - start_ >= std::chrono::seconds(1) && now - shown_ >= std::chrono::seconds(1)) {
        shown_ = now;
        std::cerr << Format("[%1/%2] %3", {std::to_string(done_), std::to_string(total_), file})
                  << std::endl;
    }
}

void Run::Report(const std::string& line) {
    std::cout << line << '\n';
}

void Run::Fail(const std::string& message) {
    failed_ = true;
    std::cout.flush();
    std::cerr << "znackar-batch: " << message << std::endl;
}

PageBytes::~PageBytes() {
    Release();
}

void PageBytes::Release() {
    if (map_) {
        ::munmap(const_cast<char*>(map_), size_);
        map_ = nullptr;
    }
    copy_.clear();
}

bool PageBytes::Read(const std::string& path, std::string& message) {
    Release();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        void* map = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ,
                           MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (map != MAP_FAILED) {
            map_ = static_cast<const char*>(map);
            size_ = static_cast<std::size_t>(info.st_size);
            ::close(fd);
            return true;
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
    // The editor's reader, which also says why a file cannot be read.
    const base::FileResult read = base::ReadDocumentFile(path, copy_);
    message = read.message;
    return read.ok;
}

bool WriteIfChanged(const std::string& path, std::string_view bytes, bool& written,
                    std::string& message) {
    written = false;
    std::string old;
    std::error_code error;
    if (fs::exists(path, error) && base::ReadDocumentFile(path, old).ok && old == bytes) {
        return true;
    }
    const base::FileResult result = base::WriteFileAtomically(path, bytes);
    message = result.message;
    written = result.ok;
    return result.ok;
}

int UsageError(std::string_view command, const std::string& message) {
    std::cerr << "znackar-batch";
    if (!command.empty()) {
        std::cerr << ' ' << command;
    }
    std::cerr << ": " << message << '\n'
              << Format(Tr("Nápovědu vypíše: znackar-batch%1 --help",
                           "For help run: znackar-batch%1 --help"),
                        {command.empty() ? std::string() : " " + std::string(command)})
              << std::endl;
    return kExitUsage;
}

std::string ChangeLine(const std::string& file, long long count, bool changed, bool dryRun,
                       bool bytes) {
    if (!changed) {
        return Format(Tr("%1: beze změny", "%1: unchanged"), {file});
    }
    const char* cs =
        bytes ? (dryRun ? "%1: změnilo by se bajtů: %2" : "%1: změněno bajtů: %2")
              : (dryRun ? "%1: nahradilo by se výskytů: %2" : "%1: nahrazeno výskytů: %2");
    const char* en = bytes ? (dryRun ? "%1: bytes that would change: %2" : "%1: bytes changed: %2")
                           : (dryRun ? "%1: occurrences that would be replaced: %2"
                                     : "%1: occurrences replaced: %2");
    return Format(Tr(cs, en), {file, std::to_string(count)});
}

} // namespace zn::batch
