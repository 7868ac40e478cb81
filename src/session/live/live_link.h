#pragma once
// The link to the unit held open for live mode: one session with the unit from the moment live
// mode starts until it ends, with one transfer at a time over it (a block sent and acknowledged
// line by line as an export is, or a fetch). A transfer that times out leaves the link as it is:
// a unit that is slow to answer is not a lost link, and no second session is ever opened beside
// the first. A link the unit closes (or a port that goes) is opened again in the background,
// after the first wait, then twice as long each time up to a bound, and from the start again
// after a success; whoever hears opened() fetches and compares before sending again.

#include "link/transfer_settings.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

namespace zel::link {
class ExportTransfer;
class ImportTransfer;
class LinkChannel;
class Transfer;
} // namespace zel::link

namespace zel::session {

class LiveLink : public QObject {
    Q_OBJECT
public:
    // Makes the channel to the unit afresh for every attempt to open the link.
    using ChannelMaker = std::function<std::unique_ptr<link::LinkChannel>()>;

    struct Settings {
        link::TransferSettings transfer; // the reply timeout, the receive limit
        // The waits before the link lost is opened again; live mode's settings give them.
        std::chrono::milliseconds firstRetry{};
        std::chrono::milliseconds longestRetry{};
    };

    LiveLink(ChannelMaker makeChannel, Settings settings, QObject* parent = nullptr);
    ~LiveLink() override;

    // Opens the link; ends with opened() or openFailed().
    void open();
    // Ends the session: a running transfer stops at once, the link is closed, no attempt to open
    // it again is made.
    void close();

    bool isOpen() const { return m_state == State::Open; }
    // The link was lost and is being opened again.
    bool isReconnecting() const { return m_state == State::Lost || m_state == State::Reopening; }
    bool isBusy() const { return m_transfer != nullptr; }
    // How status texts name the unit ("host: H", "serial port: N"); empty before open().
    QString peer() const { return m_peer; }
    // While reconnecting: why the link was lost, and in about how many seconds it is tried next.
    QString lostReason() const { return m_lostReason; }
    int retrySeconds() const { return m_retrySeconds; }

    // Sends `lines`, each acknowledged before the next; null when the link is not open or busy.
    // The transfer ends with sent().
    link::ExportTransfer* send(const QStringList& lines);
    // Fetches the unit's configuration; null when the link is not open or busy. The transfer
    // ends with fetched().
    link::ImportTransfer* fetch();
    // Stops the running transfer like an abort at its current line.
    void cancelTransfer();
    // Stops the running transfer at once, waiting for nothing more from the unit; it ends with
    // fetched() or sent() before this returns, so that what came of a fetch is not lost.
    void stopTransfer();

signals:
    // The link is open: first, or again after it was lost (`again`).
    void opened(bool again);
    // The first attempt failed; `turnedAway`: the unit refused the connection (or closed it at
    // once), as one that another program holds does.
    void openFailed(const QString& error, bool turnedAway);
    // The open link was lost; it is opened again after retryScheduled()'s delay.
    void lost(const QString& reason);
    void retryScheduled(int attempt, int delayMs);
    // A fetch has ended: what came, whether it came whole, and if not, why.
    void fetched(const QString& text, bool whole, const QString& why);
    // A send has ended; the transfer is deleted once control returns to the event loop.
    void sent(const zel::link::ExportTransfer& transfer);

private:
    enum class State { Closed, Opening, Open, Lost, Reopening };

    void attemptOpen();
    void onOpened();
    void onOpenFailed(const QString& error);
    void goLost(const QString& reason);
    void scheduleRetry();
    void dropChannel();
    template <typename T> T* run(T* transfer);
    void onTransferFinished();

    ChannelMaker m_makeChannel;
    Settings m_settings;
    std::unique_ptr<link::LinkChannel> m_channel;
    link::Transfer* m_transfer = nullptr;
    State m_state = State::Closed;
    QString m_peer;
    QString m_lostReason;
    int m_retrySeconds = 0;
    bool m_handshakeMade = false;
    int m_attempt = 0; // attempts to open again since the link was lost
    QTimer m_retryTimer;
    QTimer m_connectTimer;
};

} // namespace zel::session
