#pragma once
// Fetches a unit's whole configuration over a serial or TCP channel: sends the request, collects
// the dump through the received-character rule until "[QXSB]" ends it, and reports as it goes.
// Runs on signals and timers; start() returns at once.
//
// Telnet: connects (a connection not made within the response time fails like one refused),
// sends "[]" and "[QXSB]", takes the unit's answer to "[]" off the front of what comes (")",
// "]" or "(...)", with line ends around it or none), and ends on "[QXSB]", on 30 s (the response
// time) without a character ("Breaking; no response in 30 seconds"), or when the unit closes the
// connection; then disconnects. Serial: sends "[QXSB]" over the open port and ends on "[QXSB]"
// or after 4 s (the quiet time) without a byte. Both stop at the receive limit with a line
// saying so. Whatever was received is then the text to apply (see hasImportText()); only an
// import that ended on "[QXSB]" is complete.

#include "link/dump_matcher.h"
#include "link/fetch_transfer.h"
#include "link/handshake_reply_reader.h"
#include "link/received_text.h"

#include <QTimer>

#include <memory>

namespace zel::link {

class ImportTransfer : public FetchTransfer {
    Q_OBJECT
public:
    explicit ImportTransfer(std::unique_ptr<LinkChannel> channel, TransferSettings settings = {},
                            QObject* parent = nullptr);
    ~ImportTransfer() override;

    void start() override;
    // Stops like an abort: logs a line, closes the connection, finishes with Cancelled. Over
    // serial the unit goes on sending its dump: the rest is read and dropped up to "[QXSB]", the
    // quiet time or the cancel drain limit, whichever comes first, so that it does not arrive
    // after the import as text the configuration does not hold; a second cancel stops that at
    // once. Then a line says how many bytes were dropped and the transfer finishes.
    void cancel() override;
    // Finishes with Cancelled at once, without waiting for the rest of a serial dump.
    void stopNow() override;

    bool isRunning() const override { return m_outcome == TransferOutcome::Running && m_started; }
    // Why an import that has text to apply did not end with "[QXSB]": "cancelled", "no response
    // in 30 seconds", ...; empty for a complete import.
    QString incompleteReason() const override;
    // Everything received so far after the received-character rule, line breaks as "\n".
    QString receivedText() const override { return m_text; }

private:
    void onOpened() override;
    void readInput() override;
    void endOnClose(const QString& error) override;
    void ending() override;
    void onTimerExpired();
    void addText(const QString& text);
    void endDrain();

    QTimer m_timer;      // the response timer (telnet) or the quiet timer (serial)
    QTimer m_drainLimit; // the longest wait for the rest of a cancelled serial dump
    DumpMatcher m_matcher;
    HandshakeReplyReader m_handshakeReply;
    ReceivedTextReader m_reader;
    QString m_text;
    qint64 m_bytesDropped = 0; // received after a cancel
    bool m_started = false;
    bool m_receiving = false;
    bool m_cancelled = false;
    bool m_draining = false; // cancelled; the rest of a serial dump is being dropped
};

} // namespace zel::link
