// The main window: start-up files, recent files, Open, tabs, command states, the greeting,
// exit, the browser, dropped files and the focused field.
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

    void greetingOnFirstRunAndAfterUpgrade() {
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
    }

    // --- recent files ---

    void recentFilesMenuReopensAnEntry() {
        TMainForm& form = Start(kNothing);
        QStringList files;
        for (int i = 1; i <= 3; ++i) {
            files.push_back(Put(QStringLiteral("f%1.html").arg(i)));
            form.OpenFiles({files.back()});
        }
        QCOMPARE(form.Recent->FileNames(), (QStringList{files[2], files[1], files[0]}));
        QCOMPARE(form.HostSettings().Filesy, ToStd(files));

        // Reopening a middle entry through its menu item moves it to the top.
        const QString middle = files[1];
        form.CloseAll();
        form.Recent->Entries()[1]->trigger();
        QCOMPARE(form.Recent->FileNames(), (QStringList{middle, files[2], files[0]}));
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
        form.OpenFiles({Put(QStringLiteral("one/a.html")), Put(QStringLiteral("two/b.html"))});
        Tick();
        QCOMPARE(TabTexts(*form.TabC), (QStringList{"a.html", "b.html"}));
        QCOMPARE(form.TabC->currentIndex(), 1);
        QVERIFY(form.FileSaveAsItem->isEnabled() && !form.HTMLPanel->isHidden());
        QVERIFY(!form.FileSaveItem->isEnabled() && !form.Saveall1->isEnabled());

        // Modifying the first document: Save follows the active one, Save all any one.
        TMDIChild* first = form.Documents()[0];
        first->EditedText().Model().Type("x");
        first->UpdateModified();
        Tick();
        QVERIFY(!form.FileSaveItem->isEnabled() && form.Saveall1->isEnabled());
        form.ActivateDocument(first);
        Tick();
        QCOMPARE(form.TabC->currentIndex(), 0);
        QVERIFY(form.FileSaveItem->isEnabled() && form.Undo1->isEnabled());

        // Closing: its tab goes.
        first->EditedText().Model().SetModified(false);
        first->UpdateModified();
        form.CloseActive();
        Tick();
        QCOMPARE(TabTexts(*form.TabC), QStringList{"b.html"});
        form.CloseAll();
        Tick();
        QVERIFY(form.TabC->isHidden() && form.HTMLPanel->isHidden());
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
