#pragma once
// Reads a unit's reply to one line sent over TCP: the line is acknowledged once the reply holds
// its text between parentheses, and rejected once it holds "ERROR". The reply line that says
// "ERROR" is read on to its end, so that it can be shown whole: up to its closing ")" or line
// end, at most a few bytes more.

#include <QByteArray>

namespace zel::link {

class ExactReplyReader {
public:
    enum class Verdict {
        Waiting,        // nothing decided yet
        Acknowledged,   // the expected reply has come
        ErrorLine,      // "ERROR" has come; the rest of its line is being read
        ErrorLineEnded, // that line has ended: the line is rejected
    };

    // Starts the reply to a line whose acknowledgement is `expected`.
    void expect(const QByteArray& expected);
    // Feeds one byte of the reply and says where it stands.
    Verdict feed(char byte);
    Verdict verdict() const { return m_verdict; }
    // Whether the byte that ended the error line ends a text line too (and so is not shown).
    bool endedOnLineEnd() const { return m_endedOnLineEnd; }

private:
    QByteArray m_expected;
    QByteArray m_reply;
    Verdict m_verdict = Verdict::Waiting;
    int m_errorTail = 0; // bytes read after "ERROR"
    bool m_endedOnLineEnd = false;
};

} // namespace zel::link
