// Crash recovery with real processes: the editor is started, typed into and killed with
// SIGKILL; the next start offers the journal and reopens the text byte for byte, as modified,
// under its own name. Also: journals go on save and on close, and "Zahodit" deletes them.
#include "app/RecoveryJournal.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/DocumentJournal.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/FileIO.h"
#include "base/Prompter.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "MainFormRun.h"

using namespace zn::app;
using namespace zn::app::ui;

class TestRecovery : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    QString state_;

    /// Journal files (not the session locks) under the state folder.
    QStringList Journals() const {
        QStringList found;
        QDirIterator it(state_, {QStringLiteral("*.journal")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        return found;
    }

    std::optional<JournalEntry> JournalOf(const QString& name) const {
        for (const QString& file : Journals()) {
            std::string bytes;
            zn::base::ReadDocumentFile(file.toStdString(), bytes);
            auto entry = DecodeJournal(bytes);
            if (entry && entry->Name == name.toStdString())
                return entry;
        }
        return std::nullopt;
    }

    /// An editor in this process, as the next start after a crash; `restore` answers the
    /// recovery question.
    TMainForm& Start(const std::vector<std::string>& arguments, bool restore) {
        return MainFormRun::Start(arguments, false, [restore](TMainForm& form) {
            form.findChild<DocumentJournal*>()->RecoveryAsker = [restore](const QStringList&) {
                return restore;
            };
        });
    }

    DocumentJournal& Journal() { return *form_->findChild<DocumentJournal*>(); }

private slots:
    void init() {
        state_ = dir_.filePath(QStringLiteral("state"));
        qputenv("ZNACKAR_STATE_DIR", state_.toLocal8Bit());
        prompter_ = zn::base::ScriptedPrompter();
    }
    void cleanup() {
        StopAndForget();
        QDir(state_).removeRecursively();
    }

    void killedEditorIsRecoveredByteForByte() {
        const QByteArray original("<HTML>\r\n<BODY>Ahoj</BODY>\r\n</HTML>\r\n");
        const QString page = Put(QStringLiteral("page.html"), original);
        const QString typed = QStringLiteral("psano pred padem ");
        const QString config = dir_.filePath(QStringLiteral("editor-cfg"));
        SeedSettings(config + QStringLiteral("/settings.sqlite"));

        QProcess editor;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZNACKAR_CONFIG_DIR"), config);
        env.insert(QStringLiteral("ZNACKAR_STATE_DIR"), state_);
        env.insert(QStringLiteral("ZNACKAR_TEST_TYPE"), typed);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        editor.setProcessEnvironment(env);
        editor.start(QStringLiteral(ZN_APP_BINARY), {page});
        QVERIFY(editor.waitForStarted());
        const std::string expected = (typed.toLatin1() + original).toStdString();
        // The journal is at most a few seconds behind the typing.
        QTRY_VERIFY_WITH_TIMEOUT(JournalOf(page) && JournalOf(page)->Text == expected, 30000);
        editor.kill(); // SIGKILL: nothing is cleaned up
        QVERIFY(editor.waitForFinished());
        QCOMPARE(editor.exitStatus(), QProcess::CrashExit);

        TMainForm& form = Start({}, true);
        TMDIChild* recovered = nullptr;
        for (TMDIChild* document : form.Documents()) {
            if (document->Caption() == page)
                recovered = document;
        }
        QVERIFY(recovered);
        QCOMPARE(recovered->EditedText().Model().Text(), expected);
        QVERIFY(recovered->Modified());
        QCOMPARE(recovered->StatusPanel(1), QStringLiteral("změna"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original); // nothing written behind the user's back
        // The old session's journal is gone; the recovered text is journalled anew.
        Journal().Flush();
        QCOMPARE(Journals().size(), 1);
        QVERIFY(recovered->Save(false));
        Journal().Flush();
        QVERIFY(Journals().isEmpty());
    }

    void untitledDocumentIsRecoveredUnderItsCaption() {
        {
            RecoveryJournal crashed(state_.toStdString());
            JournalEntry entry;
            entry.Name = "BezJmena3";
            entry.Untitled = true;
            entry.Text = "nový text\r\n";
            crashed.Write(1, entry);
            crashed.Flush();
            // Destroying the journal keeps a journal that was not removed, as after a crash.
        }
        TMainForm& form = Start({}, true);
        QStringList captions;
        for (TMDIChild* document : form.Documents()) {
            captions << document->Caption();
            if (document->Caption() == QStringLiteral("BezJmena3")) {
                QCOMPARE(document->EditedText().Model().Text(), std::string("nový text\r\n"));
                QVERIFY(document->Modified());
            }
        }
        QVERIFY(captions.contains(QStringLiteral("BezJmena3")));
    }

    void discardedJournalsAreDeleted() {
        {
            RecoveryJournal crashed(state_.toStdString());
            crashed.Write(1, JournalEntry{"/nowhere/page.html", false, "x"});
            crashed.Flush();
        }
        TMainForm& form = Start({}, false);
        for (TMDIChild* document : form.Documents())
            QVERIFY(document->Caption() != QStringLiteral("/nowhere/page.html"));
        QVERIFY(Journals().isEmpty());
    }

    void journalGoesWhenTheDocumentIsClosedWithoutChanges() {
        const QString page = Put(QStringLiteral("close.html"), "abc");
        TMainForm& form = Start({page.toStdString()}, true);
        TMDIChild* document = form.ActiveDocument();
        document->EditedText().InsertText("x");
        Journal().Tick();
        Journal().Flush();
        QVERIFY(JournalOf(page));
        prompter_.answers.push_back(zn::base::Answer::No); // "není uložen - uložit?" -> No
        form.CloseActive();
        QTRY_VERIFY(form.Documents().isEmpty());
        QTRY_VERIFY(Journals().isEmpty()); // once the window is deleted
        QVERIFY(QFile::exists(page));
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
