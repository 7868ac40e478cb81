#include "link/import_transfer.h"

#include "link/link_channel.h"
#include "link/transfer_texts.h"

#include <QIODevice>

#include <utility>

namespace zel::link {

ImportTransfer::ImportTransfer(std::unique_ptr<LinkChannel> channel, TransferSettings settings,
                               QObject* parent)
    : FetchTransfer(std::move(channel), settings, parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ImportTransfer::onTimerExpired);
    m_drainLimit.setSingleShot(true);
    connect(&m_drainLimit, &QTimer::timeout, this, &ImportTransfer::endDrain);
}

ImportTransfer::~ImportTransfer()
{
    releaseChannel();
}

void ImportTransfer::start()
{
    if (m_started)
        return;
    m_started = true;
    if (policy().reportsConnecting)
        emit status(statusOf(TransferStatus::Stage::Connecting));
    listenToChannel();
    openChannel();
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
    if (!m_receiving || !policy().quietTimeEndsImport) {
        finish(TransferOutcome::Cancelled);
        return;
    }
    m_draining = true;
    emit status(statusOf(TransferStatus::Stage::DroppingAfterCancel));
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
    switch (m_outcome) {
    case TransferOutcome::Cancelled:
        return QStringLiteral("cancelled");
    case TransferOutcome::TimedOut:
        if (!policy().quietTimeEndsImport)
            return QStringLiteral("no response in %1 seconds")
                .arg(texts::secondsText(m_settings.responseTimeout));
        return m_bytesReceived == 0 ? QStringLiteral("no reply from the unit")
                                    : QStringLiteral("the unit fell silent before the end");
    case TransferOutcome::ConnectionClosed:
        return m_turnedAway ? texts::kClosedAtOnceWhy : policy().connectionLostWhy;
    case TransferOutcome::LimitReached:
        return QStringLiteral("%1 bytes came without the end").arg(m_settings.receiveLimit);
    default:
        return {};
    }
}

void ImportTransfer::onOpened()
{
    QIODevice* device = channel().device();
    connect(device, &QIODevice::readyRead, this, &ImportTransfer::readInput);
    m_matcher.reset();
    m_handshakeReply = HandshakeReplyReader(policy().handshake);
    const qint64 written = device->write(policy().importRequest);
    if (written < 0) {
        finish(TransferOutcome::LinkFailed, device->errorString());
        return;
    }
    m_bytesSent += written;
    m_receiving = true;
    m_timer.start(policy().quietTimeEndsImport ? m_settings.serialQuietTime
                                               : m_settings.responseTimeout);
    readInput(); // bytes that were already waiting on an open serial port
}

void ImportTransfer::endOnClose(const QString&)
{
    if (m_draining)
        endDrain();
    else
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
    // Over TCP silence is a failure worth a line; the serial import always ends this way when
    // the unit sends no "[QXSB]", and then says nothing, as a unit with no reply gives no text.
    if (!policy().quietTimeEndsImport)
        emit logLine(texts::noResponseLine(m_settings.responseTimeout));
    finish(TransferOutcome::TimedOut);
}

void ImportTransfer::readInput()
{
    if (!m_receiving || !isRunning())
        return;
    QIODevice* device = channel().device();
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
    if (const std::optional<int> lines = m_reader.takeLineCount()) {
        TransferStatus receiving = statusOf(TransferStatus::Stage::ReceivingLines);
        receiving.line = *lines;
        emit status(receiving);
    }

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

void ImportTransfer::ending()
{
    if (const qint64 dropped = unfinishedNegotiationBytes(); dropped > 0)
        emit logLine(texts::unfinishedNegotiationLine(dropped));
    m_receiving = false;
    m_timer.stop();
    m_drainLimit.stop();
    // Held bytes that had not yet proved to be the answer to "[]" are text after all.
    QByteArray held;
    m_handshakeReply.finish(held);
    QString text;
    for (const char byte : held)
        m_reader.receive(byte, text);
    addText(text);
    TransferStatus ended = statusOf(TransferStatus::Stage::ImportEnded);
    ended.reason = incompleteReason();
    emit status(ended);
}

} // namespace zel::link
