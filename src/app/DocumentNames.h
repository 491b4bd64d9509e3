// Names of untitled documents, the start-up greeting, and other small rules of the document
// management that need no window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zn::app {

/// The caption of a new untitled document: "BezJmena" + (number of open documents + 1). Two
/// untitled documents may carry the same name when windows were closed in between.
std::string UntitledName(int openDocuments);

/// A caption that is not yet a file name ("BezJmena" anywhere, exact case).
bool IsUntitled(std::string_view caption);

/// An untitled document that Open closes when files were opened beside it: its caption in
/// upper case contains "BEZJMENA" and its text is empty.
bool IsDisposableUntitled(std::string_view caption, bool textEmpty);

/// After Open: the empty untitled documents are closed only when no file failed to open and
/// the number of documents changed.
inline bool ShouldCloseEmptyUntitled(bool openFailed, int documentsBefore, int documentsAfter) {
    return !openFailed && documentsBefore != documentsAfter;
}

/// The greeting after a version change: the upgrade text when a version was stored, the
/// first-use text when none was, nothing when the stored version is this one.
std::optional<std::string> GreetingText(std::string_view lastVersion);

/// The application's name, and its title: the name + " v3.0 Cze".
inline constexpr std::string_view ApplicationName = "Značkář";
std::string ApplicationTitle();

} // namespace zn::app
