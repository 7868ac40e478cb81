#include "ui/window/link_controller.h"

#include "link/config_file.h"
#include "link/export_transfer.h"
#include "link/import_transfer.h"
#include "link/link_policy.h"
#include "link/serial_channel.h"
#include "link/serial_monitor.h"
#include "link/telnet_channel.h"
#include "link/transfer_texts.h"
#include "ui/window/painting_suspended.h"
#include "ui/window/transfer_progress_panel.h"
#include "ui/window/transfer_text_box.h"
#include "ui/window/user_prompts.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>

#include <utility>

namespace zel::ui {

using link::LinkMode;
using link::TransferOutcome;

namespace {

const QString kHostCaption = QStringLiteral("Enter the address for the ZEL");
const QString kHostPrompt = QStringLiteral("Hostname or IP Address: ");
const QString kUsingHost = QStringLiteral("Using host: ");
const QString kNoHost = QStringLiteral("No host entered.  Telnet disabled.");
constexpr int kFrameMs = 16;

} // namespace

LinkController::LinkController(QPlainTextEdit* configurationTextBox, UserPrompts& prompts,
                               QObject* parent)
    : QObject(parent), m_configurationTextBox(configurationTextBox), m_prompts(&prompts),
      m_feed(new TransferTextFeed(configurationTextBox, this))
{
    // Link handling may leave no mode checked, so the group keeps the items exclusive without
    // forcing one of them on.
    m_linkModeGroup = new QActionGroup(this);
    m_linkModeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_fileModeAction = new QAction(tr("File &Mode"), this);
    m_serialModeAction = new QAction(tr("&Serial Mode"), this);
    m_telnetModeAction = new QAction(tr("&Telnet Mode"), this);
    for (QAction* mode : {m_fileModeAction, m_serialModeAction, m_telnetModeAction}) {
        mode->setCheckable(true);
        m_linkModeGroup->addAction(mode);
    }
    m_fileModeAction->setChecked(true);
    connect(m_fileModeAction, &QAction::triggered, this, &LinkController::chooseFileMode);
    connect(m_serialModeAction, &QAction::triggered, this, &LinkController::chooseSerialMode);
    connect(m_telnetModeAction, &QAction::triggered, this, &LinkController::chooseTelnetMode);

    m_cancelAction = new QAction(tr("Cancel Transfer"), this);
    m_cancelAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelAction->setShortcutContext(Qt::WindowShortcut);
    m_cancelAction->setEnabled(false);
    connect(m_cancelAction, &QAction::triggered, this, &LinkController::cancelTransfer);

    m_progressPanel = new TransferProgressPanel;
    m_showPending.setSingleShot(true);
    m_showPending.setInterval(kFrameMs);
    connect(&m_showPending, &QTimer::timeout, this, &LinkController::showPending);
    connect(m_progressPanel, &TransferProgressPanel::cancelRequested, this,
            &LinkController::cancelTransfer);

    m_serialMonitor = new link::SerialMonitor(m_serial, m_settings.receiveLimit, this);
    connect(m_serialMonitor, &link::SerialMonitor::textReceived, m_feed,
            &TransferTextFeed::appendText);
    connect(m_serialMonitor, &link::SerialMonitor::logLine, m_feed, &TransferTextFeed::appendLine);
    connect(m_serialMonitor, &link::SerialMonitor::statusText, this, &LinkController::statusText);
    connect(&m_serial, &link::SerialEndpoint::portLost, this, &LinkController::onSerialPortLost);
}

LinkController::~LinkController()
{
    // The window is being destroyed: end a running transfer without showing anything, since
    // the widgets its signals reach may be gone already.
    if (m_transfer) {
        m_transfer->disconnect();
        m_transfer->stopNow();
        delete m_transfer;
    }
    // The panel is not a child: the window's status bar holds it, when it was added there.
    if (!m_progressPanel->parent())
        delete m_progressPanel;
}

void LinkController::setTransferSettings(const link::TransferSettings& settings)
{
    m_settings = settings;
    m_serialMonitor->setReceiveLimit(settings.receiveLimit);
}

LinkMode LinkController::linkMode() const
{
    if (m_fileModeAction->isChecked())
        return LinkMode::File;
    if (m_serialModeAction->isChecked())
        return LinkMode::Serial;
    if (m_telnetModeAction->isChecked())
        return LinkMode::Telnet;
    return LinkMode::None;
}

// --- The three mode items --------------------------------------------------------------------

void LinkController::checkOnly(QAction* mode)
{
    // Set outright: a click on the item already checked would otherwise clear it.
    for (QAction* item : m_linkModeGroup->actions())
        item->setChecked(item == mode);
}

void LinkController::chooseFileMode()
{
    checkOnly(m_fileModeAction);
    m_serial.close();
}

void LinkController::chooseSerialMode()
{
    checkOnly(m_serialModeAction);
    // No port is remembered: every choice of the mode asks for it again.
    m_serial.close();
    if (openChosenPort()) {
        m_serial.flushBuffers();
        m_serialMonitor->setPaused(false); // a new port: the limit counts from here
    }
}

void LinkController::chooseTelnetMode()
{
    m_serial.close();
    checkOnly(m_telnetModeAction);
    const std::optional<QString> host = m_prompts->inputQuery(kHostCaption, kHostPrompt, {});
    if (host && !host->isEmpty()) {
        m_host = *host; // as typed, blanks included
        emit logLine(kUsingHost + m_host);
    } else {
        m_telnetModeAction->setChecked(false);
        emit logLine(kNoHost);
    }
}

bool LinkController::openChosenPort()
{
    const std::optional<QString> port = m_prompts->choosePort();
    if (!port || port->isEmpty()) {
        m_prompts->showError(tr("No serial port was chosen, so the serial link is not open.\n\n"
                                "Choose \"Serial Mode\" again to pick a port."));
        return false;
    }
    if (!m_serial.open(*port)) {
        m_prompts->showError(tr("The serial port %1 cannot be opened: %2\n\n"
                                "Check that the port exists and that no other program uses it, "
                                "then choose \"Serial Mode\" again.")
                                 .arg(*port, m_serial.errorString()));
        return false;
    }
    return true;
}

// --- Import and export ----------------------------------------------------------------------

void LinkController::importConfiguration()
{
    fetch(Purpose::Import);
}

void LinkController::fetchForComparison()
{
    fetch(Purpose::Comparison);
}

void LinkController::fetch(Purpose purpose)
{
    if (isTransferRunning())
        return;
    switch (linkMode()) {
    case LinkMode::Serial:
        // Sending the request opens a closed port first, asking for it again; when that fails
        // the import ends without the reader run.
        if (!m_serial.isOpen() && !openChosenPort())
            return;
        [[fallthrough]];
    case LinkMode::Telnet:
        beginTransfer(new link::ImportTransfer(makeChannel(), m_settings, this), purpose);
        return;
    case LinkMode::File:
        fetchFile(purpose);
        return;
    case LinkMode::None:
        if (purpose == Purpose::Import)
            emit importEnded({}, {});
        else
            m_prompts->showError(tr("There is no unit to compare with: no link is chosen.\n\n"
                                    "Choose \"File Mode\", \"Serial Mode\" or \"Telnet Mode\" "
                                    "in the \"File\" menu, then compare again."));
        return;
    }
}

void LinkController::exportConfiguration(const QStringList& lines)
{
    if (isTransferRunning())
        return;
    switch (linkMode()) {
    case LinkMode::File:
        exportFile(lines);
        return;
    case LinkMode::Serial:
    case LinkMode::Telnet:
        beginTransfer(new link::ExportTransfer(makeChannel(), lines, m_settings, this),
                      Purpose::Export);
        return;
    case LinkMode::None:
        return;
    }
}

void LinkController::fetchFile(Purpose purpose)
{
    const bool importing = purpose == Purpose::Import;
    const QString path = m_prompts->openFileName(m_lastOpenedFile);
    if (path.isEmpty()) {
        if (importing)
            emit importEnded({}, {}); // the configuration has been reset; it stays empty
        return;
    }
    if (importing)
        m_lastOpenedFile = path;
    const link::FileReadResult file = link::readConfigurationFile(path);
    if (!file.ok) {
        // The status line would otherwise still tell how an earlier transfer went.
        if (importing)
            emit statusText(link::texts::importEndStatus(TransferOutcome::LinkFailed,
                                                         link::filePeerText(path), {}));
        m_prompts->showError(file.errorText);
        return;
    }
    const QString text = file.lines.join(QLatin1Char('\n'));
    if (!importing) {
        emit comparisonFetched(text, link::filePeerText(path), {}, {}, false);
        return;
    }
    {
        const PaintingSuspended suspended(m_configurationTextBox);
        m_configurationTextBox->setPlainText(text);
    }
    emit statusText(link::fileImportStatus(path));
    emit importEnded(link::filePeerText(path), {});
}

void LinkController::exportFile(const QStringList& lines)
{
    const QString path = m_prompts->saveFileName(m_lastOpenedFile);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !m_prompts->confirm(link::overwriteQuestion(path)))
        return;
    const link::FileWriteResult written = link::writeConfigurationFile(path, lines);
    if (!written.ok) {
        m_prompts->showError(written.errorText +
                             tr("\n\nThe file was left as it was. Choose another file or "
                                "folder and export again."));
        return;
    }
    emit statusText(link::fileExportStatus(path));
    emit configurationDelivered({});
}

