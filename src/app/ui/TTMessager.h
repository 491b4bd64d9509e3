// The single-instance marker: a per-user local server the running editor keeps, and the second
// start's side of the hand-off.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

namespace zn::app::ui {

/// The running editor's marker: a socket file in the user's private runtime folder
/// (MessagerSocketPath). Both ends check that the other runs as the same user. A file left by a
/// killed editor is removed when the next start, holding the instance lock, finds nobody
/// answering under it.
class TTMessager : public QObject {
    Q_OBJECT

public:
    /// The hand-off message and its acknowledgement, one line each.
    static constexpr const char* Message = "WM_USER";
    static constexpr const char* Acknowledgement = "OK";

    explicit TTMessager(const QString& serverName, QObject* parent = nullptr);

    /// Starts listening, replacing a stale socket file; false when the name is unusable.
    bool Listen();
    QString ServerName() const { return server_.serverName(); }
    QString ErrorString() const { return server_.errorString(); }

    /// Runs for every hand-off message; the acknowledgement is sent when it returns, so it
    /// must take the handed-over names and leave slow work (opening files, questions) for later.
    std::function<void()> OnHandOff;

private:
    void Accept();

    QLocalServer server_;
    QString name_;
};

enum class HandOffResult {
    NoInstance, ///< nobody listens under the name
    Delivered,  ///< the running editor took the hand-off
    NoAnswer,   ///< connected, but no acknowledgement within the time limit
    Lost,       ///< the running editor went away before it answered
};

/// The second start's side: connects to the running editor; once connected, `writeNames`
/// stores the names to hand over (given the milliseconds left; false when it could not), the
/// message is sent and the acknowledgement awaited. All of it takes at most `timeoutMs`.
HandOffResult HandOffToRunningInstance(const QString& serverName,
                                       const std::function<bool(int remainingMs)>& writeNames,
                                       int timeoutMs);

} // namespace zn::app::ui
