// site backup, site verify: every unit of a site file read, kept and compared with its backup.

#include "arguments.h"
#include "byte_files.h"
#include "device_options.h"
#include "tool_command.h"

#include "site_history_step.h"
#include "site_report.h"
#include "site_restore.h"

#include "session/site/site_file.h"
#include "session/site/site_history_settings.h"
#include "session/site/site_run.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
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

bool backedUp(const session::UnitOutcome& outcome)
{
    using Result = session::UnitOutcome::Result;
    return outcome.result == Result::FirstBackup || outcome.result == Result::Unchanged ||
           outcome.result == Result::Changed;
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

// The history a backup keeps its units' files in: --git, else the site's own line; nothing
// when neither names one.
std::optional<HistoryRequest> historyRequestOf(const Arguments& arguments, const QString& sitePath,
                                               const session::SiteHistorySettings& settings)
{
    if (!arguments.git && settings.repository.isEmpty())
        return std::nullopt;
    HistoryRequest request;
    request.folder = arguments.git ? QString::fromLocal8Bit(arguments.git->c_str())
                                   : session::repositoryFolder(settings.repository, sitePath);
    request.givenBy = arguments.git ? "--git" : "the site's history line";
    request.push = arguments.push;
    request.ignoreVolume = arguments.ignoreVolume || settings.ignoreVolume;
    const QString fileName = QFileInfo(sitePath).fileName();
    request.siteFolder = session::siteFolderName(fileName).name;
    request.siteName =
        settings.siteName.isEmpty() ? QFileInfo(sitePath).completeBaseName() : settings.siteName;
    return request;
}

// --quiet: nothing when every unit was backed up and nothing changed; else the summary and the
// differences of each changed unit.
std::string quietReport(const QList<session::UnitOutcome>& outcomes,
                        const session::HistoryBackupResult& kept)
{
    const bool news =
        std::any_of(outcomes.cbegin(), outcomes.cend(),
                    [](const session::UnitOutcome& outcome) { return !backedUp(outcome); }) ||
        std::any_of(kept.units.cbegin(), kept.units.cend(), session::isNews);
    if (!news)
        return {};
    std::string report = textOf(kept.summary) + "\n";
    for (const session::HistoryUnitRecord& record : kept.units) {
        if (record.changes.isEmpty() || !session::isNews(record))
            continue;
        report += textOf(record.name) + ":\n";
        for (const QString& change : record.changes)
            report += "    " + textOf(change) + "\n";
    }
    return report;
}

std::string historyLines(const HistoryStepResult& history)
{
    const session::HistoryBackupResult& kept = history.kept;
    std::string lines = kept.commit.isEmpty() ? "history: no file changed, nothing committed: "
                                              : "history: committed " + textOf(kept.commit) + ": ";
    lines += textOf(kept.summary) + "\n";
    if (!history.pushedTo.isEmpty())
        lines += "history: pushed to " + textOf(history.pushedTo) + "\n";
    return lines;
}

QJsonObject historyJson(const HistoryStepResult& history)
{
    return {{QStringLiteral("summary"), history.kept.summary},
            {QStringLiteral("commit"), history.kept.commit},
            {QStringLiteral("kept"), history.usable},
            {QStringLiteral("pushedTo"), history.pushedTo},
            {QStringLiteral("pushError"), history.pushError}};
}

int runSite(const Arguments& arguments)
{
    const std::string& verb = arguments.positional[0];
    if (verb == "report")
        return runSiteReport(arguments);
    if (verb != "backup" && verb != "verify" && verb != "restore")
        return fail(kExitUsage, "site: give 'backup SITE', 'verify SITE', 'restore SITE UNIT' or "
                                "'report SITE -o OUT', not '" +
                                    verb + "'");
    if (arguments.given & (kOptionOutput | kOptionReport))
        return fail(kExitUsage, "site " + verb +
                                    ": -o, --changes-from, --paper, --site, --client, "
                                    "--installer and --notes are for site report");
    if (verb == "restore")
        return runSiteRestore(arguments);
    if (arguments.positional.size() != 2)
        return fail(kExitUsage, "site " + verb + ": give the site file alone");
    if (arguments.given & (kOptionFrom | kOptionForce | kOptionSendAnyway))
        return fail(kExitUsage, "site " + verb +
                                    ": --from, --force, --allow-incomplete and "
                                    "--other-model are for site restore");
    const session::SiteMode mode =
        verb == "backup" ? session::SiteMode::Backup : session::SiteMode::Verify;
    if (mode == session::SiteMode::Verify && (arguments.given & kOptionHistory))
        return fail(kExitUsage, "site verify: --git, --push and --quiet are for site backup");
    std::string error;
    const std::optional<TransferOptions> options = transferOptionsOf(arguments, error);
    const std::optional<int> jobs =
        options ? wholeNumberOption(arguments.jobs, "--jobs", 1, kMostJobs, kDefaultJobs, error)
                : std::nullopt;
    if (!jobs)
        return fail(kExitUsage, "site " + verb + ": " + error);
    const std::string& path = arguments.positional[1];
    const QString sitePath = QString::fromLocal8Bit(path.c_str());
    QString why;
    const std::optional<session::Site> site = session::loadSiteFile(sitePath, why);
    if (!site)
        return fail(kExitUsage, "site " + verb + ": cannot read '" + path + "':\n" + textOf(why));
    const session::SiteHistorySettings historySettings = session::historySettingsOf(*site);
    const std::optional<HistoryRequest> request =
        mode == session::SiteMode::Backup ? historyRequestOf(arguments, sitePath, historySettings)
                                          : std::nullopt;
    if (!request && (arguments.push || arguments.quiet))
        return fail(kExitUsage, "site backup: --push and --quiet need a history: give --git "
                                "REPO, or a line '# zelconfig history: REPO' in the site file");
    std::optional<SiteHistoryStep> history;
    if (request && !history.emplace(*request).open(verb))
        return kExitUsage;
    const bool quiet = arguments.quiet && !arguments.json;

    session::SiteRun::Settings settings;
    settings.jobs = *jobs;
    settings.deadline = arguments.timeout ? options->responseTimeout : kDefaultDeadline;
    auto records = std::make_unique<session::SiteRecords>();
    records->setIgnoreVolume(arguments.ignoreVolume || historySettings.ignoreVolume);
    session::SiteRun run(mode, site->units, settings, std::move(records));
    LinePrinter printer(run);
    bool written = true;
    if (!arguments.json && !quiet)
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
    std::optional<HistoryStepResult> kept;
    if (history)
        kept = history->keep(site->units, run, verb);
    const QString summary = QStringLiteral("site %1: %2")
                                .arg(QString::fromStdString(verb), session::summaryLine(outcomes));
    if (arguments.json) {
        QJsonArray units;
        for (const session::UnitOutcome& outcome : outcomes)
            units.append(session::outcomeJson(outcome));
        QJsonObject document{{QStringLiteral("site"), QString::fromStdString(path)},
                             {QStringLiteral("command"), QString::fromStdString(verb)},
                             {QStringLiteral("units"), units},
                             {QStringLiteral("summary"), summary},
                             {QStringLiteral("allGood"), run.allGood()}};
        if (kept)
            document.insert(QStringLiteral("history"), historyJson(*kept));
        written = writeStandardOutput(QJsonDocument(document).toJson().toStdString());
    } else if (quiet) {
        // A history that could not be kept said why on standard error; the run's own summary
        // tells the rest.
        written = kept->usable ? writeStandardOutput(quietReport(outcomes, kept->kept))
                               : writeStandardOutput(textOf(summary) + "\n");
    } else {
        written = writeStandardOutput(textOf(summary) + "\n" +
                                      (kept && kept->usable ? historyLines(*kept) : "")) &&
                  written;
    }
    if (!written)
        return fail(kExitFailure, "cannot write to standard output");
    if (!kept)
        return run.allGood() ? kExitOk : kExitFailure;
    // With a history a changed unit is backed up, not a failure: its news is in the output.
    if (!kept->usable)
        return kExitUsage;
    const bool allBackedUp = static_cast<int>(outcomes.size()) == site->units.size() &&
                             std::all_of(outcomes.cbegin(), outcomes.cend(), backedUp);
    return allBackedUp && kept->pushError.isEmpty() ? kExitOk : kExitFailure;
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
    "  --ignore-volume  the zones' volumes do not count as a change (a client turning a zone\n"
    "           up has not changed the installation)\n"
    "\n"
    "backup --git REPO keeps every unit's configuration in the Git work tree REPO (made with\n"
    "git init when the folder is missing or empty), as REPO/SITE/UNIT.zel: SITE is the site\n"
    "file's name without .zelsite, UNIT the unit's name (characters a file name cannot hold are\n"
    "replaced by _, and a note says so). The file holds what the unit sent, after remark lines\n"
    "of its name, link, model and identity: never a time, so an unchanged unit leaves its file\n"
    "as it was. One commit per run, only when a file changed; its first line says what\n"
    "happened (\"Harbour Hotel: 1 changed (Bar), 1 failed (Cellar: no answer within 60 s),\n"
    "14 unchanged\"), its body has a row per unit. A unit that failed keeps its file; a unit\n"
    "renamed in the site file has its file moved (git mv). The author is git's configured\n"
    "identity, else zeltool at this machine's name. A second run on the same repository\n"
    "waits up to 10 seconds for the first one's commit, then says which run holds it.\n"
    "The site file may name its history and settings in remark lines of their own:\n"
    "  # zelconfig history: ~/venues-history     (relative to the site file's folder, or ~/)\n"
    "  # zelconfig site: Harbour Hotel           (the site's name in commit messages)\n"
    "  # zelconfig ignore-volume: yes\n"
    "  --push   after the commit, git push to the branch's upstream (also commits an earlier\n"
    "           run could not push); a failed push keeps the commit and says why\n"
    "  --quiet  print nothing when every unit was backed up and nothing changed; otherwise\n"
    "           the summary and each changed unit's differences, as zeltool diff words them\n"
    "           (what a timer's or cron's mail then carries)\n"
    "With --ignore-volume a unit whose volumes alone changed has its file committed, counted\n"
    "as \"volume only\", and is no news for --quiet.\n"
    "\n"
    "Results: backed up (its first), unchanged, changed, same, differs, no backup, another\n"
    "unit, failed. Exit status: 0 every unit backed up or unchanged (verify: the same as its\n"
    "backup); 1 a unit failed, changed, differs, has no backup or is another unit; 2 bad usage\n"
    "or a site file that cannot be read. With a history: 0 every unit backed up (changed ones\n"
    "too), 1 a unit was not or the push failed, 2 the repository cannot be used (git missing,\n"
    "a folder that is not a work tree, another run holding it, a commit that failed).\n"
    "\n"
    "restore SITE UNIT sends the unit named UNIT in the site the configuration its history holds\n"
    "(REPO/SITE/UNIT.zel, REPO from --git or the site's history line), from any clone of the\n"
    "repository: a colleague's backup, pushed and pulled, restores here as well. The newest\n"
    "commit that holds the unit's file is taken, or with --from COMMIT the file at that commit\n"
    "(a hash or its start, HEAD~2, a tag; git log --follow -- SITE/UNIT.zel in REPO lists the\n"
    "unit's commits, as the window's History does), also under a name the unit had before the\n"
    "site renamed it. It goes as export sends a file: the unit is read first (the journal keeps\n"
    "what it held), then the checks, answered as export answers them:\n"
    "  --force  --allow-incomplete  --other-model  --timeout SECONDS  -v\n"
    "The configuration goes as it was kept, so the identity check compares it whole, network\n"
    "settings included. Exit status as export's: 0 the unit took every line (or held it\n"
    "already); 1 the send stopped, or the unit's configuration did not come whole when read\n"
    "first; 2 bad usage, a unit the site does not name, no history, a commit git does not know or\n"
    "that holds no file of the unit, a check that refused it, or a unit that cannot be reached.\n"
    "\n"
    "report SITE -o OUT.pdf|OUT.html writes one document for the site's venue from what the\n"
    "journal holds, sending and fetching nothing: a summary page (site, client, installer, date,\n"
    "each unit by name with its link and how many changes the visit made), then each unit's\n"
    "changes in plain words, then each unit's configuration as left. A unit's configuration is\n"
    "its newest whole fetch; its visit began with its first whole fetch of the day (a site\n"
    "backup counts), else its newest before that day; --changes-from YYYY-MM-DD measures from\n"
    "that day instead. A unit never fetched is listed as such\n"
    "(and named on standard error). --site NAME (default: the site's name line, else the site\n"
    "file's name), --client NAME and --installer NAME say who it is for; --notes TEXT adds\n"
    "TEXT as notes for the client; --paper A4|Letter as for report. Exit status: 0 written,\n"
    "1 the report file could not be written (an existing file is unchanged), 2 bad usage or a\n"
    "site file that cannot be read.";

} // namespace

void addSiteCommands(CommandTable& table)
{
    table.push_back(
        {"site",
         "backup|verify SITE [--jobs N] [--timeout SECONDS] [--json] [--ignore-volume] "
         "[--git REPO [--push] [--quiet]] | restore SITE UNIT [--from COMMIT] [--git REPO] "
         "[--force] [--allow-incomplete] [--other-model] | report SITE -o OUT.pdf|OUT.html "
         "[--changes-from YYYY-MM-DD] [--site NAME] [--client NAME] [--installer NAME] [--notes "
         "TEXT]",
         "back up every unit of a site, compare each with its last backup, restore a unit "
         "from the site's history, or write the site's report for the client",
         kOptionTransfer | kOptionScan | kOptionJson | kOptionHistory | kOptionIgnoreVolume |
             kOptionFrom | kOptionForce | kOptionSendAnyway | kOptionOutput | kOptionReport,
         2, runSite, kSiteDetails, false, 3, "report"});
}

} // namespace zel::tool
