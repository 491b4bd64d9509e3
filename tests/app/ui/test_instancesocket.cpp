// The instance socket is a file in the user's private folder: a squatter on the old abstract
// name or a listener of another user does not stop a start, a stale file is replaced, and
// another user's process cannot poke the running editor.
#include "app/InstanceLock.h"
#include "app/InstanceSocket.h"
#include "app/ui/Startup.h"
#include "app/ui/TTMessager.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zn::app;
using namespace zn::app::ui;

namespace {

constexpr uid_t kNobody = 65534;

/// A listening Unix socket at `path`, bound by a child process running as another user; the
/// child accepts one connection, writes "OK\n" (a fake acknowledgement) and waits.
pid_t ForeignListener(const QString& path) {
    const QByteArray name = path.toLocal8Bit();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd, 4) != 0)
            ::_exit(3);
        for (;;) {
            const int peer = ::accept(fd, nullptr, nullptr);
            if (peer >= 0) [[maybe_unused]]
                auto written = ::write(peer, "OK\n", 3);
        }
    }
    return child;
}

} // namespace

class TestInstanceSocket : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void squatterOnTheOldAbstractNameDoesNotStopAStart() {
        const std::string settings = dir_.filePath(QStringLiteral("squatted")).toStdString();
        QLocalServer squatter;
        squatter.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        QVERIFY(squatter.listen(QString::fromStdString(MessagerName(settings))));
        const StartDecision start =
            DecideStart([]() -> SettingsStore& { throw std::logic_error("no hand-off expected"); },
                        settings, {}, 2000);
        QVERIFY(start.First);
        QVERIFY(start.Marker);
    }

    void staleSocketFileIsReplaced() {
        const QString path = QString::fromStdString(
            MessagerSocketPath(dir_.filePath(QStringLiteral("stale")).toStdString()));
        {
            // Bound, then closed without removing the file: what a killed editor leaves.
            const QByteArray name = path.toLocal8Bit();
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ::close(fd);
        }
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(HandOffToRunningInstance(path, {}, 1000), HandOffResult::NoInstance);
        TTMessager marker(path);
        QVERIFY(marker.Listen());
        QLocalSocket client; // the new editor answers under the name
        client.setServerName(path);
        client.connectToServer();
        QVERIFY(client.waitForConnected(2000));
        TTMessager second(path);
        QVERIFY(!second.Listen()); // a live editor's file is never taken
    }

    void listenerOfAnotherUserIsNoEditor() {
        if (::geteuid() != 0)
            QSKIP("needs root to run a process as another user");
        QTemporaryDir shared;
        ::chmod(shared.path().toLocal8Bit(), 0777);
        const QString path = shared.filePath(QStringLiteral("sock"));
        const pid_t child = ForeignListener(path);
        QTRY_VERIFY(QFileInfo::exists(path));
        // It would acknowledge anything, but its user id gives it away.
        QCOMPARE(HandOffToRunningInstance(path, {}, 2000), HandOffResult::NoInstance);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }

    void anotherUsersProcessCannotPokeTheEditor() {
        if (::geteuid() != 0)
            QSKIP("needs root to run a process as another user");
        QTemporaryDir shared;
        ::chmod(shared.path().toLocal8Bit(), 0777);
        const QString path = shared.filePath(QStringLiteral("editor"));
        TTMessager marker(path);
        QVERIFY(marker.Listen());
        ::chmod(path.toLocal8Bit(), 0777); // even a socket file open to everybody
        int handOffs = 0;
        marker.OnHandOff = [&] { ++handOffs; };
        const QByteArray name = path.toLocal8Bit();
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(2);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
            if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
                ::_exit(3);
            [[maybe_unused]] auto written = ::write(fd, "WM_USER\n", 8);
            char answer[8] = {};
            const ssize_t got = ::read(fd, answer, sizeof answer); // 0: dropped without answer
            ::_exit(got > 0 ? 1 : 0);
        }
        int status = -1;
        pid_t reaped = 0;
        for (int i = 0; i < 100 && reaped != child; ++i) {
            QTest::qWait(50);
            reaped = ::waitpid(child, &status, WNOHANG);
        }
        if (reaped != child) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        QCOMPARE(reaped, child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(handOffs, 0);
    }
};

QTEST_MAIN(TestInstanceSocket)
#include "test_instancesocket.moc"
