// Where tool windows keep their placement: a replaceable pair of load/save functions, so the
// windows do not depend on how settings are stored.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zn::app {

/// A window's position and size on the screen, and whether it was maximised.
struct TWindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Maximized = false;
    bool operator==(const TWindowPlacement&) const = default;
};

/// Loads the placement stored under a key such as "\Software\KVHTML\PicturePreview".
using TPlacementLoader = std::function<std::optional<TWindowPlacement>(const std::string& key)>;
/// Stores a placement under a key.
using TPlacementSaver = std::function<void(const std::string& key, const TWindowPlacement&)>;

/// Points every window at a store. Until this is called placements are kept in memory only
/// (for the run of the program). Passing empty functions goes back to that default.
void SetPlacementStore(TPlacementLoader load, TPlacementSaver save);

std::optional<TWindowPlacement> LoadWindowPlacement(const std::string& key);
void SaveWindowPlacement(const std::string& key, const TWindowPlacement& placement);

} // namespace zn::app
