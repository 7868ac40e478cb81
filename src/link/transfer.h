#pragma once
// One import or export: what every transfer reports as it goes and how it ended. A transfer to
// the unit (not a file) owns its channel: it hears the channel open, fail or be closed by the
// unit, gives up a connection the host does not answer within the response time, and closes the
// channel when it ends. Runs on signals and timers; start() returns at once.

#include "link/transfer_outcome.h"
#include "link/transfer_settings.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace zel::link {

class LinkChannel;
struct LinkPolicy;

class Transfer : public QObject {
    Q_OBJECT
public:
    // A transfer without a channel (a file).
    explicit Transfer(QObject* parent = nullptr);
    ~Transfer() override;

    virtual void start() = 0;
    // Stops like an abort at the current line, with a line saying so.
    virtual void cancel() = 0;
    // Finishes at once, waiting for nothing more from the unit (the window is closing).
    virtual void stopNow() = 0;
    virtual bool isRunning() const = 0;

    TransferOutcome outcome() const { return m_outcome; }
    // The layer's message when the link failed (LinkFailed, NotOpen, a lost connection), for the
    // error message box; empty when there is nothing to show.
    QString errorText() const { return m_errorText; }
    qint64 bytesSent() const { return m_bytesSent; }
    qint64 bytesReceived() const { return m_bytesReceived; }
    // Over TCP: the unit refused the connection, or closed it before it sent anything. A unit
    // that serves one client at a time (or a serial-to-TCP bridge) does that while another
    // program holds its session.
    bool turnedAway() const { return m_turnedAway; }

signals:
    // Received text to add at the end of the configuration text box, on its last line; line
    // breaks are "\n".
    void textReceived(const QString& text);
    // A line to add to the configuration text box.
    void logLine(const QString& line);
    // Where the transfer stands now, for the status line.
    void status(const zel::link::TransferStatus& status);
    // Export: line `line` (from 1) of `lineCount` is being sent; the wait for the previous line
    // is over. An import knows no line count and sends none.
    void progress(int line, int lineCount);
    // Emitted once; connect with a queued call or use deleteLater() to dispose of the transfer.
    void finished(zel::link::TransferOutcome outcome);

protected:
    // A transfer over `channel`.
    Transfer(std::unique_ptr<LinkChannel> channel, TransferSettings settings,
             QObject* parent = nullptr);

    LinkChannel& channel() const { return *m_channel; }
    // What the channel dropped as telnet negotiation that never ended; 0 once it is released.
    qint64 unfinishedNegotiationBytes() const;
    const LinkPolicy& policy() const;
    // Hears the channel open, fail and be closed by the unit.
    void listenToChannel();
    // Opens the channel; a connection not made within the response time fails like one refused,
    // as a host that never answers would keep the transfer waiting for minutes.
    void openChannel();
    // Drops the channel, while the transfer's own members still live: closing its connection may
    // signal, and that is no longer news. Its device is not touched, as a serial port may be gone
    // already when the window that owns it is destroyed. Called first by each destructor.
    void releaseChannel();

    // A report of `stage` with the peer and the outcome so far.
    TransferStatus statusOf(TransferStatus::Stage stage) const;

    // Sets the outcome, lets the transfer stop its own waiting (ending()), closes the channel and
    // emits finished(); once only.
    void finish(TransferOutcome outcome, const QString& errorText = {});

    // The channel is open.
    virtual void onOpened() {}
    // Reads what waits on the channel's device.
    virtual void readInput() {}
    // The unit closed the connection or the port was lost, after what came before was read.
    virtual void endOnClose(const QString& /*error*/) {}
    // The outcome is set: stops the transfer's timers and reports its end.
    virtual void ending() {}

    TransferSettings m_settings;
    TransferOutcome m_outcome = TransferOutcome::Running;
    QString m_errorText;
    qint64 m_bytesSent = 0;
    qint64 m_bytesReceived = 0;
    bool m_turnedAway = false;

private:
    void onOpenFailed(const QString& error);
    void onClosedByPeer(const QString& error);

    std::unique_ptr<LinkChannel> m_channel;
    QTimer m_connectTimer;
};

} // namespace zel::link
