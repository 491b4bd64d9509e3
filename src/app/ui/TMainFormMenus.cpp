// The main window's menus, tool bar and editor pop-up menu.
#include "app/ui/TMainForm.h"

#include "app/ui/RecentFilesMenu.h"
#include "app/ui/TMDIChild.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace zn::app::ui {

namespace {

using R = EnableRule;

/// Captions of the menus of the menu bar, in MainMenuId order.
constexpr const char* kMenuCaptions[] = {"&Soubor", "&Úpravy", "&HTML",    "&Plug-ins",
                                         "&Funkce", "&Okno",   "&Nápověda"};
constexpr const char* kMenuNames[] = {"Soubor1", "Upravy1", "HTML1",    "Plugins1",
                                      "Funkce1", "Okno1",   "Napoveda1"};

/// The rule of a whole menu: every menu but "&Soubor", "&Okno" and "&Nápověda" needs a
/// document.
EnableRule MenuRule(MainMenuId id) {
    switch (id) {
    case MainMenuId::Upravy:
    case MainMenuId::Html:
    case MainMenuId::Plugins:
    case MainMenuId::Funkce:
        return R::DocumentOpen;
    default:
        return R::Always;
    }
}

} // namespace

QAction* TMainForm::AddCommand(QMenu* menu, const CommandItem& item, std::function<void()> run) {
    QAction* action = commands_.Make(this, item, std::move(run));
    if (menu)
        menu->addAction(action);
    // A shortcut works even while its menu is closed or disabled by the rules.
    addAction(action);
    UpdateMenuVisibility();
    return action;
}

void TMainForm::AddToolButton(QAction* action) {
    SpeedPanel->addAction(action);
}

void TMainForm::BuildMenus() {
    for (int i = 0; i < 7; ++i) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(kMenuCaptions[i]));
        menu->setObjectName(QString::fromLatin1(kMenuNames[i]));
        menus_[i] = menu;
        commands_.Register(menu->menuAction(), MenuRule(static_cast<MainMenuId>(i)));
    }
    BuildFileMenu();
    BuildEditMenu();
    BuildFunctionMenu();
    BuildWindowMenu();
    BuildComfortCommands();
    BuildHelpMenu();
    REPM = new QMenu(this);
    REPM->setObjectName(QStringLiteral("REPM"));
    UpdateMenuVisibility();
}

void TMainForm::BuildFileMenu() {
    QMenu* m = Menu(MainMenuId::Soubor);
    FileNewItem = AddCommand(m,
                             {"FileNewItem", "&Nový", Qt::CTRL | Qt::Key_N,
                              "Nový|Vytvoří nový dokument", R::Always, "document-new"},
                             [this] { FileNewItemClick(); });
    FileOpenItem = AddCommand(m,
                              {"FileOpenItem", "&Otevřít...", Qt::CTRL | Qt::Key_O,
                               "Otevřít|Otevře existující soubor", R::Always, "document-open"},
                              [this] { FileOpenItemClick(); });
    FileSaveItem =
        AddCommand(m,
                   {"FileSaveItem", "&Uložit", Qt::CTRL | Qt::Key_S,
                    "Uložit|Uloží aktuální dokument", R::ActiveModified, "document-save"},
                   [this] { SaveActive(false); });
    FileSaveAsItem = AddCommand(m,
                                {"FileSaveAsItem", "U&ložit jako...", Qt::SHIFT | Qt::Key_F2,
                                 "Uložit jako|Uloží aktuální dokument pod jiným jménem",
                                 R::DocumentOpen, "document-save-as"},
                                [this] { SaveActive(true); });
    Saveall1 = AddCommand(m,
                          {"Saveall1", "Uložit &vše", Qt::CTRL | Qt::Key_F2,
                           "Uložit vše|Uloží všechny otevřené dokumenty", R::AnyModified, ""},
                          [this] { SaveAll(); });
    m->addSeparator();
    Showit = AddCommand(m,
                        {"Showit", "Uložit a zobrazit v prohlížeči", Qt::Key_F12,
                         "Zobrazit v prohlížeči|Uloží dokument a zobrazí ho v prohlížeči",
                         R::DocumentOpen, "web-browser"},
                        [this] { ShowInBrowser(true); });
    Zobrazitvprohlei1 = AddCommand(
        m,
        {"Zobrazitvprohlei1", "Zobrazit v prohlížeči", Qt::SHIFT | Qt::Key_F12,
         "Zobrazit v prohlížeči|Zobrazí uložený soubor v prohlížeči", R::DocumentOpen, ""},
        [this] { ShowInBrowser(false); });
    m->addSeparator();
    Print = AddCommand(m,
                       {"Print", "&Tisk", Qt::CTRL | Qt::Key_P, "Tisk|Vytiskne aktuální dokument",
                        R::DocumentOpen, "document-print"},
                       [this] { PrintClick(); });
    PrinterSetup = AddCommand(m,
                              {"PrinterSetup",
                               "Nastavení tiskárny...",
                               {},
                               "Nastavení tiskárny|Nastavení tiskárny a stránky",
                               R::Always,
                               ""},
                              [this] { PrinterSetupClick(); });
    m->addSeparator();
    FileCloseItem = AddCommand(
        m, {"FileCloseItem", "&Zavřít", {}, "Zavřít|Zavře aktuální dokument", R::DocumentOpen, ""},
        [this] { CloseActive(); });
    CloseAllItem = AddCommand(m,
                              {"CloseAllItem",
                               "Zavřít vš&e",
                               {},
                               "Zavřít vše|Zavře všechny dokumenty",
                               R::DocumentOpen,
                               ""},
                              [this] { CloseAll(); });
    exitSeparator_ = m->addSeparator();
    FileExitItem =
        AddCommand(m, {"FileExitItem", "&Konec", {}, "Konec|Ukončí editor"}, [this] { close(); });
    Recent =
        new RecentFilesMenu(m, exitSeparator_, [this](const QString& name) { OpenFiles({name}); });
}

