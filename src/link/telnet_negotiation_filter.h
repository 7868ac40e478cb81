#pragma once
// Takes telnet negotiation out of the bytes a unit's TCP server sends: IAC (255) and a command,
// with an option byte after WILL, WONT, DO and DONT, and a subnegotiation up to IAC SE. It belongs
// to the connection, not to the configuration, and may come anywhere, split across reads. IAC
// IAC is one data byte 255. Nothing is answered: the unit goes on without a reply.

#include <QByteArray>
#include <QByteArrayView>

namespace zel::link {

class TelnetNegotiationFilter {
public:
    // Appends the data bytes of `received` to `data`.
    void feed(QByteArrayView received, QByteArray& data);
    // How many bytes were taken out as negotiation.
    qint64 negotiationBytes() const { return m_negotiationBytes; }
    void reset() { *this = {}; }

private:
    enum class State {
        Data,
        Command,          // after IAC
        Option,           // after IAC WILL, WONT, DO or DONT
        Subnegotiation,   // after IAC SB, up to IAC SE
        SubnegotiationIac // IAC inside a subnegotiation
    };

    State m_state = State::Data;
    qint64 m_negotiationBytes = 0;
};

} // namespace zel::link
