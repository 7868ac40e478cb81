#pragma once
// The window's "Report...": the configuration being edited written as a report for the client,
// in the form the file's extension asks for.

#include <QDateTime>
#include <QString>

namespace zel::session {
class ConfigurationSession;
}

namespace zel::ui {

// The file name the report dialog proposes first: the documents folder and the unit's size.
QString proposedReportFile(const session::ConfigurationSession& session);

// Writes the report of `session`'s configuration to `path` (".html" or ".pdf"), with the changes
// since the configuration last fetched from a unit when `withChanges`. The reason when it could
// not be written (any existing file is then unchanged); empty on success.
QString writeReport(const session::ConfigurationSession& session, const QString& path,
                    bool withChanges, const QDateTime& now = QDateTime::currentDateTime());

} // namespace zel::ui
