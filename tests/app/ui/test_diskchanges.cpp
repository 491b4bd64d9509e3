// Files changed behind the editor's back and files with NUL bytes,
// with real files on disk and the main window.
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/Prompter.h"

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "MainFormRun.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace zn::app;
using namespace zn::app::ui;
using zn::base::Answer;

class TestDiskChanges : public QObject, protected zn::test::MainFormRun {
    Q_OBJECT

    /// Another program writes the file: new content and a clearly newer time.
    void ChangeBehindTheBack(const QString& path, const QByteArray& bytes) {
        Put(QFileInfo(path).fileName(), bytes);
        struct stat info {};
        ::stat(path.toLocal8Bit().constData(), &info);
        timespec times[2] = {{0, UTIME_OMIT}, {info.st_mtim.tv_sec + 10, 0}};
        ::utimensat(AT_FDCWD, path.toLocal8Bit().constData(), times, 0);
    }

    TMDIChild& Open(const QString& path) {
        Start({path.toStdString()});
        QTest::qWait(20); // the activation's own check has run
        prompter_.shown.clear();
        return *form_->ActiveDocument();
    }

private slots:
    void init() { prompter_ = zn::base::ScriptedPrompter(); }
    void cleanup() { StopAndForget(); }

    void nulBytesAreNotedInTheStatusBar() {
        const QString path = Put(QStringLiteral("pic.html"), QByteArray("GIF89a\0\0\1", 9));
        TMDIChild& document = Open(path);
        auto* bar = document.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        QVERIFY(bar->currentMessage().contains(QStringLiteral("nulové bajty")));
        QVERIFY(prompter_.shown.empty()); // a notice, not a question
    }

    void changedFileIsReloadedOnActivationAfterAsking() {
        const QString path = Put(QStringLiteral("page.html"), "old");
        TMDIChild& document = Open(path);
        ChangeBehindTheBack(path, "new from elsewhere");
        prompter_.answers.push_back(Answer::Yes);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form_.get(), &activate);
        QTRY_COMPARE(prompter_.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompter_.shown[0]).contains(path));
        QTRY_COMPARE(document.EditedText().Model().Text(), std::string("new from elsewhere"));
        // One question per change.
        document.CheckDiskChange();
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
    }

    void declinedReloadIsNotAskedAgainButTheSaveAsks() {
        const QString path = Put(QStringLiteral("keep.html"), "old");
        TMDIChild& document = Open(path);
        document.EditedText().InsertText("mine ");
        ChangeBehindTheBack(path, "theirs");
        prompter_.answers = {Answer::No};
        document.CheckDiskChange();
        document.CheckDiskChange();
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
        QCOMPARE(document.EditedText().Model().Text(), std::string("mine old"));
        prompter_.answers = {Answer::No}; // "změněn jiným programem. Přesto ho přepsat?" -> No
        QVERIFY(!document.Save(false));
        QCOMPARE(Read(path), QByteArray("theirs"));
        QVERIFY(document.Modified());
        prompter_.answers = {Answer::Yes};
        QVERIFY(document.Save(false));
        QCOMPARE(Read(path), QByteArray("mine old"));
        // Its own save is no change behind its back.
        QVERIFY(document.Save(false));
        QCOMPARE(prompter_.shown.size(), std::size_t(3));
    }

    void deletedFileIsToldAndTheTextKept() {
        const QString path = Put(QStringLiteral("gone.html"), "text");
        TMDIChild& document = Open(path);
        QFile::remove(path);
        document.CheckDiskChange();
        QCOMPARE(prompter_.shown.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompter_.shown[0]).contains(QStringLiteral("smazán")));
        QVERIFY(document.Modified());
        QCOMPARE(document.EditedText().Model().Text(), std::string("text"));
    }
};

QTEST_MAIN(TestDiskChanges)
#include "test_diskchanges.moc"
