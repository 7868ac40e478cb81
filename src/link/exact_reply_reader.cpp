#include "link/exact_reply_reader.h"

namespace zel::link {

namespace {
// Only the tail of a reply can newly hold the awaited text; older bytes need not be kept.
constexpr qsizetype kReplyKeep = 4096;
// The most bytes of an error reply read after "ERROR" looking for its end.
constexpr int kLongestErrorTail = 80;
} // namespace

void ExactReplyReader::expect(const QByteArray& expected)
{
    m_expected = expected;
    m_reply.clear();
    m_verdict = Verdict::Waiting;
    m_errorTail = 0;
    m_endedOnLineEnd = false;
}

ExactReplyReader::Verdict ExactReplyReader::feed(char byte)
{
    switch (m_verdict) {
    case Verdict::Waiting:
        m_reply.append(byte);
        if (m_reply.size() > 2 * kReplyKeep)
            m_reply.remove(0, m_reply.size() - kReplyKeep);
        // Checked after every byte, so that a text the reply holds first decides.
        if (m_reply.endsWith("ERROR"))
            m_verdict = Verdict::ErrorLine;
        else if (!m_expected.isEmpty() && m_reply.endsWith(m_expected))
            m_verdict = Verdict::Acknowledged;
        break;
    case Verdict::ErrorLine:
        m_endedOnLineEnd = byte == '\r' || byte == '\n';
        if (byte == ')' || m_endedOnLineEnd || ++m_errorTail >= kLongestErrorTail)
            m_verdict = Verdict::ErrorLineEnded;
        break;
    case Verdict::Acknowledged:
    case Verdict::ErrorLineEnded:
        break;
    }
    return m_verdict;
}

} // namespace zel::link
