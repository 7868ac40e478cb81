#include "tool_send.h"

#include "arguments.h"
#include "config_input.h"
#include "send_guards.h"
#include "tool_command.h"
#include "transfer_journal.h"

#include "session/unit/unit_directory.h"

namespace zel::tool {

namespace {

using link::TransferOutcome;
using session::send::Check;

std::vector<std::string> stdStrings(const QStringList& texts)
{
    std::vector<std::string> out;
    for (const QString& text : texts)
        out.push_back(text.toLatin1().toStdString());
    return out;
}

// Why an export stopped before its first line: over TCP the unit must answer "[]" first.
std::string handshakeShortfall(const ExportResult& result, const TransferOptions& options)
{
    std::string reason;
    switch (result.outcome) {
    case TransferOutcome::TimedOut:
        reason = "the unit did not answer the handshake \"[]\" within " +
                 secondsText(options.responseTimeout) + " seconds";
        break;
    case TransferOutcome::ConnectionClosed:
        reason = "the connection was lost at the handshake \"[]\"";
        break;
    case TransferOutcome::LimitReached:
        reason = "too much text came without an answer to the handshake \"[]\"";
        break;
    default:
        reason = "the export stopped at the handshake \"[]\"";
        break;
    }
    return reason + ", before the first line was sent" +
           (result.error.empty() ? "" : " (" + result.error + ")");
}

// Why an export stopped before the end, with the line it stopped at.
std::string exportShortfall(const ExportResult& result, const std::vector<std::string>& lines,
                            const LinkTarget& target, const TransferOptions& options)
{
    if (result.line == 0)
        return handshakeShortfall(result, options);
    std::string reason;
    switch (result.outcome) {
    case TransferOutcome::ErrorReply:
        reason = "the unit answered ERROR to";
        break;
    case TransferOutcome::TimedOut:
        reason =
            "no acknowledgement within " + secondsText(options.responseTimeout) + " seconds of";
        break;
    case TransferOutcome::ConnectionClosed:
        reason = target.kind == LinkTarget::Kind::Tcp ? "the connection was lost at"
                                                      : "the serial port was lost at";
        break;
    case TransferOutcome::LimitReached:
        reason = "too much text came without an acknowledgement of";
        break;
    default:
        reason = "the export stopped at";
        break;
    }
    std::string where =
        "line " + std::to_string(result.line) + " of " + std::to_string(result.lineCount);
    if (result.line >= 1 && result.line <= static_cast<int>(lines.size()))
        where += " (" + lines[static_cast<std::size_t>(result.line - 1)] + ")";
    // Counted in the lines of `where`, the empty ones included, as the progress counts them.
    std::string message =
        reason + " " + where + "; " +
        (result.lastAcknowledgedLine > 0
             ? "acknowledged up to line " + std::to_string(result.lastAcknowledgedLine)
             : std::string("no line was acknowledged"));
    if (!result.error.empty())
        message += " (" + result.error + ")";
    return message;
}

} // namespace

ToolSend::ToolSend(const LinkTarget& target, const TransferOptions& options, std::string command,
                   std::string source, const Arguments& arguments, journal::Cause cause)
    : m_target(target), m_options(options), m_command(std::move(command)),
      m_source(std::move(source)), m_arguments(arguments), m_cause(cause),
      m_send(*this, *this, session::UnitDirectory::defaultPath())
{
}

int ToolSend::run(session::send::Outgoing outgoing, session::send::UnitSend::Compose compose)
{
    m_send.start(journalUnit(m_target), std::move(outgoing), std::move(compose));
    return m_exit;
}

void ToolSend::readUnit()
{
    // Journaled as what the unit held before anything is sent.
    const ImportResult read = importConfiguration(m_target, m_options, journal::Cause::AsFound);
    if (linkFailed(read.outcome)) {
        m_exit = fail(kExitUsage, "cannot reach " + describe(m_target) + ": " + read.error);
        m_send.abandon();
        return;
    }
    const QString incomplete =
        read.whole() ? QString() : QString::fromStdString(importProblem(read, m_target, m_options));
    m_send.readCame(read.text, incomplete, false);
}

void ToolSend::sendLines(const std::vector<std::string>& lines)
{
    m_lines = lines;
    m_exported =
        exportConfiguration(m_target, lines, m_options,
                            m_arguments.changesOnly ? SendKind::Partial : SendKind::Whole, m_cause);
}

bool ToolSend::goOn(const session::send::Finding& finding)
{
    const std::string unit = describe(m_target);
    switch (finding.check) {
    case Check::NotWholeEnough:
        m_exit =
            checkWhole(m_command, m_source, stdStrings(finding.items), m_arguments.allowIncomplete);
        break;
    case Check::UncarriedTexts: {
        std::string message = m_command + ": " + m_source +
                              " holds texts a configuration line cannot carry; nothing was sent";
        for (const QString& found : finding.items)
            message += "\n  " + found.toLatin1().toStdString();
        m_exit = fail(kExitUsage, message);
        break;
    }
    case Check::ReadNotWhole: {
        const std::string problem = finding.reason.toLatin1().toStdString();
        if (m_arguments.changesOnly) {
            m_exit = fail(kExitFailure,
                          "export --changes-only: the configuration of " + unit +
                              " did not come whole (" + problem +
                              "), so what it holds is not known; nothing was sent. Export " +
                              m_source + " without --changes-only to send all of it");
            break;
        }
        const std::string what = m_command + ": the configuration of " + unit +
                                 " did not come whole (" + problem +
                                 "), so what it holds is not known";
        m_exit =
            m_arguments.force
                ? fail(kExitOk, what + "; sent as --force asks")
                : fail(kExitFailure, what + "; nothing was sent. --force sends without knowing it");
        break;
    }
    case Check::ModelUnknown:
        return true; // a unit that names nothing has nothing of its own to lose
    case Check::OtherModel:
        m_exit = checkModels(m_command, m_source, finding.sentModel.toStdString(),
                             finding.unitModel.toStdString(), m_target, m_arguments.otherModel);
        break;
    case Check::AnotherUnit:
        if (m_arguments.force)
            return true;
        m_exit = fail(kExitUsage,
                      m_command + ": the unit at " + unit +
                          " does not look like the unit this configuration came from; nothing "
                          "was sent (--force sends it anyway)\n  this configuration: " +
                          finding.mismatch->configuration.toStdString() + "\n  at " + unit + ": " +
                          finding.mismatch->atAddress.toStdString());
        break;
    case Check::UnitChanged:
        m_exit = fail(kExitFailure, m_command + ": the configuration of " + unit +
                                        " changed since it was compared; nothing was sent");
        break;
    }
    return m_exit == kExitOk;
}

int ToolSend::outcome() const
{
    if (m_send.ending() == session::send::UnitSend::Ending::Nothing)
        return fail(kExitOk, m_command + ": " + describe(m_target) + " already holds " + m_source +
                                 "; nothing was sent");
    if (m_send.ending() != session::send::UnitSend::Ending::Sent)
        return kExitFailure;
    if (linkFailed(m_exported.outcome))
        return fail(kExitUsage, "cannot reach " + describe(m_target) + ": " + m_exported.error);
    if (m_exported.outcome != TransferOutcome::Completed)
        return fail(kExitFailure, m_command + " to " + describe(m_target) + " is incomplete: " +
                                      exportShortfall(m_exported, m_lines, m_target, m_options));
    // A serial unit that only echoed the lines took them by the serial rule, but did not say so.
    if (m_exported.acknowledged > 0 && m_exported.acknowledgedInForm == 0 &&
        m_target.kind != LinkTarget::Kind::Tcp)
        fail(kExitOk, m_command + " to " + describe(m_target) +
                          ": no line came back as (...), the form a unit acknowledges with; each "
                          "was taken on a \")\" or \"]\" alone");
    return kExitOk;
}

} // namespace zel::tool
