#include "link/handshake_reply_reader.h"

#include <utility>

namespace zel::link {

namespace {
// The answer to "[]" is a few characters; a longer run without a line end is text.
constexpr qsizetype kLongestReply = 64;

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}
} // namespace

HandshakeReplyReader::HandshakeReplyReader(bool expectReply)
    : m_state(expectReply ? State::Awaiting : State::Done)
{
}

void HandshakeReplyReader::feed(char byte, QByteArray& dumpBytes)
{
    switch (m_state) {
    case State::Awaiting:
        // Line ends before the answer go with it.
        if (isLineEnd(byte) && m_held.isEmpty())
            return;
        if (byte == ')' || byte == ']') {
            m_held.clear();
            m_state = State::LineEnd;
            return;
        }
        // Bytes are held until they prove to be the answer; a line end or a "[" first means
        // there is none, and they are text.
        if (byte != '[' && !isLineEnd(byte) && m_held.size() < kLongestReply) {
            m_held.append(byte);
            return;
        }
        finish(dumpBytes);
        break;
    case State::LineEnd:
        if (isLineEnd(byte))
            return;
        break;
    case State::Done:
        break;
    }
    m_state = State::Done;
    dumpBytes.append(byte);
}

void HandshakeReplyReader::finish(QByteArray& dumpBytes)
{
    dumpBytes.append(std::exchange(m_held, {}));
    m_state = State::Done;
}

} // namespace zel::link
