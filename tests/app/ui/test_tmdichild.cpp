// The document window: loading, saving with its questions, read-only files, preview files,
// closing.
#include "app/DocumentFile.h"
#include "app/Settings.h"
#include "app/SettingsStore.h"
#include "app/ui/DocumentHost.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TSaveForm.h"
#include "base/FileIO.h"
#include "base/Prompter.h"
#include "editor/ui/HtmlEditView.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <sys/stat.h>
#include <unistd.h>

using namespace zn::app;
using namespace zn::app::ui;
using namespace zn::base;

namespace {

/// A main window stand-in: scripted answers and save names, and a record of what it was told.
class TestHost : public DocumentHost {
public:
    Settings settings;
    SettingsStore store{":memory:"};
    ScriptedPrompter prompter;
    TSaveForm saveForm{true};
    std::deque<std::pair<QString, int>> saveNames; ///< name and filter the user picks
    QStringList recent;
    int openFailures = 0;
    int structures = 0;

    Settings& HostSettings() override { return settings; }
    SettingsStore& HostStore() override { return store; }
    Prompter& HostPrompter() override { return prompter; }
    TSaveForm& SaveForm() override { return saveForm; }
    void AddToRecent(const QString& name) override { recent << name; }
    void OpenFailed() override { ++openFailures; }
    QMenu* EditorPopupMenu() override { return nullptr; }
    void NewHtmlStructure(TMDIChild& document) override {
        ++structures;
        document.InsertText("<HTML></HTML>");
    }
    void BringToFront() override {}
    void DocumentTagChanged(TMDIChild&) override {}
    QString AskSaveFileName(QWidget*, const QString&, const QString&, int& filter) override {
        if (saveNames.empty()) {
            return {};
        }
        auto [name, index] = saveNames.front();
        saveNames.pop_front();
        filter = index;
        return name;
    }
};

QByteArray Slurp(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

QStringList PreviewFilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("kvhtml*.html")}, QDir::Files);
}

} // namespace

class TestTMDIChild : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<TestHost> host_;
    QPointer<TMDIChild> doc_;

    QString File(const char* name) { return dir_.filePath(QString::fromLatin1(name)); }
    TMDIChild& Open(const QString& path) {
        doc_ = new TMDIChild(*host_);
        doc_->resize(600, 400);
        [&] { QVERIFY(doc_->Open(path)); }();
        return *doc_;
    }
    void Type(const char* text) { doc_->EditedText().Model().Type(text); }

