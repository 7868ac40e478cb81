#include "session/report/report_baselines.h"

#include "session/configuration/configuration_session.h"
#include "text/capped_read.h"

#include "journal/journal.h"
#include "journal/visit_start.h"
#include "model/config_reader.h"
#include "model/model_reset.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zel::session {

namespace {

// Enough of the journal to go back a good many visits without a list too long to choose from.
constexpr int kJournalOffers = 40;

QString fetchedName(const QString& unit, const QDateTime& when)
{
    return QCoreApplication::translate("Report", "the configuration fetched from %1 on %2")
        .arg(unit, baselineTime(when));
}

// "2026-12-10 00:53:07", in local time: entries made within a minute stay apart.
QString listedTime(const QDateTime& when)
{
    return when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// A first fetch of this session that the journal could not keep.
ReportBaseline sessionFetch(const QString& unit, const FetchedConfiguration& fetched)
{
    return {QCoreApplication::translate("Report", "%1, fetched from %2 (not in the journal)")
                .arg(listedTime(fetched.when), unit),
            fetchedName(unit, fetched.when), &fetched, std::nullopt};
}

ReportBaseline journalEntry(const journal::Entry& entry)
{
    const QString cause = journal::causeText(entry.cause);
    const QString fetched = QCoreApplication::translate("Report", "%1, fetched from %2")
                                .arg(listedTime(entry.time), entry.unit);
    return {cause.isEmpty() ? fetched : QStringLiteral("%1 (%2)").arg(fetched, cause),
            fetchedName(entry.unit, entry.time), nullptr, entry};
}

// The configuration `text` holds, read as an import reads it.
model::ConfigModel configurationOf(const QByteArray& text, int* settingLines = nullptr)
{
    model::ConfigModel configuration;
    model::resetModel(configuration);
    model::LogLines log;
    QByteArray lines = text;
    lines.replace('\r', QByteArray());
    const model::ReadSummary summary = model::readText(configuration, lines.toStdString(), log);
    model::markUnavailableGroups(configuration);
    if (settingLines)
        *settingLines = summary.settingLines;
    return configuration;
}

} // namespace

QString baselineTime(const QDateTime& when)
{
    return when.toLocalTime().toString(
        QCoreApplication::translate("Report", "yyyy-MM-dd 'at' HH:mm"));
}

ReportBaselines reportBaselines(const ConfigurationSession& session,
                                const journal::Journal& journal, const QString& unit,
                                const QDate& today)
{
    ReportBaselines baselines;
    const QList<journal::Entry> entries = journal.entries();
    const auto wholeFetchFrom = [&](const journal::Entry& entry, const QString& from) {
        return journal::kindOf(entry) == journal::Kind::WholeFetch &&
               (from.isEmpty() || entry.unit == from);
    };
    // A fetch of this session is offered on its own only when the journal did not keep it.
    const QStringList units = unit.isEmpty() ? session.unitsFetchedFrom() : QStringList{unit};
    for (const QString& fetchedUnit : units) {
        const FetchedConfiguration* first = session.firstFetchedFrom(fetchedUnit);
        if (first && std::none_of(entries.cbegin(), entries.cend(), [&](const auto& entry) {
                return wholeFetchFrom(entry, fetchedUnit) && entry.time >= session.startedAt();
            }))
            baselines.offered.push_back(sessionFetch(fetchedUnit, *first));
    }
    const std::size_t fromSession = baselines.offered.size();

    // The journal's whole fetches, newest first, each once.
    for (const journal::Entry& entry : entries)
        if (wholeFetchFrom(entry, unit) &&
            static_cast<int>(baselines.offered.size() - fromSession) < kJournalOffers)
            baselines.offered.push_back(journalEntry(entry));

    // The visit's start: the unit's first whole fetch of the day, else what it held before.
    const QString visited = units.isEmpty() ? QString() : units.constFirst();
    const std::optional<journal::Entry> start =
        visited.isEmpty() ? std::nullopt : journal::visitStart(entries, visited, today);
    if (start) {
        const auto offered =
            std::find_if(baselines.offered.cbegin(), baselines.offered.cend(),
                         [&](const ReportBaseline& baseline) {
                             return baseline.entry && baseline.entry->file == start->file;
                         });
        if (offered == baselines.offered.cend())
            baselines.offered.push_back(journalEntry(*start)); // older than those listed
        baselines.proposed = static_cast<int>(offered - baselines.offered.cbegin());
    } else if (fromSession > 0) {
        baselines.proposed = 0;
    }
    return baselines;
}

std::optional<model::ConfigModel> baselineConfiguration(const ReportBaseline& baseline,
                                                        const journal::Journal& journal,
                                                        QString* error)
{
    if (baseline.fetched)
        return baseline.fetched->model;
    if (!baseline.entry)
        return std::nullopt;
    QString reason;
    const std::optional<QByteArray> text = journal.text(*baseline.entry, &reason);
    if (!text) {
        if (error)
            *error = reason;
        return std::nullopt;
    }
    return configurationOf(*text);
}

std::optional<std::pair<model::ConfigModel, QString>> fileBaseline(const QString& path,
                                                                   QString* error)
{
    const auto failed = [&](const QString& reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.isFile())
        return failed(info.exists()
                          ? QCoreApplication::translate("Report", "it is not a file")
                          : QCoreApplication::translate("Report", "there is no such file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    const text::CappedBytes bytes = text::readConfigurationBytes(file);
    if (!bytes.error.isEmpty())
        return failed(bytes.error);
    int settingLines = 0;
    model::ConfigModel configuration = configurationOf(bytes.bytes, &settingLines);
    if (settingLines == 0)
        return failed(QCoreApplication::translate("Report", "it holds no configuration"));
    return std::pair{
        std::move(configuration),
        QCoreApplication::translate("Report", "the configuration in the file '%1' of %2")
            .arg(info.fileName(), baselineTime(info.lastModified()))};
}

} // namespace zel::session
