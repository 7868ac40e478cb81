#include "report/report_builder.h"

#include "report/html_text.h"
#include "report/report_sections.h"
#include "report/report_writer.h"

#include "model/config_model.h"

namespace zel::report {

QString reportStyleSheet()
{
    return QStringLiteral(
        "body { font-family: 'DejaVu Sans', Helvetica, Arial, sans-serif; font-size: 9pt; }\n"
        "h1 { font-size: 16pt; margin-bottom: 6px; }\n"
        "h2 { font-size: 12pt; margin-top: 16px; margin-bottom: 4px; }\n"
        "h3 { font-size: 10pt; margin-top: 10px; margin-bottom: 3px; }\n"
        "table { border-style: solid; border-color: #999999; border-spacing: 0; }\n"
        "th, td { padding: 2px 5px; vertical-align: top; }\n"
        "th { background-color: #e4ebf5; text-align: left; }\n"
        "tr { page-break-inside: avoid; break-inside: avoid; }\n"
        ".none { color: #888888; font-style: italic; }\n"
        ".bands { font-size: 7pt; color: #444444; }\n");
}

QString browserStyleSheet()
{
    // Collapsed cell borders; the PDF's layout draws them several times slower, so it keeps the
    // separate borders of the table attributes.
    return QStringLiteral("table { border-collapse: collapse; }\n"
                          "th, td { border: 1px solid #999999; }\n");
}

ReportDocument buildReport(const ReportRequest& request)
{
    const model::ConfigModel& configuration = *request.configuration;
    ReportWriter out;
    writeHeading(out, request);
    writeNames(out, configuration);
    writeZoneAudio(out, configuration);
    writePresets(out, configuration);
    writeFavorites(out, configuration);
    writeGroups(out, configuration);
    writeUnitSettings(out, configuration);
    if (request.earlier)
        writeChanges(out, *request.earlier, configuration, request.earlierOrigin);
    ReportDocument document = out.take();
    document.title = QStringLiteral("%1 configuration").arg(unitSizeText(configuration));
    return document;
}

} // namespace zel::report
