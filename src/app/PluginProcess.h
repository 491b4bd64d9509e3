// Running the plug-in host: one short-lived helper process per call, with a time limit.
#pragma once

#include "app/PluginWire.h"

#include <string>

namespace zn::app {

struct HostReply {
    enum class Status {
        Ok,       ///< the host answered; Fields holds its reply
        Crashed,  ///< the host ended without a whole reply (the plug-in crashed or exited)
        TimedOut, ///< no reply within the time limit; the host was killed
        NoHost,   ///< the host program could not be started
    };
    Status State = Status::NoHost;
    PluginMessage Fields;
};

/// Starts `hostPath library`, sends it the request on its standard input, reads its reply from
/// its standard output and waits for it to end. A host that takes longer than timeoutMs in all
/// is killed. The host's standard error is passed on to this program's.
HostReply CallPluginHost(const std::string& hostPath, const std::string& library,
                         const PluginMessage& request, int timeoutMs);

} // namespace zn::app
