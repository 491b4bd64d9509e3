// What a document window needs from the main window that holds it.
#pragma once

#include <QString>

class QMenu;
class QWidget;

namespace zn::app {
struct Settings;
class SettingsStore;
} // namespace zn::app

namespace zn::base {
class Prompter;
}

namespace zn::app::ui {

class TMDIChild;
class TSaveForm;

/// Implemented by the main window (and by test hosts).
class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    virtual Settings& HostSettings() = 0;
    virtual SettingsStore& HostStore() = 0;
    virtual base::Prompter& HostPrompter() = 0;
    /// The information dialog shown for new documents; exists from start to exit.
    virtual TSaveForm& SaveForm() = 0;

    /// Enters a name in the recent-files list (after every save and open).
    virtual void AddToRecent(const QString& fileName) = 0;
    /// A document window could not open its file.
    virtual void OpenFailed() = 0;
    /// The editor's context menu, rebuilt from the main menus each time (may be null).
    virtual QMenu* EditorPopupMenu() = 0;
    /// "Normální dokument": fills the document with the skeleton of an HTML page.
    virtual void NewHtmlStructure(TMDIChild& document) = 0;
    /// Brings the main window to the front.
    virtual void BringToFront() = 0;
    /// The tag under the caret of a document changed (the Tag Inspector reads it).
    virtual void DocumentTagChanged(TMDIChild& document) = 0;
    /// A save dialog with the document window's filters (tests answer it without a window).
    virtual QString AskSaveFileName(QWidget* parent, const QString& folder, const QString& name,
                                    int& filterIndex) = 0;
};

} // namespace zn::app::ui
