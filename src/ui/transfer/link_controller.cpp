#include "ui/transfer/link_controller.h"

#include "link/config_file.h"
#include "link/export_transfer.h"
#include "link/file_transfer.h"
#include "link/import_transfer.h"
#include "link/link_policy.h"
#include "link/serial_channel.h"
#include "link/telnet_channel.h"
#include "link/transfer_ending.h"
#include "link/transfer_texts.h"
#include "link/unit_name.h"
#include "model/dump_shortfall.h"
#include "session/unit/unit_journal.h"
#include "text/latin1_text.h"
#include "ui/common/text_feed.h"
#include "ui/common/user_prompts.h"
#include "ui/transfer/link_failure_message.h"
#include "ui/transfer/transfer_status_texts.h"
#include "ui/transfer/window_questions.h"

#include <QFileInfo>
#include <QScopedValueRollback>

namespace zel::ui {

using link::LinkMode;
using link::TransferOutcome;

LinkController::LinkController(TextFeed& feed, UserPrompts& prompts, QObject* parent)
    : QObject(parent), m_feed(feed), m_prompts(&prompts), m_modes(prompts),
      m_serial(feed, prompts, m_settings.receiveLimit), m_runner(feed)
{
    session::protectKnownUnits(m_journal);
    connect(&m_modes, &LinkModeActions::modeChosen, &m_serial, &SerialSession::followMode);
    connect(&m_modes, &LinkModeActions::logLine, this, &LinkController::logLine);
    connect(&m_modes, &LinkModeActions::aboutToChoose, this, &LinkController::linkModeChanging);
    connect(&m_serial, &SerialSession::statusText, this, &LinkController::statusText);
    connect(&m_runner, &TransferRunner::runningChanged, &m_serial,
            &SerialSession::setMonitorPaused);
    connect(&m_runner, &TransferRunner::started, this, &LinkController::transferStarted);
    connect(&m_runner, &TransferRunner::statusText, this, [this](const QString& text) {
        m_lastStatus = text;
        emit statusText(text);
    });
    connect(&m_runner, &TransferRunner::finished, this, &LinkController::onFinished);
}

void LinkController::setPrompts(UserPrompts& prompts)
{
    m_prompts = &prompts;
    m_modes.setPrompts(prompts);
    m_serial.setPrompts(prompts);
}

void LinkController::setTransferSettings(const link::TransferSettings& settings)
{
    m_settings = settings;
    m_serial.setReceiveLimit(settings.receiveLimit);
}

// --- Starting a transfer --------------------------------------------------------------------

void LinkController::importConfiguration()
{
    fetch(Purpose::Import);
}

void LinkController::importFile(const QString& path)
{
    if (isTransferRunning())
        return;
    if (linkMode() != link::LinkMode::File)
        m_modes.chooseFileMode();
    m_lastOpenedFile = path;
    run(new link::FileImportTransfer(path), Purpose::Import, link::filePeerText(path));
}

bool LinkController::useLink(const session::SiteLink& unit)
{
    if (isTransferRunning())
        return false;
    if (unit.kind == session::SiteLink::Kind::Tcp) {
        m_modes.useTelnetHost(unit.address);
        return true;
    }
    m_serial.usePortNext(unit.address);
    m_modes.chooseSerialMode();
    return m_serial.endpoint().isOpen();
}

void LinkController::fetchForComparison()
{
    fetch(Purpose::Comparison);
}

void LinkController::readBeforeSend()
{
    if (isTransferRunning())
        return;
    if (linkMode() == LinkMode::Serial && !m_serial.endpoint().isOpen()) {
        m_feed.appendLine(link::texts::kSerialNotOpen);
        m_feed.flush();
        emit statusText(status::exportEndStatus(TransferOutcome::NotOpen, 0, 0,
                                                tr("the serial port is not open")));
        return;
    }
    if (linkMode() == LinkMode::Serial || linkMode() == LinkMode::Telnet)
        run(new link::ImportTransfer(makeChannel(), m_settings), Purpose::ReadBeforeSend,
            peerText());
}

void LinkController::fetch(Purpose purpose)
{
    if (isTransferRunning())
        return;
    if (linkMode() == LinkMode::None) {
        if (purpose == Purpose::Import)
            emit importEnded({}, {});
        else
            m_prompts->showError(tr("There is no unit to compare with: no link is chosen.\n\n"
                                    "Choose \"File Mode\", \"Serial Mode\" or \"Telnet Mode\" "
                                    "in the \"File\" menu, then compare again."));
        return;
    }
    if (linkMode() != LinkMode::File) {
        // Sending the request opens a closed port first, asking for it again; when that fails
        // the import ends without the reader run.
        if (linkMode() == LinkMode::Serial && !m_serial.ensureOpen())
            return;
        run(new link::ImportTransfer(makeChannel(), m_settings), purpose, peerText());
        return;
    }
    const QString path = m_prompts->openFileName(m_lastOpenedFile);
    if (path.isEmpty()) {
        if (purpose == Purpose::Import)
            emit importEnded({}, {}); // the configuration has been reset; it stays empty
        return;
    }
    if (purpose == Purpose::Import)
        m_lastOpenedFile = path;
    run(new link::FileImportTransfer(path), purpose, link::filePeerText(path));
}

void LinkController::exportConfiguration(const QStringList& lines, Send kind, journal::Cause cause)
{
    if (isTransferRunning())
        return;
    switch (linkMode()) {
    case LinkMode::File: {
        const QString path = m_prompts->saveFileName(m_lastOpenedFile);
        if (path.isEmpty())
            return;
        if (QFileInfo::exists(path) && !m_prompts->confirm(questions::overwriteFile(path)))
            return;
        run(new link::FileExportTransfer(path, lines), Purpose::Export, link::filePeerText(path));
        return;
    }
    case LinkMode::Serial:
    case LinkMode::Telnet: {
        auto* transfer = new link::ExportTransfer(makeChannel(), lines, m_settings);
        m_exportLines = lines;
        m_exportKind = kind;
        m_exportCause = cause;
        m_exportLine = 0;
        connect(transfer, &link::Transfer::progress, this,
                [this](int line, int) { m_exportLine = line; });
        run(transfer, Purpose::Export, peerText());
        return;
    }
    case LinkMode::None:
        return;
    }
}

void LinkController::nameUnit(const QString& unit, const QString& name)
{
    m_namedUnit = unit;
    m_unitName = name;
}

QString LinkController::peerText() const
{
    if (!m_namedUnit.isEmpty() && journalUnit() == m_namedUnit)
        return m_unitName;
    return linkMode() == LinkMode::Serial ? m_serial.peerText() : link::telnetPeer(host());
}

QString LinkController::journalUnit() const
{
    return link::unitName(linkMode(),
                          linkMode() == LinkMode::Serial ? m_serial.endpoint().portName() : host());
}

std::function<std::unique_ptr<link::LinkChannel>()> LinkController::liveChannelMaker()
{
    if (linkMode() == LinkMode::Serial) {
        link::SerialEndpoint* endpoint = &m_serial.endpoint();
        return [endpoint] {
            return std::make_unique<link::SerialChannel>(*endpoint,
                                                         link::SerialChannel::OnClosedPort::Reopen);
        };
    }
    if (linkMode() == LinkMode::Telnet)
        return [host = host()] { return std::make_unique<link::TelnetChannel>(host); };
    return {};
}

void LinkController::holdForLive(bool held)
{
    m_serial.setHeldForLive(held);
}

std::unique_ptr<link::LinkChannel> LinkController::makeChannel()
{
    if (linkMode() == LinkMode::Serial)
        return std::make_unique<link::SerialChannel>(m_serial.endpoint());
    return std::make_unique<link::TelnetChannel>(host());
}

void LinkController::run(link::Transfer* transfer, Purpose purpose, const QString& peer)
{
    m_purpose = purpose;
    m_peer = peer;
    m_runner.setPeerName(peer);
    // A comparison, and the read before a send, leave the configuration text box as it is.
    switch (purpose) {
    case Purpose::Comparison:
        m_runner.run(transfer, TransferRunner::View::Aside, status::Fetching::Comparison);
        return;
    case Purpose::ReadBeforeSend:
        m_runner.run(transfer, TransferRunner::View::Aside, status::Fetching::ReadBeforeSend);
        return;
    case Purpose::Import:
    case Purpose::Export:
        m_runner.run(transfer, TransferRunner::View::InTextBox);
        return;
    }
}

// --- A transfer's end -----------------------------------------------------------------------

void LinkController::stopForClose()
{
    const QScopedValueRollback closing(m_windowClosing, true);
    m_serial.setWindowClosing(true);
    m_runner.stopNow();
    m_journalWork.finish();
    m_serial.setWindowClosing(false);
}

void LinkController::onFinished(link::Transfer* transfer)
{
    if (m_purpose == Purpose::Export)
        onExportFinished(transfer);
    else
        onFetchFinished(static_cast<link::FetchTransfer*>(transfer));
}

void LinkController::onFetchFinished(link::FetchTransfer* transfer)
{
    const TransferOutcome outcome = transfer->outcome();
    const QString error = transfer->errorText();
    const QString incomplete =
        outcome == TransferOutcome::Completed ? QString() : transfer->incompleteReason();
    const QString text = transfer->receivedText();
    const bool comparing = m_purpose == Purpose::Comparison || m_purpose == Purpose::ReadBeforeSend;
    const bool fromFile = linkMode() == LinkMode::File;
    if (!fromFile && link::hasImportText(outcome)) {
        journal::Entry entry;
        entry.direction = journal::Direction::FromUnit;
        // A dump that ended may still not be a whole configuration (a device that only echoes,
        // a unit that left parts out): the journal never keeps it as what the unit holds.
        const QString shortfall =
            outcome == TransferOutcome::Completed
                ? QString::fromStdString(model::dumpShortfall(text::toLatin1(text)))
                : incomplete;
        entry.whole = outcome == TransferOutcome::Completed && shortfall.isEmpty();
        entry.ending = shortfall;
        entry.cause = m_purpose == Purpose::Import       ? journal::Cause::Import
                      : m_purpose == Purpose::Comparison ? journal::Cause::Compare
                                                         : journal::Cause::AsFound;
        keepInJournal(entry, text);
    }
    if (!m_windowClosing) {
        if (!error.isEmpty() || transfer->turnedAway())
            reportFailure(outcome, error, transfer->turnedAway());
        if (!link::hasImportText(outcome)) {
            // The link's own error (a refused connection, an unknown host) says more than
            // "no answer". A file's error box says all there is.
            // The read before a send is told by what waited on it, as the send that stopped.
            if (m_purpose == Purpose::Comparison && !fromFile)
                emit statusText(status::comparisonFailedStatus(
                    m_peer, error.isEmpty() ? tr("no answer") : error));
        } else if (m_purpose == Purpose::ReadBeforeSend) {
            emit unitReadForSend(text, m_peer, journalUnit(), incomplete,
                                 outcome == TransferOutcome::Cancelled);
        } else if (comparing) {
            emit comparisonFetched(text, m_peer, journalUnit(), incomplete,
                                   outcome == TransferOutcome::Cancelled);
        } else {
            // A link shows the text as it comes; a file's comes whole.
            if (fromFile)
                m_feed.replaceText(text);
            emit importEnded(m_peer, incomplete);
        }
    }
    emit transferFinished(outcome);
}

void LinkController::onExportFinished(link::Transfer* transfer)
{
    const TransferOutcome outcome = transfer->outcome();
    const QString error = transfer->errorText();
    if (!m_windowClosing && (!error.isEmpty() || transfer->turnedAway()))
        reportFailure(outcome, error, transfer->turnedAway());
    const bool reachedUnit = m_exportLine > 0 || (outcome != TransferOutcome::LinkFailed &&
                                                  outcome != TransferOutcome::NotOpen);
    if (linkMode() != LinkMode::File && reachedUnit) {
        const auto* sent = static_cast<link::ExportTransfer*>(transfer);
        journal::Entry entry;
        entry.direction = journal::Direction::ToUnit;
        entry.whole = outcome == TransferOutcome::Completed;
        entry.partial = m_exportKind == Send::Partial;
        entry.cause = m_exportCause;
        if (!entry.whole)
            entry.ending = link::sendEnding(outcome, m_exportLine, int(m_exportLines.size()),
                                            sent->lastAcknowledgedLine());
        keepInJournal(entry, m_exportLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }
    if (outcome == TransferOutcome::Completed)
        emit configurationDelivered(journalUnit());
    emit transferFinished(outcome);
}

void LinkController::keepInJournal(journal::Entry entry, const QString& text)
{
    QString receivedText = text;
    if (entry.direction == journal::Direction::FromUnit) // received line breaks are "\n"
        receivedText.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    entry.unit = journalUnit();
    m_journalWork.run([this, journal = m_journal, entry,
                       bytes = receivedText.toLatin1()]() mutable -> BackgroundQueue::Answer {
        const QString error = journal.record(entry, bytes).text;
        // Answered on the window's thread, and only while the controller lives.
        return [this, error, unit = entry.unit] {
            if (m_windowClosing)
                return;
            if (error.isEmpty()) {
                emit entryRecorded(unit);
                return;
            }
            if (m_journalFailureSaid)
                return;
            m_journalFailureSaid = true;
            emit statusText(m_lastStatus + tr("; the journal cannot be written (%1)").arg(error));
        };
    });
}

void LinkController::reportFailure(TransferOutcome outcome, const QString& error, bool turnedAway)
{
    const TransferDirection direction =
        m_purpose == Purpose::Export ? TransferDirection::Export : TransferDirection::Fetch;
    const QString message =
        linkFailureMessage(linkMode(), direction, host(), outcome, error, turnedAway);
    if (!message.isEmpty())
        m_prompts->showError(message);
}

} // namespace zel::ui
