// Saving and restoring where a window stands, and the main window's stored state.
#pragma once

#include <Qt>
#include <string_view>

class QWidget;

namespace zn::app {
class SettingsStore;
}

namespace zn::app::ui {

/// What of a window's placement its form-state store keeps.
enum class PlacementKind {
    None,     ///< nothing
    Position, ///< the position only
    Full,     ///< position, size and state (normal, minimised, maximised)
};

/// The window state of a stored `State` number (0 normal, 1 minimised, 2 maximised; any other
/// number normal), and back.
Qt::WindowStates WindowStateFromSetting(int state);
int SettingFromWindowState(Qt::WindowStates states);

/// Gives the window the stored state once, when it is first painted (or, failing a paint,
/// just after it is first shown). This overrides the state its form-state store restored.
void ApplyStateAtFirstPaint(QWidget* window, int state);

/// Writes the window's placement under `key` (values "Placement.*").
void SavePlacement(SettingsStore& store, std::string_view key, const QWidget& window,
                   PlacementKind kind);
/// Restores what SavePlacement wrote; a position off every screen is not taken, and a window
/// stored minimised comes back in its normal placement.
void RestorePlacement(SettingsStore& store, std::string_view key, QWidget& window,
                      PlacementKind kind);

} // namespace zn::app::ui
