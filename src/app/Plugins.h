// Installed plug-ins: the list kept in the settings store, installing, removing and running them.
#pragma once

#include "app/PluginProcess.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {
class THTMLRichEdit;
}

namespace zn::app {

class SettingsStore;

/// One installed plug-in.
struct TPIItem {
    std::string Name;                  ///< from the plug-in's GetName; empty without it
    std::string Path;                  ///< the library's file name as installed; identifies it
    std::string ShortCut;              ///< as text ("Ctrl+Shift+F5"); empty for none
    std::vector<std::uint8_t> Picture; ///< 16 x 16 RGBA from PlugInPic; empty for none
};

/// Where the plug-in host lives and how long a plug-in may take.
struct PluginHost {
    std::string HostPath;     ///< the znackar-plugin-host program
    int TimeoutMs = 10000;    ///< for a run of GetText or About
    int LoadTimeoutMs = 5000; ///< for reading the name and the picture
};

/// The heading of the start-up message about plug-ins that no longer load.
inline constexpr std::string_view UnregisteredHeading =
    "Tyto plug-iny byly kvůli chybě odregistrovány:\r\n";

/// The main window's collection of plug-ins, in installation order. Every library is loaded
/// only in the plug-in host, once per call, so nothing of a plug-in lives in the editor.
class TPlugins {
public:
    explicit TPlugins(PluginHost host) : host_(std::move(host)) {}

    const std::vector<TPIItem>& Items() const { return items_; }
    const PluginHost& Host() const { return host_; }

    /// Reads `Software\KVHTML\Plug-ins` ("path,shortcut" values "0", "1", ...) and loads each
    /// plug-in. Returns the text to show the user about the ones that failed (empty: none);
    /// they are left out, so the next SavePlugins unregisters them.
    std::string LoadPlugins(SettingsStore& store);
    /// Writes the collection anew, one value per item, in order.
    bool SavePlugins(SettingsStore& store) const;

    /// Installs the library; returns the message for the user, empty on success.
    std::string InstallPlugin(const std::string& path);
    /// Removes the plug-in of that path; false when there is none.
    bool RemovePlugin(std::string_view path);
    /// Gives the plug-in of that path a shortcut (text, empty for none).
    bool SetShortcut(std::string_view path, std::string_view shortcut);
    /// Calls the plug-in's About; returns a message for the user, empty when it went well.
    std::string ShowAbout(std::string_view path) const;

    /// The plug-in of exactly that path, or nullptr.
    const TPIItem* Find(std::string_view path) const;

    /// Runs the plug-in of that path on the text control and applies its answer as one undo
    /// step. Returns a message for the user when the plug-in failed; the text is then untouched.
    std::string RunPlugin(std::string_view path, editor::THTMLRichEdit& edit,
                          bool upperCaseTags) const;

private:
    /// Reads name and picture through the host; the message (empty on success) names the file.
    std::string LoadItem(const std::string& path, TPIItem& item) const;

    PluginHost host_;
    std::vector<TPIItem> items_;
};

/// "path,shortcut" split at the first comma; at most 15 characters of the shortcut are read.
void SplitPluginValue(std::string_view value, std::string& path, std::string& shortcut);

/// Applies a plug-in's answer: 0 replaces the selection (or inserts at the caret) and puts the
/// caret at its start, 1 replaces the whole text, anything else changes nothing. One undo step.
void ApplyPluginResult(editor::THTMLRichEdit& edit, int action, std::string_view result);

} // namespace zn::app
