#pragma once
// The report's words are translated under one context: ReportText::tr("Zone audio").

#include <QCoreApplication>

namespace zel::report {

struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

} // namespace zel::report
