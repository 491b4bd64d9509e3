// A small main window for tests of the tag commands: menus, tool bars, a real document window,
// a Tag Inspector field, and the command context and document host they need.
#pragma once

#include "app/Settings.h"
#include "app/SettingsStore.h"
#include "app/ui/CommandOptions.h"
#include "app/ui/DocumentHost.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TSaveForm.h"
#include "editor/EditorTestUtil.h"
#include "editor/ui/HtmlEditView.h"
#include "editor/ui/TComboBox98.h"
#include "tags/ui/TagActions.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace zn::tags::test {

class TagTestWindow : public QMainWindow, public ui::CommandContext, public app::ui::DocumentHost {
public:
    TagTestWindow() {
        setWindowTitle(QStringLiteral("Značkář – příkazy tagů"));
        settings.AskForStructure = false;
        actions = new ui::TagActions(*this, this);
        htmlMenu = menuBar()->addMenu(QStringLiteral("&HTML"));
        editMenu = menuBar()->addMenu(QStringLiteral("&Úpravy"));
        functionMenu = menuBar()->addMenu(QStringLiteral("&Funkce"));
        pluginMenu = menuBar()->addMenu(QStringLiteral("&Plug-ins"));
        speedPanel = addToolBar(QStringLiteral("SpeedPanel"));
        speedPanel->setObjectName(QStringLiteral("SpeedPanel"));
        speedPanel->setToolButtonStyle(Qt::ToolButtonTextOnly);
        actions->Install(htmlMenu, editMenu, functionMenu, speedPanel, pluginMenu);

        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        tp = actions->CreateButtonPanel(central);
        layout->addWidget(tp);
        titleEdit = new QLineEdit(central);
        titleEdit->setObjectName(QStringLiteral("TitleEdit"));
        layout->addWidget(titleEdit);
        combo = new editor::ui::TComboBox98(central);
        layout->addWidget(combo);
        button = new QPushButton(QStringLiteral("OK"), central);
        layout->addWidget(button);
        document = new app::ui::TMDIChild(*this, central);
        layout->addWidget(document, 1);
        document->CreateNew(QStringLiteral("BezJmena1"));
        view = &document->EditorView();
        setCentralWidget(central);
        resize(900, 560);
    }

    ~TagTestWindow() override {
        // The document window writes its state into the store, which goes before the children.
        delete document;
    }

    // --- the command context ---
    editor::THTMLRichEdit* ActiveEdit() override {
        return hasDocument ? &document->EditedText() : nullptr;
    }
    ui::CommandOptions Options() const override { return app::ui::CommandOptionsOf(settings); }
    base::Prompter& Prompter() override { return prompter; }
    QWidget* ParentWindow() override { return this; }
    editor::THTMLRichEdit* EditOfView(QWidget* widget) override {
        return hasDocument ? CommandContext::EditOfView(widget) : nullptr;
    }
    std::string DocumentFileName() override { return {}; }

    // --- the document host ---
    app::Settings& HostSettings() override { return settings; }
    app::SettingsStore& HostStore() override { return store; }
    base::Prompter& HostPrompter() override { return prompter; }
    app::ui::TSaveForm& SaveForm() override { return saveForm; }
    void AddToRecent(const QString&) override {}
    void OpenFailed() override {}
    QMenu* EditorPopupMenu() override { return nullptr; }
    void NewHtmlStructure(app::ui::TMDIChild&) override { actions->Action("ND1")->trigger(); }
    void BringToFront() override {}
    void DocumentTagChanged(app::ui::TMDIChild&) override {}
    QString AskSaveFileName(QWidget*, const QString&, const QString&, int&) override { return {}; }

    editor::THTMLRichEdit& Edit() { return document->EditedText(); }

    void Load(const std::string& text) { editor::test::LoadWithCaret(Edit(), text); }
    std::string Shown() { return editor::test::TextWithCaret(Edit()); }

    void Trigger(const char* name) { actions->Action(QString::fromUtf8(name))->trigger(); }

    app::Settings settings;
    app::SettingsStore store{":memory:"};
    base::ScriptedPrompter prompter;
    app::ui::TSaveForm saveForm{true};
    bool hasDocument = true;

    ui::TagActions* actions;
    QMenu* htmlMenu;
    QMenu* editMenu;
    QMenu* functionMenu;
    QMenu* pluginMenu;
    QToolBar* speedPanel;
    QToolBar* tp;
    QLineEdit* titleEdit;
    editor::ui::TComboBox98* combo;
    QPushButton* button;
    app::ui::TMDIChild* document;
    editor::ui::HtmlEditView* view;
};

} // namespace zn::tags::test
