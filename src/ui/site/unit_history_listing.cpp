#include "ui/site/unit_history_listing.h"

#include "journal/journal.h"
#include "session/unit/unit_directory.h"
#include "ui/history/history_dialog.h"
#include "ui/site/site_table.h"
#include "ui/transfer/background_queue.h"

#include <QPointer>

namespace zel::ui {

void listUnitHistory(BackgroundQueue& work, const session::SiteUnit& unit, HistoryDialog* dialog)
{
    dialog->showReading();
    // The default folders are found on this thread: finding them borrows the application's name.
    work.run([unit, journal = journal::Journal(), directory = session::UnitDirectory::defaultPath(),
              dialog = QPointer<HistoryDialog>(dialog)]() -> BackgroundQueue::Answer {
        return
            [entries = historyOfUnit(unit, journal, directory), folder = journal.folder(), dialog] {
                if (dialog)
                    dialog->showEntries(entries, folder);
            };
    });
}

} // namespace zel::ui
