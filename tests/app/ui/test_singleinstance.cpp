// One editor per user: a second start of the real program hands its files to the running
// editor; a killed editor leaves no hang, a frozen one a clear failure, and two starts at the
// same moment never both become the running editor.
#include "app/HandOff.h"
#include "app/InstanceLock.h"
#include "app/InstanceSocket.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TTMessager.h"
#include "base/Prompter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "DocumentCaptions.h"

#include <csignal>

using namespace zn::app;
using namespace zn::app::ui;
using namespace zn::base;

namespace {

using test::Captions;

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString config_;
    QString serverName_;
    ScriptedPrompter prompter_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<TMainForm> form_;
    std::unique_ptr<TTMessager> marker_;
    std::vector<std::unique_ptr<QProcess>> editors_;

    QString Put(const QString& name) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("<HTML></HTML>");
        return path;
    }

    std::string StorePath() const {
        return (config_ + QStringLiteral("/settings.sqlite")).toStdString();
    }

    /// Starts the real editor on the test's settings folder, without a screen.
    QProcess& Launch(const QStringList& arguments) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZNACKAR_CONFIG_DIR"), config_);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(dir_.path());
        process->start(QStringLiteral(ZN_APP_BINARY), arguments);
        process->waitForStarted();
        editors_.push_back(std::move(process));
        return *editors_.back();
    }

    /// Whether an editor listens under the folder's name now.
    bool Answers() const {
        QLocalSocket socket;
        socket.setServerName(serverName_);
        socket.connectToServer();
        return socket.waitForConnected(500);
    }

    /// This test process is the running editor.
    TMainForm& RunHere() {
        store_ = std::make_unique<SettingsStore>(StorePath());
        form_ = std::make_unique<TMainForm>(*store_);
        form_->SetPrompter(&prompter_);
        form_->SetCommandLine({"/no/such/file.html"});
        form_->show();
        [&] { QTRY_VERIFY(form_->FirstShowDone()); }();
        marker_ = std::make_unique<TTMessager>(serverName_);
        [&] { QVERIFY(marker_->Listen()); }();
        marker_->OnHandOff = [this] { form_->ReceiveHandOff(); };
        return *form_;
    }

    static bool Finished(const QProcess& process) {
        return process.state() == QProcess::NotRunning;
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        static int run = 0;
        config_ = dir_.filePath(QStringLiteral("config%1").arg(++run));
        QDir().mkpath(config_);
        serverName_ = QString::fromStdString(MessagerSocketPath(config_.toStdString()));
        prompter_ = ScriptedPrompter();
        // No greeting and no information dialog in the editors started here.
        SettingsStore seed(StorePath());
        seed.WriteInteger(KVHTMLKey, "SaveInfo", 1);
        seed.WriteString(KVHTMLKey, "Version", VersionText);
    }

    void cleanup() {
        for (auto& process : editors_) {
            ::kill(static_cast<pid_t>(process->processId()), SIGCONT);
            process->kill();
            process->waitForFinished(5000);
        }
        editors_.clear();
        marker_.reset();
        form_.reset();
        store_.reset();
    }

    void secondStartHandsThreeFilesInOrder() {
        TMainForm& form = RunHere();
        const QString a = Put(QStringLiteral("a.html"));
        const QString b = Put(QStringLiteral("b c.html"));
        const QString c = Put(QStringLiteral("c.html"));
        const QString missing = dir_.filePath(QStringLiteral("chybí.html"));
        // "c.html" is relative to the second start's folder; the running editor reports the
        // missing file.
        QProcess& second = Launch({a, b, QStringLiteral("c.html"), missing});
        QTRY_VERIFY_WITH_TIMEOUT(Finished(second), 20000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(Captions(form.Documents()), (QStringList{a, b, c}));
        QCOMPARE(store_->ValueCount(ToOpenKey), 0);
        QTRY_COMPARE(prompter_.shown.size(), size_t(1));
        QVERIFY(QString::fromStdString(prompter_.shown[0])
                    .startsWith(QStringLiteral("Nelze otevřít soubor ") + missing));
    }

    void secondStartWithoutArgumentsOnlyRaisesTheWindow() {
        TMainForm& form = RunHere();
        form.showMinimized();
        QVERIFY(form.isMinimized());
        QProcess& second = Launch({});
        QTRY_VERIFY_WITH_TIMEOUT(Finished(second), 20000);
        QCOMPARE(second.exitCode(), 0);
        QTRY_VERIFY(!form.isMinimized());
        QVERIFY(form.Documents().isEmpty());
        QCOMPARE(store_->ValueCount(ToOpenKey), 0);
    }

    void killedEditorLeavesNoHang() {
        QProcess& first = Launch({});
        QTRY_VERIFY_WITH_TIMEOUT(Answers(), 20000);
        first.kill();
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(!Answers());

        const QString a = Put(QStringLiteral("a.html"));
        QProcess& next = Launch({a});
        // It becomes the running editor itself instead of waiting for the dead one.
        QTRY_VERIFY_WITH_TIMEOUT(Answers(), 20000);
        QVERIFY(!Finished(next));
        QCOMPARE(HandOffToRunningInstance(serverName_, {}, 5000), HandOffResult::Delivered);
        SettingsStore store(StorePath());
        QCOMPARE(store.ValueCount(ToOpenKey), 0);
    }

    void frozenEditorEndsTheSecondStartAfterTenSeconds() {
        QProcess& first = Launch({});
        QTRY_VERIFY_WITH_TIMEOUT(Answers(), 20000);
        // Frozen while it runs its window, not in the middle of starting.
        QCOMPARE(HandOffToRunningInstance(serverName_, {}, 20000), HandOffResult::Delivered);
        ::kill(static_cast<pid_t>(first.processId()), SIGSTOP);

        const QString a = Put(QStringLiteral("a.html"));
        QElapsedTimer clock;
        clock.start();
        QProcess& second = Launch({a});
        QVERIFY(second.waitForFinished(25000));
        const qint64 elapsed = clock.elapsed();
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QVERIFY(second.exitCode() != 0);
        QVERIFY2(elapsed >= 9500 && elapsed < 18000, QByteArray::number(elapsed).constData());
        QVERIFY(QString::fromLocal8Bit(second.readAllStandardError())
                    .contains(QStringLiteral("neodpověděl do 10 sekund")));
        // Nothing is left to be opened when the frozen editor wakes up.
        SettingsStore store(StorePath());
        QCOMPARE(store.ValueCount(ToOpenKey), 0);
    }

    void editorHoldingTheStoreDoesNotStretchTheTimeLimit() {
        // This process plays an editor that froze in the middle of a change of the settings.
        TTMessager frozen(serverName_);
        QVERIFY(frozen.Listen());
        SettingsStore holder(StorePath());
        SettingsStore::Transaction change(holder);
        QVERIFY(holder.WriteString(KVHTMLKey, "Rozepsáno", "ano"));

        QElapsedTimer clock;
        clock.start();
        QProcess& second = Launch({Put(QStringLiteral("a.html"))});
        QVERIFY(second.waitForFinished(30000)); // no events: the marker never answers
        const qint64 elapsed = clock.elapsed();
        QVERIFY(second.exitCode() != 0);
        QVERIFY2(elapsed >= 9500 && elapsed < 18000, QByteArray::number(elapsed).constData());
    }

    void simultaneousStartsNeverBothRun() {
        for (int round = 0; round < 2; ++round) {
            const QString a = Put(QStringLiteral("a%1.html").arg(round));
            const QString b = Put(QStringLiteral("b%1.html").arg(round));
            QProcess& one = Launch({a});
            QProcess& two = Launch({b});
            QTRY_VERIFY_WITH_TIMEOUT(Finished(one) || Finished(two), 20000);
            QProcess& handedOver = Finished(one) ? one : two;
            QProcess& running = Finished(one) ? two : one;
            QCOMPARE(handedOver.exitCode(), 0);
            QTest::qWait(300);
            QVERIFY(!Finished(running));
            QVERIFY(Answers());
            SettingsStore store(StorePath());
            QCOMPARE(store.ValueCount(ToOpenKey), 0);
            running.kill();
            QVERIFY(running.waitForFinished(5000));
        }
    }

    void editorEndedBySigtermWritesItsSettings() {
        const QString a = Put(QStringLiteral("a.html"));
        QProcess& editor = Launch({a});
        QTRY_VERIFY_WITH_TIMEOUT(Answers(), 20000);
        QCOMPARE(HandOffToRunningInstance(serverName_, {}, 20000), HandOffResult::Delivered);
        editor.terminate();
        QVERIFY(editor.waitForFinished(10000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);
        SettingsStore store(StorePath());
        QCOMPARE(store.ReadStringList(std::string(MainFormKey) + "\\Filesy.Items"),
                 std::vector<std::string>{a.toStdString()});
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
