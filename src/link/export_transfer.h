#pragma once
// Sends a configuration text to a unit one line at a time and waits for the acknowledgement of
// each before the next. Runs on signals and timers; start() returns at once.
//
// Telnet: connects (a connection not made within the response time fails like one refused),
// pauses, sends "[]" and waits for ")" or "]" (the handshake, bounded by the response time),
// pauses, then sends each line with a line feed and waits for "(line)"; a reply holding "ERROR",
// no acknowledgement within the response time, or the receive limit of bytes without one aborts.
// Serial: pauses, then sends each line over the open port and takes any ")" or "]" as its
// acknowledgement. Lines without "[" and "]" are skipped but counted in " Sending line i of M".
// The status ends " Complete" after the last line and after an abort.

#include "link/transfer_outcome.h"
#include "link/transfer_settings.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace zel::link {

class LinkChannel;

class ExportTransfer : public QObject {
    Q_OBJECT
public:
    // `lines` is the configuration text, one line per entry, as the writer made it.
    ExportTransfer(std::unique_ptr<LinkChannel> channel, QStringList lines,
                   TransferSettings settings = {}, QObject* parent = nullptr);
    ~ExportTransfer() override;

    void start();
    // Stops like an abort at the current line: logs a line, " Complete", finishes with Cancelled.
    void cancel();

    bool isRunning() const { return m_state != State::Idle && m_state != State::Finished; }
    TransferOutcome outcome() const { return m_outcome; }
    // The layer's message when the outcome is LinkFailed or ConnectionClosed, for the error
    // message box; empty when there is nothing to show.
    QString errorText() const { return m_errorText; }
    int linesAcknowledged() const { return m_linesAcknowledged; }
    qint64 bytesSent() const { return m_bytesSent; }
    qint64 bytesReceived() const { return m_bytesReceived; }

signals:
    // The unit's replies, to add at the end of the configuration text box; line breaks are "\n".
    void textReceived(const QString& text);
    // A line to add to the configuration text box.
    void logLine(const QString& line);
    void statusText(const QString& text);
    // Line `line` (from 1) of `lineCount` is being sent; the wait for the previous line is over.
    void progress(int line, int lineCount);
    // Emitted once; connect with a queued call or use deleteLater() to dispose of the transfer.
    void finished(zel::link::TransferOutcome outcome);

private:
    enum class State { Idle, Connecting, Settling, Handshake, WaitingForReply, Finished };

    void onOpened();
    void onOpenFailed(const QString& error);
    void onClosedByPeer(const QString& error);
    void onTimerExpired();
    void afterFirstPause();
    void sendNextLine();
    void readInput();
    void readHandshake();
    void readExactReply();
    void readAnyReply();
    // Ends the export when the reply has reached the receive limit; true if it did.
    bool stopAtReplyLimit();
    void pauseThen(void (ExportTransfer::*next)());
    void finish(TransferOutcome outcome, const QString& errorText = {}, bool complete = true);

    std::unique_ptr<LinkChannel> m_channel;
    QStringList m_lines;
    TransferSettings m_settings;
    QTimer m_responseTimer;
    State m_state = State::Idle;
    int m_nextLine = 0;      // index of the next line to look at
    QByteArray m_expected;   // acknowledgement awaited for the current line
    QByteArray m_reply;      // raw bytes received since the current line was sent
    qint64 m_replyBytes = 0; // bytes received since the handshake or the current line was sent
    int m_linesAcknowledged = 0;
    qint64 m_bytesSent = 0;
    qint64 m_bytesReceived = 0;
    TransferOutcome m_outcome = TransferOutcome::Running;
    QString m_errorText;
};

} // namespace zel::link
