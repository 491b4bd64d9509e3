// The main window: start-up files, recent files, Open, tabs, command states, the greeting,
// exit, the hand-off receiver, the editor pop-up menu and dropped files.
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/FileTabBar.h"
#include "app/ui/RecentFilesMenu.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/Prompter.h"
#include "editor/ui/HtmlEditView.h"
#include "tags/ui/TagActions.h"

#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QtTest>

#include "DocumentCaptions.h"
#include "MainFormRun.h"

using namespace zn::app;
using namespace zn::app::ui;
using namespace zn::base;

namespace {

using test::Captions;

QStringList TabTexts(const QTabBar& tabs) {
    QStringList texts;
    for (int i = 0; i < tabs.count(); ++i)
        texts.push_back(tabs.tabText(i));
    return texts;
}

std::vector<std::string> ToStd(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}

/// No argument names a file: the editor starts without documents.
const std::vector<std::string> kNothing{"/no/such/file.html"};

} // namespace

class TestMainForm : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    void Tick() { form_->PeriodicUpdate(); }

private slots:
    void init() { prompter_ = ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    // --- start-up ---

    void startArgumentsNameTheFiles() {
        const QString page = Put(QStringLiteral("My Page.html"));
        const QString a = Put(QStringLiteral("a.html")), b = Put(QStringLiteral("b.html"));
        const std::string gone = File(QStringLiteral("gone.html")).toStdString();
        const struct {
            std::vector<std::string> arguments;
            QStringList opened;
        } cases[] = {
            {{File(QStringLiteral("My")).toStdString(), "Page.html"}, {page}}, // unquoted blank
            {{File(QStringLiteral("nic")).toStdString(), "tu", "není"}, {}},
            {{a.toStdString(), gone, b.toStdString()}, {a, b}}, // later misses skipped silently
            {{"a.html"}, {a}},                                  // relative to the folder
        };
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        for (const auto& c : cases) {
            const QStringList opened = Captions(Start(c.arguments).Documents());
            Stop();
            QCOMPARE(opened, c.opened);
        }
        QDir::setCurrent(before);
        QVERIFY(prompter_.shown.empty());
    }

    void noArgumentsGiveOneUntitledDocumentWithoutTheQuestion() {
        TMainForm& form = Start({});
        QCOMPARE(Captions(form.Documents()), QStringList{QStringLiteral("BezJmena1")});
        QVERIFY(prompter_.shown.empty()); // "Vytvořit HTML strukturu?" was not asked
        QVERIFY(form.HostSettings().AskForStructure);
        // A later New asks again.
        prompter_.answers.push_back(Answer::No);
        form.FileNewItemClick();
        QCOMPARE(prompter_.shown, std::vector<std::string>{"Vytvořit HTML strukturu?"});
        QCOMPARE(Captions(form.Documents()),
                 (QStringList{QStringLiteral("BezJmena1"), QStringLiteral("BezJmena2")}));
    }

    void newDocumentGetsTheHtmlSkeletonOnYes() {
        TMainForm& form = Start(kNothing);
        prompter_.answers.push_back(Answer::Yes);
        TMDIChild* document = form.FileNewItemClick();
        const std::string text = document->EditedText().Model().Text();
        QVERIFY(text.find("<HTML>") != std::string::npos);
        QVERIFY(text.find("<BODY") != std::string::npos);
        QVERIFY(!document->Modified());
    }

    void greetingOnFirstRunAfterUpgradeAndNeverAgain() {
        Start(kNothing, true);
        QCOMPARE(prompter_.shown,
                 std::vector<std::string>{"Děkuji za použití 3.0pre2 Cz freeware"});
        Stop();
        prompter_.shown.clear();
        {
            SettingsStore store(storePath_.toStdString());
            store.WriteString(KVHTMLKey, "Version", "2.1 Cz");
        }
        Start(kNothing, true);
        QCOMPARE(prompter_.shown,
                 std::vector<std::string>{"Děkuji za upgrade z 2.1 Cz na 3.0pre2 Cz freeware"});
        Stop();
        prompter_.shown.clear();
        Start(kNothing, true);
        QVERIFY(prompter_.shown.empty());
    }

    void automaticInsertionFileOpensAtStart() {
        const QString definitions = Put(QStringLiteral("zkratky.chn"), "x");
        {
            SettingsStore store(storePath_.toStdString());
            store.WriteString(KVHTMLKey, AdfOpenValue, definitions.toStdString());
        }
        store_ = std::make_unique<SettingsStore>(storePath_.toStdString());
        QString loaded;
        form_ = std::make_unique<TMainForm>(*store_);
        form_->SetPrompter(&prompter_);
        form_->SetCommandLine(kNothing);
        form_->AutoOpenDefinitions = [&](const QString& name) { loaded = name; };
        form_->show();
        QTRY_VERIFY(form_->FirstShowDone());
        QCOMPARE(loaded, definitions);
    }

    // --- recent files ---

    void eleventhFileDropsTheOldestFromListAndMenu() {
        TMainForm& form = Start(kNothing);
        QVERIFY(!form.Recent->Separator()->isVisible());
        QStringList files;
        for (int i = 1; i <= 11; ++i) {
            files.push_back(Put(QStringLiteral("f%1.html").arg(i)));
            form.OpenFiles({files.back()});
        }
        QStringList newestFirst = files.mid(1);
        std::reverse(newestFirst.begin(), newestFirst.end());
        QCOMPARE(form.Recent->FileNames(), newestFirst);
        QCOMPARE(form.HostSettings().Filesy, ToStd(files.mid(1)));

        // The entries stand between their separator and the one above "&Konec".
        const QList<QAction*> items = form.Menu(MainMenuId::Soubor)->actions();
        const auto at = items.indexOf(form.Recent->Separator());
        QCOMPARE(items.mid(at + 1, 10), form.Recent->Entries());
        QVERIFY(items[at + 11]->isSeparator());
        QCOMPARE(items[at + 12], form.FileExitItem);

        // Reopening a middle entry through its menu item moves it to the top.
        const QString middle = files[5];
        form.CloseAll();
        QAction* entry = form.Recent->Entries()[form.Recent->FileNames().indexOf(middle)];
        entry->trigger();
        QCOMPARE(form.Recent->FileNames().front(), middle);
        QCOMPARE(form.Recent->FileNames().size(), 10);
        QCOMPARE(Captions(form.Documents()), QStringList{middle});
    }

    // --- Open and OpenFile ---

    void openReplacesOnlyAnEmptyUntitledDocument() {
        const QString a = Put(QStringLiteral("a.html"));
        const QString missing = File(QStringLiteral("missing.html"));
        const QString untitled = QStringLiteral("BezJmena1");
        const struct {
            QStringList files;
            const char* typed;
            QStringList result;
        } cases[] = {
            {{a}, "", {a}},
            {{a, missing}, "", {untitled, a}}, // a failure keeps it
            {{a}, "<P>", {untitled, a}},       // so does text in it
        };
        for (const auto& c : cases) {
            TMainForm& form = Start({});
            form.Documents()[0]->EditedText().Model().Type(c.typed);
            form.OpenFiles(c.files);
            const QStringList result = Captions(form.Documents());
            const QStringList recent = form.Recent->FileNames();
            Stop();
            QCOMPARE(result, c.result);
            QCOMPARE(recent, QStringList{a}); // a failed open is not remembered
        }
        QCOMPARE(prompter_.shown.size(), size_t(1));
        QVERIFY(prompter_.shown[0].starts_with("Nelze otevřít soubor "));
    }

    void reopeningAnOpenFileReloadsIt() {
        TMainForm& form = Start(kNothing);
        const QString a = Put(QStringLiteral("a.html"), "old");
        form.OpenFiles({a});
        Put(QStringLiteral("a.html"), "new");
        form.OpenFiles({a});
        QCOMPARE(form.Documents().size(), 1);
        QVERIFY(prompter_.shown.empty());
        QCOMPARE(form.Documents()[0]->EditedText().Model().Text(), std::string("new"));

        // Modified: the question first; No keeps the changes.
        form.Documents()[0]->EditedText().Model().Type("X");
        form.Documents()[0]->UpdateModified();
        Put(QStringLiteral("a.html"), "newer");
        prompter_.answers.push_back(Answer::No);
        form.OpenFile(a);
        QCOMPARE(prompter_.shown,
                 std::vector<std::string>{
                     "Soubor je již otevřen a není uložen!\n\rZtratit jeho změny?"});
        QCOMPARE(form.Documents()[0]->EditedText().Model().Text(), std::string("Xnew"));
        prompter_.answers.push_back(Answer::Yes);
        form.OpenFile(a);
        QCOMPARE(form.Documents()[0]->EditedText().Model().Text(), std::string("newer"));
        QVERIFY(!form.Documents()[0]->Modified());
        QCOMPARE(form.Documents().size(), 1);
    }

    // --- tabs and command states ---

    void tabsAndCommandsFollowTheDocuments() {
        TMainForm& form = Start(kNothing);
        Tick();
        QVERIFY(form.TabC->isHidden() && form.HTMLPanel->isHidden());
        QVERIFY(!form.FileSaveAsItem->isEnabled() && form.FileNewItem->isEnabled());
        QVERIFY(!form.Menu(MainMenuId::Upravy)->menuAction()->isEnabled());

        const QString a = Put(QStringLiteral("one/a.html"));
        const QString b = Put(QStringLiteral("two/b.html"));
        form.OpenFiles({a, b});
        Tick();
        QVERIFY(!form.TabC->isHidden());
        QCOMPARE(TabTexts(*form.TabC), (QStringList{"a.html", "b.html"}));
        QCOMPARE(form.TabC->currentIndex(), 1);
        QVERIFY(form.FileSaveAsItem->isEnabled() && !form.HTMLPanel->isHidden());
        QVERIFY(!form.FileSaveItem->isEnabled() && !form.Saveall1->isEnabled());

        // Modifying the first document: Save follows the active one, Save all any one.
        TMDIChild* first = form.Documents()[0];
        first->EditedText().Model().Type("x");
        first->UpdateModified();
        Tick();
        QVERIFY(!form.FileSaveItem->isEnabled());
        QVERIFY(form.Saveall1->isEnabled());
        form.ActivateDocument(first);
        Tick();
        QCOMPARE(form.TabC->currentIndex(), 0);
        QVERIFY(form.FileSaveItem->isEnabled() && form.Undo1->isEnabled());

        // Selection in the focused editor enables cut and copy.
        QVERIFY(!form.CopyItem->isEnabled());
        first->EditorView().setFocus();
        QApplication::setActiveWindow(&form);
        first->EditedText().Model().Select(0, 1);
        QTRY_VERIFY(first->EditorView().hasFocus());
        Tick();
        QVERIFY(form.CopyItem->isEnabled() && form.CutItem->isEnabled());

        // Closing: its tab goes.
        first->EditedText().Model().SetModified(false);
        first->UpdateModified();
        form.CloseActive();
        Tick();
        QCOMPARE(TabTexts(*form.TabC), QStringList{"b.html"});
        form.CloseAll();
        Tick();
        QVERIFY(form.TabC->isHidden() && form.HTMLPanel->isHidden());
        form.FileNewItemClick();
        form.HostSettings().UseHTMLPanel = false;
        Tick();
        QVERIFY(form.HTMLPanel->isHidden());
    }

    void sameFileNameInTwoFoldersGivesTwoTabs() {
        TMainForm& form = Start(kNothing);
        const QString one = Put(QStringLiteral("one/index.html"), "1");
        const QString two = Put(QStringLiteral("two/index.html"), "2");
        form.OpenFiles({one, two});
        Tick();
        QCOMPARE(TabTexts(*form.TabC), (QStringList{"index.html", "index.html"}));
        QCOMPARE(form.ActiveDocument()->Caption(), two);
        emit form.TabC->tabBarClicked(0);
        QCOMPARE(form.ActiveDocument()->Caption(), one);
        Tick();
        QCOMPARE(form.TabC->currentIndex(), 0);
        // Moving along the tabs with the keyboard changes the current tab only.
        form.TabC->setCurrentIndex(1);
        QCOMPARE(form.ActiveDocument()->Caption(), two);
    }

    void fullPathToggleIsWrittenAtOnce() {
        TMainForm& form = Start(kNothing);
        const QString a = Put(QStringLiteral("a.html"));
        form.OpenFiles({a});
        Tick();
        QCOMPARE(TabTexts(*form.TabC), QStringList{"a.html"});
        form.TabC->TabFullPathItem->trigger();
        QCOMPARE(TabTexts(*form.TabC), QStringList{a});
        QVERIFY(form.HostSettings().KartaPath);
        SettingsStore other(storePath_.toStdString());
        QCOMPARE(other.ReadInteger(KVHTMLKey, "KartaPath"), std::optional<std::int32_t>(1));
        form.TabC->TabFullPathItem->trigger();
        QCOMPARE(other.ReadInteger(KVHTMLKey, "KartaPath"), std::optional<std::int32_t>(0));
        QCOMPARE(TabTexts(*form.TabC), QStringList{"a.html"});
    }

    // --- exit ---

    void cancelInACloseQuestionKeepsEverythingOpen() {
        TMainForm& form = Start(kNothing);
        const QString a = Put(QStringLiteral("a.html"), "a");
        const QString b = Put(QStringLiteral("b.html"), "b");
        form.OpenFiles({a, b});
        for (TMDIChild* document : form.Documents()) {
            document->EditedText().Model().Type("x");
            document->UpdateModified();
        }
        // b is asked first and discarded, a is cancelled: both stay, nothing is lost.
        prompter_.answers = {Answer::No, Answer::Cancel};
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(form.Documents().size(), 2);
        QVERIFY(form.Documents()[1]->Modified());
        QCOMPARE(prompter_.shown.size(), size_t(2));
        QVERIFY(QString::fromStdString(prompter_.shown[0]).contains(b));

        prompter_.answers = {Answer::No, Answer::No};
        QVERIFY(form.close());
        QTRY_VERIFY(form.Documents().isEmpty());
        // The settings are written when the window closes: the recent files are stored.
        SettingsStore other(storePath_.toStdString());
        QCOMPARE(other.ReadStringList(std::string(MainFormKey) + "\\Filesy.Items"),
                 ToStd(QStringList{a, b}));
    }

    void saveAllWritesEveryModifiedDocument() {
        TMainForm& form = Start(kNothing);
        const QString a = Put(QStringLiteral("a.html"), "a");
        const QString b = Put(QStringLiteral("b.html"), "b");
        form.OpenFiles({a, b});
        for (TMDIChild* document : form.Documents()) {
            document->EditedText().Model().Type("x");
            document->UpdateModified();
        }
        form.Saveall1->setEnabled(true);
        form.Saveall1->trigger();
        QFile fa(a), fb(b);
        QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        QCOMPARE(fa.readAll(), QByteArray("xa"));
        QCOMPARE(fb.readAll(), QByteArray("xb"));
        Tick();
        QVERIFY(!form.Saveall1->isEnabled());
    }

    // --- hand-off, browser, pop-up menu, drops, link database ---

    void showInBrowserSavesFirstAndSkipsUntitled() {
        TMainForm& form = Start({});
        QStringList started;
        form.ProgramStarter = [&](const QString& program, const QStringList& arguments) {
            started << program << arguments;
            return true;
        };
        form.SaveNameAsker = [](const QString&, const QString&, int&) { return QString(); };
        Tick();
        form.Showit->trigger(); // Save As cancelled: the document stays untitled
        QVERIFY(started.isEmpty());

        const QString page = File(QStringLiteral("my page.html"));
        form.SaveNameAsker = [&](const QString&, const QString&, int&) { return page; };
        form.HostSettings().HTMLBrowser = "/usr/bin/prohlížeč";
        form.Showit->trigger();
        QCOMPARE(form.ActiveDocument()->Caption(), page);
        QVERIFY(QFile::exists(page));
        QCOMPARE(started, (QStringList{"/usr/bin/prohlížeč", page}));

        started.clear();
        form.HostSettings().HTMLBrowser = "firefox --new-window";
        form.Zobrazitvprohlei1->trigger();
        QCOMPARE(started, (QStringList{"firefox", "--new-window", page}));

        form.ProgramStarter = [](const QString&, const QStringList&) { return false; };
        form.Showit->trigger();
        QCOMPARE(prompter_.shown.back(), std::string("Nelze spustit program firefox --new-window"));
    }

    void editorPopupMenuIsRebuiltFromEditAndFunctionMenus() {
        TMainForm& form = Start({});
        QMenu* popup = form.EditorPopupMenu();
        const QList<QAction*> edit = form.Menu(MainMenuId::Upravy)->actions();
        const QList<QAction*> functions = form.Menu(MainMenuId::Funkce)->actions();
        QList<QAction*> items = popup->actions();
        QCOMPARE(items.size(), edit.size() + 1 + functions.size());
        QCOMPARE(items.mid(0, edit.size()), edit);
        QVERIFY(items[edit.size()]->isSeparator());
        QCOMPARE(items.mid(edit.size() + 1), functions);
        // A command added later appears at the next opening, once.
        form.AddCommand(form.Menu(MainMenuId::Funkce), {"Pokus", "Pokus"}, [] {});
        form.EditorPopupMenu();
        QCOMPARE(form.EditorPopupMenu()->actions().size(), items.size() + 1);
    }

    void droppedFilesOpen() {
        TMainForm& form = Start(kNothing);
        const QString a = Put(QStringLiteral("a.html"));
        const QString enc = Put(QStringLiteral("latin2.ENC"), "ENCODING FILE\r\n");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(enc)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        QVERIFY(enter.isAccepted());
        QStringList installed;
        form.InstallEncodingFile = [&](const QString& name) { installed << name; };
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &drop);
        QCOMPARE(Captions(form.Documents()), QStringList{a});
        QCOMPARE(installed, QStringList{enc});
        QCOMPARE(form.Recent->FileNames(), QStringList{a});
    }

    void linkDatabaseIsFedWhenTheFocusLeavesTheField() {
        TMainForm& form = Start({});
        QApplication::setActiveWindow(&form);
        auto* link = new QComboBox;
        link->setEditable(true);
        form.statusBar()->addWidget(link);
        form.RegisterUrlField(link);
        link->setFocus();
        QTRY_VERIFY(link->hasFocus() || link->lineEdit()->hasFocus());
        link->setEditText(QStringLiteral("obrazky/logo.gif"));
        Tick();
        QVERIFY(form.HostSettings().LinkDatabase.empty());
        QVERIFY(form.FocusedField() != nullptr);
        form.Documents()[0]->EditorView().setFocus();
        QTRY_VERIFY(!link->lineEdit()->hasFocus());
        Tick();
        QCOMPARE(form.HostSettings().LinkDatabase, std::vector<std::string>{"obrazky/logo.gif"});
        Tick();
        QCOMPARE(form.HostSettings().LinkDatabase.size(), size_t(1));
    }

    void clipboardCommandsActOnTheFocusedField() {
        TMainForm& form = Start({});
        QApplication::setActiveWindow(&form);
        auto* field = new QLineEdit;
        form.statusBar()->addWidget(field);
        field->setText(QStringLiteral("žluťoučký"));
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        Tick();
        form.CutItem->trigger();
        QCOMPARE(field->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("žluťoučký"));
        // Paste in the document's control when it has the focus.
        TMDIChild* document = form.Documents()[0];
        document->EditorView().setFocus();
        QTRY_VERIFY(document->EditorView().hasFocus());
        Tick();
        QVERIFY(form.PasteItem->isEnabled());
        form.PasteItem->trigger();
        // Windows-1250 bytes in the document.
        QCOMPARE(document->EditedText().Model().Text(),
                 std::string("\x9e\x6c\x75\x9d\x6f\x75\xe8\x6b\xfd"));
        form.Undo1->setEnabled(true);
        form.Undo1->trigger();
        QCOMPARE(document->EditedText().Model().Length(), 0);
    }

    void printingIsOneJobTitledWithTheCaption() {
        TMainForm& form = Start(kNothing);
        QPrinter printer;
        QVERIFY(!form.PrintActive(printer));
        const QString a = Put(QStringLiteral("tisk.html"), "<P>Tisk</P>");
        form.OpenFiles({a});
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(File(QStringLiteral("tisk.pdf")));
        QVERIFY(form.PrintActive(printer));
        QCOMPARE(printer.docName(), a);
        QFile pdf(File(QStringLiteral("tisk.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
    }

    void tagCommandsActOnTheActiveDocument() {
        TMainForm& form = Start(kNothing);
        Tick();
        QVERIFY(!form.Menu(MainMenuId::Html)->menuAction()->isEnabled());
        form.OpenFiles(
            {Put(QStringLiteral("a.html"), "abc"), Put(QStringLiteral("b.html"), "xyz")});
        Tick();
        QVERIFY(form.Menu(MainMenuId::Html)->menuAction()->isEnabled());
        QCOMPARE(form.InspectorPages->currentWidget(), form.TP);
        TMDIChild* active = form.ActiveDocument();
        active->EditedText().Model().Select(1, 1);
        form.TagCommands->Action(QStringLiteral("Bold1"))->trigger();
        QCOMPARE(active->EditedText().Model().Text(), std::string("x<B>y</B>z"));
        QCOMPARE(form.Documents()[0]->EditedText().Model().Text(), std::string("abc"));
        QCOMPARE(form.DocumentFileName(), File(QStringLiteral("b.html")).toStdString());
    }

    void windowMenuListsTheDocuments() {
        TMainForm& form = Start(kNothing);
        const QString a = Put(QStringLiteral("a.html"));
        const QString b = Put(QStringLiteral("b&c.html"));
        form.OpenFiles({a, b});
        QMenu* menu = form.Menu(MainMenuId::Okno);
        emit menu->aboutToShow();
        QStringList listed;
        QAction* firstItem = nullptr;
        for (QAction* item : menu->actions()) {
            if (item->isCheckable() && item != form.LineNumbersItem) {
                listed << item->text();
                if (!firstItem)
                    firstItem = item;
            }
        }
        QCOMPARE(listed, (QStringList{"&1 " + a, "&2 " + QString(b).replace("&", "&&")}));
        firstItem->trigger();
        QCOMPARE(form.ActiveDocument()->Caption(), a);
        form.WindowMinimizeItem->trigger();
        const QList<QMdiSubWindow*> subs = form.ClientArea->subWindowList();
        QVERIFY(subs[0]->isMinimized() && subs[1]->isMinimized());
        // Arranged along the bottom edge.
        subs[0]->move(100, 20);
        form.WindowArrangeItem->trigger();
        QCOMPARE(subs[0]->geometry().bottom() + 1, form.ClientArea->viewport()->height());
        QCOMPARE(subs[0]->x(), 0);
    }

    void menuPicturesFollowTheSetting() {
        for (const int shown : {0, 1}) {
            {
                SettingsStore seed(storePath_.toStdString());
                seed.WriteInteger(KVHTMLKey, "ShowMenuBitmaps", shown);
            }
            Start(kNothing);
            QCOMPARE(QCoreApplication::testAttribute(Qt::AA_DontShowIconsInMenus), shown == 0);
            Stop();
        }
    }

    void storedShortcutIsRestored() {
        {
            SettingsStore seed(storePath_.toStdString());
            seed.WriteString(MainFormKey, "FileNewItem.ShortCut", "Ctrl+Shift+N");
            seed.WriteString(MainFormKey, "Bold1.ShortCut", "Ctrl+Alt+B");
        }
        TMainForm& form = Start(kNothing);
        QCOMPARE(form.FileNewItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+N")));
        QCOMPARE(form.FileOpenItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        // The tag commands' shortcuts are kept with the window's too.
        QCOMPARE(form.TagCommands->Action(QStringLiteral("Bold1"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Alt+B")));
        // Both keys of a two-key command (Shift+Enter on the keypad too) survive a restart.
        const QList<QKeySequence> breakKeys{QKeySequence(Qt::SHIFT | Qt::Key_Return),
                                            QKeySequence(Qt::SHIFT | Qt::Key_Enter)};
        QCOMPARE(form.TagCommands->Action(QStringLiteral("Break1"))->shortcuts(), breakKeys);
        Stop();
        TMainForm& again = Start(kNothing);
        QCOMPARE(again.TagCommands->Action(QStringLiteral("Break1"))->shortcuts(), breakKeys);
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
