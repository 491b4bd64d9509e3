// A signal handler may only write to a pipe; the pipe wakes the event loop, which runs the
// ordinary ending.
#include "app/ui/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zn::app::ui {

namespace {

int wakeFds[2] = {-1, -1};

void Wake(int) {
    const char byte = 1;
    (void)!::write(wakeFds[1], &byte, 1);
}

} // namespace

void WatchTerminationSignals(std::function<void()> onSignal) {
    if (wakeFds[0] >= 0 || ::pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier =
        new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [onSignal = std::move(onSignal)] {
                         char bytes[16];
                         while (::read(wakeFds[0], bytes, sizeof bytes) > 0) {
                         }
                         onSignal();
                     });
    struct sigaction action = {};
    action.sa_handler = Wake;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace zn::app::ui
