#include "link/import_transfer.h"

#include "link/link_channel.h"
#include "link/transfer_texts.h"

#include <QIODevice>

#include <utility>

namespace zel::link {

ImportTransfer::ImportTransfer(std::unique_ptr<LinkChannel> channel, TransferSettings settings,
                               QObject* parent)
    : FetchTransfer(parent), m_channel(std::move(channel)), m_settings(settings)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ImportTransfer::onTimerExpired);
    m_drainLimit.setSingleShot(true);
    connect(&m_drainLimit, &QTimer::timeout, this, &ImportTransfer::endDrain);
}

ImportTransfer::~ImportTransfer()
{
    // The channel goes first, while the other members still live: closing its connection may
    // signal, and that is no longer news for this transfer. Its device is not touched here, as
    // a serial port may be gone already when the window that owns it is destroyed.
    disconnect(m_channel.get(), nullptr, this, nullptr);
    m_channel.reset();
}

void ImportTransfer::start()
{
    if (m_started)
        return;
    m_started = true;
    const LinkPolicy& policy = m_channel->policy();
    if (policy.importStartStatus)
        emit statusText(QStringLiteral(" Importing from ") + policy.peer);
    connect(m_channel.get(), &LinkChannel::opened, this, &ImportTransfer::onOpened);
    connect(m_channel.get(), &LinkChannel::openFailed, this, &ImportTransfer::onOpenFailed);
    connect(m_channel.get(), &LinkChannel::closedByPeer, this, &ImportTransfer::onClosedByPeer);
    m_channel->open();
    // A host that never answers the connection attempt would keep it waiting for minutes.
    if (policy.connectsPerTransfer)
        m_timer.start(m_settings.responseTimeout);
}

void ImportTransfer::cancel()
{
    if (!isRunning())
        return;
    if (m_cancelled) {
        // Asked again while the rest of a dump is dropped: the user will not wait for it.
        if (m_draining)
            endDrain();
        return;
    }
    m_cancelled = true; // set first: whoever hears the line below may cancel again
    emit logLine(texts::kCancelled);
    if (!m_receiving || !m_channel->policy().quietTimeEndsImport) {
        finish(TransferOutcome::Cancelled);
        return;
    }
    m_draining = true;
    emit statusText(texts::kDroppingAfterCancel);
    m_timer.start(m_settings.serialQuietTime);
    m_drainLimit.start(m_settings.cancelDrainLimit);
    readInput();
}

void ImportTransfer::stopNow()
{
    if (!isRunning())
        return;
    if (!std::exchange(m_cancelled, true))
        emit logLine(texts::kCancelled);
    finish(TransferOutcome::Cancelled);
}

QString ImportTransfer::incompleteReason() const
{
    const LinkPolicy& policy = m_channel->policy();
    switch (m_outcome) {
    case TransferOutcome::Cancelled:
        return QStringLiteral("cancelled");
    case TransferOutcome::TimedOut:
        if (!policy.quietTimeEndsImport)
            return QStringLiteral("no response in %1 seconds")
                .arg(texts::secondsText(m_settings.responseTimeout));
        return m_bytesReceived == 0 ? QStringLiteral("no reply from the unit")
                                    : QStringLiteral("the unit fell silent before the end");
    case TransferOutcome::ConnectionClosed:
        return policy.connectionLostWhy;
    case TransferOutcome::LimitReached:
        return QStringLiteral("%1 bytes came without the end").arg(m_settings.receiveLimit);
    default:
        return {};
    }
}

void ImportTransfer::onOpened()
{
    const LinkPolicy& policy = m_channel->policy();
    QIODevice* device = m_channel->device();
    connect(device, &QIODevice::readyRead, this, &ImportTransfer::readInput);
    m_matcher.reset();
    m_handshakeReply = HandshakeReplyReader(policy.handshake);
    const qint64 written = device->write(policy.importRequest);
    if (written < 0) {
        finish(TransferOutcome::LinkFailed, device->errorString());
        return;
    }
    m_bytesSent += written;
    m_receiving = true;
    m_timer.start(policy.quietTimeEndsImport ? m_settings.serialQuietTime
                                             : m_settings.responseTimeout);
    readInput(); // bytes that were already waiting on an open serial port
}

