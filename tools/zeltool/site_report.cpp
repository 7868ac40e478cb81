// site report SITE -o OUT.pdf|OUT.html: every unit of a site in one report, from the journal.

#include "site_report.h"

#include "arguments.h"
#include "tool_command.h"

#include "journal/journal.h"
#include "report/report_output.h"
#include "report/site_report.h"
#include "session/report/site_report_units.h"
#include "session/site/site_file.h"
#include "session/site/site_history_settings.h"
#include "text/file_save.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

namespace zel::tool {

namespace {

QString localText(const std::string& text)
{
    return QString::fromLocal8Bit(text.c_str());
}

QString givenOr(const std::optional<std::string>& given, const QString& otherwise)
{
    return given ? localText(*given) : otherwise;
}

} // namespace

int runSiteReport(const Arguments& arguments)
{
    constexpr unsigned kNotForReport = kOptionTransfer | kOptionScan | kOptionJson |
                                       kOptionHistory | kOptionIgnoreVolume | kOptionFrom |
                                       kOptionForce | kOptionSendAnyway;
    if (arguments.positional.size() != 2)
        return fail(kExitUsage, "site report: give the site file alone");
    if (arguments.given & kNotForReport)
        return fail(kExitUsage, "site report: takes -o OUT, --changes-from DAY, --paper, --site, "
                                "--client, --installer and --notes only");
    // The day of the visit: each unit's changes since its first whole fetch of that day.
    const QDate day = arguments.changesFrom
                          ? QDate::fromString(localText(*arguments.changesFrom), Qt::ISODate)
                          : QDate::currentDate();
    if (!day.isValid())
        return fail(kExitUsage, "site report: --changes-from takes a day as YYYY-MM-DD, not '" +
                                    *arguments.changesFrom + "'");
    if (!arguments.output)
        return fail(kExitUsage, "site report: name the report file with -o OUT.html or -o OUT.pdf");
    const QString output = localText(*arguments.output);
    const std::optional<report::ReportFormat> format = report::reportFormatOf(output);
    if (!format)
        return fail(kExitUsage, "site report: the report file must end in .html or .pdf, not '" +
                                    *arguments.output + "'");
    std::optional<report::Paper> paper = report::paperOf(QLocale::system());
    if (arguments.paper) {
        const QString asked = localText(*arguments.paper).toLower();
        paper = asked == QLatin1String("a4")       ? std::optional(report::Paper::A4)
                : asked == QLatin1String("letter") ? std::optional(report::Paper::Letter)
                                                   : std::nullopt;
        if (!paper)
            return fail(kExitUsage, "site report: unknown paper size '" + *arguments.paper +
                                        "' (use A4 or Letter)");
    }
    const std::string& path = arguments.positional[1];
    const QString sitePath = localText(path);
    QString why;
    const std::optional<session::Site> site = session::loadSiteFile(sitePath, why);
    if (!site)
        return fail(kExitUsage,
                    "site report: cannot read '" + path + "':\n" + why.toLocal8Bit().toStdString());

    // The site's own name line, else the file's name, unless --site names it.
    const QString siteName = session::historySettingsOf(*site).siteName;
    const QDateTime now = QDateTime::currentDateTime();
    const std::vector<session::SiteReportUnitData> units =
        session::siteReportUnits(*site, journal::Journal(), day);
    const report::SiteReportRequest request{
        {givenOr(arguments.site,
                 siteName.isEmpty() ? QFileInfo(sitePath).completeBaseName() : siteName),
         givenOr(arguments.client, {}), givenOr(arguments.installer, {})},
        givenOr(arguments.notes, {}),
        now,
        session::siteReportView(units)};
    const QString saveError = text::saveWholeFile(
        output, report::reportFileBytes(report::buildSiteReport(request), *format, *paper));
    if (!saveError.isEmpty())
        return fail(kExitFailure, "cannot write '" + *arguments.output +
                                      "': " + saveError.toStdString() +
                                      " (any existing file is unchanged)");
    for (const session::SiteReportUnitData& unit : units)
        if (!unit.now)
            fail(kExitOk, "site report: " + unit.unit.name.toLocal8Bit().toStdString() + ": " +
                              unit.missing.toLocal8Bit().toStdString());
    return kExitOk;
}

} // namespace zel::tool
