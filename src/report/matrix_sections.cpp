// The favorites and groups matrices: zones down, sources or groups across, with their marks.

#include "report/html_text.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"

namespace zel::report {

namespace {

QStringList numberedHeaders(const QString& corner, int count)
{
    QStringList headers{corner};
    for (int n = 1; n <= count; ++n)
        headers << QString::number(n);
    return headers;
}

QString zoneHeader(const model::ConfigModel& configuration, int z)
{
    return QStringLiteral("%1 %2").arg(QString::number(z), nameCell(configuration.zoneName(z)));
}

QString mark(bool on, std::string_view text)
{
    return on ? QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())) : QString();
}

bool plays(const model::ConfigModel& configuration, int f, int s, int z)
{
    return configuration.connection(f, s, z) == model::kAudioCode;
}

} // namespace

void writeFavorites(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(QStringLiteral("Favorites"));
    const int zones = configuration.zoneCount();
    const int sources = configuration.sourceCount();
    out.paragraph(QStringLiteral("For each favorite, the source each zone plays (\"A\"); the "
                                 "sources are numbered as in the names above."));
    for (int f = 1; f <= model::kFavorites; ++f) {
        out.add(QStringLiteral("<h3>Favorite %1: %2</h3>\n")
                    .arg(QString::number(f), nameCell(configuration.favoriteName(f))));
        bool any = false;
        for (int z = 1; z <= zones && !any; ++z)
            for (int s = 1; s <= sources && !any; ++s)
                any = plays(configuration, f, s, z);
        if (!any) {
            out.paragraph(QStringLiteral("No zone plays a source."));
            continue;
        }
        out.beginTable(numberedHeaders(QStringLiteral("Zone \\ Source"), sources),
                       QStringLiteral("matrix"));
        for (int z = 1; z <= zones; ++z) {
            QStringList cells{zoneHeader(configuration, z)};
            for (int s = 1; s <= sources; ++s)
                cells << mark(plays(configuration, f, s, z), model::kAudioCode);
            out.row(cells);
        }
        out.endTable();
    }
}

void writeGroups(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(QStringLiteral("Groups"));
    const int zones = configuration.zoneCount();
    if (zones <= 0) {
        out.paragraph(QStringLiteral("No zones."));
        return;
    }
    out.paragraph(QStringLiteral("The groups each zone belongs to (\"G\"); the groups are "
                                 "numbered as in the names above."));
    out.beginTable(numberedHeaders(QStringLiteral("Zone \\ Group"), model::kGroups),
                   QStringLiteral("matrix"));
    for (int z = 1; z <= zones; ++z) {
        QStringList cells{zoneHeader(configuration, z)};
        for (int g = 1; g <= model::kGroups; ++g)
            cells << mark(configuration.groupMark(g, z) == model::kGroupMark, model::kGroupMark);
        out.row(cells);
    }
    out.endTable();
}

} // namespace zel::report
