#include "ui/site/last_backup_lookup.h"

#include "journal/journal.h"
#include "session/unit/unit_directory.h"
#include "ui/common/user_prompts.h"
#include "ui/site/site_table.h"

#include <QCoreApplication>
#include <QPointer>

namespace zel::ui {

void findLastBackup(BackgroundQueue& work, const session::SiteUnit& unit, QObject* context,
                    BackupFound found, UserPrompts* sayWhyNot)
{
    if (sayWhyNot)
        found = [found = std::move(found), sayWhyNot, name = unit.name](const auto& backup) {
            if (backup)
                found(backup);
            else
                sayWhyNot->showError(
                    QCoreApplication::translate(
                        "SiteWindow",
                        "%1 has no backup in the journal yet: back up the site first.")
                        .arg(name));
        };
    // The default folders are found on this thread: finding them borrows the application's name.
    work.run([unit, journal = journal::Journal(), directory = session::UnitDirectory::defaultPath(),
              context = QPointer<QObject>(context),
              found = std::move(found)]() -> BackgroundQueue::Answer {
        return [backup = lastBackupOf(unit, journal, directory), context, found] {
            if (context)
                found(backup);
        };
    });
}

} // namespace zel::ui