QString LinkController::peerText() const
{
    return linkMode() == LinkMode::Serial
               ? link::serialPeer(link::serialPortLabel(m_serial.portName()))
               : link::telnetPeer(m_host);
}

QString LinkController::unitText() const
{
    switch (linkMode()) {
    case LinkMode::Serial:
        return QStringLiteral("serial:") + m_serial.portName();
    case LinkMode::Telnet:
        return QStringLiteral("tcp:") + m_host;
    default:
        return {};
    }
}

// --- Transfers ------------------------------------------------------------------------------

std::unique_ptr<link::LinkChannel> LinkController::makeChannel()
{
    if (linkMode() == LinkMode::Serial)
        return std::make_unique<link::SerialChannel>(m_serial);
    return std::make_unique<link::TelnetChannel>(m_host);
}

void LinkController::beginTransfer(link::Transfer* transfer, Purpose purpose)
{
    // A comparison leaves the configuration text box as it is.
    if (purpose != Purpose::Comparison) {
        connect(transfer, &link::Transfer::textReceived, m_feed, &TransferTextFeed::appendText);
        connect(transfer, &link::Transfer::logLine, m_feed, &TransferTextFeed::appendLine);
    }
    // A transfer may report every half millisecond: the status line and the progress bar show
    // the latest at most once a screen frame, as the text box does.
    connect(transfer, &link::Transfer::statusText, this, [this](const QString& text) {
        m_pendingStatus = text;
        if (!m_showPending.isActive())
            m_showPending.start();
    });
    connect(transfer, &link::Transfer::progress, this, [this](int line, int lineCount) {
        m_pendingProgress = {line, lineCount};
        if (!m_showPending.isActive())
            m_showPending.start();
    });
    if (purpose == Purpose::Export)
        connect(transfer, &link::Transfer::finished, this, [this, transfer] {
            onExportFinished(static_cast<link::ExportTransfer*>(transfer));
        });
    else
        connect(transfer, &link::Transfer::finished, this, [this, transfer] {
            onImportFinished(static_cast<link::ImportTransfer*>(transfer));
        });

    m_transfer = transfer;
    m_purpose = purpose;
    setTransferCommandsActive(true);
    emit transferStarted();
    transfer->start();
}

