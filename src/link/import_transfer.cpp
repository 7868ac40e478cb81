#include "link/import_transfer.h"

#include "link/link_channel.h"
#include "link/received_text.h"
#include "link/transfer_texts.h"

#include <QIODevice>

namespace zel::link {

ImportTransfer::ImportTransfer(std::unique_ptr<LinkChannel> channel, TransferSettings settings,
                               QObject* parent)
    : QObject(parent), m_channel(std::move(channel)), m_settings(settings)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ImportTransfer::onTimerExpired);
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
    if (!policy.importStartStatus.isEmpty())
        emit statusText(policy.importStartStatus);
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
    emit logLine(texts::kCancelled);
    finish(TransferOutcome::Cancelled);
}

void ImportTransfer::onOpened()
{
    const LinkPolicy& policy = m_channel->policy();
    QIODevice* device = m_channel->device();
    connect(device, &QIODevice::readyRead, this, &ImportTransfer::readInput);
    m_matcher.reset();
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
    if (isRunning())
        finish(TransferOutcome::ConnectionClosed);
}

void ImportTransfer::onTimerExpired()
{
    if (!isRunning())
        return;
    if (!m_receiving) {
        finish(TransferOutcome::LinkFailed, texts::connectTimeoutError(m_settings.responseTimeout));
        return;
    }
    // Over TCP silence is a failure worth a line; the serial import always ends this way when
    // the unit sends no "[QXSB]", and then says nothing, as a unit with no reply gives no text.
    if (!m_channel->policy().quietTimeEndsImport)
        emit logLine(texts::kNoResponse);
    finish(TransferOutcome::TimedOut);
}

void ImportTransfer::readInput()
{
    if (!m_receiving || !isRunning())
        return;
    QIODevice* device = m_channel->device();
    const qint64 room = m_settings.receiveLimit - m_bytesReceived;
    const QByteArray bytes = device->peek(std::min(device->bytesAvailable(), room));
    if (bytes.isEmpty())
        return;

    QString text;
    qint64 bracketLines = -1; // line count when the last "[" of this batch arrived
    qsizetype used = 0;
    while (used < bytes.size() && !m_matcher.isComplete()) {
        const char byte = bytes[used++];
        if (byte == '[')
            bracketLines = m_completeLines + (m_partialLine ? 1 : 0);
        switch (appendReceivedByte(text, byte)) {
        case ReceivedByte::Printable:
            m_partialLine = true;
            break;
        case ReceivedByte::LineBreak:
            ++m_completeLines;
            m_partialLine = false;
            break;
        case ReceivedByte::Dropped:
            break;
        }
        m_matcher.feed(byte);
    }
    // Bytes after the end of the dump are left where they are, unread.
    device->skip(used);
    m_bytesReceived += used;
    m_timer.start(); // every byte starts the wait afresh

    m_text += text;
    if (!text.isEmpty())
        emit textReceived(text);
    if (bracketLines >= 0)
        emit statusText(QStringLiteral(" Importing %1").arg(bracketLines / 2) +
                        m_channel->policy().importLinesStatusPrefix);

    if (m_matcher.isComplete()) {
        finish(TransferOutcome::Completed);
    } else if (m_bytesReceived >= m_settings.receiveLimit) {
        emit logLine(texts::receiveLimitLine(m_settings.receiveLimit));
        finish(TransferOutcome::LimitReached);
    }
}

void ImportTransfer::finish(TransferOutcome outcome, const QString& errorText)
{
    if (m_outcome != TransferOutcome::Running)
        return;
    m_outcome = outcome;
    m_errorText = errorText;
    m_receiving = false;
    m_timer.stop();
    disconnect(m_channel.get(), nullptr, this, nullptr);
    disconnect(m_channel->device(), nullptr, this, nullptr);
    m_channel->close();
    const QString& endStatus = m_channel->policy().importEndStatus;
    if (hasImportText(outcome) && !endStatus.isEmpty())
        emit statusText(endStatus);
    emit finished(outcome);
}

} // namespace zel::link
