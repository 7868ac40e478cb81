#pragma once
// Sends a configuration text to a unit one line at a time and waits for the acknowledgement of
// each before the next. Runs on signals and timers; start() returns at once.
//
// Telnet: connects (a connection not made within the response time fails like one refused),
// pauses, sends "[]" and waits for ")" or "]" (the handshake, bounded by the response time),
// pauses, then sends each line with a line feed and waits for "(line)"; a reply holding "ERROR",
// no acknowledgement within the response time, or the receive limit of bytes without one aborts.
// Serial: pauses, then sends each line over the open port and takes any ")" or "]" as its
// acknowledgement, unless "ERROR" comes before it, which aborts as over telnet. A unit that only
// echoes the lines back is taken as acknowledging them, but the end says that no line came back
// as "(line)". Lines without "[" and "]" are skipped but counted in " Sending line i of M".
// The status ends " Complete" after the last line; after an abort or a cancel it names the line
// where the export stopped and why, since the unit then holds only part of the configuration.

#include "link/exact_reply_reader.h"
#include "link/transfer.h"

#include <QByteArray>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace zel::link {

class LinkChannel;

class ExportTransfer : public Transfer {
    Q_OBJECT
public:
    // `lines` is the configuration text, one line per entry, as the writer made it.
    ExportTransfer(std::unique_ptr<LinkChannel> channel, QStringList lines,
                   TransferSettings settings = {}, QObject* parent = nullptr);
    ~ExportTransfer() override;

    void start() override;
    // Stops like an abort at the current line: logs a line, finishes with Cancelled.
    void cancel() override;
    void stopNow() override { cancel(); }

    bool isRunning() const override { return m_state != State::Idle && m_state != State::Finished; }
    int linesAcknowledged() const { return m_linesAcknowledged; }
    // The line (from 1, empty lines counted, as currentLine()) acknowledged last; 0 before one.
    int lastAcknowledgedLine() const { return m_lastAcknowledgedLine; }
    // Serial: how many acknowledgements held the line between parentheses, not just a ")" or "]".
    int linesInAcknowledgementForm() const { return m_linesInAcknowledgementForm; }
    // The line (from 1, empty lines counted) being sent or awaited; 0 before the first.
    int currentLine() const { return m_nextLine; }
    int lineCount() const { return static_cast<int>(m_lines.size()); }

private:
    enum class State { Idle, Connecting, Settling, Handshake, WaitingForReply, Finished };

    void onOpened() override;
    void readInput() override;
    void endOnClose(const QString& error) override;
    void ending() override;
    void onTimerExpired();
    void afterFirstPause();
    void sendNextLine();
    void readHandshake();
    void readExactReply();
    void readAnyReply();
    // Ends the export on the unit's "ERROR", once its reply line is shown.
    void endOnErrorReply();
    // Ends the export when the reply has reached the receive limit; true if it did.
    bool stopAtReplyLimit();
    void acknowledgeLine();
    // Serial: every line was taken on a mere ")" or "]", none on "(line)".
    bool onlyEchoed() const;
    void pauseThen(void (ExportTransfer::*next)());
    // Why the export stopped, for the status line.
    QString stopReason() const;
    // A report of `stage` at the current line.
    TransferStatus lineStatus(TransferStatus::Stage stage) const;

    QStringList m_lines;
    QTimer m_responseTimer;
    State m_state = State::Idle;
    int m_nextLine = 0;             // index of the next line to look at: the line sent last, from 1
    ExactReplyReader m_replyReader; // the reply to the current line (TCP)
    QByteArray m_expected;          // acknowledgement awaited for the current line (serial)
    QByteArray m_reply;             // raw bytes received since the current line was sent (serial)
    qint64 m_replyBytes = 0; // bytes received since the handshake or the current line was sent
    int m_linesAcknowledged = 0;
    int m_lastAcknowledgedLine = 0;
    int m_linesInAcknowledgementForm = 0;
    bool m_cancelled = false;
};

} // namespace zel::link
