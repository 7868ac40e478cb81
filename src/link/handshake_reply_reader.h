#pragma once
// Takes the unit's answer to the telnet handshake "[]" off the front of what it sends next: ")",
// "]" or "(...)", with line ends before or after it or none. Taken whole, the answer is never
// glued to the front of the first dump line, which would then not begin with "[" and so not be
// read.

#include <QByteArray>

namespace zel::link {

class HandshakeReplyReader {
public:
    // `expectReply` false: no answer is awaited and every byte is dump text.
    explicit HandshakeReplyReader(bool expectReply = false);

    // Feeds one received byte; appends to `dumpBytes` what turns out to be dump text: the byte
    // itself once the answer is behind, or bytes held so far that prove not to be the answer.
    void feed(char byte, QByteArray& dumpBytes);
    // Bytes still held when nothing more comes are text after all.
    void finish(QByteArray& dumpBytes);

private:
    enum class State {
        Awaiting, // nothing of the answer yet, or its first bytes (held)
        LineEnd,  // the answer is taken; line ends after it are too
        Done,     // everything else is dump text
    };

    State m_state;
    QByteArray m_held;
};

} // namespace zel::link
