#pragma once
// Addresses where no unit answers, for the tests of units that are not there: a loopback port
// that refuses, a host name that cannot be found, a host text whose port is out of range, and a
// loopback listener whose queue is full so that a connection attempt is never answered.

#include <QString>

namespace zel::test {

// A name under ".invalid", which never resolves.
inline const QString kUnknownHost = QStringLiteral("zel-unit.invalid");

// A loopback address with a port above 65535, which no connection can reach.
inline const QString kHostWithBadPort = QStringLiteral("127.0.0.1:99999");

// "127.0.0.1:PORT" for a port that was free a moment ago: a connection there is refused.
QString refusingHost();

// A loopback listener that never accepts, with its one queue place taken: the kernel drops
// further connection attempts, so they wait unanswered, like a unit behind a dead route.
class UnansweredListener {
public:
    UnansweredListener();
    ~UnansweredListener();
    UnansweredListener(const UnansweredListener&) = delete;
    UnansweredListener& operator=(const UnansweredListener&) = delete;

    bool isReady() const { return m_filler >= 0; }
    QString host() const;

private:
    int m_listener = -1;
    int m_filler = -1; // the connection that fills the queue
    quint16 m_port = 0;
};

} // namespace zel::test
