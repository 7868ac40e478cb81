#include "ui/window/link_controller.h"

#include "link/config_file.h"
#include "link/export_transfer.h"
#include "link/import_transfer.h"
#include "link/received_text.h"
#include "link/serial_channel.h"
#include "link/telnet_channel.h"
#include "link/transfer_texts.h"
#include "ui/window/main_window.h"
#include "ui/window/painting_suspended.h"
#include "ui/window/text_box_loading.h"
#include "ui/window/transfer_progress_panel.h"
#include "ui/window/transfer_text_box.h"
#include "ui/window/user_prompts.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>

namespace zel::ui {

using link::LinkMode;
using link::TransferOutcome;

namespace {

const QString kHostCaption = QStringLiteral("Enter the address for the ZEL");
const QString kHostPrompt = QStringLiteral("Hostname or IP Address: ");
const QString kUsingHost = QStringLiteral("Using host: ");
const QString kNoHost = QStringLiteral("No host entered.  Telnet disabled.");

} // namespace

LinkController::LinkController(MainWindow& window) : QObject(&window), m_window(window)
{
    connect(window.fileModeAction(), &QAction::triggered, this, &LinkController::chooseFileMode);
    connect(window.serialModeAction(), &QAction::triggered, this,
            &LinkController::chooseSerialMode);
    connect(window.telnetModeAction(), &QAction::triggered, this,
            &LinkController::chooseTelnetMode);

    m_cancelAction = new QAction(tr("Cancel Transfer"), &window);
    m_cancelAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelAction->setShortcutContext(Qt::WindowShortcut);
    m_cancelAction->setEnabled(false);
    window.addAction(m_cancelAction);
    connect(m_cancelAction, &QAction::triggered, this, &LinkController::cancelTransfer);

    m_progressPanel = new TransferProgressPanel(&window);
    window.statusBar()->addPermanentWidget(m_progressPanel);
    connect(m_progressPanel, &TransferProgressPanel::cancelRequested, this,
            &LinkController::cancelTransfer);

    connect(m_serial.port(), &QSerialPort::readyRead, this,
            &LinkController::onSerialDataOutsideTransfer);
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
}

UserPrompts& LinkController::prompts()
{
    return m_window.prompts();
}

LinkMode LinkController::linkMode() const
{
    if (m_window.fileModeAction()->isChecked())
        return LinkMode::File;
    if (m_window.serialModeAction()->isChecked())
        return LinkMode::Serial;
    if (m_window.telnetModeAction()->isChecked())
        return LinkMode::Telnet;
    return LinkMode::None;
}

// --- The three mode items --------------------------------------------------------------------

void LinkController::checkOnly(QAction* mode)
{
    // Set outright: a click on the item already checked would otherwise clear it.
    for (QAction* item : m_window.linkModeGroup()->actions())
        item->setChecked(item == mode);
}

void LinkController::chooseFileMode()
{
    checkOnly(m_window.fileModeAction());
    m_serial.close();
}

void LinkController::chooseSerialMode()
{
    checkOnly(m_window.serialModeAction());
    // No port is remembered: every choice of the mode asks for it again.
    m_serial.close();
    if (openChosenPort())
        m_serial.flushBuffers();
}

void LinkController::chooseTelnetMode()
{
    m_serial.close();
    checkOnly(m_window.telnetModeAction());
    const std::optional<QString> host = prompts().inputQuery(kHostCaption, kHostPrompt, {});
    if (host && !host->isEmpty()) {
        m_host = *host; // as typed, blanks included
        m_window.logTextBox()->appendPlainText(kUsingHost + m_host);
    } else {
        m_window.telnetModeAction()->setChecked(false);
        m_window.logTextBox()->appendPlainText(kNoHost);
    }
}

bool LinkController::openChosenPort()
{
    const std::optional<QString> port = prompts().choosePort();
    if (!port || port->isEmpty()) {
        prompts().showError(tr("No serial port was chosen, so the serial link is not open.\n\n"
                               "Choose \"Serial Mode\" again to pick a port."));
        return false;
    }
    if (!m_serial.open(*port)) {
        prompts().showError(tr("The serial port %1 cannot be opened: %2\n\n"
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
    if (isTransferRunning())
        return;
    switch (linkMode()) {
    case LinkMode::Serial:
        // Sending the request opens a closed port first, asking for it again; when that fails
        // the import ends without the reader run.
        if (!m_serial.isOpen() && !openChosenPort())
            return;
        runImport(makeChannel());
        return;
    case LinkMode::File:
        importFile();
        return;
    case LinkMode::Telnet:
        runImport(makeChannel());
        return;
    case LinkMode::None:
        runReader();
        return;
    }
}

void LinkController::exportConfiguration()
{
    if (isTransferRunning())
        return;
    const QStringList lines = storedText(m_window.logTextBox()).split(QLatin1Char('\n'));
    switch (linkMode()) {
    case LinkMode::File:
        exportFile(lines);
        return;
    case LinkMode::Serial:
    case LinkMode::Telnet:
        runExport(makeChannel(), lines);
        return;
    case LinkMode::None:
        return;
    }
}

void LinkController::importFile()
{
    const QString path = prompts().openFileName(m_lastOpenedFile);
    if (path.isEmpty()) {
        runReader(); // the configuration has been reset; it stays empty
        return;
    }
    m_lastOpenedFile = path;
    const link::FileReadResult file = link::readConfigurationFile(path);
    if (!file.ok) {
        prompts().showError(file.errorText);
        return;
    }
    QPlainTextEdit* box = m_window.configurationTextBox();
    {
        const PaintingSuspended suspended(box);
        box->setPlainText(file.lines.join(QLatin1Char('\n')));
    }
    m_window.setStatusText(link::fileImportStatus(path));
    if (runReader() == 0)
        m_window.setStatusText(link::texts::nothingImportedStatus(link::filePeerText(path)));
}

void LinkController::exportFile(const QStringList& lines)
{
    const QString path = prompts().saveFileName(m_lastOpenedFile);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !prompts().confirm(link::overwriteQuestion(path)))
        return;
    const link::FileWriteResult written = link::writeConfigurationFile(path, lines);
    if (!written.ok) {
        prompts().showError(written.errorText +
                            tr("\n\nThe file was left as it was. Choose another file or "
                               "folder and export again."));
        return;
    }
    m_window.setStatusText(link::fileExportStatus(path));
    emit configurationDelivered(false);
}

int LinkController::runReader()
{
    const PaintingSuspended suspended(m_window.tabs()); // every page is refilled
    return m_window.readerRun().settingLines;
}

QString LinkController::peerText() const
{
    return linkMode() == LinkMode::Serial
               ? QStringLiteral("serial port: ") + link::serialPortLabel(m_serial.portName())
               : QStringLiteral("host: ") + m_host;
}

// --- Transfers ------------------------------------------------------------------------------

std::unique_ptr<link::LinkChannel> LinkController::makeChannel()
{
    if (linkMode() == LinkMode::Serial)
        return std::make_unique<link::SerialChannel>(m_serial);
    return std::make_unique<link::TelnetChannel>(m_host);
}

void LinkController::runImport(std::unique_ptr<link::LinkChannel> channel)
{
    auto* transfer = new link::ImportTransfer(std::move(channel), m_settings, this);
    connect(transfer, &link::Transfer::finished, this,
            [this, transfer] { onImportFinished(transfer); });
    m_exporting = false;
    beginTransfer(transfer);
}

void LinkController::runExport(std::unique_ptr<link::LinkChannel> channel, const QStringList& lines)
{
    auto* transfer = new link::ExportTransfer(std::move(channel), lines, m_settings, this);
    connect(transfer, &link::Transfer::progress, m_progressPanel,
            &TransferProgressPanel::showProgress);
    connect(transfer, &link::Transfer::finished, this,
            [this, transfer] { onExportFinished(transfer); });
    m_exporting = true;
    beginTransfer(transfer);
}

void LinkController::beginTransfer(link::Transfer* transfer)
{
    QPlainTextEdit* box = m_window.configurationTextBox();
    connect(transfer, &link::Transfer::textReceived, box,
            [box](const QString& text) { appendReceivedText(box, text); });
    connect(transfer, &link::Transfer::logLine, box,
            [box](const QString& line) { appendTransferLine(box, line); });
    connect(transfer, &link::Transfer::statusText, &m_window, &MainWindow::setStatusText);

    m_transfer = transfer;
    setTransferCommandsActive(true);
    emit transferStarted();
    transfer->start();
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
    const QString incomplete = transfer->incompleteReason();
    endTransfer();
    if (!m_windowClosing) {
        if (!error.isEmpty())
            reportLinkError(outcome, error);
        if (link::hasImportText(outcome)) {
            const int settingLines = runReader();
            if (outcome != TransferOutcome::Completed)
                m_window.markImportIncomplete(incomplete);
            else if (settingLines == 0)
                m_window.setStatusText(link::texts::nothingImportedStatus(peerText()));
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
        emit configurationDelivered(true);
    emit transferFinished(outcome);
}

void LinkController::endTransfer()
{
    if (!m_transfer)
        return;
    // Still inside the transfer's finished signal: delete it once that has returned.
    m_transfer->deleteLater();
    m_transfer = nullptr;
    setTransferCommandsActive(false);
}

void LinkController::setTransferCommandsActive(bool running)
{
    m_cancelAction->setEnabled(running);
    // The box shows the transfer as it goes; typing into it would mix with the received text.
    m_window.configurationTextBox()->setReadOnly(running);
    if (running)
        m_progressPanel->begin();
    else
        m_progressPanel->end();
}

void LinkController::reportLinkError(TransferOutcome outcome, const QString& error)
{
    if (linkMode() == LinkMode::Telnet) {
        prompts().showError(tr("The telnet link to host %1 failed: %2\n\n"
                               "Check the host name or address and that the unit is on the "
                               "network, then try again.")
                                .arg(m_host, error));
        return;
    }
    // A lost port is reported once, when the port itself says so (onSerialPortLost).
    if (outcome == TransferOutcome::ConnectionClosed)
        return;
    prompts().showError(tr("The serial link failed: %1\n\n"
                           "Choose \"Serial Mode\" to open the port again.")
                            .arg(error));
}

// --- The serial port between transfers ------------------------------------------------------

void LinkController::onSerialDataOutsideTransfer()
{
    // During a transfer the transfer reads the port itself.
    if (m_transfer)
        return;
    const QByteArray bytes = m_serial.port()->readAll();
    if (bytes.isEmpty())
        return;
    // What a unit sends unasked is shown as an import shows it, status line included.
    QPlainTextEdit* box = m_window.configurationTextBox();
    int completeLines = box->document()->blockCount() - 1;
    bool partialLine = !box->document()->lastBlock().text().isEmpty();
    int linesAtBracket = -1;
    QString text;
    for (const char byte : bytes) {
        if (byte == '[')
            linesAtBracket = completeLines + (partialLine ? 1 : 0);
        switch (link::appendReceivedByte(text, byte)) {
        case link::ReceivedByte::Printable:
            partialLine = true;
            break;
        case link::ReceivedByte::LineBreak:
            ++completeLines;
            partialLine = false;
            break;
        case link::ReceivedByte::Dropped:
            break;
        }
    }
    appendReceivedText(box, text);
    if (linesAtBracket >= 0)
        m_window.setStatusText(QStringLiteral(" Importing %1 lines from serial port: %2")
                                   .arg(linesAtBracket / 2)
                                   .arg(link::serialPortLabel(m_serial.portName())));
}

void LinkController::onSerialPortLost(const QString& error)
{
    if (m_windowClosing)
        return;
    prompts().showError(tr("The serial port %1 was lost: %2\n\n"
                           "Reconnect the unit and choose \"Serial Mode\" to open the port "
                           "again.")
                            .arg(m_serial.portName(), error));
}

} // namespace zel::ui
