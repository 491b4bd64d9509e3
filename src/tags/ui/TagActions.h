// The menu items and tool buttons of the tag commands, ready for the main window to install.
#pragma once

#include "tags/ui/CommandContext.h"

#include <QMenu>
#include <QObject>
#include <QPointer>

#include <map>
#include <memory>

class QAction;
class QToolBar;

namespace zn::tags::ui {

/// How a generic menu item turns into text: its caption or its hint names a tag or is the text.
enum class GenericHandler { EnteredMenu, EnteredMenuPar, MenuByHint, MenuParByHint };

/// Owns the actions of the tag commands (each named after its control, e.g. "Bold1", "ND1",
/// "SpecChSB") and the submenus they live in. Every command acts on the context's active
/// document and does nothing when none is open.
class TagActions : public QObject {
    Q_OBJECT

public:
    explicit TagActions(CommandContext& context, QObject* parent = nullptr);
    ~TagActions() override;

    /// Everything at once: the items of the "&HTML", "&Úpravy" and "&Funkce" menus and the
    /// buttons of the main tool bar (with "Instalované pluginy" when `plugins` is given).
    void Install(QMenu* html, QMenu* edit, QMenu* functions, QToolBar* speedPanel,
                 QMenu* plugins = nullptr);

    /// "Vložit tag" (with "Text", "Seznamy" and "Formuláře"), "Speciální znaky",
    /// "Nová HTML struktura" and "Vytvořit odkaz".
    void FillHtmlMenu(QMenu* html);
    /// "Vložit čas" and "Vložit datum".
    void FillFunctionMenu(QMenu* functions);
    /// "Odstranit tag", "Vybrat mezi tagem" and "Vybrat mezi tagem (včetně)".
    void FillEditMenu(QMenu* edit);

    /// The buttons that insert and wrap tags, and those that open the tag submenus.
    void AddInsertionButtons(QToolBar* bar);
    /// Time, date, removing the current tag, the page structure and (when given) the plug-ins.
    void AddFunctionButtons(QToolBar* bar, QMenu* plugins = nullptr);
    /// The button panel `TP` shown by the Tag Inspector while the caret is not in a tag.
    QToolBar* CreateButtonPanel(QWidget* parent);

    QAction* Action(const QString& name) const;
    /// A submenu by name: "InsertTagMenu", "TextMenu", "ListMenu", "FormMenu", "SpecialMenu",
    /// "NewMenu".
    QMenu* Menu(const QString& name) const;

    /// Makes a menu item (also one added later by the user) run a generic handler, which reads
    /// the item's caption or hint when it fires.
    void BindGeneric(QAction* action, GenericHandler handler);

    /// Opens a copy of a submenu under a tool button; the previous copy is destroyed.
    void ShowSubmenuPopup(QMenu* menu, QWidget* button);
    QMenu* LastPopup() const { return popup_; }

    /// Enables the commands for the active document: tag-pair commands only inside a tag,
    /// "Vložit tag" only outside one, date and time only with a text target.
    void UpdateStates();

private:
    struct Item;
    QAction* MakeAction(const Item& item);
    QMenu* MakeMenu(const char* name, const char* caption);
    void RunOnEdit(const std::function<void(editor::THTMLRichEdit&, bool upperCaseTags)>& run);
    void RunGeneric(QAction* action, GenericHandler handler);
    void AddPopupButton(QToolBar* bar, const char* name, const char* face, const char* hint,
                        QMenu* menu);

    CommandContext& context_;
    std::map<QString, QAction*> actions_;
    std::map<QString, std::unique_ptr<QMenu>> menus_;
    QPointer<QMenu> popup_;
};

} // namespace zn::tags::ui
