#include "ui/report/report_saving.h"

#include "report/report_builder.h"
#include "report/report_output.h"
#include "text/file_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace zel::ui {

namespace {

// Long enough for any site's name, short enough for every file system.
constexpr qsizetype kSiteLength = 80;

// `site` as part of a file name: no folder separators, no characters that some file systems
// refuse, no control characters, and no dot or blank at either end.
QString fileNamePart(const QString& site)
{
    QString part;
    for (const QChar c : site.left(kSiteLength))
        part += c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c) ? c : QChar(u'-');
    while (!part.isEmpty() && (part.front() == u'.' || part.front().isSpace()))
        part.remove(0, 1);
    while (!part.isEmpty() && (part.back() == u'.' || part.back().isSpace()))
        part.chop(1);
    return part;
}

} // namespace

QString proposedReportFile(const QString& folder, const QString& name, const QDate& date,
                           const QString& suffix)
{
    QString where = folder;
    if (where.isEmpty() || !QFileInfo(where).isDir()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        where = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    }
    const QString part = fileNamePart(name);
    return QDir(where).filePath(
        QStringLiteral("%1 %2.%3")
            .arg(part.isEmpty() ? QCoreApplication::translate("Report", "Report") : part,
                 date.toString(QStringLiteral("yyyy-MM-dd")),
                 suffix == QLatin1String("html") ? suffix : QStringLiteral("pdf")));
}

QString writeReport(const report::ReportRequest& request, const QString& path,
                    const text::SaveRoutine& save)
{
    const std::optional<report::ReportFormat> format = report::reportFormatOf(path);
    if (!format)
        return QCoreApplication::translate(
            "Report", "a report is saved as an HTML file (.html) or a PDF (.pdf)");
    return save(path, report::reportFileBytes(report::buildReport(request), *format,
                                              report::paperOf(QLocale::system())));
}

} // namespace zel::ui
