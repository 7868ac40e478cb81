#include "site_restore.h"

#include "arguments.h"
#include "byte_files.h"
#include "config_input.h"
#include "device_options.h"
#include "tool_command.h"
#include "tool_send.h"

#include "model/config_model.h"
#include "model/config_writer.h"
#include "model/whole_configuration.h"
#include "session/restore/unit_history.h"
#include "session/site/site_history_settings.h"

namespace zel::tool {

namespace {

std::string restoreText(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

// "Bar's configuration at commit 1a2b3c4 (2026-01-05 14:02)", as messages name what is sent.
std::string sourceOf(const session::UnitVersion& version, const QString& unitName)
{
    const QString time =
        version.commit.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return restoreText(QStringLiteral("%1's configuration at commit %2 (%3)")
                           .arg(unitName, version.commit.commit.left(7), time));
}

LinkTarget linkTargetOf(const session::SiteLink& link)
{
    return {link.kind == session::SiteLink::Kind::Tcp ? LinkTarget::Kind::Tcp
                                                      : LinkTarget::Kind::Serial,
            link.address.toLatin1().toStdString()};
}

} // namespace

int runSiteRestore(const Arguments& arguments)
{
    if (arguments.positional.size() != 3)
        return fail(kExitUsage, "site restore: give the site file and the unit's name: site "
                                "restore SITE UNIT [--from COMMIT] [--git REPO]");
    if ((arguments.given & (kOptionScan | kOptionJson | kOptionIgnoreVolume)) || arguments.push ||
        arguments.quiet)
        return fail(kExitUsage, "site restore: --jobs, --port, --json, --ignore-volume, --push "
                                "and --quiet are for site backup and verify");
    std::string error;
    const std::optional<TransferOptions> options = transferOptionsOf(arguments, error);
    if (!options)
        return fail(kExitUsage, "site restore: " + error);
    const std::string& path = arguments.positional[1];
    const QString sitePath = QString::fromLocal8Bit(path.c_str());
    QString why;
    const std::optional<session::Site> site = session::loadSiteFile(sitePath, why);
    if (!site)
        return fail(kExitUsage, "site restore: cannot read '" + path + "':\n" + restoreText(why));
    const QString repository =
        arguments.git ? QString::fromLocal8Bit(arguments.git->c_str()) : QString();
    const std::optional<session::UnitHistoryPlace> place = session::unitHistoryPlace(
        sitePath, *site, QString::fromLocal8Bit(arguments.positional[2].c_str()), repository, why);
    if (!place) {
        const bool noHistory =
            repository.isEmpty() && session::historySettingsOf(*site).repository.isEmpty();
        return fail(kExitUsage, "site restore: '" + path + "': " + restoreText(why) +
                                    (noHistory ? "; or give --git REPO" : ""));
    }
    session::UnitHistory history(*place);
    if (const QString problem = history.open(); !problem.isEmpty())
        return fail(kExitUsage, "site restore: " + restoreText(problem));
    const QString from =
        arguments.from ? QString::fromLocal8Bit(arguments.from->c_str()) : QString();
    const std::optional<session::UnitVersion> version = history.versionAt(from, why);
    if (!version)
        return fail(kExitUsage, "site restore: " + restoreText(why));

    const std::string source = sourceOf(*version, place->unitName);
    session::send::Outgoing outgoing;
    const ConfigurationRead read = readConfigurationText(
        std::string_view(version->text.constData(), static_cast<std::size_t>(version->text.size())),
        outgoing.configuration);
    if (read.summary.settingLines == 0)
        return fail(kExitUsage,
                    "site restore: " + source + " holds no configuration line; nothing was sent");
    // It goes as it was kept: compared whole, network included, with the unit the read finds.
    outgoing.edited = false;
    outgoing.missingParts = model::missingFromWhole(outgoing.configuration, read.summary.coverage);
    const std::vector<std::string> lines = model::writeConfiguration(outgoing.configuration);
    const LinkTarget target = linkTargetOf(place->link);
    ToolSend send(target, *options, "site restore", source, arguments, journal::Cause::Restore);
    if (const int refused =
            send.run(std::move(outgoing), [&lines](const model::ConfigModel&) { return lines; }))
        return refused;
    const int sent = send.outcome();
    if (sent == kExitOk && send.ending() == session::send::UnitSend::Ending::Sent &&
        !writeStandardOutput("restored " + restoreText(place->unitName) + " (" + describe(target) +
                             ") to " + source + ": " + restoreText(version->commit.subject) + "\n"))
        return fail(kExitFailure, "cannot write to standard output");
    return sent;
}

} // namespace zel::tool
