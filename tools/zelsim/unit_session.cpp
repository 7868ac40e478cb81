#include "unit_session.h"

#include "paced_link.h"
#include "pty_device.h"
#include "unit_config.h"

#include "model/command_language.h"

#include <cstdio>

namespace zelsim {

namespace {
const QByteArray& dumpRequest()
{
    static const QByteArray request = QByteArray::fromStdString(zel::model::dumpRequest());
    return request;
}

// An endless dump is topped up while less than this is waiting to go out.
constexpr qint64 kOutputWindow = 64 * 1024;
// What a telnet server may send first: WILL ECHO, WILL SUPPRESS-GO-AHEAD, DO LINEMODE (whose
// option byte is a printable '"'), and a subnegotiation holding an escaped 255.
const QByteArray kConnectNegotiation =
    QByteArrayLiteral("\xFF\xFB\x01\xFF\xFB\x03\xFF\xFD\x22\xFF\xFA\x22\x01\xFF\xFF\x03\xFF\xF0");
// A subnegotiation (TERMINAL-TYPE SEND) that is never ended with IAC SE.
const QByteArray kUnfinishedNegotiation = QByteArrayLiteral("\xFF\xFA\x18\x01");
// Inside a dump line: DONT LINEMODE and a NOP.
const QByteArray kDumpNegotiation = QByteArrayLiteral("\xFF\xFE\x22\xFF\xF1");
} // namespace

UnitSession::UnitSession(QIODevice* device, Connection connection, UnitConfig& unit,
                         const SimOptions& options, QObject* parent)
    : QObject(parent), m_device(device), m_link(new PacedLink(device, options.baud, this)),
      m_unit(unit), m_options(options), m_connection(connection)
{
    m_clock.start();
    m_replyTimer.setSingleShot(true);
    m_replyTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_replyTimer, &QTimer::timeout, this, &UnitSession::sendDueReplies);
    connect(m_link, &PacedLink::received, this, &UnitSession::onReceived);
    connect(m_link, &PacedLink::outputMoved, this, &UnitSession::continueDump);
    if (options.negotiateAtConnect && connection == Connection::Closable)
        m_link->send(kConnectNegotiation);
    if (options.negotiateUnfinished && connection == Connection::Closable)
        m_link->send(kUnfinishedNegotiation);
    m_silent = options.silentAfter == 0;
    if (options.closeAfter == 0)
        close();
    if (options.unasked)
        queue({}, false, true);
}

void UnitSession::close()
{
    m_closing = true;
    // A serial line has no connection to close, and hanging up a pseudo-terminal may discard
    // what is still on its way: there the unit just falls silent, as if its cable were pulled,
    // unless it is asked to hang up.
    if (m_connection == Connection::Closable)
        m_link->closeWhenSent();
    else if (auto* pty = qobject_cast<PtyDevice*>(m_device); pty && m_options.hangUp)
        pty->hangUpOnceRead();
}

void UnitSession::onReceived(const QByteArray& bytes)
{
    for (const QByteArray& command : m_assembler.feed(bytes)) {
        if (m_options.verbose)
            std::fprintf(stderr, "command: %s\n", command.constData());
        handleCommand(command);
    }
}

void UnitSession::handleCommand(const QByteArray& command)
{
    if (m_options.silentNow)
        return; // a unit that does not answer takes nothing in either
    if (m_options.echoOnly) {
        queue(command + m_options.lineEnd, true);
        return;
    }
    // The dump request is refused like any other command when it holds the --error-on text.
    if (command == QByteArrayView(zel::model::kHandshake)) {
        if (!m_options.handshakeReply.isEmpty())
            queue(m_options.handshakeReply, false);
    } else if (!m_options.errorOn.isEmpty() && command.contains(m_options.errorOn.toLatin1())) {
        queue("(ERROR)" + m_options.lineEnd, true);
    } else if (command == dumpRequest()) {
        queue({}, false, true);
    } else {
        m_unit.apply(command);
        queue(m_options.echo ? command + m_options.lineEnd
                             : '(' + command.mid(1, command.size() - 2) + ')' + m_options.lineEnd,
              true);
    }
}

void UnitSession::queue(QByteArray bytes, bool endsLine, bool startsDump)
{
    if (m_silent || m_closing)
        return;
    m_replies.push_back(
        {m_clock.elapsed() + m_options.replyDelayMs, std::move(bytes), endsLine, startsDump});
    sendDueReplies();
}

void UnitSession::sendDueReplies()
{
    if (m_options.silentNow) {
        m_replies.clear(); // what it had not answered yet it never will
        return;
    }
    const qint64 now = m_clock.elapsed();
    while (!m_replies.empty() && m_replies.front().dueMs <= now && !m_silent && !m_closing) {
        Reply reply = std::move(m_replies.front());
        m_replies.pop_front();
        if (reply.startsDump) {
            m_dump = m_unit.dumpLines();
            m_dumpNext = 0;
            m_dumping = true;
            continueDump();
        } else {
            m_link->send(reply.bytes);
            if (reply.endsLine)
                countLine();
        }
    }
    if (!m_replies.empty() && !m_silent && !m_closing)
        m_replyTimer.start(static_cast<int>(m_replies.front().dueMs - now));
}

void UnitSession::countLine()
{
    ++m_lines;
    if (m_options.closeAfter >= 0 && m_lines >= m_options.closeAfter)
        close();
    if (m_options.silentAfter >= 0 && m_lines >= m_options.silentAfter)
        m_silent = true;
}

void UnitSession::continueDump()
{
    while (m_dumping && !m_silent && !m_options.silentNow && !m_closing &&
           m_link->pendingOutput() < kOutputWindow) {
        if (m_dumpNext == m_dump.size()) {
            if (!(m_options.endless || m_options.unasked) || m_dump.empty()) {
                m_link->send(dumpRequest()); // the dump ends as it was asked for
                m_dumping = false;
                m_unit.dumpSent();
                return;
            }
            m_dumpNext = 0;
        }
        QByteArray line = m_dump[m_dumpNext++];
        // Into the second line, so that it stands between bytes of the configuration.
        if (m_options.negotiateInDump && m_connection == Connection::Closable && m_dumpNext == 2)
            line.insert(2, kDumpNegotiation);
        m_link->send(withNoise(line + m_options.lineEnd));
        countLine();
    }
}

QByteArray UnitSession::withNoise(const QByteArray& line) const
{
    if (!m_options.noise)
        return line;
    // A tab inside the command, then DEL, a C1 control code and NUL between lines: the program
    // drops them all.
    return line.left(1) + '\t' + line.mid(1) + QByteArrayLiteral("\x7F\x85\x00");
}

} // namespace zelsim
