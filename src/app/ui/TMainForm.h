// The main window: the frame of the document area with its menus, tool bar, file tabs, the Tag
// Inspector panel and the status bar, and the management of the open documents.
#pragma once

#include "app/LinkDatabase.h"
#include "app/Plugins.h"
#include "app/Settings.h"
#include "app/ui/CommandOptions.h"
#include "app/ui/DocumentHost.h"
#include "app/ui/FormState.h"
#include "app/ui/MainCommands.h"
#include "structure/DocumentStructure.h"
#include "tags/ui/CommandContext.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QDockWidget;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QStackedWidget;
class QTimer;
class QToolBar;

namespace zn::tags::ui {
class TagActions;
}

namespace zn::base::ui {
class QtPrompter;
}

namespace zn::app::ui {

class FileTabBar;
class PluginMenu;
class RecentFilesMenu;
class TClipForm;
class TMDIChild;
class TPPrevForm;
class TInspectorBridge;
class TSaveForm;

/// The menus of the menu bar `MainMenu1`, in their order.
enum class MainMenuId { Soubor, Upravy, Html, Plugins, Funkce, Okno, Napoveda };

class TMainForm : public QMainWindow, public DocumentHost, public tags::ui::CommandContext {
    Q_OBJECT

public:
    /// Reads the settings from `store` and builds the window (not shown yet).
    explicit TMainForm(SettingsStore& store, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- DocumentHost ---
    Settings& HostSettings() override { return settings_; }
    SettingsStore& HostStore() override { return store_; }
    base::Prompter& HostPrompter() override { return *prompter_; }
    TSaveForm& SaveForm() override { return *saveForm_; }
    void AddToRecent(const QString& fileName) override;
    void OpenFailed() override { openFailed_ = true; }
    QMenu* EditorPopupMenu() override;
    void NewHtmlStructure(TMDIChild& document) override;
    void BringToFront() override;
    void DocumentTagChanged(TMDIChild& document) override;
    QString AskSaveFileName(QWidget* parent, const QString& folder, const QString& name,
                            int& filterIndex) override;

    /// The open documents in the order their windows were created.
    QList<TMDIChild*> Documents() const;
    /// The active document, or null when none is open.
    TMDIChild* ActiveDocument() const;
    /// The picture viewer, created on first use (not shown).
    TPPrevForm* PictureViewer();
    // --- tags::ui::CommandContext ---
    /// The active document's text control, or null when none is open. Every command on the
    /// current document goes through it and does nothing on null.
    editor::THTMLRichEdit* ActiveEdit() override;
    tags::ui::CommandOptions Options() const override { return CommandOptionsOf(settings_); }
    base::Prompter& Prompter() override { return *prompter_; }
    QWidget* ParentWindow() override { return this; }
    /// The active document's full file name; empty for an untitled one or none.
    std::string DocumentFileName() override;

    // --- documents ---
    /// Text (Windows-1250) at the caret of the active document; nothing without one.
    void InsertIntoActive(const std::string& text);
    /// The selection of the active document wrapped in two texts; nothing without one.
    void WrapActive(const std::string& before, const std::string& after);
    void ActivateDocument(TMDIChild* document);

    /// "&Nový": an untitled document "BezJmena" + number.
    TMDIChild* FileNewItemClick();
    /// "&Otevřít...": the open dialog, then OpenFiles.
    void FileOpenItemClick();
    /// Opens the names in order; when none failed and documents were added, the empty
    /// untitled documents are closed.
    void OpenFiles(const QStringList& fileNames);
    /// Reloads the document whose caption is `fileName` (asking first when it is modified) or
    /// opens the file in a new document window. Returns the document, or null.
    TMDIChild* OpenFile(const QString& fileName);
    /// A recovered text in a new document window under its old caption, marked modified.
    TMDIChild* AddRecoveredDocument(const QString& caption, const std::string& text);
    void SaveActive(bool saveAs);
    void SaveAll();
    void CloseActive();
    void CloseAll();
    /// "Uložit a zobrazit v prohlížeči" (`save` true) and "Zobrazit v prohlížeči".
    void ShowInBrowser(bool save);
    /// Prints the active document as one job titled with its caption; false without a
    /// document or when the printer could not be started (the user is told).
    bool PrintActive(QPrinter& printer);

    // --- start-up and hand-off ---
    /// The command-line arguments; the first showing opens their files.
    void SetCommandLine(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }
    /// A second start handed over its files: come to the front, take the names from the
    /// settings store, and open them right after.
    void ReceiveHandOff();
    /// Writes the settings and the window's form state (at exit; once).
    void WriteSettings();
    /// The work of the first showing (recent files, command-line files, greeting, automatic
    /// insertion) has run.
    bool FirstShowDone() const { return firstShowDone_; }
    /// Loads the last automatic-insertion definitions file at the first showing (set by that
    /// part; called only when `AutoOpenDf` is on and the stored file exists).
    std::function<void(const QString& fileName)> AutoOpenDefinitions;
    /// Installs a dropped ".ENC" encoding file (set by the encodings part); without it such a
    /// file opens as a document.
    std::function<void(const QString& fileName)> InstallEncodingFile;
    /// Whether the automatic-insertion definitions window exists (set by that part).
    std::function<bool()> AutoDefWindowExists;
    /// Whether a tag takes script events (set by the script-events part).
    std::function<bool(const std::string& tagName)> TakesScriptEvents;

    // --- plug-ins (TMainFormPlugins.cpp) ---
    /// The installed plug-ins; changes reach the menu and the store through ApplyPlugins.
    TPlugins& Plugins() { return *plugins_; }
    /// Builds the "&Plug-ins" entries again and writes the list to the settings store.
    void ApplyPlugins();
    /// Runs the plug-in of that path on the active document; without a document nothing.
    void RunPlugin(const std::string& path);
    PluginMenu* PluginEntries() const { return pluginMenu_; }
    /// Opens the plug-in list for installing, removing and shortcuts (set by the preferences
    /// part; without it the built-in list dialog opens).
    std::function<void()> ShowPluginSettings;

    // --- external programs and links ---
    /// Starts `program` on `file`, or the desktop's program for the file when `program` is
    /// empty. A program that cannot be started is reported.
    void RunExternal(const QString& program, const QString& file);
    /// Enters an address in the link database.
    void AddToLinkDatabase(const std::string& text);
    /// An address field of the Tag Inspector whose text feeds the link database.
    void RegisterUrlField(QComboBox* field);

    // --- menus, commands and the periodic update ---
    QMenu* Menu(MainMenuId id) const { return menus_[static_cast<int>(id)]; }
    /// A command in a menu (and its enabling rule). Call while the window is being built, so
    /// that the user's stored shortcut is restored with the others.
    QAction* AddCommand(QMenu* menu, const CommandItem& item, std::function<void()> run);
    /// The same action as a tool button of `SpeedPanel`.
    void AddToolButton(QAction* action);
    CommandRegistry& Commands() { return commands_; }
    /// Enables every command by its rule; shows the Tag Inspector by its rule.
    void UpdateCommandStates();
    /// One tick of `Timer1`: tabs, default inspector panel, command states, link database.
    void PeriodicUpdate();
    /// The focused edit field of the window (a line edit or an editable combo box's), if any.
    QLineEdit* FocusedField() const;

    // --- tests answer the dialogs ---
    void SetPrompter(base::Prompter* prompter);
    /// Replaces the save dialog (folder, proposed name, filter) -> chosen name.
    std::function<QString(const QString&, const QString&, int&)> SaveNameAsker;
    /// Replaces the open dialog -> chosen names.
    std::function<QStringList()> OpenNamesAsker;
    /// Replaces starting an external program (program, arguments) -> started.
    std::function<bool(const QString&, const QStringList&)> ProgramStarter;

    // --- components ---
    QMdiArea* ClientArea;
    FileTabBar* TabC;
    QToolBar* SpeedPanel;
    QDockWidget* HTMLPanel;
    QStackedWidget* InspectorPages;
    TInspectorBridge* Inspector = nullptr; ///< the Tag Inspector's sub-panels and reader
    /// The lists of the last scan of a document: styles, picture and map pairs, areas.
    structure::TStructure Structure;
    QToolBar* TP; ///< the default panel of the Tag Inspector: tag buttons
    QTimer* Timer1;
    QMenu* REPM;
    RecentFilesMenu* Recent;
    tags::ui::TagActions* TagCommands; ///< the tag commands of the menus, tool bar and `TP`

    QAction* FileNewItem;
    QAction* FileOpenItem;
    QAction* FileSaveItem;
    QAction* FileSaveAsItem;
    QAction* Saveall1;
    QAction* Showit;
    QAction* Zobrazitvprohlei1;
    QAction* Print;
    QAction* PrinterSetup;
    QAction* FileCloseItem;
    QAction* CloseAllItem;
    QAction* FileExitItem;
    QAction* Undo1;
    QAction* Redo1 = nullptr;           ///< "Znovu"
    QAction* GoToLineItem = nullptr;    ///< "Přejít na řádek..."
    QAction* LineNumbersItem = nullptr; ///< "Čísla řádků" in "&Okno"
    QAction* CutItem;
    QAction* CopyItem;
    QAction* PasteItem;
    QAction* SelectAll1;
    QAction* PicturePreviewItem;
    QAction* ClipboardViewerItem;
    QAction* WindowCascadeItem;
    QAction* WindowTileItem;
    QAction* WindowArrangeItem;
    QAction* WindowMinimizeItem;
    QAction* HTML2;
    QAction* HelpAboutItem;

signals:
    /// The tag under the caret of a document changed; the Tag Inspector reads it.
    void TagChanged(TMDIChild* document);
    /// The link database got an entry.
    void LinkDatabaseChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // building (TMainFormMenus.cpp)
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildFunctionMenu();
    void BuildWindowMenu();
    void BuildHelpMenu();
    void BuildToolBar();
    void FillWindowList();
    void UpdateMenuVisibility();
    void BuildInspectorPanel();
    void BuildTabs();
    void RestoreFormState();

    // documents (TMainFormFiles.cpp)
    TMDIChild* AddDocument(TMDIChild* document);
    TMDIChild* FindDocument(const QString& caption) const;
    void CloseEmptyUntitled();
    void FirstShow();
    void OpenCommandLine();
    bool CloseEveryDocument();

    // commands (TMainFormCommands.cpp)
    void CutItemClick();
    void CopyItemClick();
    void PasteItemClick();
    void Undo1Click();
    void SelectAll1Click();
    void PrintClick();
    void PrinterSetupClick();
    void ArrangeIcons();
    void MinimizeAll();
    void TogglePicturePreview();
    void ToggleClipboardViewer();
    void HelpAboutItemClick();
    void HtmlHelpClick();
    QPrinter& Printer();

    // editing comforts (TMainFormComforts.cpp)
    void BuildComfortCommands();
    void Redo1Click();
    void GoToLineClick();
    void ToggleLineNumbers(bool on);

    // periodic update (TMainFormUpdate.cpp)
    CommandInputs GatherInputs() const;
    void SyncTabs();
    void TabClicked(const QString& fullName);
    void ToggleFullPath();
    void FeedLinkDatabase();

    SettingsStore& store_;
    Settings settings_;
    std::unique_ptr<base::ui::QtPrompter> ownPrompter_;
    base::Prompter* prompter_;
    CommandRegistry commands_;
    QMenu* menus_[7] = {};
    QAction* exitSeparator_ = nullptr;
    QAction* windowListSeparator_ = nullptr;
    QList<QAction*> windowListItems_;
    TSaveForm* saveForm_ = nullptr;
    QPointer<TPPrevForm> picturePreview_;
    QPointer<TClipForm> clipboardViewer_;
    std::unique_ptr<QPrinter> printer_;
    DialogMemory openDialog_;
    std::unique_ptr<FormState> formState_;
    UrlFieldWatch urlWatch_;
    QList<QPointer<QComboBox>> urlFields_;
    std::vector<std::string> arguments_;
    bool openFailed_ = false;
    bool clipboardHasText_ = false;
    bool shown_ = false;
    bool firstShowDone_ = false;
    bool settingsWritten_ = false;
    std::unique_ptr<TPlugins> plugins_;
    PluginMenu* pluginMenu_ = nullptr;
    std::string pluginFailures_; ///< told at the first showing

    void LoadPlugins();
    void PluginSettingsClick();
};

} // namespace zn::app::ui
