// Links against file names. File names use "/"; a document folder never ends with "/" except
// the root "/".
#include "base/Links.h"

#include "base/CopyFiles.h"
#include "base/TextCase.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace zn::base {
namespace {

namespace fs = std::filesystem;

std::string Replaced(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string WithoutTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

bool FileExists(const std::string& name) {
    std::error_code error;
    return fs::exists(fs::path(name), error);
}

/// The link of a file inside the document folder, or nothing. Folders are compared exactly.
std::optional<std::string> LinkInsideFolder(const std::string& file, const std::string& folder) {
    if (folder.empty()) {
        return std::nullopt;
    }
    const std::string fileFolder = FolderOf(file);
    const bool rootLike = folder.back() == '/';
    const bool inside =
        fileFolder == folder || StartsWith(fileFolder, rootLike ? folder : folder + "/");
    if (!inside) {
        return std::nullopt;
    }
    return BackslashToSlash(file.substr(folder.size() + (rootLike ? 0 : 1)));
}

/// The link with "../" through the last folder the file and the document folder share.
/// The common part is taken letter case included: here "/Web" and "/web" are two folders, and a
/// link climbing only to a folder of another case would name another file.
std::optional<std::string> RelativeLink(const std::string& file, const std::string& folder) {
    const std::string a = BackslashToSlash(file);
    const std::string b = BackslashToSlash(folder);
    std::size_t lastSlash = std::string::npos;
    for (std::size_t i = 0; i < a.size() && i < b.size() && a[i] == b[i]; ++i) {
        if (a[i] == '/') {
            lastSlash = i;
        }
    }
    if (lastSlash == std::string::npos) {
        return std::nullopt;
    }
    const std::string rest = b.substr(lastSlash + 1);
    const std::size_t levels =
        rest.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '/'));
    std::string link;
    for (std::size_t i = 0; i < levels; ++i) {
        link += "../";
    }
    return link + a.substr(lastSlash + 1);
}

enum class Refusal { Cancelled, CopyFailed };

struct LinkResult {
    std::string link;
    std::optional<Refusal> refusal;
};

/// Copies the file into the document folder (and its copy sub-folder), asking for another name
/// while the name is taken, and returns the link of the copy.
LinkResult CopyNextToDocument(const std::string& file, const LinkSettings& settings,
                              base::Prompter& prompter) {
    std::string folder = DocumentFolder(settings.DocumentFileName);
    if (folder.back() != '/') {
        folder += '/';
    }
    const std::string sub = WithoutTrailingSlash(BackslashToSlash(settings.CopyPath));
    const std::string subPrefix = sub.empty() ? std::string() : sub + "/";
    std::string name = NamePart(file);
    // Only the name part of what the user types is used, so that is what must be free.
    while (name.empty() || FileExists(folder + subPrefix + name)) {
        const auto answer = prompter.InputLine(kRenameCaption, "", NamePart(file));
        if (!answer) {
            return {{}, Refusal::Cancelled};
        }
        name = NamePart(BackslashToSlash(*answer));
    }
    if (!CopyFilesByShell(file, folder + subPrefix + name, true, false, prompter)) {
        prompter.Tell(kCopyFailed, base::Severity::Error);
        return {{}, Refusal::CopyFailed};
    }
    return {subPrefix + name, std::nullopt};
}

/// The link for a chosen file by the rules shared by MakeLink and ChooseLink.
LinkResult LinkFor(const std::string& file, const LinkSettings& settings,
                   base::Prompter& prompter) {
    const std::string folder = DocumentFolder(settings.DocumentFileName);
    if (auto inside = LinkInsideFolder(file, folder)) {
        return {*inside, std::nullopt};
    }
    if (settings.PreferRelative && !folder.empty()) {
        if (auto relative = RelativeLink(file, folder)) {
            return {*relative, std::nullopt};
        }
    }
    if (!settings.CopyFiles || folder.empty()) {
        return {TagCase("file://", settings.UpperCaseTags) + BackslashToSlash(file), std::nullopt};
    }
    return CopyNextToDocument(file, settings, prompter);
}

} // namespace

std::string SlashToBackslash(std::string_view text) {
    return Replaced(text, '/', '\\');
}

std::string BackslashToSlash(std::string_view text) {
    return Replaced(text, '\\', '/');
}

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

std::string NamePart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string DocumentFolder(std::string_view documentFileName) {
    return FolderOf(documentFileName);
}

bool IsFileUrl(std::string_view link) {
    return link.size() >= 7 && AsciiCase(link.substr(0, 7), true) == "FILE://";
}

std::string LinkToFileName(std::string_view link, std::string_view documentFileName) {
    if (IsFileUrl(link)) {
        return BackslashToSlash(link.substr(7));
    }
    return BackslashToSlash(WithoutTrailingSlash(DocumentFolder(documentFileName)) + "/" +
                            std::string(link));
}

std::string MakeLink(const std::string& fileName, const LinkSettings& settings,
                     base::Prompter& prompter) {
    LinkResult result = LinkFor(fileName, settings, prompter);
    if (result.refusal == Refusal::Cancelled) {
        return {};
    }
    if (result.refusal == Refusal::CopyFailed) {
        return fileName;
    }
    return result.link;
}

std::string ChooseLink(FileDialog& dialog, const std::string& current, const LinkSettings& settings,
                       base::Prompter& prompter) {
    // A web address is no starting point for a local file, but stays when nothing is chosen.
    const bool webAddress = current.find("://") != std::string::npos && !IsFileUrl(current);
    const std::string start = webAddress ? std::string() : current;
    const std::string folder = WithoutTrailingSlash(DocumentFolder(settings.DocumentFileName));
    if (dialog.FileName().empty() || !start.empty()) {
        if (!start.empty()) {
            const std::string local =
                BackslashToSlash(IsFileUrl(start) ? start.substr(7) : folder + "/" + start);
            dialog.SetInitialDir(fs::path(FolderOf(local)).lexically_normal().string());
            dialog.SetFileName(NamePart(BackslashToSlash(start)));
        } else if (!DocumentFolder(settings.DocumentFileName).empty()) {
            dialog.SetInitialDir(folder + "/");
        }
    }
    if (!dialog.Execute()) {
        return current;
    }
    LinkResult result = LinkFor(dialog.FileName(), settings, prompter);
    return result.refusal ? current : result.link;
}

std::string ChooseFile(FileDialog& dialog, const std::string& current) {
    dialog.SetInitialDir(FolderOf(current));
    dialog.SetFileName(NamePart(current));
    return dialog.Execute() ? dialog.FileName() : current;
}

} // namespace zn::base
