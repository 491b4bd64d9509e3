// The find and replace commands of the main window: "Najít...", "&Najít znovu", "Zaměnit...".
#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;

namespace zn::editor::ui {
class TFindForm;
class TReplaceForm;
} // namespace zn::editor::ui

namespace zn::app::ui {

class FormState;
class TMainForm;

/// Owns the two dialogs (made on first use and kept, with their stored properties) and the
/// commands. Each command acts on the active document at the moment it runs and does nothing
/// without one.
class SearchCommands : public QObject {
    Q_OBJECT

public:
    explicit SearchCommands(TMainForm& main);
    ~SearchCommands() override;

    /// The items of "&Úpravy" and the buttons "Najít" and "Zaměnit".
    void Install();

    void FindItemClick();
    void FindNextItemClick();
    void ReplaceItemClick();

    editor::ui::TFindForm& FindForm();
    editor::ui::TReplaceForm& ReplaceForm();

    QAction* FindItem = nullptr;
    QAction* FindNextItem = nullptr;
    QAction* ReplaceItem = nullptr;

private:
    TMainForm& main_;
    QPointer<editor::ui::TFindForm> findForm_;
    QPointer<editor::ui::TReplaceForm> replaceForm_;
    std::unique_ptr<FormState> findState_;
    std::unique_ptr<FormState> replaceState_;
};

} // namespace zn::app::ui
