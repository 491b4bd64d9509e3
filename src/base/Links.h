// Links in documents against local file names: resolving a link, making one for a chosen file.
#pragma once

#include "base/FileDialog.h"
#include "base/Prompter.h"

#include <string>
#include <string_view>

namespace zn::base {

/// The settings and the document that decide what link a chosen file gets. File names and
/// links are UTF-8.
struct LinkSettings {
    std::string DocumentFileName; ///< full name of the document; empty when it was never saved
    bool PreferRelative = true;   ///< links with "../" where the file shares a folder
    bool CopyFiles = false;       ///< copy files that get no relative link next to the document
    bool UpperCaseTags = true;    ///< case of the "file://" prefix
    std::string CopyPath;         ///< sub-folder of the document folder for copied files
};

/// Caption of the question for another name when the copy's name is taken.
inline constexpr const char* kRenameCaption = "Soubor již existuje. Chcete-li, změnite jeho jméno";
inline constexpr const char* kCopyFailed = "Kopírování se nepovedlo";

std::string SlashToBackslash(std::string_view text);
std::string BackslashToSlash(std::string_view text);

/// Everything before the last "/"; a root keeps its "/"; empty for a name without folder.
std::string FolderOf(std::string_view path);
/// Everything after the last "/".
std::string NamePart(std::string_view path);
/// The folder of the document, empty for an unsaved document.
std::string DocumentFolder(std::string_view documentFileName);

/// True for a link beginning with "file://" in any case.
bool IsFileUrl(std::string_view link);

/// The local file a link names: a "file://" link without its prefix, any other link taken
/// relative to the document folder. "\" separators (pages written on Windows) become "/".
/// Nothing is checked: for a web address the result is meaningless.
std::string LinkToFileName(std::string_view link, std::string_view documentFileName);

/// The link for a full file name: relative inside the document folder, with "../" when
/// PreferRelative allows, else a copy next to the document (CopyFiles) or an absolute "file://"
/// link. Empty when the user cancels the new name of a copy; fileName itself when the copy fails.
std::string MakeLink(const std::string& fileName, const LinkSettings& settings,
                     base::Prompter& prompter);

/// Lets the user choose a file for a link field holding `current` and returns the new link, or
/// `current` when the user cancels or the copy does not happen.
std::string ChooseLink(FileDialog& dialog, const std::string& current, const LinkSettings& settings,
                       base::Prompter& prompter);

/// Lets the user choose a file starting from `current`; `current` when cancelled.
std::string ChooseFile(FileDialog& dialog, const std::string& current);

} // namespace zn::base
