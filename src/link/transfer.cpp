#include "link/transfer.h"

#include "link/link_channel.h"
#include "link/transfer_texts.h"

#include <QIODevice>

namespace zel::link {

Transfer::Transfer(QObject* parent) : QObject(parent) {}

Transfer::Transfer(std::unique_ptr<LinkChannel> channel, TransferSettings settings, QObject* parent)
    : QObject(parent), m_settings(settings), m_channel(std::move(channel))
{
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        finish(TransferOutcome::LinkFailed, texts::connectTimeoutError(m_settings.responseTimeout));
    });
}

Transfer::~Transfer()
{
    releaseChannel(); // in case the transfer's own destructor did not
}

const LinkPolicy& Transfer::policy() const
{
    return m_channel->policy();
}

void Transfer::listenToChannel()
{
    connect(m_channel.get(), &LinkChannel::opened, this, [this] {
        m_connectTimer.stop();
        onOpened();
    });
    connect(m_channel.get(), &LinkChannel::openFailed, this, &Transfer::onOpenFailed);
    connect(m_channel.get(), &LinkChannel::closedByPeer, this, &Transfer::onClosedByPeer);
}

void Transfer::openChannel()
{
    m_channel->open();
    if (policy().connectsPerTransfer)
        m_connectTimer.start(m_settings.responseTimeout);
}

qint64 Transfer::unfinishedNegotiationBytes() const
{
    return m_channel ? m_channel->unfinishedNegotiationBytes() : 0;
}

void Transfer::releaseChannel()
{
    if (!m_channel)
        return;
    disconnect(m_channel.get(), nullptr, this, nullptr);
    m_channel.reset();
}

void Transfer::onOpenFailed(const QString& error)
{
    m_turnedAway = m_channel->refusedConnection();
    // The serial port is opened before the transfer; a connection is made by it.
    finish(policy().connectsPerTransfer ? TransferOutcome::LinkFailed : TransferOutcome::NotOpen,
           error);
}

void Transfer::onClosedByPeer(const QString& error)
{
    if (!isRunning())
        return;
    readInput(); // what arrived before the close is still the unit's
    m_turnedAway = policy().connectsPerTransfer && m_bytesReceived == 0;
    if (isRunning())
        endOnClose(error);
}

TransferStatus Transfer::statusOf(TransferStatus::Stage stage) const
{
    TransferStatus status;
    status.stage = stage;
    if (m_channel)
        status.peer = policy().peer;
    status.outcome = m_outcome;
    return status;
}

void Transfer::finish(TransferOutcome outcome, const QString& errorText)
{
    if (m_outcome != TransferOutcome::Running)
        return;
    m_outcome = outcome;
    m_errorText = errorText;
    m_connectTimer.stop();
    if (m_channel) {
        disconnect(m_channel.get(), nullptr, this, nullptr);
        disconnect(m_channel->device(), nullptr, this, nullptr);
        m_channel->close();
    }
    ending();
    emit finished(outcome);
}

} // namespace zel::link
