// Listening for hand-offs and sending one.
#include "app/ui/TTMessager.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace zn::app::ui {

TTMessager::TTMessager(const QString& serverName, QObject* parent)
    : QObject(parent), name_(serverName) {
    setObjectName(QStringLiteral("Messager"));
    // The abstract namespace: no socket file, and listen() fails while a live editor holds the
    // name (the user-access option would instead replace a live editor's socket file).
    server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(&server_, &QLocalServer::newConnection, this, &TTMessager::Accept);
}

bool TTMessager::Listen() {
    return server_.listen(name_);
}

void TTMessager::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
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
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.setServerName(serverName);
    socket.connectToServer();
    const QDeadlineTimer deadline(timeoutMs);
    if (!socket.waitForConnected(static_cast<int>(qMin<qint64>(deadline.remainingTime(), 2000))))
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
