#pragma once
// The site window's rows: one per unit of the site, its name and link (edited in place), what
// the unit directory knows of it (last backup, last change seen, last result), whether live mode
// holds it, and, during a run over the site, how each unit stands as it ends. The site window
// owns the site and decides what an edit may change; the rows only show it. The unit directory
// is read off the window's thread (another program may hold it, and it may be large): its columns
// fill in once it is read.

#include "journal/journal.h"
#include "journal/journal_entry.h"
#include "session/site/site_file.h"
#include "session/site/site_run.h"
#include "session/unit/unit_directory.h"

#include <QList>
#include <QTableWidget>

#include <optional>

namespace zel::ui {

class SiteTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column {
        kNameColumn,
        kLinkColumn,
        kBackupColumn,
        kChangeColumn,
        kResultColumn,
        kLiveColumn
    };

    explicit SiteTable(QWidget* parent = nullptr);

    // One row per unit of `units`, with what the unit directory knows of each once read.
    void showUnits(const QList<session::SiteUnit>& units);
    // The unit of `row` is now `unit`: its row, and every row's directory columns, again.
    void changeUnit(int row, const session::SiteUnit& unit);
    // Puts back the name and link of `row` after an edit that was refused.
    void restoreRow(int row);
    // The unit live mode holds, as the journal names it; empty when live mode is off. Its row
    // says "on", every other "off".
    void showLiveUnit(const QString& unitName);
    // The rows' backup, change and result columns again from the unit directory, once read; the
    // results stay as a run shows them while it runs.
    void refreshFromDirectory() { readDirectory(false); }
    // The unit directory is being read.
    bool isReadingDirectory() const { return m_directoryReads > 0; }

    // A run over the site: every row waits, then each unit starts and ends; once the run has
    // ended the rows keep its results, the times coming from the directory.
    void runStarted();
    void unitStarted(int row);
    void unitFinished(int row, const session::UnitOutcome& outcome);
    void runFinished();

signals:
    // The name or link of `row` was edited to `name` and `link`.
    void unitEdited(int row, const QString& name, const QString& link);
    // The unit directory could not be read: why, for the user.
    void directoryUnreadable(const QString& why);
    // A run has ended and the rows show what it wrote to the unit directory.
    void runShown();

private:
    // Reads the unit directory off this thread, then shows it (the newest read asked for wins);
    // `keepResults`: the result column keeps what a run showed.
    void readDirectory(bool keepResults);
    void showDirectory(const session::UnitDirectory& directory, bool keepResults);
    void setRow(int row, const session::SiteUnit& unit);
    void fitColumns();
    void onCellChanged(int row, int column);

    QList<session::SiteUnit> m_units;
    QString m_liveUnit;       // as the journal names it
    bool m_running = false;   // a run shows its results in the rows
    bool m_filling = false;   // rows are being filled in code, not edited
    int m_directoryReads = 0; // asked for and not yet answered
    int m_lastRead = 0;       // the number of the newest read asked for
};

// The journal entry of a site unit's last backup, and the unit's history in `journal`, from the
// unit directory at `directoryPath` (the folders named on the window's thread: both are read off
// it).
std::optional<journal::Entry> lastBackupOf(const session::SiteUnit& unit,
                                           const journal::Journal& journal,
                                           const QString& directoryPath);
QList<journal::Entry> historyOfUnit(const session::SiteUnit& unit, const journal::Journal& journal,
                                    const QString& directoryPath);

} // namespace zel::ui