void ImportTransfer::onOpenFailed(const QString& error)
{
    const bool serial = !m_channel->policy().connectsPerTransfer;
    finish(serial ? TransferOutcome::NotOpen : TransferOutcome::LinkFailed, error);
}

void ImportTransfer::onClosedByPeer()
{
    if (!isRunning())
        return;
    readInput(); // what arrived before the close is part of the dump
    if (m_draining)
        endDrain();
    else if (isRunning())
        finish(TransferOutcome::ConnectionClosed);
}

void ImportTransfer::onTimerExpired()
{
    if (!isRunning())
        return;
    if (m_draining) {
        endDrain();
        return;
    }
    if (!m_receiving) {
        finish(TransferOutcome::LinkFailed, texts::connectTimeoutError(m_settings.responseTimeout));
        return;
    }
    // Over TCP silence is a failure worth a line; the serial import always ends this way when
    // the unit sends no "[QXSB]", and then says nothing, as a unit with no reply gives no text.
    if (!m_channel->policy().quietTimeEndsImport)
        emit logLine(texts::noResponseLine(m_settings.responseTimeout));
    finish(TransferOutcome::TimedOut);
}

void ImportTransfer::readInput()
{
    if (!m_receiving || !isRunning())
        return;
    QIODevice* device = m_channel->device();
    // What comes after a cancel is only counted, so the receive limit does not apply to it.
    const qint64 room =
        m_draining ? device->bytesAvailable()
                   : std::min(device->bytesAvailable(), m_settings.receiveLimit - m_bytesReceived);
    const QByteArray bytes = device->peek(room);
    if (bytes.isEmpty())
        return;

    QString text;
    QByteArray dumpBytes;
    qsizetype used = 0;
    while (used < bytes.size() && !m_matcher.isComplete()) {
        const char byte = bytes[used++];
        m_matcher.feed(byte);
        if (m_draining)
            continue;
        m_handshakeReply.feed(byte, dumpBytes);
        for (const char dumpByte : std::exchange(dumpBytes, {}))
            m_reader.receive(dumpByte, text);
    }
    // Bytes after the end of the dump are left where they are, unread.
    device->skip(used);
    m_bytesReceived += used;
    m_timer.start(); // every byte starts the wait afresh

    if (m_draining) {
        m_bytesDropped += used;
        if (m_matcher.isComplete())
            endDrain();
        return;
    }
    addText(text);
    if (!isRunning()) // cancelled by whoever took the text
        return;
    if (const QString status = m_reader.takeStatus(m_channel->policy().peer); !status.isEmpty())
        emit statusText(status);

    if (m_matcher.isComplete()) {
        finish(TransferOutcome::Completed);
    } else if (m_bytesReceived >= m_settings.receiveLimit) {
        emit logLine(texts::receiveLimitLine(m_settings.receiveLimit));
        finish(TransferOutcome::LimitReached);
    }
}

void ImportTransfer::addText(const QString& text)
{
    if (text.isEmpty())
        return;
    m_text += text;
    emit textReceived(text);
}

void ImportTransfer::endDrain()
{
    if (!isRunning())
        return;
    emit logLine(texts::droppedAfterCancelLine(m_bytesDropped));
    finish(TransferOutcome::Cancelled);
}

void ImportTransfer::finish(TransferOutcome outcome, const QString& errorText)
{
    if (m_outcome != TransferOutcome::Running)
        return;
    m_outcome = outcome;
    m_errorText = errorText;
    m_receiving = false;
    m_timer.stop();
    m_drainLimit.stop();
    disconnect(m_channel.get(), nullptr, this, nullptr);
    disconnect(m_channel->device(), nullptr, this, nullptr);
    m_channel->close();
    // Held bytes that had not yet proved to be the answer to "[]" are text after all.
    QByteArray held;
    m_handshakeReply.finish(held);
    QString text;
    for (const char byte : held)
        m_reader.receive(byte, text);
    addText(text);
    emit statusText(texts::importEndStatus(outcome, m_channel->policy().peer, incompleteReason()));
    emit finished(outcome);
}

} // namespace zel::link
