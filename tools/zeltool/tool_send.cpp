#include "tool_send.h"

#include "arguments.h"
#include "config_input.h"
#include "send_guards.h"
#include "tool_command.h"
#include "transfer_journal.h"

#include "session/unit/unit_directory.h"

namespace zel::tool {

namespace {

using session::send::Check;

std::vector<std::string> stdStrings(const QStringList& texts)
{
    std::vector<std::string> out;
    for (const QString& text : texts)
        out.push_back(text.toLatin1().toStdString());
    return out;
}

} // namespace

ToolSend::ToolSend(const LinkTarget& target, const TransferOptions& options,
                   const std::string& path, const Arguments& arguments)
    : m_target(target), m_options(options), m_path(path), m_arguments(arguments),
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
    const ImportResult read = importConfiguration(m_target, m_options); // journaled
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
    m_exported = exportConfiguration(m_target, lines, m_options,
                                     m_arguments.changesOnly ? SendKind::Partial : SendKind::Whole);
}

bool ToolSend::goOn(const session::send::Finding& finding)
{
    const std::string unit = describe(m_target);
    switch (finding.check) {
    case Check::NotWholeEnough:
        m_exit = checkWhole(m_path, stdStrings(finding.items), m_arguments.allowIncomplete);
        break;
    case Check::UncarriedTexts: {
        std::string message = "export: " + describe(m_path) +
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
                              describe(m_path) + " without --changes-only to send all of it");
            break;
        }
        const std::string what = "export: the configuration of " + unit + " did not come whole (" +
                                 problem + "), so what it holds is not known";
        m_exit =
            m_arguments.force
                ? fail(kExitOk, what + "; sent as --force asks")
                : fail(kExitFailure, what + "; nothing was sent. --force sends without knowing it");
        break;
    }
    case Check::ModelUnknown:
        return true; // a unit that names nothing has nothing of its own to lose
    case Check::OtherModel:
        m_exit = checkModels(m_path, finding.sentModel.toStdString(),
                             finding.unitModel.toStdString(), m_target, m_arguments.otherModel);
        break;
    case Check::AnotherUnit:
        if (m_arguments.force)
            return true;
        m_exit = fail(kExitUsage,
                      "export: the unit at " + unit +
                          " does not look like the unit this configuration came from; nothing "
                          "was sent (--force sends it anyway)\n  this configuration: " +
                          finding.mismatch->configuration.toStdString() + "\n  at " + unit + ": " +
                          finding.mismatch->atAddress.toStdString());
        break;
    case Check::UnitChanged:
        m_exit = fail(kExitFailure, "export: the configuration of " + unit +
                                        " changed since it was compared; nothing was sent");
        break;
    }
    return m_exit == kExitOk;
}

} // namespace zel::tool
