// The start of the editor: first or second start, and the hand-off of a second start.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zn::app {
class SettingsStore;
}

namespace zn::app::ui {

class TTMessager;

struct StartDecision {
    bool First = true; ///< this start runs the editor
    int ExitCode = 0;  ///< for a second start: 0 handed over, otherwise it failed
    /// The marker of a first start (null when it could not be set up; the editor then runs
    /// without being found by later starts).
    std::unique_ptr<TTMessager> Marker;
    QString Message; ///< what went wrong, in Czech, when ExitCode is not 0
};

/// How long a second start waits for the running editor to take its files.
inline constexpr int HandOffTimeoutMs = 10000;

/// Decides, one start at a time (a lock file in `settingsFolder`), whether this start is the
/// first: a running editor that answers under the folder's name gets the files from
/// `arguments` (through the store `openStore` gives, opened only then); otherwise this start
/// takes the name and is the first. A running editor that took nothing within `timeoutMs`
/// (store included) ends the second start with a message.
StartDecision DecideStart(const std::function<SettingsStore&()>& openStore,
                          const std::string& settingsFolder,
                          const std::vector<std::string>& arguments,
                          int timeoutMs = HandOffTimeoutMs);

/// Tells the user why the hand-off failed: on standard error, and in a message box when there
/// is a screen to show it on.
void ReportStartFailure(const QString& message);

} // namespace zn::app::ui
