#include "ui/site/unit_history_listing.h"

#include "journal/journal.h"
#include "session/unit/unit_directory.h"
#include "ui/history/history_dialog.h"
#include "ui/site/site_table.h"
#include "ui/transfer/background_queue.h"

#include <QPointer>

namespace zel::ui {

UnitHistoryListing::UnitHistoryListing(BackgroundQueue& work, HistoryDialog* dialog)
    : QObject(dialog), m_work(work), m_dialog(dialog)
{
}

void UnitHistoryListing::list(const session::SiteUnit& unit)
{
    m_unit = unit;
    m_dialog->showReading();
    // The default folders are found on this thread: finding them borrows the application's name.
    m_work.run([unit, journal = journal::Journal(),
                directory = session::UnitDirectory::defaultPath(),
                dialog = QPointer<HistoryDialog>(m_dialog)]() -> BackgroundQueue::Answer {
        return
            [entries = historyOfUnit(unit, journal, directory), folder = journal.folder(), dialog] {
                if (dialog)
                    dialog->showEntries(entries, folder);
            };
    });
}

void UnitHistoryListing::refresh()
{
    if (m_dialog->isVisible())
        list(m_unit);
}

} // namespace zel::ui