void TMainForm::BuildEditMenu() {
    QMenu* m = Menu(MainMenuId::Upravy);
    Undo1 = AddCommand(
        m,
        {"Undo1", "Zpět", Qt::CTRL | Qt::Key_Z, "Zpět|Vrátí poslední změnu", R::Undo, "edit-undo"},
        [this] { Undo1Click(); });
    m->addSeparator();
    CutItem = AddCommand(m,
                         {"CutItem", "&Vyjmout", Qt::CTRL | Qt::Key_X,
                          "Vyjmout|Přesune výběr do schránky", R::CutCopy, "edit-cut"},
                         [this] { CutItemClick(); });
    CopyItem = AddCommand(m,
                          {"CopyItem", "&Kopírovat", Qt::CTRL | Qt::Key_C,
                           "Kopírovat|Zkopíruje výběr do schránky", R::CutCopy, "edit-copy"},
                          [this] { CopyItemClick(); });
    PasteItem = AddCommand(m,
                           {"PasteItem", "V&ložit", Qt::CTRL | Qt::Key_V,
                            "Vložit|Vloží obsah schránky", R::Paste, "edit-paste"},
                           [this] { PasteItemClick(); });
    m->addSeparator();
    SelectAll1 =
        AddCommand(m,
                   {"SelectAll1", "Vybrat vše", Qt::CTRL | Qt::Key_A,
                    "Vybrat vše|Vybere celý text dokumentu", R::DocumentOpen, "edit-select-all"},
                   [this] { SelectAll1Click(); });
}

void TMainForm::BuildFunctionMenu() {
    QMenu* m = Menu(MainMenuId::Funkce);
    PicturePreviewItem = AddCommand(m,
                                    {"PicturePreviewItem",
                                     "Prohlížeč obrázků...",
                                     {},
                                     "Prohlížet obrázky|Zobrazí nebo skryje prohlížeč obrázků",
                                     R::Always,
                                     "image-x-generic"},
                                    [this] { TogglePicturePreview(); });
    PicturePreviewItem->setCheckable(true);
    ClipboardViewerItem = AddCommand(m,
                                     {"ClipboardViewerItem",
                                      "Prohlížeč schránky...",
                                      {},
                                      "Prohlídnout schránku|Zobrazí nebo skryje prohlížeč schránky",
                                      R::Always,
                                      "edit-paste"},
                                     [this] { ToggleClipboardViewer(); });
    ClipboardViewerItem->setCheckable(true);
}

