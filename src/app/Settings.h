// The named settings of the editor, held in memory, with their reading at start and writing at
// exit.
#pragma once

#include "app/StoredFont.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

class SettingsStore;

/// Colour numbers are 0x00BBGGRR: red in the lowest byte.
using ColorNumber = std::uint32_t;

/// Window state of the main window as stored in `State`.
enum WindowStateSetting : int { StateNormal = 0, StateMinimized = 1, StateMaximized = 2 };

/// The settings the main window owns. Every other part of the program reads these fields and
/// never the store, except for the few values that their owners read and write themselves.
struct Settings {
    // Named values directly under Software\KVHTML.
    int State = StateNormal; ///< window state at the last exit, applied once at the first paint
    std::string defstore;    ///< folder of the last Save As; written at exit when not empty
    std::string LastVersion; ///< `Version` as found at start, before it is overwritten

    bool UseColors = false;
    bool UseHTMLPanel = true;
    bool AskForStructure = true;
    bool AutoPlaySnd = false;
    bool WRAPTAGS = false;
    bool UpperCaseTags = true;
    bool AutoShow = true;
    bool AutoPutDim = true;
    bool CopyFiles = false;
    bool PreferRelative = true;
    bool KartaPath = false;
    bool EncInf = false;
    bool ShowMenuBitmaps = true;
    bool UnixFormat = false;
    bool AutoOpenDf = true;
    bool AutoComplete = true;
    bool PhpEnable = true;
    bool UseHighLight = true;
    bool SaveInfo = false;
    bool LineNumbers = true; ///< the text views show line numbers; written when switched

    /// The link database (sub-key HREF), in list order.
    std::vector<std::string> LinkDatabase;

    // Properties of the main window, kept under its form-state key.
    std::string ExternalViewer;      ///< external picture viewer; empty: the desktop's program
    std::string ExternalEditor;      ///< external picture editor; empty: the desktop's program
    std::string HTMLBrowser;         ///< external web browser; empty: the desktop's program
    std::string CopyPath;            ///< sub-folder for copied linked files; empty: the document's
    std::string phppath;             ///< the PHP interpreter
    StoredFont FL;                   ///< the editor font of every text control
    ColorNumber Ptag = 0x0000FF;     ///< tag names and brackets: red
    ColorNumber ppar = 0xFF0000;     ///< attribute names: blue
    ColorNumber pval = 0x800080;     ///< attribute values: purple
    ColorNumber ptxt = 0x000000;     ///< text when document colours are off: black
    ColorNumber pbkg = 0xFFFFFF;     ///< background when document colours are off: white
    std::vector<std::string> Filesy; ///< recent files, oldest first, at most 10
    bool StylySBDown = false;        ///< the Tag Inspector prefers styles to tag parameters

    /// Reads everything at the creation of the main window: State, defstore, the obsolete
    /// values deleted, Version kept and overwritten, the booleans (missing ones written with
    /// their defaults), the link database, the Schema key, then the main window's properties.
    void Load(SettingsStore& store);

    /// Writes at exit: State (set the field to the window's state first), SaveInfo, defstore
    /// when not empty, HREF anew from LinkDatabase, the plug-in list through `writePlugins`,
    /// then the main window's properties. All of it is one change for other processes.
    void Save(SettingsStore& store,
              const std::function<void(SettingsStore&)>& writePlugins = {}) const;

    /// Writes the switches of the preferences dialog, in its order, then PhpEnable and
    /// UseHighLight.
    void SaveSwitches(SettingsStore& store) const;
    /// Writes KartaPath at once (toggled from the file tabs' pop-up menu).
    void SaveKartaPath(SettingsStore& store) const;

    void LoadMainForm(SettingsStore& store);
    void SaveMainForm(SettingsStore& store) const;
};

/// One boolean setting: its value name, its field and its default.
struct BoolSetting {
    std::string_view Name;
    bool Settings::*Field;
    bool Default;
};

/// Every boolean setting, in the order they are read at start.
extern const std::array<BoolSetting, 19> BoolSettings;

/// The value name of a boolean setting's field.
std::string_view BoolSettingName(bool Settings::*field);

/// Values older versions wrote and nothing reads; deleted at start.
extern const std::array<std::string_view, 19> ObsoleteValues;

/// The maximum length of the recent-files list.
inline constexpr std::size_t MaxRecentFiles = 10;

/// Reads a boolean setting: a missing value takes the default, which is written at once; an
/// integer is true when not 0; a value of another type takes the default, which replaces it as
/// an integer.
bool ReadBool(SettingsStore& store, std::string_view key, std::string_view name, bool defaultValue);
/// Writes a boolean setting as the integer 0 or 1.
bool WriteBool(SettingsStore& store, std::string_view key, std::string_view name, bool value);

} // namespace zn::app
