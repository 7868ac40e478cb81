// The favorites, each as the list of its zones and the source each plays, and the groups as a
// matrix of only the zones and groups that have a member, so that each takes the room its
// content needs.

#include "report/html_text.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"
#include "report/report_texts.h"

#include <vector>

namespace zel::report {

namespace {

bool plays(const model::ConfigModel& configuration, int f, int s, int z)
{
    return configuration.connection(f, s, z) == model::kAudioCode;
}

bool isMember(const model::ConfigModel& configuration, int g, int z)
{
    return configuration.groupMark(g, z) == model::kGroupMark;
}

} // namespace

void writeFavorites(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(ReportText::tr("Favorites"));
    const int zones = configuration.zoneCount();
    const int sources = configuration.sourceCount();
    out.paragraph(ReportText::tr("For each favorite, the source each zone plays; zones that "
                                 "play nothing are left out."));
    out.add(QStringLiteral("<div class=\"cards\">\n"));
    for (int f = 1; f <= model::kFavorites; ++f) {
        out.add(QStringLiteral("<div class=\"card\">\n<h3>%1</h3>\n")
                    .arg(ReportText::tr("Favorite %1")
                             .arg(numberedCell(f, configuration.favoriteName(f)))));
        bool any = false;
        for (int z = 1; z <= zones; ++z) {
            QStringList played;
            for (int s = 1; s <= sources; ++s)
                if (plays(configuration, f, s, z))
                    played << numberedCell(s, configuration.sourceName(s));
            if (played.isEmpty())
                continue;
            if (!any)
                out.beginTable({ReportText::tr("Zone"), ReportText::tr("Source")},
                               QStringLiteral("favorite"));
            any = true;
            out.row(
                {numberedCell(z, configuration.zoneName(z)), played.join(QStringLiteral(", "))});
        }
        if (any)
            out.endTable();
        else
            out.paragraph(QStringLiteral("<span class=\"none\">%1</span>")
                              .arg(ReportText::tr("No zone plays a source.")));
        out.add(QStringLiteral("</div>\n"));
    }
    out.add(QStringLiteral("</div>\n"));
}

void writeGroups(ReportWriter& out, const model::ConfigModel& configuration)
{
    out.heading(ReportText::tr("Groups"));
    const int zones = configuration.zoneCount();
    std::vector<int> groups, empty, members;
    for (int g = 1; g <= model::kGroups; ++g) {
        bool any = false;
        for (int z = 1; z <= zones && !any; ++z)
            any = isMember(configuration, g, z);
        (any ? groups : empty).push_back(g);
    }
    for (int z = 1; z <= zones; ++z)
        for (int g : groups)
            if (isMember(configuration, g, z)) {
                members.push_back(z);
                break;
            }
    if (groups.empty()) {
        out.paragraph(ReportText::tr("No zone belongs to a group."));
        return;
    }
    out.paragraph(ReportText::tr("The zones of each group (\"G\"); zones in no group are left "
                                 "out."));
    QStringList headers{ReportText::tr("Zone")};
    for (int g : groups)
        headers << QStringLiteral("%1<br>%2")
                       .arg(QString::number(g), nameCell(configuration.groupName(g)));
    out.beginTable(headers, QStringLiteral("matrix"));
    for (int z : members) {
        QStringList cells{numberedCell(z, configuration.zoneName(z))};
        for (int g : groups)
            cells << (isMember(configuration, g, z) ? QStringLiteral("G") : QString());
        out.row(cells);
    }
    out.endTable();
    if (empty.empty())
        return;
    QStringList names;
    for (int g : empty)
        names << ReportText::tr("Group %1").arg(numberedCell(g, configuration.groupName(g)));
    out.paragraph(
        ReportText::tr("Groups without zones: %1.").arg(names.join(QStringLiteral(", "))));
}

} // namespace zel::report