void LinkController::showPending()
{
    m_showPending.stop();
    if (!m_pendingStatus.isNull())
        emit statusText(std::exchange(m_pendingStatus, QString()));
    if (m_pendingProgress.second > 0)
        m_progressPanel->showProgress(m_pendingProgress.first, m_pendingProgress.second);
    m_pendingProgress = {};
}

void LinkController::cancelTransfer()
{
    if (m_transfer)
        m_transfer->cancel();
}

void LinkController::stopForClose()
{
    if (!m_transfer)
        return;
    const QScopedValueRollback closing(m_windowClosing, true);
    m_transfer->stopNow();
    endTransfer(); // in case the transfer had nothing left to stop
}

void LinkController::onImportFinished(link::ImportTransfer* transfer)
{
    const TransferOutcome outcome = transfer->outcome();
    const QString error = transfer->errorText();
    const QString incomplete =
        outcome == TransferOutcome::Completed ? QString() : transfer->incompleteReason();
    const QString text = transfer->receivedText();
    const bool comparing = m_purpose == Purpose::Comparison;
    if (comparing)
        m_pendingStatus = QString(); // no import took place; the window says how it went
    endTransfer();
    if (!m_windowClosing) {
        if (!error.isEmpty())
            reportLinkError(outcome, error);
        if (!link::hasImportText(outcome)) {
            // The link's own error (a refused connection, an unknown host) says more than
            // "no answer".
            if (comparing)
                emit statusText(
                    QStringLiteral(" Comparison failed from %1: %2")
                        .arg(peerText(), error.isEmpty() ? QStringLiteral("no answer") : error));
        } else if (comparing) {
            emit comparisonFetched(text, peerText(), unitText(), incomplete,
                                   outcome == TransferOutcome::Cancelled);
        } else {
            emit importEnded(peerText(), incomplete);
        }
    }
    emit transferFinished(outcome);
}

