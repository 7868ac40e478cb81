#include "ui/compare/unit_comparison.h"

#include "text/latin1_text.h"

#include "model/config_diff.h"
#include "model/config_model.h"
#include "model/config_reader.h"
#include "model/model_reset.h"
#include "ui/common/user_prompts.h"
#include "ui/compare/compare_dialog.h"
#include "ui/pages/editor_page.h"

#include <QTabWidget>

namespace zel::ui {

namespace {

bool fromFile(const QString& source)
{
    return source.startsWith(QStringLiteral("file: "));
}

// What the heading says of the configuration being edited: one statement. `same` when the
// comparison found no difference.
QString standingText(UnitComparison::Standing standing, bool same)
{
    if (standing.afterSend)
        return same ? QObject::tr("The selected rows were sent: the unit now holds the "
                                  "configuration being edited.")
                    : QObject::tr("The selected rows were sent and the unit's configuration "
                                  "fetched again: the rows below still differ.");
    if (!standing.exportedSinceLoad)
        return QObject::tr("The configuration being edited has not been exported to the unit "
                           "since it was loaded: the list shows what an export would change.");
    if (standing.editedSinceDelivered)
        return QObject::tr("The configuration being edited was exported to the unit since it "
                           "was loaded, and changed after that.");
    return QObject::tr("The configuration being edited was exported to the unit since it was "
                       "loaded, and not changed since: a difference is one the unit did not "
                       "take.");
}

} // namespace

UnitComparison::UnitComparison(QTabWidget* tabs, QList<EditorPage*> pages, QWidget* window)
    : QObject(window), m_tabs(tabs), m_pages(std::move(pages)), m_window(window)
{
}

QString UnitComparison::compare(const model::ConfigModel& edited, const QString& text,
                                const QString& source, const QString& incompleteReason,
                                Standing standing, UserPrompts& prompts, bool sendable)
{
    // Read as an import reads, into a configuration of its own.
    model::ConfigModel other;
    model::resetModel(other);
    model::LogLines log;
    const model::ReadSummary read = model::readText(other, text::toLatin1(text), log);
    model::markUnavailableGroups(other);
    if (read.settingLines == 0) {
        prompts.showError(
            tr("Nothing came from %1 that could be compared: it holds no configuration lines%2.")
                .arg(source, incompleteReason.isEmpty()
                                 ? QString()
                                 : QStringLiteral(" (%1)").arg(incompleteReason)));
        return tr(" Nothing to compare from %1").arg(source);
    }

    const std::vector<model::Difference> differences = model::compareConfigurations(edited, other);
    QList<CompareDialog::PageDifferences> pages;
    for (EditorPage* page : m_pages) {
        CompareDialog::PageDifferences shown{m_tabs->tabText(m_tabs->indexOf(page)), {}};
        for (const model::Difference& d : differences)
            if (page->edits(d.subject))
                shown.differences.push_back(d);
        pages << shown;
    }

    QStringList heading{tr("Compared with %1.").arg(source),
                        standingText(standing, differences.empty())};
    if (!incompleteReason.isEmpty())
        heading << tr("The configuration from the unit did not come whole (%1): what did not "
                      "come may be missing from the list or shown as not set.")
                       .arg(incompleteReason);
    if (!m_dialog) {
        m_dialog = new CompareDialog(m_window);
        connect(m_dialog, &CompareDialog::differenceChosen, this, &UnitComparison::showMember);
        connect(m_dialog, &CompareDialog::sendRequested, this, &UnitComparison::sendRequested);
    }
    m_dialog->setSendable(sendable);
    m_dialog->showDifferences(heading, fromFile(source) ? tr("In the file") : tr("On the unit"),
                              pages);
    // One arg() for the source: a path holding "%2" stays as it is.
    return differences.empty()
               ? tr(" Compared with %1: no differences").arg(source)
               : tr(" Compared with %1: %2 %3")
                     .arg(source, QString::number(differences.size()),
                          differences.size() == 1 ? tr("difference") : tr("differences"));
}

EditorPage* UnitComparison::pageEditing(model::DiffSubject subject) const
{
    for (EditorPage* page : m_pages)
        if (page->edits(subject))
            return page;
    return nullptr;
}

void UnitComparison::showMember(const model::Difference& difference)
{
    EditorPage* page = pageEditing(difference.subject);
    if (!page)
        return;
    m_tabs->setCurrentWidget(page);
    page->showMember(difference);
    m_window->raise();
    m_window->activateWindow();
}

} // namespace zel::ui
