// The main window's "Report...": the dialog's questions proposed from what is remembered for
// the unit and from where the visit began, then the report written as the user chose.
#include "ui/window/main_window.h"

#include "report/report_builder.h"
#include "report/report_memory.h"
#include "session/report/report_baselines.h"
#include "ui/common/user_prompts.h"
#include "ui/report/report_saving.h"
#include "ui/transfer/link_controller.h"

#include <QFileInfo>

namespace zel::ui {

namespace {

// The configuration a report lists the changes since, and its name with date and time.
struct Earlier {
    std::optional<model::ConfigModel> configuration;
    QString name;
};

} // namespace

void MainWindow::saveReport()
{
    if (m_link->isTransferRunning() || !m_session.loaded().isLoaded())
        return;
    commitAndRefresh();
    const QString unit = m_link->journalUnit();
    const journal::Journal& journal = m_link->journal();
    const session::ReportBaselines baselines = session::reportBaselines(m_session, journal, unit);
    report::ReportMemory memory;
    memory.setSaveRoutine(m_reportSave);
    const report::ReportParticulars given = memory.particularsOf(unit);

    ReportQuestion question;
    question.pathForSite = [folder = memory.folder(), suffix = memory.suffix(),
                            size = report::unitSizeText(m_session.model()),
                            today = QDate::currentDate()](const QString& site) {
        return proposedReportFile(folder, site, size, today, suffix);
    };
    question.path = question.pathForSite(given.site);
    question.site = given.site;
    question.client = given.client;
    question.installer = given.installer;
    for (const session::ReportBaseline& baseline : baselines.offered)
        question.baselines << baseline.label;
    question.baseline = baselines.proposed;
    const std::optional<ReportChoice> choice = m_prompts->reportFile(question);
    if (!choice || choice->path.isEmpty())
        return;
    if (QFileInfo::exists(choice->path) &&
        !m_prompts->confirm(
            tr("The file %1 exists already. Replace it with the report?").arg(choice->path)))
        return;

    Earlier earlier;
    QString error;
    if (!choice->baselineFile.isEmpty()) {
        earlier.name = tr("the file %1").arg(choice->baselineFile);
        if (auto file = session::fileBaseline(choice->baselineFile, &error))
            earlier = {std::move(file->first), file->second};
    } else if (choice->baseline >= 0 &&
               choice->baseline < static_cast<int>(baselines.offered.size())) {
        const session::ReportBaseline& baseline =
            baselines.offered[static_cast<std::size_t>(choice->baseline)];
        earlier = {session::baselineConfiguration(baseline, journal, &error), baseline.name};
    }
    if (!error.isEmpty()) {
        m_prompts->showError(
            tr("The changes cannot be listed since %1: %2.").arg(earlier.name, error));
        return;
    }

    const report::ReportParticulars particulars{choice->site, choice->client, choice->installer};
    const QString saveError = writeReport(
        {
            .configuration = &m_session.model(),
            .origin = m_session.origin(),
            .date = QDateTime::currentDateTime(),
            .earlier = earlier.configuration ? &*earlier.configuration : nullptr,
            .earlierOrigin = earlier.name,
            .particulars = particulars,
            .notes = choice->notes,
            .unit = unit,
        },
        choice->path, m_reportSave);
    if (!saveError.isEmpty()) {
        m_prompts->showError(
            tr("The report could not be saved to %1: %2.").arg(choice->path, saveError));
        return;
    }
    const QString memoryError = memory.remember(unit, particulars, choice->path);
    setStatusText(memoryError.isEmpty()
                      ? QStringLiteral(" Report saved to %1").arg(choice->path)
                      : QStringLiteral(" Report saved to %1; the site, client and installer "
                                       "could not be kept for next time: %2")
                            .arg(choice->path, memoryError));
}

} // namespace zel::ui
