// Building the main window: its parts, the settings, the timer, and saving at exit.
#include "app/ui/TMainForm.h"

#include "app/DocumentNames.h"
#include "app/RecoveryJournal.h"
#include "app/ui/AutoInsertCommands.h"
#include "app/ui/CommandsAtInvocation.h"
#include "app/ui/DiskChangeWatch.h"
#include "app/ui/DocumentJournal.h"
#include "app/ui/EncodingCommands.h"
#include "app/ui/FileTabBar.h"
#include "app/ui/FormStores.h"
#include "app/ui/GalleryCommands.h"
#include "app/ui/MapCommands.h"
#include "app/ui/ParameterCommands.h"
#include "app/ui/PrefCommands.h"
#include "app/ui/RecentFilesMenu.h"
#include "app/ui/SearchCommands.h"
#include "app/ui/StyleCommands.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TSaveForm.h"
#include "app/ui/TagPanelBridge.h"
#include "app/ui/ToolCommands.h"
#include "app/ui/WindowPlacement.h"
#include "app/ui/WizardCommands.h"
#include "base/ui/QtPrompter.h"
#include "tags/ui/TagActions.h"

#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace zn::app::ui {

TMainForm::TMainForm(SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), store_(store),
      ownPrompter_(std::make_unique<base::ui::QtPrompter>(this, std::string(ApplicationName))),
      prompter_(ownPrompter_.get()) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf8(ApplicationName.data(), ApplicationName.size()));
    setMinimumSize(400, 260);
    setAcceptDrops(true);
    settings_.Load(store_);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildTabs();
    layout->addWidget(TabC);
    ClientArea = new QMdiArea(central);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    layout->addWidget(ClientArea, 1);
    setCentralWidget(central);
    connect(ClientArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        UpdateCommandStates();
        if (auto* document = sub ? qobject_cast<TMDIChild*>(sub->widget()) : nullptr)
            document->Activated();
    });

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    // Menu pictures can be switched off; the tool bar keeps its pictures.
    QCoreApplication::setAttribute(Qt::AA_DontShowIconsInMenus, !settings_.ShowMenuBitmaps);
    BuildMenus();
    LoadPlugins();
    BuildToolBar();
    TagCommands = new tags::ui::TagActions(*this, this);
    TagCommands->Install(Menu(MainMenuId::Html), Menu(MainMenuId::Upravy), Menu(MainMenuId::Funkce),
                         SpeedPanel, Menu(MainMenuId::Plugins));
    (new SearchCommands(*this))->Install();
    (new EncodingCommands(*this))->Install();
    (new WizardCommands(*this))->Install();
    (new AutoInsertCommands(*this))->Install();
    (new ToolCommands(*this))->Install();
    (new PrefCommands(*this))->Install();
    UpdateMenuVisibility();
    BuildInspectorPanel();
    (new MapCommands(*this))->Install();
    (new GalleryCommands(*this))->Install();
    (new ParameterCommands(*this))->Install();
    (new StyleCommands(*this))->Install();
    saveForm_ = new TSaveForm(settings_.SaveInfo, this);

    // The clipboard is asked once per change, not at every tick of the timer.
    QClipboard* clipboard = QApplication::clipboard();
    const auto readClipboard = [this, clipboard] {
        const QMimeData* data = clipboard->mimeData();
        clipboardHasText_ = data && data->hasText();
    };
    connect(clipboard, &QClipboard::dataChanged, this, readClipboard);
    readClipboard();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::PeriodicUpdate);
    Timer1->start();
    // Commands decide at the key press or click, not at the last tick of the timer.
    new CommandsAtInvocation(*this, [this] { UpdateCommandStates(); });
    // Unsaved text survives a crash; found journals are offered after the first showing.
    new DocumentJournal(*this, RecoveryFolder());
    // Files changed by other programs are asked about when the window comes back.
    new DiskChangeWatch(*this);

    RestoreFormState();
    UpdateCommandStates();
}

TMainForm::~TMainForm() {
    Timer1->stop();
    ClientArea->disconnect(this);
    WriteSettings();
    // Document windows reach back into the window while they go; close them first.
    delete ClientArea;
    ClientArea = nullptr;
}

void TMainForm::SetPrompter(base::Prompter* prompter) {
    prompter_ = prompter ? prompter : ownPrompter_.get();
}

void TMainForm::RestoreFormState() {
    formState_ = std::make_unique<FormState>(this, MainFormStore, store_);
    // Every named command of the window keeps the user's shortcut, the other parts' too.
    for (QAction* action : findChildren<QAction*>()) {
        if (!action->objectName().isEmpty() && !action->isSeparator() && !action->menu())
            formState_->AddShortcut(action);
    }
    openDialog_.FilterIndex = 2; // "HTML files" is the first choice
    formState_->AddDialog(QStringLiteral("OpenDialog"), openDialog_);
    // Centred on the screen unless a placement is stored.
    resize(900, 650);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    formState_->Restore();
    ApplyStateAtFirstPaint(this, settings_.State);
}

void TMainForm::BuildTabs() {
    TabC = new FileTabBar(this);
    connect(TabC, &FileTabBar::DocumentChosen, this, &TMainForm::TabClicked);
    connect(TabC->TabCloseItem, &QAction::triggered, this, &TMainForm::CloseActive);
    connect(TabC->TabFullPathItem, &QAction::triggered, this, &TMainForm::ToggleFullPath);
    connect(TabC->TabMenu, &QMenu::aboutToShow, this, [this] {
        TabC->TabFullPathItem->setChecked(settings_.KartaPath);
        TabC->TabCloseItem->setShortcut(FileCloseItem->shortcut());
    });
}

void TMainForm::BuildInspectorPanel() {
    HTMLPanel = new QDockWidget(QStringLiteral("HTML panel"), this);
    HTMLPanel->setObjectName(QStringLiteral("HTMLPanel"));
    // Shown and hidden by the command states only, so it cannot be closed by hand.
    HTMLPanel->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    InspectorPages = new QStackedWidget(HTMLPanel);
    InspectorPages->setObjectName(QStringLiteral("InspectorPages"));
    InspectorPages->setMinimumWidth(180);
    TP = TagCommands->CreateButtonPanel(InspectorPages);
    TP->setObjectName(QStringLiteral("TP"));
    InspectorPages->addWidget(TP);
    Inspector = new TInspectorBridge(*this, InspectorPages, TP);
    HTMLPanel->setWidget(Inspector->DockContent(InspectorPages));
    // The button panel lies along the side the panel is docked at.
    const auto orient = [this](Qt::DockWidgetArea area) {
        const bool across = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
        TP->setOrientation(across ? Qt::Horizontal : Qt::Vertical);
    };
    connect(HTMLPanel, &QDockWidget::dockLocationChanged, this, orient);
    addDockWidget(Qt::LeftDockWidgetArea, HTMLPanel);
    orient(Qt::LeftDockWidgetArea);
    HTMLPanel->hide();
}

void TMainForm::WriteSettings() {
    if (settingsWritten_)
        return;
    settingsWritten_ = true;
    settings_.State = SettingFromWindowState(windowState());
    settings_.SaveInfo = saveForm_->DontShowAgain();
    settings_.Save(store_);
    if (plugins_)
        plugins_->SavePlugins(store_);
    if (formState_)
        formState_->Save();
}

} // namespace zn::app::ui