void TMainForm::BuildWindowMenu() {
    QMenu* m = Menu(MainMenuId::Okno);
    WindowCascadeItem = AddCommand(m,
                                   {"WindowCascadeItem",
                                    "&Kaskáda",
                                    {},
                                    "Kaskáda|Uspořádá okna dokumentů do kaskády",
                                    R::DocumentOpen},
                                   [this] { ClientArea->cascadeSubWindows(); });
    WindowTileItem = AddCommand(m,
                                {"WindowTileItem",
                                 "&Dlaždice",
                                 {},
                                 "Dlaždice|Uspořádá okna dokumentů vedle sebe",
                                 R::DocumentOpen},
                                [this] { ClientArea->tileSubWindows(); });
    WindowArrangeItem = AddCommand(m,
                                   {"WindowArrangeItem",
                                    "&Uspořádat ikony",
                                    {},
                                    "Uspořádat ikony|Seřadí minimalizovaná okna dokumentů",
                                    R::DocumentOpen},
                                   [this] { ArrangeIcons(); });
    WindowMinimizeItem = AddCommand(m,
                                    {"WindowMinimizeItem",
                                     "&Vše minimalizovat",
                                     {},
                                     "Vše minimalizovat|Minimalizuje všechna okna dokumentů",
                                     R::DocumentOpen},
                                    [this] { MinimizeAll(); });
    windowListSeparator_ = m->addSeparator();
    connect(m, &QMenu::aboutToShow, this, &TMainForm::FillWindowList);
}

void TMainForm::FillWindowList() {
    QMenu* m = Menu(MainMenuId::Okno);
    for (QAction* item : windowListItems_) {
        m->removeAction(item);
        item->deleteLater();
    }
    windowListItems_.clear();
    const QList<TMDIChild*> documents = Documents();
    windowListSeparator_->setVisible(!documents.isEmpty());
    const TMDIChild* active = ActiveDocument();
    int number = 0;
    for (TMDIChild* document : documents) {
        ++number;
        QString caption = document->Caption();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(
            number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption) : caption, m);
        item->setCheckable(true);
        item->setChecked(document == active);
        const QPointer<TMDIChild> target(document);
        connect(item, &QAction::triggered, this, [this, target] {
            if (target)
                ActivateDocument(target);
        });
        m->addAction(item);
        windowListItems_.push_back(item);
    }
}

void TMainForm::BuildHelpMenu() {
    QMenu* m = Menu(MainMenuId::Napoveda);
    HTML2 = AddCommand(
        m,
        {"HTML2", "HTML", {}, "HTML|Přehled prvků HTML 4 v prohlížeči", R::Always, "help-browser"},
        [this] { HtmlHelpClick(); });
    m->addSeparator();
    HelpAboutItem = AddCommand(
        m, {"HelpAboutItem", "&O aplikaci...", {}, "O aplikaci|Verze a paměť", R::Always, ""},
        [this] { HelpAboutItemClick(); });
}

void TMainForm::BuildToolBar() {
    SpeedPanel = addToolBar(QStringLiteral("Nástroje"));
    SpeedPanel->setObjectName(QStringLiteral("SpeedPanel"));
    SpeedPanel->setMovable(false);
    SpeedPanel->setIconSize(QSize(22, 22));
    for (QAction* action : {FileNewItem, FileOpenItem, FileSaveItem, FileSaveAsItem})
        AddToolButton(action);
    SpeedPanel->addSeparator();
    for (QAction* action : {CutItem, CopyItem, PasteItem, Undo1})
        AddToolButton(action);
    SpeedPanel->addSeparator();
    for (QAction* action : {Print, Showit, PicturePreviewItem, ClipboardViewerItem})
        AddToolButton(action);
}

void TMainForm::UpdateMenuVisibility() {
    // A menu with nothing in it yet (its commands come with later parts) is not shown.
    for (QMenu* menu : menus_) {
        if (!menu)
            continue;
        bool any = false;
        for (const QAction* action : menu->actions())
            any = any || (!action->isSeparator() && action->isVisible());
        if (menu == Menu(MainMenuId::Okno))
            any = true;
        menu->menuAction()->setVisible(any);
    }
}

QMenu* TMainForm::EditorPopupMenu() {
    // Rebuilt at every opening from what "&Úpravy" and "&Funkce" hold now, with the states
    // of this moment.
    UpdateCommandStates();
    REPM->clear();
    REPM->addActions(Menu(MainMenuId::Upravy)->actions());
    REPM->addSeparator();
    REPM->addActions(Menu(MainMenuId::Funkce)->actions());
    return REPM;
}

} // namespace zn::app::ui
