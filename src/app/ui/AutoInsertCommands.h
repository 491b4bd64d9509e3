// The automatic-insertion commands of the main window: "Automaticky vkládat", the definitions
// window, and loading the last definitions file at start-up.
#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;

namespace zn::editor::ui {
class TAutoDefForm;
}

namespace zn::app::ui {

class FormState;
class TMainForm;

/// Owns the definitions window, made on first use (or by the start-up loading) and kept for the
/// rest of the run; the replacement command does nothing before it exists.
class AutoInsertCommands : public QObject {
    Q_OBJECT

public:
    explicit AutoInsertCommands(TMainForm& main);
    ~AutoInsertCommands() override;

    /// The two items of "&Úpravy", the tool button and the main window's start-up hooks.
    void Install();

    /// "Automaticky vkládat": replaces the ticked abbreviations in the active document as one
    /// undo step; an expansion error is told and stops the run, earlier replacements stay.
    void AutoInsertItemClick();
    /// "Definice automatického vkládání...": shows the window without blocking.
    void DefinitionsItemClick();

    editor::ui::TAutoDefForm& AutoDefForm();
    bool Exists() const { return !form_.isNull(); }

    QAction* AutoInsertItem = nullptr;
    QAction* DefinitionsItem = nullptr;

private:
    TMainForm& main_;
    QPointer<editor::ui::TAutoDefForm> form_;
    std::unique_ptr<FormState> formState_;
};

} // namespace zn::app::ui
