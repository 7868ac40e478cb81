#pragma once
// Keeps watch over an idle TCP connection to a unit: keepalive probes find a unit that was
// switched off or taken off the network without closing the connection, and sent bytes that the
// unit's end has not taken within a bound end the connection, so a dead link is reported as lost
// rather than waited on for the operating system's minutes.

#include <chrono>

class QAbstractSocket;

namespace zel::link {

struct KeepAlive {
    std::chrono::seconds idle{10};    // quiet time before the first probe
    std::chrono::seconds interval{5}; // between probes
    int probes = 3;                   // unanswered probes before the connection is dropped
    std::chrono::seconds unacked{30}; // sent bytes not taken by the far end for this long
};

// Turns keepalive on for the connected `socket`, with `settings` where the platform allows them.
void enableKeepAlive(QAbstractSocket& socket, const KeepAlive& settings = {});

} // namespace zel::link
