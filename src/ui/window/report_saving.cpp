#include "ui/window/report_saving.h"

#include "report/report_builder.h"
#include "report/report_output.h"
#include "session/configuration_session.h"
#include "text/file_save.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace zel::ui {

QString proposedReportFile(const session::ConfigurationSession& session)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    return QDir(folder).filePath(
        QStringLiteral("%1 report.pdf").arg(report::unitSizeText(session.model())));
}

QString writeReport(const session::ConfigurationSession& session, const QString& path,
                    bool withChanges, const QDateTime& now)
{
    const std::optional<report::ReportFormat> format = report::reportFormatOf(path);
    if (!format)
        return QStringLiteral("a report is saved as an HTML file (.html) or a PDF (.pdf)");
    const session::FetchedConfiguration* fetched =
        withChanges ? session.lastFetchedFromUnit() : nullptr;
    const report::ReportDocument document = report::buildReport(
        {&session.model(), session.origin(), now, fetched ? &fetched->model : nullptr,
         fetched
             ? QStringLiteral("the configuration fetched from %1 at %2")
                   .arg(fetched->origin, fetched->when.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
             : QString()});
    const QByteArray bytes =
        *format == report::ReportFormat::Html
            ? report::reportHtmlFile(document)
            : report::PagedReport(document, report::paperOf(QLocale::system())).pdf();
    return text::saveWholeFile(path, bytes);
}

} // namespace zel::ui
