#pragma once
// Takes telnet negotiation out of the bytes a unit's TCP server sends: IAC (255) and a command,
// with an option byte after WILL, WONT, DO and DONT, and a subnegotiation up to IAC SE. It belongs
// to the connection, not to the configuration, and may come anywhere, split across reads. IAC
// IAC is one data byte 255. Nothing is answered: the unit goes on without a reply. A
// subnegotiation that a server leaves open would take in everything after it, the whole dump
// among it: it ends after kSubnegotiationLimit bytes, and those bytes are counted as dropped.

#include <QByteArray>
#include <QByteArrayView>

namespace zel::link {

class TelnetNegotiationFilter {
public:
    // Longer than any subnegotiation a unit's server has reason to send (a terminal type, a
    // window size), short enough to lose no more than a few lines of a dump.
    static constexpr qint64 kSubnegotiationLimit = 256;

    // Appends the data bytes of `received` to `data`.
    void feed(QByteArrayView received, QByteArray& data);
    // How many bytes were taken out as negotiation.
    qint64 negotiationBytes() const { return m_negotiationBytes; }
    // How many of them were subnegotiations ended at the limit, not by IAC SE: data may have
    // been among them.
    qint64 unfinishedSubnegotiationBytes() const { return m_unfinishedBytes; }
    void reset() { *this = {}; }

private:
    // Counts a byte of the subnegotiation under way; at the limit it ends there.
    void endAtLimit();

    enum class State {
        Data,
        Command,          // after IAC
        Option,           // after IAC WILL, WONT, DO or DONT
        Subnegotiation,   // after IAC SB, up to IAC SE
        SubnegotiationIac // IAC inside a subnegotiation
    };

    State m_state = State::Data;
    qint64 m_negotiationBytes = 0;
    qint64 m_subnegotiationBytes = 0; // of the subnegotiation under way, IAC SB included
    qint64 m_unfinishedBytes = 0;
};

} // namespace zel::link
