// "Možnosti": the preferences dialog. It binds its controls to PrefValues and the menu
// shortcuts; applying goes through ApplyPrefs and the main window.
#pragma once

#include "app/Preferences.h"
#include "app/ui/FormState.h"

#include <QDialog>
#include <QKeySequence>
#include <QList>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QFileDialog;
class QKeySequenceEdit;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace zn::app::ui {

class PluginListDialog;
class TMainForm;

/// The tabs of `PageControl1`, in their order.
enum class PrefTab { Obecne, Odkazy, Klavesy, Plugin, Cesty, Barvy };

class TPrefForm : public QDialog {
    Q_OBJECT

public:
    explicit TPrefForm(TMainForm& main);
    ~TPrefForm() override;

    /// Loads every control from the main window and shows the dialog modally on `tab`, or on
    /// the tab last shown. Returns the dialog's result.
    int Show(std::optional<PrefTab> tab = std::nullopt);
    /// Loads the controls without showing the dialog.
    void LoadControls();
    /// "&OK" and "&Použít": everything goes to the main window, its documents and the store.
    void Apply();

    /// The colour choice behind the colour panels: the current colour -> the chosen one.
    std::function<std::optional<ColorNumber>(ColorNumber)> ChooseColor;

    QTabWidget* PageControl1;
    QListWidget* ParLB;
    QPushButton* Button3;
    QListWidget* RefLB;
    QPushButton* AddUrlButton;
    QPushButton* DeleteUrlButton;
    QPushButton* EditUrlButton;
    QListWidget* MenuItemsLB;
    QKeySequenceEdit* HKey;
    PluginListDialog* PluginPage = nullptr; ///< `PILB` and its buttons; new at every showing
    QLineEdit* CopyP;
    QLineEdit* ExtView;
    QLineEdit* ExtEdit;
    QLineEdit* Browser;
    QLineEdit* phpexeedit;
    QPushButton* PhpBrowse;
    QCheckBox* PhpChb;
    QCheckBox* UseHLChb;
    QPushButton* CLtag;
    QPushButton* CLpar;
    QPushButton* CLval;
    QPushButton* CLtxt;
    QPushButton* CLbkg;
    QPushButton* FontButton;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* BuildGeneralTab();
    QWidget* BuildLinksTab();
    QWidget* BuildShortcutTab();
    QWidget* BuildPathsTab();
    QWidget* BuildColorsTab();
    QPushButton* ColorPanel(const QString& name);
    QPushButton* BrowseButton(QLineEdit* field);
    void ShowColor(QPushButton* panel, ColorNumber color);
    void ChangeColor(QPushButton* panel, ColorNumber& color);
    void ParLBChanged();
    void UpdateUrlButtons();
    void AddUrlClick();
    void EditUrlClick();
    void DeleteUrlClick();
    PrefValues ReadControls() const;
    // the shortcut tab (TPrefFormShortcuts.cpp)
    void FillShortcuts();
    void ShortcutLineChosen();
    /// Keeps the shortcut in `HKey` for the chosen line unless another item has it.
    void StoreShortcut();
    void ApplyShortcuts();

    TMainForm& main_;
    PrefValues values_;
    QVBoxLayout* pluginLayout_ = nullptr;
    QList<QAction*> lineActions_; ///< the menu item of each line of MenuItemsLB
    QList<QKeySequence> TSK;      ///< the shortcut of each line, applied only by Apply
    int shortcutLine_ = -1;       ///< the line whose shortcut HKey shows
    bool loading_ = false;
    std::unique_ptr<QFileDialog> ExeDlg;
    DialogMemory exeMemory_;
    std::unique_ptr<FormState> formState_;
};

} // namespace zn::app::ui
