#include "session/unit/unit_reader.h"

#include "link/import_transfer.h"
#include "link/serial_channel.h"
#include "link/serial_endpoint.h"
#include "link/telnet_channel.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "text/latin1_text.h"

namespace zel::session {

using link::TransferOutcome;

UnitReader::UnitReader(const SiteLink& link, Settings settings, QObject* parent)
    : QObject(parent), m_link(link), m_settings(settings)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_deadlineHit = true;
        stop();
    });
    model::resetModel(m_configuration);
}

UnitReader::~UnitReader()
{
    if (m_transfer) {
        m_transfer->disconnect(this);
        m_transfer->stopNow();
    }
}

QString UnitReader::seconds(std::chrono::milliseconds time) const
{
    return QString::number(std::chrono::duration<double>(time).count(), 'g', 4);
}

void UnitReader::start()
{
    if (m_started)
        return;
    m_started = true;
    std::unique_ptr<link::LinkChannel> channel;
    if (m_link.kind == SiteLink::Kind::Tcp) {
        channel = std::make_unique<link::TelnetChannel>(m_link.address);
    } else {
        m_endpoint = std::make_unique<link::SerialEndpoint>();
        if (!m_endpoint->open(m_link.address)) {
            const QString error = m_endpoint->errorString();
            QTimer::singleShot(0, this, [this, error] { end(Verdict::Unreachable, error); });
            return;
        }
        channel = std::make_unique<link::SerialChannel>(*m_endpoint);
    }
    link::TransferSettings settings;
    settings.responseTimeout = m_settings.answerTime;
    settings.serialQuietTime = m_settings.serialQuietTime;
    m_transfer = std::make_unique<link::ImportTransfer>(std::move(channel), settings);
    connect(m_transfer.get(), &link::Transfer::textReceived, this, &UnitReader::onText);
    connect(m_transfer.get(), &link::Transfer::finished, this, &UnitReader::onTransferFinished,
            Qt::QueuedConnection);
    m_deadline.start(m_settings.deadline);
    m_transfer->start();
}

void UnitReader::stop()
{
    if (!isRunning())
        return;
    if (m_transfer && m_transfer->isRunning())
        m_transfer->stopNow();
    else if (!m_transfer)
        end(Verdict::NoAnswer, tr("stopped"));
}

void UnitReader::onText(const QString& text)
{
    m_pendingLine += text;
    qsizetype end;
    while (m_early == Verdict::Running && (end = m_pendingLine.indexOf(QLatin1Char('\n'))) >= 0) {
        const QString line = m_pendingLine.left(end);
        m_pendingLine.remove(0, end + 1);
        checkLine(line);
    }
    if (m_early != Verdict::Running && m_transfer->isRunning())
        m_transfer->stopNow();
}

void UnitReader::checkLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return;
    if (!trimmed.startsWith(QLatin1Char('['))) {
        // A rejected request, or a service that is not a unit (a banner, a prompt).
        if (trimmed.contains(QLatin1String("ERROR"), Qt::CaseInsensitive))
            m_early = Verdict::ErrorReply;
        else if (!m_sawLine)
            m_early = Verdict::NotAUnit;
        m_sawLine = true;
        return;
    }
    if (!m_sawLine) {
        model::ConfigModel scratch;
        model::LogLines log;
        if (model::readLine(scratch, text::toLatin1(trimmed), log).result !=
            model::LineResult::Handled)
            m_early = Verdict::NotAUnit;
    }
    m_sawLine = true;
}

void UnitReader::onTransferFinished()
{
    if (!m_transfer)
        return;
    if (m_early == Verdict::Running && !m_pendingLine.isEmpty())
        checkLine(std::exchange(m_pendingLine, {}));
    const QString received = m_transfer->receivedText();
    for (const QString& line : received.split(QLatin1Char('\n'))) {
        if (!line.isEmpty())
            m_text += line.toLatin1() + "\r\n";
    }
    model::LogLines log;
    const int setting = model::readText(m_configuration, m_text.toStdString(), log).settingLines;
    const TransferOutcome outcome = m_transfer->outcome();
    const QString error = m_transfer->errorText();
    const QString incomplete = m_transfer->incompleteReason();
    const bool anything = m_transfer->bytesReceived() > 0;

    if (m_early == Verdict::ErrorReply)
        end(Verdict::ErrorReply, tr("the unit answered ERROR"));
    else if (m_early == Verdict::NotAUnit)
        end(Verdict::NotAUnit, tr("what answered is not a unit"));
    else if (outcome == TransferOutcome::LinkFailed || outcome == TransferOutcome::NotOpen)
        end(Verdict::Unreachable, error);
    else if (outcome == TransferOutcome::Completed)
        end(setting > 0 ? Verdict::Whole : Verdict::NotAUnit,
            setting > 0 ? QString() : tr("it answered, but sent no configuration"));
    else if (setting == 0)
        end(anything ? Verdict::NotAUnit : Verdict::NoAnswer,
            anything
                ? tr("what answered is not a unit")
                : tr("no answer within %1 s")
                      .arg(seconds(m_deadlineHit ? m_settings.deadline : m_settings.answerTime)));
    else if (m_deadlineHit)
        end(Verdict::Partial, tr("not whole within %1 s").arg(seconds(m_settings.deadline)));
    else
        end(Verdict::Partial, incomplete.isEmpty() ? tr("not whole") : incomplete);
}

void UnitReader::end(Verdict verdict, const QString& reason)
{
    if (m_verdict != Verdict::Running)
        return;
    m_verdict = verdict;
    m_reason = reason;
    m_deadline.stop();
    if (m_transfer) {
        m_transfer->disconnect(this);
        m_transfer.release()->deleteLater(); // it may be inside its own signal
    }
    if (m_endpoint)
        m_endpoint->close();
    emit finished();
}

} // namespace zel::session
