#pragma once
// Fetches a unit's whole configuration over a serial or TCP channel: sends the request, collects
// the dump through the received-character rule until "[QXSB]" ends it, and reports as it goes.
// Runs on signals and timers; start() returns at once.
//
// Telnet: connects (a connection not made within the response time fails like one refused),
// sends "[]" and "[QXSB]", and ends on "[QXSB]", on 30 s (the response time) without a character
// ("Breaking; no response in 30 seconds"), or when the unit closes the connection; then
// disconnects. Serial: sends "[QXSB]" over the open port and ends on "[QXSB]" or
// after 4 s (the quiet time) without a byte. Both stop at the receive limit with a line saying so.
// Whatever was received is then the text to apply (see hasImportText()).

#include "link/dump_matcher.h"
#include "link/transfer_outcome.h"
#include "link/transfer_settings.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace zel::link {

class LinkChannel;

class ImportTransfer : public QObject {
    Q_OBJECT
public:
    explicit ImportTransfer(std::unique_ptr<LinkChannel> channel, TransferSettings settings = {},
                            QObject* parent = nullptr);
    ~ImportTransfer() override;

    void start();
    // Stops like an abort: logs a line, closes the connection, finishes with Cancelled.
    void cancel();

    bool isRunning() const { return m_outcome == TransferOutcome::Running && m_started; }
    TransferOutcome outcome() const { return m_outcome; }
    // The layer's message when the outcome is LinkFailed or NotOpen, for the error message box.
    QString errorText() const { return m_errorText; }
    // Everything received so far after the received-character rule, line breaks as "\n".
    QString receivedText() const { return m_text; }
    qint64 bytesSent() const { return m_bytesSent; }
    qint64 bytesReceived() const { return m_bytesReceived; }

signals:
    // Received text to add at the end of the configuration text box, on its last line; line
    // breaks are "\n".
    void textReceived(const QString& text);
    // A line to add to the configuration text box.
    void logLine(const QString& line);
    void statusText(const QString& text);
    // Emitted once; connect with a queued call or use deleteLater() to dispose of the transfer.
    void finished(zel::link::TransferOutcome outcome);

private:
    void onOpened();
    void onOpenFailed(const QString& error);
    void onClosedByPeer();
    void onTimerExpired();
    void readInput();
    void finish(TransferOutcome outcome, const QString& errorText = {});

    std::unique_ptr<LinkChannel> m_channel;
    TransferSettings m_settings;
    QTimer m_timer; // the response timer (telnet) or the quiet timer (serial)
    DumpMatcher m_matcher;
    QString m_text;
    int m_completeLines = 0;    // line breaks received
    bool m_partialLine = false; // text after the last line break
    qint64 m_bytesSent = 0;
    qint64 m_bytesReceived = 0;
    bool m_started = false;
    bool m_receiving = false;
    TransferOutcome m_outcome = TransferOutcome::Running;
    QString m_errorText;
};

} // namespace zel::link
