// Starting the plug-in host with pipes on its standard input and output.
#include "app/PluginProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zn::app {
namespace {

/// Closes a descriptor once.
struct Fd {
    int fd = -1;
    ~Fd() { Close(); }
    void Close() {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
};

/// Writing to a host that has died must not end the editor.
void IgnoreBrokenPipes() {
    static const bool done = [] {
        struct sigaction old {};
        if (sigaction(SIGPIPE, nullptr, &old) == 0 && old.sa_handler == SIG_DFL) {
            std::signal(SIGPIPE, SIG_IGN);
        }
        return true;
    }();
    (void)done;
}

bool MakePipe(Fd& readEnd, Fd& writeEnd) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return false;
    }
    readEnd.fd = fds[0];
    writeEnd.fd = fds[1];
    return true;
}

/// Exchanges the bytes with the host until it closes its output or the time is up.
bool Exchange(Fd& toHost, Fd& fromHost, const std::string& request, std::string& reply,
              std::chrono::steady_clock::time_point deadline) {
    ::fcntl(toHost.fd, F_SETFL, O_NONBLOCK);
    ::fcntl(fromHost.fd, F_SETFL, O_NONBLOCK);
    std::size_t sent = 0;
    if (request.empty()) {
        toHost.Close();
    }
    char buffer[65536];
    while (fromHost.fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd fds[2] = {{fromHost.fd, POLLIN, 0}, {toHost.fd, POLLOUT, 0}};
        const int n = ::poll(fds, toHost.fd >= 0 ? 2 : 1, static_cast<int>(left.count()));
        if (n < 0 && errno != EINTR) {
            return true; // treated as an ended host; the reply decides
        }
        if (n <= 0) {
            continue;
        }
        if (toHost.fd >= 0 && fds[1].revents != 0) {
            const ssize_t w = ::write(toHost.fd, request.data() + sent, request.size() - sent);
            if (w > 0) {
                sent += static_cast<std::size_t>(w);
            }
            if ((w < 0 && errno != EAGAIN && errno != EINTR) || sent == request.size()) {
                toHost.Close();
            }
        }
        if (fds[0].revents != 0) {
            const ssize_t r = ::read(fromHost.fd, buffer, sizeof buffer);
            if (r > 0) {
                reply.append(buffer, static_cast<std::size_t>(r));
            } else if (r == 0 || (errno != EAGAIN && errno != EINTR)) {
                fromHost.Close();
            }
        }
    }
    return true;
}

} // namespace

HostReply CallPluginHost(const std::string& hostPath, const std::string& library,
                         const PluginMessage& request, int timeoutMs) {
    IgnoreBrokenPipes();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    HostReply result;
    Fd hostIn, toHost, fromHost, hostOut;
    if (!MakePipe(hostIn, toHost) || !MakePipe(fromHost, hostOut)) {
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, hostIn.fd, 0);
    posix_spawn_file_actions_adddup2(&actions, hostOut.fd, 1);
    std::string program = hostPath, argument = library;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, hostPath.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    hostIn.Close();
    hostOut.Close();
    if (spawned != 0) {
        return result;
    }
    std::string reply;
    const bool inTime = Exchange(toHost, fromHost, EncodePluginMessage(request), reply, deadline);
    toHost.Close();
    fromHost.Close();
    int status = 0;
    if (!inTime) {
        ::kill(pid, SIGKILL);
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        result.State = HostReply::Status::TimedOut;
        return result;
    }
    // The host closed its output; it has ended or is about to, unless the plug-in closed the
    // pipe and went on running: then the time limit holds here too.
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            result.State = HostReply::Status::TimedOut;
            return result;
        }
        ::usleep(2000);
    }
    auto fields = DecodePluginMessage(reply);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !fields || fields->empty()) {
        result.State = HostReply::Status::Crashed;
        return result;
    }
    result.State = HostReply::Status::Ok;
    result.Fields = std::move(*fields);
    return result;
}

} // namespace zn::app
