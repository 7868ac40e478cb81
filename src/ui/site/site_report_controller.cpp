#include "ui/site/site_report_controller.h"

#include "journal/journal.h"
#include "report/report_memory.h"
#include "report/report_output.h"
#include "report/site_report.h"
#include "session/report/site_report_units.h"
#include "session/site/site_history_settings.h"
#include "ui/common/user_prompts.h"
#include "ui/report/report_saving.h"
#include "ui/site/site_window.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QStatusBar>

namespace zel::ui {

namespace {

// Days enough to go back over the visits of a few weeks.
constexpr int kDaysOffered = 20;

} // namespace

void SiteReportController::saveReport()
{
    const session::Site& site = m_window.site();
    if (m_window.isRunning() || site.units.isEmpty())
        return;
    report::ReportMemory memory;
    memory.setSaveRoutine(m_save);
    const QString named = session::historySettingsOf(site).siteName;
    const QString fileName = QFileInfo(m_window.path()).completeBaseName();
    const QString siteName = !named.isEmpty() ? named : fileName;

    ReportQuestion question;
    question.pathForSite = [folder = memory.folder(), suffix = memory.suffix(),
                            today = QDate::currentDate()](const QString& typed) {
        return proposedReportFile(folder, typed.isEmpty() ? tr("Site") : typed, today, suffix);
    };
    question.site = siteName;
    question.path = question.pathForSite(siteName);
    const report::ReportParticulars given = memory.particularsOf(m_window.path());
    question.client = given.client;
    question.installer = given.installer;
    // Each unit's changes since its first whole fetch of the day chosen.
    const journal::Journal journal;
    const QDate today = QDate::currentDate();
    const QList<QDate> days = session::siteVisitDays(site, journal.entries(), today, kDaysOffered);
    for (const QDate& day : days)
        question.baselines << (day == today ? tr("Each unit's first fetch of today (%1)")
                                            : tr("Each unit's first fetch of %1"))
                                  .arg(day.toString(QStringLiteral("yyyy-MM-dd")));
    question.baseline = 0;
    question.offerFile = false;
    UserPrompts& prompts = m_window.prompts();
    const std::optional<ReportChoice> choice = prompts.reportFile(question);
    if (!choice || choice->path.isEmpty())
        return;
    const std::optional<report::ReportFormat> format = report::reportFormatOf(choice->path);
    if (!format) {
        prompts.showError(tr("The report could not be saved to %1: a report is saved as an HTML "
                             "file (.html) or a PDF (.pdf).")
                              .arg(choice->path));
        return;
    }
    if (QFileInfo::exists(choice->path) &&
        !prompts.confirm(
            tr("The file %1 exists already. Replace it with the report?").arg(choice->path)))
        return;

    const QDate day = days.value(choice->baseline, today);
    const std::vector<session::SiteReportUnitData> units =
        session::siteReportUnits(site, journal, day);
    const report::ReportParticulars particulars{choice->site, choice->client, choice->installer};
    const report::SiteReportRequest request{particulars, choice->notes,
                                            QDateTime::currentDateTime(),
                                            session::siteReportView(units), choice->baseline >= 0};
    const QString error =
        m_save(choice->path, report::reportFileBytes(report::buildSiteReport(request), *format,
                                                     report::paperOf(QLocale::system())));
    if (!error.isEmpty()) {
        prompts.showError(tr("The report could not be saved to %1: %2.").arg(choice->path, error));
        return;
    }
    const QString memoryError = memory.remember(m_window.path(), particulars, choice->path);
    m_window.statusBar()->showMessage(
        memoryError.isEmpty() ? tr("Report saved to %1").arg(choice->path)
                              : tr("Report saved to %1; the client and installer could not be "
                                   "kept for next time: %2")
                                    .arg(choice->path, memoryError));
}

} // namespace zel::ui
