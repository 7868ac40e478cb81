#include "link/telnet_negotiation_filter.h"

namespace zel::link {

namespace {
constexpr unsigned char kIac = 255;
constexpr unsigned char kSubnegotiationEnd = 240;   // SE
constexpr unsigned char kSubnegotiationBegin = 250; // SB
constexpr unsigned char kWill = 251;                // WILL, WONT, DO, DONT: 251 to 254
constexpr unsigned char kFirstCommand = 240;
} // namespace

void TelnetNegotiationFilter::feed(QByteArrayView received, QByteArray& data)
{
    for (const char byte : received) {
        const auto code = static_cast<unsigned char>(byte);
        switch (m_state) {
        case State::Data:
            if (code == kIac) {
                m_state = State::Command;
                ++m_negotiationBytes;
            } else {
                data.append(byte);
            }
            break;
        case State::Command:
            if (code == kIac) {
                // The escaped data byte 255: the IAC before it stays counted as taken out.
                data.append(byte);
                m_state = State::Data;
            } else if (code < kFirstCommand) {
                // Not a telnet command: a lone 255 that the unit meant as data, which the
                // received-character rule drops anyway; the byte after it is kept.
                data.append(byte);
                m_state = State::Data;
            } else {
                ++m_negotiationBytes;
                m_subnegotiationBytes = 2;
                m_state = code >= kWill                  ? State::Option
                          : code == kSubnegotiationBegin ? State::Subnegotiation
                                                         : State::Data;
            }
            break;
        case State::Option:
            ++m_negotiationBytes;
            m_state = State::Data;
            break;
        case State::Subnegotiation:
            ++m_negotiationBytes;
            if (code == kIac)
                m_state = State::SubnegotiationIac;
            endAtLimit();
            break;
        case State::SubnegotiationIac:
            ++m_negotiationBytes;
            // IAC SE ends it; IAC IAC is a data byte inside it.
            m_state = code == kSubnegotiationEnd ? State::Data : State::Subnegotiation;
            endAtLimit();
            break;
        }
    }
}

void TelnetNegotiationFilter::endAtLimit()
{
    if (m_state == State::Data)
        return;
    if (++m_subnegotiationBytes < kSubnegotiationLimit)
        return;
    m_unfinishedBytes += m_subnegotiationBytes;
    m_state = State::Data;
}

} // namespace zel::link
