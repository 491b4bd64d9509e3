// Editing comforts of the main window: "Znovu", "Přejít na řádek...", the "*" of a modified
// document, the remembered line-number switch and a folder named on the command line.
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/FileTabBar.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/Prompter.h"
#include "editor/ui/HtmlEditView.h"

#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include "MainFormRun.h"

using namespace zn::app;
using namespace zn::app::ui;
using namespace zn::base;

class TestMainComforts : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

private slots:
    void init() { prompter_ = ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    void redoAfterUndo() {
        const QString page = Put(QStringLiteral("a.html"), "abc");
        TMainForm& form = Start({page.toStdString()});
        zn::editor::TextModel& model = form.ActiveDocument()->EditedText().Model();
        model.SetCaret(3);
        model.Type("d");
        form.PeriodicUpdate(); // "Zpět" is enabled by the timer
        form.Undo1->trigger();
        QCOMPARE(model.Text(), std::string("abc"));
        form.Redo1->trigger();
        QCOMPARE(model.Text(), std::string("abcd"));
        form.Redo1->trigger(); // nothing more to redo: nothing happens
        QCOMPARE(model.Text(), std::string("abcd"));
    }

    void goToLineMovesTheCaretOrSaysWhy() {
        const QString page = Put(QStringLiteral("b.html"), "one\r\ntwo\r\nthree");
        TMainForm& form = Start({page.toStdString()});
        zn::editor::TextModel& model = form.ActiveDocument()->EditedText().Model();
        prompter_.inputs = {std::string("3"), std::string("4"), std::string("x")};
        form.GoToLineItem->trigger();
        QCOMPARE(model.Sel().caret, zn::editor::Position(10));
        prompter_.shown.clear();
        form.GoToLineItem->trigger();
        form.GoToLineItem->trigger();
        QCOMPARE(model.Sel().caret, zn::editor::Position(10));
        QCOMPARE(prompter_.shown.size(), std::size_t(4)); // two questions, two messages
        QVERIFY(QString::fromStdString(prompter_.shown[1]).contains(QStringLiteral("3 řádků")));
    }

    void modifiedDocumentShowsAStar() {
        const QString page = Put(QStringLiteral("c.html"), "abc");
        TMainForm& form = Start({page.toStdString()});
        TMDIChild* document = form.ActiveDocument();
        auto* sub = qobject_cast<QMdiSubWindow*>(document->parentWidget());
        QVERIFY(sub);
        document->EditedText().Model().Type("x");
        form.PeriodicUpdate();
        QVERIFY(form.TabC->tabText(0).endsWith(QStringLiteral(" *")));
        QVERIFY(sub->isWindowModified());
        // Undo back to the saved text takes the star and the question away again.
        document->EditorView().undo();
        form.PeriodicUpdate();
        QVERIFY(!document->Modified());
        QVERIFY(!form.TabC->tabText(0).endsWith(QStringLiteral("*")));
        QVERIFY(!sub->isWindowModified());
    }

    void lineNumbersSwitchIsRemembered() {
        const QString page = Put(QStringLiteral("d.html"), "abc");
        TMainForm& form = Start({page.toStdString()});
        QVERIFY(form.LineNumbersItem->isChecked());
        QVERIFY(form.ActiveDocument()->EditorView().lineNumbers());
        form.LineNumbersItem->trigger();
        QVERIFY(!form.ActiveDocument()->EditorView().lineNumbers());
        Stop();
        TMainForm& again = Start({page.toStdString()});
        QVERIFY(!again.LineNumbersItem->isChecked());
        QVERIFY(!again.ActiveDocument()->EditorView().lineNumbers());
    }

    void folderOnTheCommandLineIsReported() {
        TMainForm& form = Start({dir_.path().toStdString()});
        QVERIFY(form.Documents().isEmpty());
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
        const QString message = QString::fromStdString(prompter_.shown[0]);
        QVERIFY(message.contains(QStringLiteral("Nelze otevřít soubor")));
        QVERIFY(message.contains(QStringLiteral("Je to složka")));
    }
};

QTEST_MAIN(TestMainComforts)
#include "test_maincomforts.moc"
