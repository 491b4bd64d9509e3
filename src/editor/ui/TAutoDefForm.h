// The window "Definice automatického vkládání": the abbreviations with their ticks, the text of
// the selected one, its tool panel and menus, and loading and saving ".chn" files.
#pragma once

#include "editor/AutoInsert.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QDialog;
class QListWidget;
class QPlainTextEdit;
class QTimer;
class QToolButton;

namespace zn::base {
class Prompter;
}

namespace zn::editor::ui {

/// Lives from its creation to the end of the run and holds the list the command
/// "Automaticky vkládat" uses. Every change goes to the list at once, so the list is always
/// what the window shows.
class TAutoDefForm : public QMainWindow {
    Q_OBJECT

public:
    TAutoDefForm(base::Prompter& prompter, QWidget* parent = nullptr);

    QListWidget* ZnackyLB; ///< "&Značky:"
    QPlainTextEdit* Memo1; ///< "&Text:"; hidden while nothing is selected
    QToolButton* UpButton;
    QToolButton* DownButton;
    QAction* AddItem;        ///< "Přidání položky" / "Přidat..." F3
    QAction* DeleteItem;     ///< "Smazání položky" / "Odebrat" F8
    QAction* RenameItem;     ///< "Přejmenovat..." Ctrl+R
    QAction* SaveButton;     ///< "Uložit do souboru"
    QAction* LoadButton;     ///< "Načíst ze souboru"
    QAction* SelectAllItem;  ///< "Vybrat všechny"
    QAction* SelectNoneItem; ///< "Nevybrat žádnou"
    QAction* InvertItem;     ///< "Invertovat výběr"
    QAction* SortItem;       ///< "Setřídit dle abecedy"
    QAction* ClearItem;      ///< "Smazat všechny"
    QAction* TryButton;      ///< "Vyzkoušet"
    QAction* CutItem;
    QAction* CopyItem;
    QAction* PasteItem;
    QTimer* Timer1; ///< keeps the controls current

    const TAutoDefList& List() const { return list_; }
    /// Reads a ".chn" file into the list (which is left alone when the file cannot be read) and
    /// selects the first definition. Records left out are reported.
    bool LoadFile(const QString& fileName);
    /// Writes the list; an existing file is replaced whole or not at all.
    bool SaveFile(const QString& fileName);
    /// Selects a definition by index, as a click does.
    void SelectItem(int index);
    /// The result window of "Vyzkoušet" once it was shown.
    QDialog* ResultForm() const { return resultForm_; }
    void UpdateControls();

    /// `OpenDialog1.FileName` and `SaveDialog1.FileName`: the files chosen last.
    QString OpenFileName;
    QString SaveFileName;
    /// A file was loaded or saved under this name.
    std::function<void(const QString&)> OnFileUsed;
    /// Replace the file dialogs (tests): the chosen name or empty.
    std::function<QString()> AskOpenName;
    std::function<QString()> AskSaveName;
    /// The clock of "Vyzkoušet".
    std::function<LocalTime()> Clock = LocalNow;

    void AddItemClick();
    void RenameItemClick();
    void SaveButtonClick();
    void LoadButtonClick();
    void TryButtonClick();

private:
    void BuildActions();
    void BuildMenus();
    /// Shows the list again after a change of its order or size.
    void ShowList();
    void ShowText();
    void ComeBack();
    void Change(const std::function<void()>& change);
    QAction* MakeAction(const char* name, const QString& caption, const QKeySequence& key,
                        std::function<void()> run);

    base::Prompter& prompter_;
    TAutoDefList list_;
    QDialog* resultForm_ = nullptr;
    QPlainTextEdit* resultText_ = nullptr;
    bool filling_ = false;
};

} // namespace zn::editor::ui
