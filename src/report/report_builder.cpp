#include "report/report_builder.h"

#include "report/html_text.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"
#include "report/report_texts.h"

namespace zel::report {

QString reportStyleSheet()
{
    return QStringLiteral(
        "body { font-family: 'DejaVu Sans', Helvetica, Arial, sans-serif; font-size: 9pt; }\n"
        "h1 { font-size: 16pt; margin-bottom: 2px; }\n"
        "h2 { font-size: 12pt; margin-top: 16px; margin-bottom: 4px; }\n"
        "h3 { font-size: 10pt; margin-top: 10px; margin-bottom: 3px; }\n"
        ".subtitle { font-size: 11pt; color: #444444; margin-top: 0; margin-bottom: 10px; }\n"
        "table { border-style: solid; border-color: #999999; border-spacing: 0; }\n"
        "th, td { padding: 2px 5px; vertical-align: top; }\n"
        "th { background-color: #e4ebf5; text-align: left; }\n"
        "tr { page-break-inside: avoid; break-inside: avoid; }\n"
        "ul.changes li { margin-bottom: 2px; }\n"
        ".none { color: #888888; font-style: italic; }\n"
        ".bands { font-size: 7pt; color: #444444; }\n");
}

QString browserStyleSheet()
{
    // Collapsed cell borders; the PDF's layout draws them several times slower, so it keeps the
    // separate borders of the table attributes. On a screen the page takes the window's width;
    // on paper the configuration starts on a page of its own, and nothing is cut below its
    // heading or inside a favorite.
    return QStringLiteral(
        "body { margin: 0; padding: 16px 24px; font-size: 10.5pt; color: #111111; }\n"
        "table { border-collapse: collapse; }\n"
        "th, td { border: 1px solid #999999; }\n"
        "table.facts td:first-child { font-weight: bold; white-space: nowrap; }\n"
        "table.audio, table.favorite { width: 100%; }\n"
        "table.names td:first-child, table.matrix td { text-align: center; }\n"
        "table.matrix td:first-child { text-align: left; }\n"
        ".pair { display: flex; flex-wrap: wrap; gap: 0 48px; align-items: start; }\n"
        "table.names { min-width: 28em; }\n"
        ".cards { display: grid; grid-template-columns: repeat(auto-fill, minmax(20em, 1fr));"
        " gap: 4px 24px; align-items: start; }\n"
        "h1.part { border-top: 2px solid #1f4e9a; padding-top: 10px; margin-top: 36px; }\n"
        "@media print {\n"
        "  body { padding: 0; font-size: 9pt; }\n"
        "  h1.part { break-before: page; border-top: none; padding-top: 0; margin-top: 0; }\n"
        "  h1, h2, h3 { break-after: avoid; }\n"
        "  .card, tr { break-inside: avoid; }\n"
        "  thead { display: table-header-group; }\n"
        "  th { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
        "}\n"
        "@page { margin: 15mm; }\n");
}

void writeConfiguration(ReportWriter& out, const model::ConfigModel& configuration)
{
    writeNames(out, configuration);
    writeZoneAudio(out, configuration);
    writePresets(out, configuration);
    writeFavorites(out, configuration);
    writeGroups(out, configuration);
    writeUnitSettings(out, configuration);
}

ReportDocument buildReport(const ReportRequest& request)
{
    const model::ConfigModel& configuration = *request.configuration;
    ReportWriter out;
    writeSummary(out, request);
    writeConfigurationHeading(out);
    writeConfiguration(out, configuration);
    ReportDocument document = out.take();
    const QString site = request.particulars.site.trimmed();
    const QString shown = request.shownUnit();
    document.title = ReportText::tr("%1 configuration")
                         .arg(shown.isEmpty() ? unitSizeText(configuration) : shown);
    if (!site.isEmpty())
        document.title = QStringLiteral("%1: %2").arg(site, document.title);
    return document;
}

} // namespace zel::report
