// Listening for hand-offs and sending one.
#include "app/ui/TTMessager.h"

#include "app/InstanceSocket.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace zn::app::ui {

TTMessager::TTMessager(const QString& serverName, QObject* parent)
    : QObject(parent), name_(serverName) {
    setObjectName(QStringLiteral("Messager"));
    // A socket file in a folder only this user can enter. No socket options: with them Qt
    // binds elsewhere and renames over the name, which would replace a live editor's file.
    connect(&server_, &QLocalServer::newConnection, this, &TTMessager::Accept);
}

bool TTMessager::Listen() {
    if (name_.isEmpty())
        return false;
    if (server_.listen(name_))
        return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // A file nobody answers under is what a killed editor left behind (the caller holds the
    // instance lock, so no other start is replacing it meanwhile).
    QLocalSocket probe;
    probe.setServerName(name_);
    probe.connectToServer();
    if (probe.waitForConnected(500))
        return false;
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

void TTMessager::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (!PeerIsSameUser(static_cast<int>(socket->socketDescriptor()))) {
            socket->abort(); // another user's process has no business here
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine().trimmed();
                if (line != Message)
                    continue;
                if (OnHandOff)
                    OnHandOff();
                socket->write(QByteArray(Acknowledgement) + '\n');
                socket->flush();
            }
        });
    }
}

HandOffResult HandOffToRunningInstance(const QString& serverName,
                                       const std::function<bool(int remainingMs)>& writeNames,
                                       int timeoutMs) {
    if (serverName.isEmpty())
        return HandOffResult::NoInstance;
    QLocalSocket socket;
    socket.setServerName(serverName);
    socket.connectToServer();
    const QDeadlineTimer deadline(timeoutMs);
    if (!socket.waitForConnected(static_cast<int>(qMin<qint64>(deadline.remainingTime(), 2000))))
        return HandOffResult::NoInstance;
    // A listener of another user is no editor of ours: the start goes on and takes the name.
    if (!PeerIsSameUser(static_cast<int>(socket.socketDescriptor())))
        return HandOffResult::NoInstance;
    const auto remaining = [&] {
        return static_cast<int>(qMax<qint64>(deadline.remainingTime(), 0));
    };
    // A running editor that holds the settings store too long counts as not answering.
    if (writeNames && !writeNames(remaining()))
        return HandOffResult::NoAnswer;
    socket.write(QByteArray(TTMessager::Message) + '\n');
    socket.waitForBytesWritten(remaining());
    while (!deadline.hasExpired()) {
        if (socket.canReadLine()) {
            if (socket.readLine().trimmed() == TTMessager::Acknowledgement)
                return HandOffResult::Delivered;
            continue;
        }
        if (socket.state() != QLocalSocket::ConnectedState)
            return HandOffResult::Lost;
        socket.waitForReadyRead(remaining());
    }
    return socket.canReadLine() && socket.readLine().trimmed() == TTMessager::Acknowledgement
               ? HandOffResult::Delivered
               : HandOffResult::NoAnswer;
}

} // namespace zn::app::ui
