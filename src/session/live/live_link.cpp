#include "session/live/live_link.h"

#include "link/export_transfer.h"
#include "link/held_channel.h"
#include "link/import_transfer.h"
#include "link/link_channel.h"
#include "link/transfer_texts.h"

#include <QIODevice>

#include <algorithm>

namespace zel::session {

LiveLink::LiveLink(ChannelMaker makeChannel, Settings settings, QObject* parent)
    : QObject(parent), m_makeChannel(std::move(makeChannel)), m_settings(settings)
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &LiveLink::attemptOpen);
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        onOpenFailed(link::texts::connectTimeoutError(m_settings.transfer.responseTimeout));
    });
}

LiveLink::~LiveLink()
{
    // At once: what the channel and the transfer would still do later uses a port or a socket
    // that may be gone by then.
    m_retryTimer.stop();
    m_connectTimer.stop();
    delete std::exchange(m_transfer, nullptr);
    if (m_channel) {
        m_channel->disconnect(this);
        m_channel->close();
        m_channel.reset();
    }
}

void LiveLink::open()
{
    if (m_state != State::Closed)
        return;
    m_state = State::Opening;
    m_attempt = 0;
    attemptOpen();
}

void LiveLink::close()
{
    m_state = State::Closed;
    m_retryTimer.stop();
    m_connectTimer.stop();
    if (link::Transfer* transfer = std::exchange(m_transfer, nullptr)) {
        transfer->disconnect(this);
        transfer->stopNow();
        transfer->deleteLater();
    }
    dropChannel();
}

void LiveLink::dropChannel()
{
    if (!m_channel)
        return;
    m_channel->disconnect(this);
    m_channel->close();
    // Not at once: the channel may be the one signalling now.
    m_channel.release()->deleteLater();
}

void LiveLink::attemptOpen()
{
    if (m_transfer) // ended by the loss, normally, before the retry
        m_transfer->stopNow();
    if (m_state == State::Lost)
        m_state = State::Reopening;
    dropChannel();
    m_channel = m_makeChannel();
    m_peer = m_channel->policy().peer;
    connect(m_channel.get(), &link::LinkChannel::opened, this, &LiveLink::onOpened);
    connect(m_channel.get(), &link::LinkChannel::openFailed, this, &LiveLink::onOpenFailed);
    connect(m_channel.get(), &link::LinkChannel::closedByPeer, this, [this](const QString& error) {
        goLost(error.isEmpty() ? m_channel->policy().connectionLostWhy : error);
    });
    m_channel->open();
    // A host that never answers would hold the attempt for minutes.
    if (m_channel->policy().connectsPerTransfer)
        m_connectTimer.start(m_settings.transfer.responseTimeout);
}

void LiveLink::onOpened()
{
    m_connectTimer.stop();
    const bool again = m_state == State::Reopening;
    m_state = State::Open;
    m_attempt = 0;
    m_lostReason.clear();
    m_handshakeMade = false;
    emit opened(again);
}

void LiveLink::onOpenFailed(const QString& error)
{
    m_connectTimer.stop();
    if (m_state == State::Opening) {
        const bool refused = m_channel && m_channel->refusedConnection();
        close();
        emit openFailed(error, refused);
    } else if (m_state == State::Reopening) {
        m_state = State::Lost;
        scheduleRetry();
    }
}

void LiveLink::goLost(const QString& reason)
{
    if (m_state != State::Open)
        return;
    m_state = State::Lost;
    m_lostReason = reason;
    emit lost(reason);
    // A transfer on the link hears of it from its own channel and ends; the retry waits for that.
    if (m_state == State::Lost)
        scheduleRetry();
}

void LiveLink::scheduleRetry()
{
    ++m_attempt;
    const int doublings = std::min(m_attempt - 1, 16);
    const std::chrono::milliseconds delay = std::min<std::chrono::milliseconds>(
        m_settings.firstRetry * (1LL << doublings), m_settings.longestRetry);
    m_retryTimer.start(delay);
    m_retrySeconds = static_cast<int>((delay.count() + 999) / 1000);
    emit retryScheduled(m_attempt, static_cast<int>(delay.count()));
}

link::ExportTransfer* LiveLink::send(const QStringList& lines)
{
    if (!isOpen() || isBusy())
        return nullptr;
    return run(
        new link::ExportTransfer(std::make_unique<link::HeldChannel>(*m_channel, !m_handshakeMade),
                                 lines, m_settings.transfer));
}

link::ImportTransfer* LiveLink::fetch()
{
    if (!isOpen() || isBusy())
        return nullptr;
    return run(new link::ImportTransfer(
        std::make_unique<link::HeldChannel>(*m_channel, !m_handshakeMade), m_settings.transfer));
}

template <typename T> T* LiveLink::run(T* transfer)
{
    transfer->setParent(this);
    // What came unasked, or after a reply that timed out, is no reply to what goes now.
    if (QIODevice* device = m_channel->device(); device->bytesAvailable() > 0)
        device->readAll();
    m_transfer = transfer;
    connect(transfer, &link::Transfer::finished, this, &LiveLink::onTransferFinished);
    transfer->start();
    return transfer;
}

void LiveLink::cancelTransfer()
{
    if (m_transfer)
        m_transfer->cancel();
}

void LiveLink::stopTransfer()
{
    if (m_transfer)
        m_transfer->stopNow();
}

void LiveLink::onTransferFinished()
{
    link::Transfer* transfer = std::exchange(m_transfer, nullptr);
    if (!transfer)
        return;
    transfer->disconnect(this);
    transfer->deleteLater();
    // Once the unit has answered, the handshake is behind it.
    if (transfer->bytesReceived() > 0)
        m_handshakeMade = true;
    const link::TransferOutcome outcome = transfer->outcome();
    if (outcome == link::TransferOutcome::ConnectionClosed ||
        outcome == link::TransferOutcome::NotOpen || outcome == link::TransferOutcome::LinkFailed ||
        (m_channel && !m_channel->isOpen()))
        goLost(transfer->errorText().isEmpty() ? m_channel->policy().connectionLostWhy
                                               : transfer->errorText());
    if (const auto* fetch = qobject_cast<const link::ImportTransfer*>(transfer))
        emit fetched(fetch->receivedText(), fetch->outcome() == link::TransferOutcome::Completed,
                     fetch->incompleteReason());
    else
        emit sent(*static_cast<const link::ExportTransfer*>(transfer));
}

} // namespace zel::session
