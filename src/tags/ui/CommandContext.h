// What the tag commands need from the main window: the active document, the settings, the
// prompter and the focused control.
#pragma once

#include "base/Links.h"
#include "base/Prompter.h"
#include "editor/THTMLRichEdit.h"
#include "editor/ui/HtmlEditView.h"

#include <QWidget>

#include <string>

namespace zn::tags::ui {

/// The settings the tag commands and the link operations read.
struct CommandOptions {
    bool UpperCaseTags = true;
    bool PreferRelative = true;
    bool CopyFiles = false;
    std::string CopyPath; ///< sub-folder for copied files (UTF-8)
};

class CommandContext {
public:
    virtual ~CommandContext() = default;

    /// The active document's text control; null when no document is open.
    virtual editor::THTMLRichEdit* ActiveEdit() = 0;
    virtual CommandOptions Options() const = 0;
    virtual base::Prompter& Prompter() = 0;
    /// The main window (parent of popups and dialogs).
    virtual QWidget* ParentWindow() = 0;
    /// The text control shown by a widget (a document's view); null for any other widget.
    virtual editor::THTMLRichEdit* EditOfView(QWidget* widget) {
        auto* view = qobject_cast<editor::ui::HtmlEditView*>(widget);
        return view != nullptr ? &view->Edit() : nullptr;
    }
    /// The full file name of the active document (UTF-8); empty when it was never saved.
    virtual std::string DocumentFileName() = 0;

    /// The main window's focused control; null when none has the focus.
    virtual QWidget* FocusedControl() {
        QWidget* window = ParentWindow();
        return window != nullptr ? window->focusWidget() : nullptr;
    }

    /// The link settings for the active document.
    base::LinkSettings LinkSettings() {
        const CommandOptions options = Options();
        base::LinkSettings links;
        links.DocumentFileName = DocumentFileName();
        links.PreferRelative = options.PreferRelative;
        links.CopyFiles = options.CopyFiles;
        links.UpperCaseTags = options.UpperCaseTags;
        links.CopyPath = options.CopyPath;
        return links;
    }
};

} // namespace zn::tags::ui
