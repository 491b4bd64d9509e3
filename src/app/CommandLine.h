// Which files a start of the editor opens or hands over, from its command-line arguments.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

/// Tells whether a name is an existing file (not a folder).
using FileExists = std::function<bool(const std::string& name)>;

/// The file-system test used by the program.
bool IsExistingFile(const std::string& name);

/// The arguments joined with one blank between each two: a path with blanks that arrived
/// unquoted, split over several arguments.
std::string JoinArguments(const std::vector<std::string>& arguments);

/// The files a first start opens: when the first argument names an existing file, every
/// argument that names one (the others are skipped silently); otherwise the joined arguments
/// when they name a file; otherwise none.
std::vector<std::string> FilesToOpenAtStart(const std::vector<std::string>& arguments,
                                            const FileExists& exists = IsExistingFile);

/// The folders among the start's arguments (or the joined arguments, when they name one): they
/// cannot be opened and are reported like any other file that cannot be opened.
std::vector<std::string> FoldersAtStart(const std::vector<std::string>& arguments);

/// The names a second start hands to the running editor: when the first argument names an
/// existing file, every argument (the running editor reports those that do not exist);
/// otherwise the joined arguments when they name a file; otherwise none.
std::vector<std::string> FilesToHandOff(const std::vector<std::string>& arguments,
                                        const FileExists& exists = IsExistingFile);

/// A name relative to `workingFolder` made absolute, so that it means the same file to a
/// process started elsewhere and so that a document's caption is always its full path.
/// An absolute name and the empty name are returned unchanged.
std::string AbsoluteFileName(std::string_view name, std::string_view workingFolder);

} // namespace zn::app
