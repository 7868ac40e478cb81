#include "session/report/report_baselines.h"

#include "session/configuration/configuration_session.h"
#include "text/capped_read.h"

#include "journal/journal.h"
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

ReportBaseline visitStart(const QString& unit, const FetchedConfiguration& fetched)
{
    return {QCoreApplication::translate("Report", "First fetch since the program started: %1, %2")
                .arg(unit, fetched.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
            fetchedName(unit, fetched.when), &fetched, std::nullopt};
}

ReportBaseline journalEntry(const journal::Entry& entry)
{
    return {
        QCoreApplication::translate("Report", "Journal: fetched from %1, %2")
            .arg(entry.unit, entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
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
                                const journal::Journal& journal, const QString& unit)
{
    ReportBaselines baselines;
    const QStringList units = unit.isEmpty() ? session.unitsFetchedFrom() : QStringList{unit};
    for (const QString& fetchedUnit : units)
        if (const FetchedConfiguration* first = session.firstFetchedFrom(fetchedUnit))
            baselines.offered.push_back(visitStart(fetchedUnit, *first));
    if (!baselines.offered.empty())
        baselines.proposed = 0;

    // The journal's whole fetches, newest first; the newest from before the session is where
    // the visit began when the session has fetched nothing itself, else the oldest since.
    int beforeStart = -1, sinceStart = -1;
    for (const journal::Entry& entry : journal.entries()) {
        if (journal::kindOf(entry) != journal::Kind::WholeFetch ||
            (!unit.isEmpty() && entry.unit != unit))
            continue;
        if (static_cast<int>(baselines.offered.size()) >= kJournalOffers)
            break;
        const int at = static_cast<int>(baselines.offered.size());
        if (entry.time < session.startedAt()) {
            if (beforeStart < 0)
                beforeStart = at;
        } else {
            sinceStart = at;
        }
        baselines.offered.push_back(journalEntry(entry));
    }
    if (baselines.proposed < 0 && !unit.isEmpty())
        baselines.proposed = beforeStart >= 0 ? beforeStart : sinceStart;
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
