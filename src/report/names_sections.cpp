// The names: sources beside zones, and favorites beside groups, each by its number.

#include "report/html_text.h"
#include "report/report_builder.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"
#include "text/latin1_text.h"

#include <algorithm>

namespace zel::report {

namespace {

int shown(int count)
{
    return std::max(count, 0);
}

using NameOf = const std::string& (model::ConfigModel::*)(int) const;

// One kind of name in a column: its names up to its count.
struct NameColumn {
    QString label;
    int count;
    NameOf name;
};

// One table of two kinds of names by number: "No.", then a column for each.
void nameTable(ReportWriter& out, const model::ConfigModel& configuration, const NameColumn& left,
               const NameColumn& right)
{
    const int rows = std::max(left.count, right.count);
    if (rows <= 0) {
        out.paragraph(
            QStringLiteral("No %1 or %2 names.").arg(left.label.toLower(), right.label.toLower()));
        return;
    }
    out.beginTable({QStringLiteral("No."), left.label, right.label}, QStringLiteral("names"));
    const auto cell = [&](const NameColumn& column, int n) {
        return n <= column.count ? nameCell((configuration.*column.name)(n)) : QString();
    };
    for (int n = 1; n <= rows; ++n)
        out.row({QString::number(n), cell(left, n), cell(right, n)});
    out.endTable();
}

} // namespace

model::UnitModel shownUnitModel(const model::ConfigModel& configuration)
{
    return {shown(configuration.zoneCount()), shown(configuration.sourceCount())};
}

QString unitSizeText(const model::ConfigModel& configuration)
{
    return text::fromLatin1(model::unitSizeText(shownUnitModel(configuration)));
}

void writeNames(ReportWriter& out, const model::ConfigModel& configuration)
{
    // Side by side in a browser wide enough; one below the other on paper.
    out.add(QStringLiteral("<div class=\"pair\">\n<div>\n"));
    out.heading(QStringLiteral("Source and zone names"));
    nameTable(
        out, configuration,
        {QStringLiteral("Source"), shown(configuration.sourceCount()),
         &model::ConfigModel::sourceName},
        {QStringLiteral("Zone"), shown(configuration.zoneCount()), &model::ConfigModel::zoneName});
    out.add(QStringLiteral("</div>\n<div>\n"));
    out.heading(QStringLiteral("Favorite and group names"));
    nameTable(out, configuration,
              {QStringLiteral("Favorite"), model::kFavorites, &model::ConfigModel::favoriteName},
              {QStringLiteral("Group"), model::kGroups, &model::ConfigModel::groupName});
    out.add(QStringLiteral("</div>\n</div>\n"));
}

} // namespace zel::report
