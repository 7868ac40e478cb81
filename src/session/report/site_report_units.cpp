#include "session/report/site_report_units.h"

#include "session/report/report_baselines.h"

#include "journal/journal.h"
#include "journal/visit_start.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace zel::session {

namespace {

// "the configuration fetched from tcp:192.0.2.10:23 on 2026-12-10 at 09:12:07 (site backup)":
// to the second, as a visit's fetches may be a minute apart.
QString entryName(const journal::Entry& entry)
{
    const QString name =
        QCoreApplication::translate("Report", "the configuration fetched from %1 on %2")
            .arg(entry.unit, entry.time.toLocalTime().toString(QCoreApplication::translate(
                                 "Report", "yyyy-MM-dd 'at' HH:mm:ss")));
    const QString cause = journal::causeText(entry.cause);
    return cause.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, cause);
}

// The configuration an entry holds; nothing, with `error` set, when its text cannot be read.
std::optional<model::ConfigModel> entryConfiguration(const journal::Journal& journal,
                                                     const journal::Entry& entry, QString& error)
{
    return baselineConfiguration({{}, {}, nullptr, entry}, journal, &error);
}

} // namespace

QList<QDate> siteVisitDays(const Site& site, const QList<journal::Entry>& entries,
                           const QDate& today, int most)
{
    QSet<QString> units;
    for (const SiteUnit& unit : site.units)
        units.insert(unit.link.unitName());
    QList<QDate> days{today};
    for (const journal::Entry& entry : entries) { // newest first
        const QDate day = entry.time.toLocalTime().date();
        if (days.size() < most && day < days.constLast() && units.contains(entry.unit) &&
            journal::kindOf(entry) == journal::Kind::WholeFetch)
            days << day;
    }
    return days;
}

std::vector<SiteReportUnitData> siteReportUnits(const Site& site, const journal::Journal& journal,
                                                const QDate& today)
{
    const QList<journal::Entry> entries = journal.entries(); // newest first
    std::vector<SiteReportUnitData> units;
    for (const SiteUnit& unit : site.units) {
        SiteReportUnitData data{unit, {}, {}, {}, {}, {}, {}, {}};
        const QString name = unit.link.unitName();
        const auto newest = std::find_if(entries.cbegin(), entries.cend(), [&](const auto& e) {
            return e.unit == name && journal::kindOf(e) == journal::Kind::WholeFetch;
        });
        if (newest == entries.cend()) {
            data.missing = QCoreApplication::translate("Report", "never fetched");
            units.push_back(std::move(data));
            continue;
        }
        data.newest = *newest;
        QString error;
        data.now = entryConfiguration(journal, *newest, error);
        data.nowName = entryName(*newest);
        if (!data.now) {
            data.missing =
                QCoreApplication::translate("Report", "its last fetch cannot be read: %1")
                    .arg(error);
            units.push_back(std::move(data));
            continue;
        }
        data.start = journal::visitStart(entries, name, today);
        if (data.start && data.start->file == newest->file) {
            data.earlier = data.now;
        } else if (data.start) {
            data.earlier = entryConfiguration(journal, *data.start, error);
            if (!data.earlier)
                data.start.reset(); // no list of changes rather than a wrong one
        }
        if (data.start)
            data.earlierName = entryName(*data.start);
        units.push_back(std::move(data));
    }
    return units;
}

std::vector<report::SiteReportUnit> siteReportView(const std::vector<SiteReportUnitData>& units)
{
    std::vector<report::SiteReportUnit> view;
    for (const SiteReportUnitData& data : units)
        view.push_back({data.unit.name, data.unit.link.text(), data.now ? &*data.now : nullptr,
                        data.nowName, data.earlier ? &*data.earlier : nullptr, data.earlierName,
                        data.missing});
    return view;
}

} // namespace zel::session
