#pragma once
// The report's pictures for the user guide: the "Report" dialog as the window shows it for a
// unit, and the report itself as a PDF, whose first page the screenshot script renders; beside
// it "site-report.pdf", the report of a site of three units.

#include <QString>

#include <functional>

class QWidget;

namespace zel::ui {
class MainWindow;
}

// `window` holds the configuration `original` with a few edits; `save` saves a widget's picture
// under a name. Writes the report of the edits since `original` to `pdf` when it is not empty,
// and a site's report in the same folder.
bool saveReportShots(zel::ui::MainWindow& window, const QString& original,
                     const std::function<bool(QWidget&, const QString&)>& save, const QString& pdf);
