#pragma once
// The site window's "Report...": every unit of the site in one report for the client's venue,
// from what the journal holds (each unit's newest whole fetch, its changes since the visit's
// start: its first whole fetch of today, or of an earlier day chosen). The dialog proposes
// "<Site> <date>.pdf" and the client and installer given for the site last; a report that
// cannot be written is said so in one message box.

#include "text/file_save.h"

#include <QObject>

namespace zel::ui {

class SiteWindow;

class SiteReportController : public QObject {
    Q_OBJECT
public:
    explicit SiteReportController(SiteWindow& window) : m_window(window) {}

    // The routine the report and what the dialog remembers are saved with.
    void setSaveRoutine(text::SaveRoutine save) { m_save = std::move(save); }

public slots:
    void saveReport();

private:
    SiteWindow& m_window;
    text::SaveRoutine m_save = text::saveWholeFile;
};

} // namespace zel::ui
