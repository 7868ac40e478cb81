#include "ui/report/report_controller.h"

#include "report/report_builder.h"
#include "report/report_memory.h"
#include "session/configuration/configuration_session.h"
#include "session/report/report_baselines.h"
#include "ui/common/user_prompts.h"
#include "ui/report/report_saving.h"
#include "ui/transfer/link_controller.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPointer>

#include <utility>

namespace zel::ui {

namespace {

// The configuration a report lists the changes since, and its name with date and time.
struct Earlier {
    std::optional<model::ConfigModel> configuration;
    QString name;
};

} // namespace

ReportController::ReportController(ReportWindowSide window, QObject* parent)
    : QObject(parent), m_window(std::move(window))
{
}

void ReportController::saveReport()
{
    session::ConfigurationSession& configuration = m_window.configuration;
    if (m_window.link.isTransferRunning() || !configuration.loaded().isLoaded())
        return;
    if (m_window.link.journalWork().isBusy()) {
        // The baselines come from the journal: asked again once what it is keeping is kept.
        m_window.link.journalWork().run([self = QPointer<ReportController>(this)] {
            return BackgroundQueue::Answer([self] {
                if (self)
                    self->saveReport();
            });
        });
        return;
    }
    m_window.commitEdits();
    const QString unit = m_window.link.journalUnit();
    const journal::Journal& journal = m_window.link.journal();
    const session::ReportBaselines baselines =
        session::reportBaselines(configuration, journal, unit);
    report::ReportMemory memory;
    memory.setSaveRoutine(m_save);
    const report::ReportParticulars given = memory.particularsOf(unit);
    const QString unitName = m_window.unitName ? m_window.unitName().trimmed() : QString();
    const QString shownUnit = unitName.isEmpty() ? unit : unitName;

    // A unit's report is named for the unit; a file's for the site typed, else the unit's size.
    ReportQuestion question;
    question.pathForSite = [folder = memory.folder(), suffix = memory.suffix(), shownUnit,
                            size = report::unitSizeText(configuration.model()),
                            today = QDate::currentDate()](const QString& site) {
        const QString name = !shownUnit.isEmpty() ? shownUnit : !site.isEmpty() ? site : size;
        return proposedReportFile(folder, name, today, suffix);
    };
    question.path = question.pathForSite(given.site);
    question.site = given.site;
    question.client = given.client;
    question.installer = given.installer;
    for (const session::ReportBaseline& baseline : baselines.offered)
        question.baselines << baseline.label;
    question.baseline = baselines.proposed;
    UserPrompts& prompts = m_window.prompts();
    const std::optional<ReportChoice> choice = prompts.reportFile(question);
    if (!choice || choice->path.isEmpty())
        return;
    if (QFileInfo::exists(choice->path) &&
        !prompts.confirm(
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
        prompts.showError(
            tr("The changes cannot be listed since %1: %2.").arg(earlier.name, error));
        return;
    }

    const report::ReportParticulars particulars{choice->site, choice->client, choice->installer};
    const QString saveError = writeReport(
        {
            .configuration = &configuration.model(),
            .origin = configuration.origin(),
            .date = QDateTime::currentDateTime(),
            .earlier = earlier.configuration ? &*earlier.configuration : nullptr,
            .earlierOrigin = earlier.name,
            .particulars = particulars,
            .notes = choice->notes,
            .unit = unit,
            .unitName = unitName,
        },
        choice->path, m_save);
    if (!saveError.isEmpty()) {
        prompts.showError(
            tr("The report could not be saved to %1: %2.").arg(choice->path, saveError));
        return;
    }
    const QString memoryError = memory.remember(unit, particulars, choice->path);
    m_window.showStatus(memoryError.isEmpty()
                            ? tr(" Report saved to %1").arg(choice->path)
                            : tr(" Report saved to %1; the site, client and installer could not "
                                 "be kept for next time: %2")
                                  .arg(choice->path, memoryError));
}

} // namespace zel::ui
