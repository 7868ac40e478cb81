// site backup, site verify: every unit of a site file read, kept and compared with its backup.

#include "arguments.h"
#include "byte_files.h"
#include "device_options.h"
#include "tool_command.h"

#include "session/site/site_file.h"
#include "session/site/site_run.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace zel::tool {

namespace {

constexpr int kDefaultJobs = 4;
constexpr int kMostJobs = 64;
constexpr std::chrono::milliseconds kDefaultDeadline{60000};

std::string textOf(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

// Prints each unit's line as soon as every unit before it in the site has ended, so the lines
// come in the site's order while the run goes on.
class LinePrinter {
public:
    explicit LinePrinter(const session::SiteRun& run) : m_run(run) {}
    bool printReady()
    {
        bool ok = true;
        const auto& outcomes = m_run.outcomes();
        for (auto it = outcomes.find(m_next); it != outcomes.end(); it = outcomes.find(++m_next))
            ok = writeStandardOutput(textOf(session::outcomeLine(it->second)) + "\n") && ok;
        return ok;
    }

private:
    const session::SiteRun& m_run;
    int m_next = 0;
};

int runSite(const Arguments& arguments)
{
    const std::string& verb = arguments.positional[0];
    if (verb != "backup" && verb != "verify")
        return fail(kExitUsage, "site: give 'backup SITE' or 'verify SITE', not '" + verb + "'");
    const session::SiteMode mode =
        verb == "backup" ? session::SiteMode::Backup : session::SiteMode::Verify;
    std::string error;
    const std::optional<TransferOptions> options = transferOptionsOf(arguments, error);
    const std::optional<int> jobs =
        options ? wholeNumberOption(arguments.jobs, "--jobs", 1, kMostJobs, kDefaultJobs, error)
                : std::nullopt;
    if (!jobs)
        return fail(kExitUsage, "site " + verb + ": " + error);
    const std::string& path = arguments.positional[1];
    QString why;
    const std::optional<session::Site> site =
        session::loadSiteFile(QString::fromStdString(path), why);
    if (!site)
        return fail(kExitUsage, "site " + verb + ": cannot read '" + path + "':\n" + textOf(why));

    session::SiteRun::Settings settings;
    settings.jobs = *jobs;
    settings.deadline = arguments.timeout ? options->responseTimeout : kDefaultDeadline;
    session::SiteRun run(mode, site->units, settings);
    LinePrinter printer(run);
    bool written = true;
    if (!arguments.json)
        QObject::connect(&run, &session::SiteRun::unitFinished,
                         [&printer, &written] { written = printer.printReady() && written; });
    QEventLoop loop;
    QObject::connect(&run, &session::SiteRun::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    run.start();
    if (run.isRunning())
        loop.exec();

    for (const QString& warning : run.takeWarnings())
        fail(kExitOk, "site " + verb + ": " + textOf(warning));
    const QList<session::UnitOutcome> outcomes = run.outcomeList();
    const QString summary = QStringLiteral("site %1: %2")
                                .arg(QString::fromStdString(verb), session::summaryLine(outcomes));
    if (arguments.json) {
        QJsonArray units;
        for (const session::UnitOutcome& outcome : outcomes)
            units.append(session::outcomeJson(outcome));
        const QJsonObject document{{QStringLiteral("site"), QString::fromStdString(path)},
                                   {QStringLiteral("command"), QString::fromStdString(verb)},
                                   {QStringLiteral("units"), units},
                                   {QStringLiteral("summary"), summary},
                                   {QStringLiteral("allGood"), run.allGood()}};
        written = writeStandardOutput(QJsonDocument(document).toJson().toStdString());
    } else {
        written = writeStandardOutput(textOf(summary) + "\n") && written;
    }
    if (!written)
        return fail(kExitFailure, "cannot write to standard output");
    return run.allGood() ? kExitOk : kExitFailure;
}

constexpr std::string_view kSiteDetails =
    "SITE is a site file (.zelsite): one unit a line, its name then its link, tcp:HOST[:PORT]\n"
    "or serial:DEVICE; \"#\" starts a remark. The link is the last word of the line, so names\n"
    "may hold blanks:\n"
    "  Lobby Left   tcp:192.0.2.11      # by the door\n"
    "\n"
    "backup fetches every unit, read-only: units over TCP in parallel, up to --jobs at once\n"
    "(default 4), units on one serial port one after the other. Each unit has its own deadline\n"
    "(--timeout, default 60 seconds), so a hung unit never holds the rest. Each whole fetch goes\n"
    "into the unit journal, under the unit's identity (told from its configuration: see\n"
    "docs/zeltool.md), with the address it answered at. One line per unit, in the site's order:\n"
    "its name, link, result and what changed since its last backup; then a summary.\n"
    "\n"
    "verify fetches every unit the same way and compares it with its last backup, sending\n"
    "nothing. A unit whose line names another address than before keeps its history; a unit\n"
    "that answers but does not look like the unit the line names is said to be another unit.\n"
    "\n"
    "  --json   the results as JSON, for other tools\n"
    "\n"
    "Results: backed up (its first), unchanged, changed, same, differs, no backup, another\n"
    "unit, failed. Exit status: 0 every unit backed up or unchanged (verify: the same as its\n"
    "backup); 1 a unit failed, changed, differs, has no backup or is another unit; 2 bad usage\n"
    "or a site file that cannot be read.";

} // namespace

void addSiteCommands(CommandTable& table)
{
    table.push_back({"site", "backup|verify SITE [--jobs N] [--timeout SECONDS] [--json]",
                     "back up every unit of a site, or compare each with its last backup",
                     kOptionTransfer | kOptionScan | kOptionJson, 2, runSite, kSiteDetails});
}

} // namespace zel::tool
