// Ending the editor in order when the system asks it to (SIGTERM, SIGHUP, SIGINT).
#pragma once

#include <functional>

namespace zn::app::ui {

/// Runs `onSignal` on the user-interface thread when the process receives SIGTERM, SIGHUP or
/// SIGINT, instead of ending at once; call once, after the application object exists.
void WatchTerminationSignals(std::function<void()> onSignal);

} // namespace zn::app::ui
