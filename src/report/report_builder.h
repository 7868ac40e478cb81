#pragma once
// Builds the handover report of a configuration: a first page that says who it is for, the unit
// and what changed since an earlier configuration, in plain words; then the configuration as
// left: the names, each zone's audio, the device EQ presets, the favorites and groups, the
// network and panel settings.

#include "report/report_document.h"
#include "report/report_request.h"

#include "model/unit_model.h"

namespace zel::report {

ReportDocument buildReport(const ReportRequest& request);

// The model of `configuration`, a count not known taken as none.
model::UnitModel shownUnitModel(const model::ConfigModel& configuration);
// "ZEL-16", "ZEL-8", or the counts of another size.
QString unitSizeText(const model::ConfigModel& configuration);

// The style sheet the report's HTML carries; the PDF's layout reads it too.
QString reportStyleSheet();
// What the HTML file adds for browsers: the window's width on screen, and for printing.
QString browserStyleSheet();

} // namespace zel::report
