#pragma once
// The window's "Report...": the file name it proposes, and the report written to the file in the
// form its extension asks for.

#include "report/report_request.h"
#include "text/file_save.h"

#include <QDate>
#include <QString>

namespace zel::ui {

// The file proposed for a report: "<name> <yyyy-MM-dd>" (a unit's name for one unit's report, the
// site's for a site's) in `folder` (the documents folder when it is empty or gone), ending in
// `suffix` ("pdf" unless it is "html"). Characters a file name cannot hold are replaced by "-".
QString proposedReportFile(const QString& folder, const QString& name, const QDate& date,
                           const QString& suffix);

// Writes the report of `request` to `path` (".html", ".htm" or ".pdf"). The reason when it could
// not be written (any existing file is then unchanged); empty on success.
QString writeReport(const report::ReportRequest& request, const QString& path,
                    const text::SaveRoutine& save = text::saveWholeFile);

} // namespace zel::ui
