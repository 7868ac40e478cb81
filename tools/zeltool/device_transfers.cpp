#include "device_transfers.h"

#include "transfer_journal.h"

#include "model/dump_shortfall.h"

#include "text/latin1_text.h"

#include "link/export_transfer.h"
#include "link/import_transfer.h"
#include "link/serial_channel.h"
#include "link/serial_endpoint.h"
#include "link/telnet_channel.h"
#include "link/transfer_settings.h"

#include <QEventLoop>
#include <QStringList>

#include <cstdio>
#include <memory>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zel::tool {

namespace {

using link::TransferOutcome;

// The channel of one transfer. A serial port is opened here, by `endpoint`, which must outlive
// the channel; nothing, with `error` set, when it cannot be opened.
std::unique_ptr<link::LinkChannel> makeChannel(const LinkTarget& target,
                                               link::SerialEndpoint& endpoint, std::string& error)
{
    const QString address = QString::fromLatin1(target.address.c_str());
    if (target.kind == LinkTarget::Kind::Tcp)
        return std::make_unique<link::TelnetChannel>(address);
    if (!endpoint.open(address)) {
        error = endpoint.errorString().toStdString();
        return nullptr;
    }
    return std::make_unique<link::SerialChannel>(endpoint);
}

link::TransferSettings settingsOf(const TransferOptions& options)
{
    link::TransferSettings settings;
    settings.responseTimeout = options.responseTimeout;
    return settings;
}

// Runs `transfer` until it has finished.
void runToEnd(link::Transfer& transfer)
{
    QEventLoop loop;
    QObject::connect(&transfer, &link::Transfer::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    transfer.start();
    loop.exec();
}

void logOnStandardError(link::Transfer& transfer)
{
    QObject::connect(&transfer, &link::Transfer::logLine, [](const QString& line) {
        std::fprintf(stderr, "%s\n", line.toLatin1().constData());
    });
}

// The link's error, and what a unit that turned the connection away most likely means.
std::string errorOf(const link::Transfer& transfer)
{
    std::string error = transfer.errorText().toStdString();
    if (transfer.turnedAway())
        error += std::string(error.empty() ? "" : "; ") +
                 "another program may hold the unit's session (a unit or a serial-to-network "
                 "bridge that serves one client at a time turns a second one away)";
    return error;
}

} // namespace

bool standardErrorIsATerminal()
{
#ifdef Q_OS_WIN
    return ::_isatty(::_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

ImportResult importConfiguration(const LinkTarget& target, const TransferOptions& options,
                                 journal::Cause cause)
{
    ImportResult result;
    link::SerialEndpoint endpoint;
    std::unique_ptr<link::LinkChannel> channel = makeChannel(target, endpoint, result.error);
    if (!channel) {
        result.outcome = TransferOutcome::NotOpen;
        return result;
    }
    link::ImportTransfer transfer(std::move(channel), settingsOf(options));
    if (options.verbose)
        logOnStandardError(transfer);
    runToEnd(transfer);
    result.outcome = transfer.outcome();
    result.text = text::toLatin1(transfer.receivedText());
    result.error = errorOf(transfer);
    result.incompleteReason = transfer.incompleteReason().toStdString();
    if (result.outcome == TransferOutcome::Completed)
        result.notWhole = model::dumpShortfall(result.text);
    journalImport(target, result, cause);
    return result;
}

ExportResult exportConfiguration(const LinkTarget& target, const std::vector<std::string>& lines,
                                 const TransferOptions& options, SendKind kind,
                                 journal::Cause cause)
{
    ExportResult result;
    result.lineCount = static_cast<int>(lines.size());
    link::SerialEndpoint endpoint;
    std::unique_ptr<link::LinkChannel> channel = makeChannel(target, endpoint, result.error);
    if (!channel) {
        result.outcome = TransferOutcome::NotOpen;
        return result;
    }
    QStringList text;
    for (const std::string& line : lines)
        text << text::fromLatin1(line);
    link::ExportTransfer transfer(std::move(channel), text, settingsOf(options));
    if (options.verbose)
        logOnStandardError(transfer);

    // Progress only where a person watches, and not over the log.
    const bool showProgress = !options.verbose && standardErrorIsATerminal();
    QObject::connect(&transfer, &link::Transfer::progress,
                     [&result, showProgress](int line, int lineCount) {
                         result.line = line;
                         if (showProgress)
                             std::fprintf(stderr, "\rSending line %d of %d", line, lineCount);
                     });
    runToEnd(transfer);
    if (showProgress && result.line > 0)
        std::fputc('\n', stderr);

    result.outcome = transfer.outcome();
    result.acknowledged = transfer.linesAcknowledged();
    result.lastAcknowledgedLine = transfer.lastAcknowledgedLine();
    result.acknowledgedInForm = transfer.linesInAcknowledgementForm();
    result.error = errorOf(transfer);
    journalExport(target, lines, result, kind == SendKind::Partial, cause);
    return result;
}

bool linkFailed(TransferOutcome outcome)
{
    return outcome == TransferOutcome::LinkFailed || outcome == TransferOutcome::NotOpen;
}

std::string importProblem(const ImportResult& result, const LinkTarget& target,
                          const TransferOptions& options)
{
    switch (result.outcome) {
    case TransferOutcome::Completed:
        return result.notWhole.empty() ? std::string("it came whole")
                                       : "the dump ended, but " + result.notWhole;
    case TransferOutcome::TimedOut:
        // A serial import ends after a few quiet seconds, whatever the time-out.
        return target.kind == LinkTarget::Kind::Tcp
                   ? "no character for " + secondsText(options.responseTimeout) + " seconds"
                   : "the unit fell silent";
    case TransferOutcome::ConnectionClosed:
        return "the unit closed the connection";
    case TransferOutcome::LimitReached:
        return "too much text came";
    default:
        return "the import stopped";
    }
}

std::string secondsText(std::chrono::milliseconds time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::chrono::duration<double>(time).count());
    return text;
}

} // namespace zel::tool