void LinkController::onExportFinished(link::ExportTransfer* transfer)
{
    const TransferOutcome outcome = transfer->outcome();
    const QString error = transfer->errorText();
    endTransfer();
    if (!m_windowClosing && !error.isEmpty())
        reportLinkError(outcome, error);
    if (outcome == TransferOutcome::Completed)
        emit configurationDelivered(unitText());
    emit transferFinished(outcome);
}

void LinkController::endTransfer()
{
    if (!m_transfer)
        return;
    // What the transfer showed is all in the box before anything reads it.
    m_feed->flush();
    showPending();
    // Still inside the transfer's finished signal: delete it once that has returned.
    m_transfer->deleteLater();
    m_transfer = nullptr;
    setTransferCommandsActive(false);
}

void LinkController::setTransferCommandsActive(bool running)
{
    m_cancelAction->setEnabled(running);
    m_serialMonitor->setPaused(running); // a transfer reads the port itself
    // The box shows the transfer as it goes; typing into it would mix with the received text.
    m_configurationTextBox->setReadOnly(running);
    if (running)
        m_progressPanel->begin();
    else
        m_progressPanel->end();
}

void LinkController::reportLinkError(TransferOutcome outcome, const QString& error)
{
    if (linkMode() == LinkMode::Telnet) {
        m_prompts->showError(tr("The telnet link to host %1 failed: %2\n\n"
                                "Check the host name or address and that the unit is on the "
                                "network, then try again.")
                                 .arg(m_host, error));
        return;
    }
    // A lost port is reported once, when the port itself says so (onSerialPortLost).
    if (outcome == TransferOutcome::ConnectionClosed)
        return;
    m_prompts->showError(tr("The serial link failed: %1\n\n"
                            "Choose \"Serial Mode\" to open the port again.")
                             .arg(error));
}

// --- The serial port ------------------------------------------------------------------------

void LinkController::onSerialPortLost(const QString& error)
{
    if (m_windowClosing)
        return;
    m_prompts->showError(tr("The serial port %1 was lost: %2\n\n"
                            "Reconnect the unit and choose \"Serial Mode\" to open the port "
                            "again.")
                             .arg(m_serial.portName(), error));
}

} // namespace zel::ui
