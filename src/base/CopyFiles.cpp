// File copies with the questions of a file manager; each file is written under a temporary
// name first and renamed over the target, so a failed copy leaves the target as it was.
#include "base/CopyFiles.h"

#include "base/ErrorText.h"

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace zn::base {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitList(std::string_view list) {
    std::vector<std::string> names;
    std::size_t from = 0;
    while (from <= list.size()) {
        std::size_t to = list.find(';', from);
        if (to == std::string_view::npos) {
            to = list.size();
        }
        if (to > from) {
            names.emplace_back(list.substr(from, to - from));
        }
        from = to + 1;
    }
    return names;
}

std::string Quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

/// "a.gif" → "a (2).gif", "a (3).gif", … the first name not taken.
fs::path FreeName(const fs::path& target) {
    std::error_code error;
    for (int n = 2;; ++n) {
        fs::path candidate =
            target.parent_path() /
            (target.stem().string() + " (" + std::to_string(n) + ")" + target.extension().string());
        if (!fs::exists(candidate, error)) {
            return candidate;
        }
    }
}

fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    return target.parent_path() / ("." + target.filename().string() + ".znackar-" +
                                   std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

class Copier {
public:
    Copier(bool confirm, bool rename, base::Prompter& prompter)
        : confirm_(confirm), rename_(rename), prompter_(prompter) {}

    bool Copy(const fs::path& source, fs::path target) {
        std::error_code error;
        if (!fs::is_regular_file(source, error)) {
            return Fail("Soubor " + Quoted(source) +
                        " nelze zkopírovat: neexistuje nebo to není soubor.");
        }
        if (fs::is_directory(target, error)) {
            target /= source.filename();
        }
        if (!MakeFolder(target.parent_path())) {
            return false;
        }
        if (fs::exists(target, error)) {
            if (fs::equivalent(source, target, error)) {
                return Fail("Soubor " + Quoted(source) + " nelze zkopírovat sám na sebe.");
            }
            if (rename_) {
                target = FreeName(target);
            } else if (confirm_ &&
                       prompter_.Ask("Soubor " + Quoted(target) + " již existuje. Má se přepsat?",
                                     base::Buttons::YesNo) != base::Answer::Yes) {
                return false;
            }
        }
        return WriteThroughTemporary(source, target);
    }

private:
    bool MakeFolder(const fs::path& folder) {
        std::error_code error;
        if (folder.empty() || fs::is_directory(folder, error)) {
            return true;
        }
        if (confirm_ && prompter_.Ask("Složka " + Quoted(folder) + " neexistuje. Má se vytvořit?",
                                      base::Buttons::YesNo) != base::Answer::Yes) {
            return false;
        }
        fs::create_directories(folder, error);
        if (error) {
            return Fail("Složku " + Quoted(folder) + " nelze vytvořit (" + ErrorText(error) + ").");
        }
        return true;
    }

    bool WriteThroughTemporary(const fs::path& source, const fs::path& target) {
        const fs::path temporary = TemporaryBeside(target);
        std::error_code error;
        if (fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error)) {
            fs::rename(temporary, target, error);
        } else if (!error) {
            error = std::make_error_code(std::errc::io_error);
        }
        if (error) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return Fail("Soubor " + Quoted(source) + " nelze zkopírovat do " + Quoted(target) +
                        " (" + ErrorText(error) + ").");
        }
        return true;
    }

    bool Fail(const std::string& message) {
        prompter_.Tell(message, base::Severity::Error);
        return false;
    }

    bool confirm_;
    bool rename_;
    base::Prompter& prompter_;
};

} // namespace

bool CopyFilesByShell(std::string_view sources, std::string_view targets, bool confirm, bool rename,
                      base::Prompter& prompter) {
    const std::vector<std::string> from = SplitList(sources);
    const std::vector<std::string> to = SplitList(targets);
    if (from.empty() || to.empty() || (to.size() != from.size() && to.size() != 1)) {
        return false;
    }
    Copier copier(confirm, rename, prompter);
    for (std::size_t i = 0; i < from.size(); ++i) {
        fs::path target = to.size() == from.size() ? fs::path(to[i]) : fs::path(to[0]);
        if (to.size() != from.size()) {
            target /= fs::path(from[i]).filename(); // one target for many files: a folder
        }
        if (!copier.Copy(from[i], target)) {
            return false;
        }
    }
    return true;
}

} // namespace zn::base
