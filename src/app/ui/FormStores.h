// The form-state stores of the program's windows: each window's key and what of its placement
// it keeps.
#pragma once

#include "app/ui/WindowPlacement.h"

namespace zn::app::ui {

struct FormStore {
    const char* Key;
    PlacementKind Placement;
};

inline constexpr FormStore MainFormStore{"\\Software\\KVHTML\\MainForm", PlacementKind::Full};
/// Document windows share the main window's key for their save dialog; no placement.
inline constexpr FormStore DocumentStore{"\\Software\\KVHTML\\MainForm", PlacementKind::None};
inline constexpr FormStore PreferencesStore{"\\Software\\KVHTML", PlacementKind::None};
inline constexpr FormStore AutoDefStore{"\\Software\\KVHTML\\AutoDef", PlacementKind::Full};
inline constexpr FormStore FindStore{"\\Software\\KVHTML\\Find", PlacementKind::None};
inline constexpr FormStore ReplaceStore{"\\Software\\KVHTML\\Replace", PlacementKind::None};
inline constexpr FormStore EncFormStore{"\\Software\\KVHTML\\EncForm", PlacementKind::Full};
inline constexpr FormStore EncDialogStore{"\\Software\\KVENC\\Dialog", PlacementKind::Full};
inline constexpr FormStore InfoStore{"\\Software\\KVHTML\\Info", PlacementKind::Position};
inline constexpr FormStore TableFormStore{"\\Software\\KVHTML\\TableForm", PlacementKind::Full};
inline constexpr FormStore JSFormStore{"\\Software\\KVHTML\\JSForm", PlacementKind::Full};
inline constexpr FormStore RBFormStore{"\\Software\\KVHTML\\RBForm", PlacementKind::None};
inline constexpr FormStore FontWinStore{"\\Software\\KVHTML\\FontWin", PlacementKind::Full};
inline constexpr FormStore MemoFormStore{"\\Software\\KVHTML\\MemoForm", PlacementKind::Full};
inline constexpr FormStore GotoIMGWinStore{"\\Software\\KVHTML\\GotoIMGWin", PlacementKind::Full};
inline constexpr FormStore MapEditorStore{"\\Software\\KVHTML\\MapEditor", PlacementKind::Full};
inline constexpr FormStore MapWizardStore{"\\Software\\KVHTML\\MapWizard", PlacementKind::Full};
inline constexpr FormStore SSFormStore{"\\Software\\KVHTML\\SSForm", PlacementKind::Full};
inline constexpr FormStore FrameWizardStore{"\\Software\\KVHTML\\FrameWizard", PlacementKind::Full};
inline constexpr FormStore GalleryWizardStore{"\\Software\\KVHTML\\GalleryWizard",
                                              PlacementKind::Full};
inline constexpr FormStore PicturePreviewStore{"\\Software\\KVHTML\\PicturePreview",
                                               PlacementKind::Full};

/// Every store, for checks that walk them all.
inline constexpr FormStore AllFormStores[] = {
    MainFormStore,       DocumentStore,  PreferencesStore, AutoDefStore,     FindStore,
    ReplaceStore,        EncFormStore,   EncDialogStore,   InfoStore,        TableFormStore,
    JSFormStore,         RBFormStore,    FontWinStore,     MemoFormStore,    GotoIMGWinStore,
    MapEditorStore,      MapWizardStore, SSFormStore,      FrameWizardStore, GalleryWizardStore,
    PicturePreviewStore,
};

} // namespace zn::app::ui
