#pragma once
// Builds the handover report of a configuration: a heading, the names, each zone's audio, the
// device EQ presets, the favorites and groups, the network and panel settings, and, given an
// earlier configuration, what changed since.

#include "report/report_document.h"
#include "report/report_request.h"

namespace zel::report {

ReportDocument buildReport(const ReportRequest& request);

// "ZEL-16", "ZEL-8", or the counts of another size.
QString unitSizeText(const model::ConfigModel& configuration);

// The style sheet the report's HTML carries; the PDF's layout reads it too.
QString reportStyleSheet();
// What the HTML file adds for browsers.
QString browserStyleSheet();

} // namespace zel::report
