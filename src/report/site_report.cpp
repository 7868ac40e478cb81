#include "report/site_report.h"

#include "report/change_words.h"
#include "report/html_text.h"
#include "report/report_builder.h"
#include "report/report_sections.h"
#include "report/report_texts.h"
#include "report/report_writer.h"

#include "model/config_model.h"

namespace zel::report {

namespace {

QString unitTitle(const SiteReportUnit& unit)
{
    return unit.name.isEmpty() ? unit.link : unit.name;
}

// The units table's last column: how many changes, or why there are none to count.
QString changeCell(const SiteReportUnit& unit)
{
    if (!unit.configuration)
        return QStringLiteral("<span class=\"none\">%1</span>").arg(htmlOf(unit.missing));
    const std::optional<int> count = siteUnitChangeCount(unit);
    if (!count)
        return QStringLiteral("<span class=\"none\">%1</span>")
            .arg(ReportText::tr("no earlier fetch"));
    return *count == 0 ? ReportText::tr("none") : QString::number(*count);
}

void writeSiteSummary(ReportWriter& out, const SiteReportRequest& request)
{
    const ReportParticulars& who = request.particulars;
    const QString site = who.site.trimmed();
    out.add(QStringLiteral("<h1>%1</h1>\n")
                .arg(site.isEmpty() ? ReportText::tr("Site report") : htmlOf(site)));
    out.add(QStringLiteral("<p class=\"subtitle\">%1</p>\n")
                .arg(request.units.size() == 1
                         ? ReportText::tr("Site report of one unit")
                         : ReportText::tr("Site report of %1 units").arg(request.units.size())));
    beginFacts(out, who);
    writeFact(out, ReportText::tr("Date"),
              request.date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    out.endTable();
    writeNotes(out, request.notes);

    out.heading(ReportText::tr("Units"));
    if (request.units.empty()) {
        out.paragraph(ReportText::tr("The site names no unit."));
        return;
    }
    QStringList headers{ReportText::tr("Unit"), ReportText::tr("Link")};
    if (request.listChanges)
        headers << ReportText::tr("Changes");
    out.beginTable(headers, QStringLiteral("units"));
    for (const SiteReportUnit& unit : request.units) {
        QStringList cells{htmlOf(unitTitle(unit)), htmlOf(unit.link)};
        if (request.listChanges)
            cells << changeCell(unit);
        else if (!unit.configuration)
            cells.last() +=
                QStringLiteral(" <span class=\"none\">%1</span>").arg(htmlOf(unit.missing));
        out.row(cells);
    }
    out.endTable();
}

void writeUnitChanges(ReportWriter& out, const SiteReportUnit& unit)
{
    out.heading(QStringLiteral("%1 (%2)").arg(htmlOf(unitTitle(unit)), htmlOf(unit.link)));
    if (!unit.configuration) {
        out.paragraph(QStringLiteral("<span class=\"none\">%1</span>").arg(htmlOf(unit.missing)));
        return;
    }
    if (!unit.earlier) {
        out.paragraph(ReportText::tr("No earlier fetch to list the changes since; the "
                                     "configuration is %1.")
                          .arg(htmlOf(unit.origin)));
        return;
    }
    writeChangeList(out, changeSentences(*unit.earlier, *unit.configuration), unit.earlierOrigin);
    out.paragraph(ReportText::tr("Now: %1.").arg(htmlOf(unit.origin)));
}

} // namespace

std::optional<int> siteUnitChangeCount(const SiteReportUnit& unit)
{
    if (!unit.configuration || !unit.earlier)
        return std::nullopt;
    return static_cast<int>(changeSentences(*unit.earlier, *unit.configuration).size());
}

ReportDocument buildSiteReport(const SiteReportRequest& request)
{
    ReportWriter out;
    writeSiteSummary(out, request);
    if (request.listChanges && !request.units.empty()) {
        writePartHeading(out, ReportText::tr("What the visit changed"));
        for (const SiteReportUnit& unit : request.units)
            writeUnitChanges(out, unit);
    }
    for (const SiteReportUnit& unit : request.units) {
        if (!unit.configuration)
            continue;
        const model::ConfigModel& configuration = *unit.configuration;
        writePartHeading(out, ReportText::tr("%1: the configuration as left (%2)")
                                  .arg(unitTitle(unit), unitSizeText(configuration)));
        writeConfiguration(out, configuration);
    }
    ReportDocument document = out.take();
    const QString site = request.particulars.site.trimmed();
    document.title = site.isEmpty() ? ReportText::tr("Site report")
                                    : ReportText::tr("%1: site report").arg(site);
    return document;
}

} // namespace zel::report
