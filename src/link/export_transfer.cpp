#include "link/export_transfer.h"

#include "link/export_lines.h"
#include "link/link_channel.h"
#include "link/received_text.h"
#include "link/transfer_texts.h"
#include "model/command_language.h"

#include <QIODevice>

namespace zel::link {

namespace {
// The tail of a serial reply kept to look for "ERROR" and the acknowledgement form.
constexpr qsizetype kSerialReplyKeep = 4096;
} // namespace

ExportTransfer::ExportTransfer(std::unique_ptr<LinkChannel> channel, QStringList lines,
                               TransferSettings settings, QObject* parent)
    : Transfer(std::move(channel), settings, parent), m_lines(std::move(lines))
{
    m_responseTimer.setSingleShot(true);
    connect(&m_responseTimer, &QTimer::timeout, this, &ExportTransfer::onTimerExpired);
}

ExportTransfer::~ExportTransfer()
{
    releaseChannel();
}

void ExportTransfer::start()
{
    if (m_state != State::Idle)
        return;
    listenToChannel();
    connect(channel().device(), &QIODevice::readyRead, this, &ExportTransfer::readInput);
    if (policy().connectsPerTransfer) {
        m_state = State::Connecting;
        openChannel();
    } else {
        pauseThen(&ExportTransfer::afterFirstPause);
    }
}

void ExportTransfer::cancel()
{
    if (!isRunning() || m_cancelled)
        return;
    m_cancelled = true; // set first: whoever hears the line below may cancel again
    emit logLine(texts::kCancelled);
    finish(TransferOutcome::Cancelled);
}

void ExportTransfer::onOpened()
{
    pauseThen(&ExportTransfer::afterFirstPause);
}

void ExportTransfer::endOnClose(const QString& error)
{
    if (m_state == State::WaitingForReply &&
        m_replyReader.verdict() == ExactReplyReader::Verdict::ErrorLine) {
        endOnErrorReply();
        return;
    }
    emit logLine(policy().connectionLostLine);
    finish(TransferOutcome::ConnectionClosed, error); // the layer's error goes to the error box
}

void ExportTransfer::onTimerExpired()
{
    if (m_state == State::Handshake) {
        emit logLine(texts::kCommandTimeout);
        finish(TransferOutcome::TimedOut);
    } else if (m_state == State::WaitingForReply &&
               m_replyReader.verdict() == ExactReplyReader::Verdict::ErrorLine) {
        endOnErrorReply(); // the error line did not end: it is shown as far as it came
    } else if (m_state == State::WaitingForReply) {
        emit logLine(policy().exactAcknowledgement
                         ? texts::kCommandTimeout
                         : texts::noResponseLine(m_settings.responseTimeout));
        finish(TransferOutcome::TimedOut);
    }
}

void ExportTransfer::afterFirstPause()
{
    if (!channel().isOpen()) {
        if (policy().connectsPerTransfer) {
            emit logLine(policy().connectionLostLine);
            finish(TransferOutcome::ConnectionClosed);
        } else {
            emit logLine(texts::kSerialNotOpen);
            finish(TransferOutcome::NotOpen);
        }
        return;
    }
    if (!policy().handshake) {
        sendNextLine();
        return;
    }
    QIODevice* device = channel().device();
    const qint64 written = device->write(QByteArrayView(model::kHandshake).toByteArray());
    if (written < 0) {
        finish(TransferOutcome::LinkFailed, device->errorString());
        return;
    }
    m_bytesSent += written;
    m_replyBytes = 0;
    m_state = State::Handshake;
    m_responseTimer.start(m_settings.responseTimeout);
}

void ExportTransfer::sendNextLine()
{
    if (m_state == State::Finished)
        return;
    while (m_nextLine < m_lines.size() && !isSendableLine(m_lines[m_nextLine]))
        ++m_nextLine;
    if (m_nextLine >= m_lines.size()) {
        if (onlyEchoed())
            emit logLine(texts::kOnlyEchoed);
        finish(TransferOutcome::Completed);
        return;
    }
    const QString line = m_lines[m_nextLine++];
    TransferStatus sending = lineStatus(TransferStatus::Stage::SendingLine);
    emit status(sending);
    emit progress(sending.line, sending.lineCount);
    if (m_state == State::Finished) // cancelled from a slot
        return;
    if (!channel().isOpen()) {
        emit logLine(policy().connectionLostLine);
        finish(TransferOutcome::ConnectionClosed);
        return;
    }
    emit logLine(texts::kSending + line);
    QIODevice* device = channel().device();
    const qint64 written = device->write(line.toLatin1() + policy().lineTerminator);
    if (written < 0) {
        finish(TransferOutcome::LinkFailed, device->errorString());
        return;
    }
    m_bytesSent += written;
    const QString expected = expectedReply(line);
    emit logLine(texts::kWaitingFor + expected);
    m_replyReader.expect(expected.toLatin1());
    m_expected = expected.toLatin1();
    m_reply.clear();
    m_replyBytes = 0;
    m_state = State::WaitingForReply;
    m_responseTimer.start(m_settings.responseTimeout);
}

void ExportTransfer::readInput()
{
    if (!isRunning())
        return;
    if (!policy().exactAcknowledgement)
        readAnyReply();
    else if (m_state == State::Handshake)
        readHandshake();
    else if (m_state == State::WaitingForReply)
        readExactReply();
    // Otherwise bytes stay buffered: over TCP they count towards the next line's reply.
}

void ExportTransfer::readHandshake()
{
    QIODevice* device = channel().device();
    char byte = 0;
    while (device->getChar(&byte)) {
        ++m_bytesReceived;
        ++m_replyBytes;
        if (byte == ')' || byte == ']') {
            m_responseTimer.stop();
            pauseThen(&ExportTransfer::sendNextLine);
            return;
        }
        if (stopAtReplyLimit())
            return;
    }
}

void ExportTransfer::readExactReply()
{
    QIODevice* device = channel().device();
    QString text;
    char byte = 0;
    while (m_state == State::WaitingForReply && device->getChar(&byte)) {
        ++m_bytesReceived;
        ++m_replyBytes;
        const ExactReplyReader::Verdict verdict = m_replyReader.feed(byte);
        if (verdict != ExactReplyReader::Verdict::ErrorLineEnded || !m_replyReader.endedOnLineEnd())
            appendReceivedByte(text, byte);
        if (verdict == ExactReplyReader::Verdict::ErrorLine) {
            // The rest of the error line may be on its way: wait a moment for it.
            if (device->bytesAvailable() == 0)
                m_responseTimer.start(m_settings.settleTime);
        } else if (verdict == ExactReplyReader::Verdict::ErrorLineEnded) {
            emit textReceived(text);
            endOnErrorReply();
            return;
        } else if (verdict == ExactReplyReader::Verdict::Acknowledged) {
            emit textReceived(text);
            text.clear();
            acknowledgeLine();
            sendNextLine(); // the bytes after the acknowledgement count towards the next line
        } else if (m_replyBytes >= m_settings.receiveLimit) {
            if (!text.isEmpty())
                emit textReceived(text);
            stopAtReplyLimit();
            return;
        }
    }
    if (!text.isEmpty())
        emit textReceived(text);
}

void ExportTransfer::endOnErrorReply()
{
    emit logLine(texts::kErrorReply);
    finish(TransferOutcome::ErrorReply);
}

void ExportTransfer::readAnyReply()
{
    QIODevice* device = channel().device();
    const QByteArray bytes = device->readAll(); // at most the serial port's buffer
    if (bytes.isEmpty())
        return;
    m_bytesReceived += bytes.size();
    m_replyBytes += bytes.size();
    QString text;
    bool acknowledged = false;
    for (const char byte : bytes) {
        appendReceivedByte(text, byte);
        // The rest of a batch after the acknowledgement is shown but not read as a reply: the
        // next line has not been sent yet.
        if (acknowledged || m_state != State::WaitingForReply)
            continue;
        m_reply.append(byte);
        if (m_reply.size() > 2 * kSerialReplyKeep)
            m_reply.remove(0, m_reply.size() - kSerialReplyKeep);
        if (m_reply.endsWith("ERROR")) {
            emit textReceived(text);
            emit logLine(texts::kErrorReply);
            finish(TransferOutcome::ErrorReply);
            return;
        }
        if (byte == ')' || byte == ']') {
            acknowledged = true;
            if (m_reply.endsWith(m_expected))
                ++m_linesInAcknowledgementForm;
        }
    }
    if (!text.isEmpty())
        emit textReceived(text);
    if (m_state == State::WaitingForReply && !acknowledged && stopAtReplyLimit())
        return;
    if (m_state == State::WaitingForReply && acknowledged) {
        acknowledgeLine();
        sendNextLine();
    }
}

void ExportTransfer::acknowledgeLine()
{
    ++m_linesAcknowledged;
    m_lastAcknowledgedLine = m_nextLine;
}

bool ExportTransfer::stopAtReplyLimit()
{
    // A unit that sends on and on without acknowledging would otherwise fill the text box for
    // the whole response time.
    if (m_replyBytes < m_settings.receiveLimit)
        return false;
    emit logLine(texts::replyLimitLine(m_settings.receiveLimit));
    finish(TransferOutcome::LimitReached);
    return true;
}

void ExportTransfer::pauseThen(void (ExportTransfer::*next)())
{
    m_state = State::Settling;
    // Queued even without a pause, so that start() returns before the first line goes.
    const auto pause =
        policy().pausesBeforeSending ? m_settings.settleTime : std::chrono::milliseconds(0);
    QTimer::singleShot(pause, this, [this, next] {
        if (m_state != State::Settling)
            return;
        (this->*next)();
        readInput();
    });
}

bool ExportTransfer::onlyEchoed() const
{
    return m_linesAcknowledged > 0 && m_linesInAcknowledgementForm == 0 &&
           !policy().exactAcknowledgement;
}

QString ExportTransfer::stopReason() const
{
    const QString seconds = texts::secondsText(m_settings.responseTimeout);
    switch (m_outcome) {
    case TransferOutcome::ErrorReply:
        return QStringLiteral("the unit answered ERROR");
    case TransferOutcome::TimedOut:
        return m_nextLine == 0 ? QStringLiteral("no answer to \"[]\" in %1 seconds").arg(seconds)
                               : QStringLiteral("no acknowledgement in %1 seconds").arg(seconds);
    case TransferOutcome::ConnectionClosed:
        return m_turnedAway ? texts::kClosedAtOnceWhy : policy().connectionLostWhy;
    case TransferOutcome::LimitReached:
        return QStringLiteral("%1 bytes came without an acknowledgement")
            .arg(m_settings.receiveLimit);
    case TransferOutcome::NotOpen:
        return QStringLiteral("the serial port is not open");
    case TransferOutcome::LinkFailed:
        return m_nextLine == 0 ? QStringLiteral("the unit could not be reached")
                               : QStringLiteral("the link failed");
    default:
        return {};
    }
}

void ExportTransfer::ending()
{
    m_state = State::Finished;
    m_responseTimer.stop();
    TransferStatus ended = lineStatus(TransferStatus::Stage::ExportEnded);
    ended.reason = stopReason();
    ended.onlyEchoed = onlyEchoed();
    emit status(ended);
}

TransferStatus ExportTransfer::lineStatus(TransferStatus::Stage stage) const
{
    TransferStatus status = statusOf(stage);
    status.line = m_nextLine;
    status.lineCount = lineCount();
    return status;
}

} // namespace zel::link