private slots:
    void init() {
        host_ = std::make_unique<TestHost>();
        QVERIFY(dir_.isValid());
    }
    void cleanup() {
        if (doc_) {
            doc_->EditedText().Model().SetModified(false);
            doc_->UpdateModified();
            delete doc_;
        }
        host_.reset();
        for (const QString& f : QDir(dir_.path()).entryList(QDir::Files)) {
            QFile(dir_.filePath(f)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            QFile::remove(dir_.filePath(f));
        }
    }

    void roundTripsByteForByte_data() {
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<bool>("unix");
        QTest::addColumn<QByteArray>("out");
        const QByteArray odd("<p>\0\x81\xFF\xE8</p>", 11);
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << false << QByteArray("a\r\nb\r\n");
        // A file whose line ends are all LF is written back with LF.
        QTest::newRow("lf") << QByteArray("a\nb") << false << QByteArray("a\nb\n");
        QTest::newRow("unix") << QByteArray("a\r\nb\nc") << true << QByteArray("a\nb\nc\n");
        QTest::newRow("bytes unix") << odd << true << odd + "\n";
        // UTF-8 pages: with a byte-order mark, declared, and with broken sequences kept.
        const QByteArray czech("<p>\xC5\x99\xC3\xA1"
                               "d \xE2\x82\xAC</p>\r\n");
        QTest::newRow("utf-8 bom") << "\xEF\xBB\xBF" + czech << false << "\xEF\xBB\xBF" + czech;
        QTest::newRow("utf-8") << czech << false << czech;
        const QByteArray broken("<meta charset=utf-8>\xC5 \x99\xE2\x82\r\n\xC5\x99");
        QTest::newRow("utf-8 broken") << broken << false << broken;
    }
    void roundTripsByteForByte() {
        QFETCH(QByteArray, in);
        QFETCH(bool, unix);
        QFETCH(QByteArray, out);
        const QString path = File("page.html");
        Put(path, in);
        host_->settings.UnixFormat = unix;
        TMDIChild& doc = Open(path);
        QCOMPARE(doc.Caption(), path);
        QVERIFY(!doc.Modified());
        QCOMPARE(doc.StatusPanel(3), QString(QTest::currentDataTag()).startsWith("utf-8")
                                         ? QStringLiteral("UTF-8")
                                         : QStringLiteral("Windows-1250"));
        QVERIFY(doc.Save(false));
        QCOMPARE(Slurp(path), out);
        QCOMPARE(host_->recent, QStringList{path});
    }

    void missingFileTellsTheHost() {
        doc_ = new TMDIChild(*host_);
        QVERIFY(!doc_->Open(File("missing.html")));
        QCOMPARE(host_->openFailures, 1);
        QCOMPARE(host_->prompter.shown.size(), size_t(1));
        QVERIFY(QString::fromStdString(host_->prompter.shown[0])
                    .startsWith(QStringLiteral("Nelze otevřít soubor ") + File("missing.html")));
        QVERIFY(!doc_->Open(dir_.path())); // a folder
        QCOMPARE(host_->openFailures, 2);
    }

    void saveAsExtensionRules() {
        doc_ = new TMDIChild(*host_);
        doc_->CreateNew(QStringLiteral("BezJmena1"));
        Type("<p>");
        host_->saveNames.push_back({File("index"), 3});
        QVERIFY(doc_->Save(false)); // an untitled document goes to Save As
        QCOMPARE(doc_->Caption(), File("index.htm"));
        QCOMPARE(Slurp(File("index.htm")), QByteArray("<p>"));
        QCOMPARE(QString::fromStdString(host_->settings.defstore), dir_.path());
        QVERIFY(!doc_->Save(true)); // the dialog cancelled
        QCOMPARE(doc_->Caption(), File("index.htm"));
    }

    void overwriteQuestionAnswers() {
        Put(File("taken.html"), "old");
        doc_ = new TMDIChild(*host_);
        doc_->CreateNew(QStringLiteral("BezJmena1"));
        Type("new");
        // Cancel: nothing written, still untitled and modified.
        host_->saveNames.push_back({File("taken.html"), 2});
        host_->prompter.answers = {Answer::Cancel};
        QVERIFY(!doc_->Save(true));
        QCOMPARE(Slurp(File("taken.html")), QByteArray("old"));
        QVERIFY(doc_->Modified());
        // No: the dialog comes again; the second name is new.
        host_->saveNames.push_back({File("taken.html"), 2});
        host_->saveNames.push_back({File("other.html"), 2});
        host_->prompter.answers = {Answer::No};
        QVERIFY(doc_->Save(true));
        QCOMPARE(Slurp(File("taken.html")), QByteArray("old"));
        QCOMPARE(Slurp(File("other.html")), QByteArray("new"));
        // Yes: overwritten.
        host_->saveNames.push_back({File("taken.html"), 2});
        host_->prompter.answers = {Answer::Yes};
        QVERIFY(doc_->Save(true));
        QCOMPARE(Slurp(File("taken.html")), QByteArray("new"));
        QCOMPARE(doc_->Caption(), File("taken.html"));
        QVERIFY(!doc_->Modified());
    }

    void readOnlyFileStaysReadOnly() {
        const QString path = File("ro.html");
        Put(path, "old");
        QVERIFY(SetReadOnly(path.toStdString(), true));
        TMDIChild& doc = Open(path);
        Type("x");
        host_->prompter.answers = {Answer::No};
        QVERIFY(!doc.Save(false));
        QCOMPARE(Slurp(path), QByteArray("old"));
        QVERIFY(IsReadOnly(path.toStdString()));
        QVERIFY(doc.Modified());
        host_->prompter.answers = {Answer::Yes};
        QVERIFY(doc.Save(false));
        QCOMPARE(Slurp(path), QByteArray("xold"));
        QVERIFY(IsReadOnly(path.toStdString()));
        QVERIFY(QString::fromStdString(host_->prompter.shown.back())
                    .startsWith(QStringLiteral("Skutečně zapsat změny do souboru ")));
    }

    void failedWriteKeepsTheOldFileAndTheChanges() {
        const QString folder = File("sub");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/page.html");
        Put(path, "old contents");
        TMDIChild& doc = Open(path);
        Type("new ");
        if (::geteuid() == 0) {
            // Root writes into read-only folders: the folder turns into a plain file instead.
            QVERIFY(QDir(folder).removeRecursively());
            Put(folder, "not a folder");
        } else {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        QVERIFY(!doc.Save(false));
        QVERIFY(doc.Modified());
        QVERIFY(QString::fromStdString(host_->prompter.shown.back())
                    .startsWith(QStringLiteral("Nelze zapsat soubor ") + path));
        if (::geteuid() != 0) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(Slurp(path), QByteArray("old contents"));
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
        } else {
            QFile::remove(folder);
        }
    }

    void previewFileLife() {
        const QString path = File("prev.html");
        Put(path, "<p>x</p>");
        TMDIChild& doc = Open(path);
        doc.ShowPage(1);
        QCOMPARE(doc.PreviewFiles().size(), 1);
        QVERIFY(doc.PreviewFiles()[0].startsWith(dir_.path() + QStringLiteral("/kvhtml")));
        doc.RefreshPreview();
        QCOMPARE(PreviewFilesIn(dir_.path()).size(), 1); // the older one went
        doc.ShowPage(0);
        doc.RefreshPreview(); // nothing on the source page
        doc.ShowPage(1);
        QCOMPARE(PreviewFilesIn(dir_.path()).size(), 1);
        QCOMPARE(Slurp(doc.PreviewFiles()[0]), QByteArray("<p>x</p>"));
        QVERIFY(doc.QueryClose());
        QCOMPARE(PreviewFilesIn(dir_.path()).size(), 0);
    }

    void previewOfAReadOnlyFileShowsTheStoredFile() {
        const QString path = File("ro-preview.html");
        Put(path, "stored");
        SetReadOnly(path.toStdString(), true);
        TMDIChild& doc = Open(path);
        Type("unsaved ");
        doc.ShowPage(1);
        QVERIFY(doc.PreviewFiles().isEmpty());
        QCOMPARE(PreviewFilesIn(dir_.path()).size(), 0);
        QCOMPARE(Slurp(path), QByteArray("stored"));
    }

    void closeQuestionAnswers() {
        Put(File("close.html"), "x");
        TMDIChild& doc = Open(File("close.html"));
        Type("y");
        host_->prompter.answers = {Answer::Cancel};
        QVERIFY(!doc.QueryClose());
        host_->prompter.answers = {Answer::No};
        QVERIFY(doc.QueryClose());
        QCOMPARE(Slurp(File("close.html")), QByteArray("x"));
        host_->prompter.answers = {Answer::Yes};
        QVERIFY(doc.QueryClose());
        QCOMPARE(Slurp(File("close.html")), QByteArray("yx"));
        QCOMPARE(QString::fromStdString(host_->prompter.shown[0]),
                 QStringLiteral("Soubor ") + File("close.html") +
                     QStringLiteral(" není uložen - uložit?"));
        // Yes on an untitled document whose Save As is cancelled keeps the window open.
        TMDIChild untitled(*host_);
        untitled.CreateNew(QStringLiteral("BezJmena3"));
        untitled.EditedText().Model().Type("z");
        host_->prompter.answers = {Answer::Yes};
        QVERIFY(!untitled.QueryClose());
        untitled.EditedText().Model().SetModified(false);
        untitled.UpdateModified();
    }
};

QTEST_MAIN(TestTMDIChild)
#include "test_tmdichild.moc"
