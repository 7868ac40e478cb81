#include "ui/history/unit_commits_controller.h"

#include "ui/history/history_dialog.h"
#include "ui/history/unit_history_reader.h"

#include <QDir>
#include <QLabel>

namespace zel::ui {

namespace {

// The user's own folder as "~", as a shell names it.
QString shownFolder(const QString& folder)
{
    const QString home = QDir::homePath() + u'/';
    return folder.startsWith(home) ? QStringLiteral("~/") + folder.mid(home.size())
                                   : QDir::toNativeSeparators(folder);
}

} // namespace

UnitCommitsController::UnitCommitsController(HistoryDialog* dialog)
    : QObject(dialog), m_dialog(dialog), m_reader(new UnitHistoryReader(this))
{
    connect(
        m_reader, &UnitHistoryReader::listed, this,
        [this](const UnitHistoryReader::Listing& listing) {
            if (m_place != listing.place)
                return; // the dialog shows another unit by now
            const QString& unit = listing.place.unitName;
            m_dialog->showCommits(
                tr("%1: commits in the site's history (%2)")
                    .arg(unit, shownFolder(listing.place.repository)),
                listing.commits,
                listing.note.isEmpty()
                    ? QString()
                    : tr("No commits of %1 from the site's history: %2").arg(unit, listing.note));
        });
    connect(dialog, &HistoryDialog::openCommitRequested, this,
            [this](const session::HistoryCommit& commit) { readFor(Use::Open, commit); });
    connect(dialog, &HistoryDialog::compareCommitRequested, this,
            [this](const session::HistoryCommit& commit) { readFor(Use::Compare, commit); });
    connect(dialog, &HistoryDialog::restoreCommitRequested, this,
            [this](const session::HistoryCommit& commit) { readFor(Use::Restore, commit); });
}

void UnitCommitsController::show(const std::optional<session::UnitHistoryPlace>& place,
                                 const QString& whyNone)
{
    m_place = place;
    if (!place) {
        m_dialog->showCommits({}, {},
                              whyNone.isEmpty()
                                  ? QString()
                                  : tr("No commits from the site's history: %1").arg(whyNone));
        return;
    }
    m_dialog->showCommits(
        {}, {}, tr("Listing the commits of %1 in the site's history...").arg(place->unitName));
    m_reader->list(*place);
}

void UnitCommitsController::readFor(Use use, const session::HistoryCommit& commit)
{
    if (!m_place)
        return;
    const session::UnitHistoryPlace place = *m_place;
    m_reader->read(place, commit,
                   [this, use, place](const std::optional<session::UnitVersion>& version,
                                      const QString& error) {
                       if (!version) {
                           QLabel* note = m_dialog->commitsNoteLabel();
                           note->setText(tr("The commit cannot be read: %1").arg(error));
                           note->show();
                           return;
                       }
                       const KeptConfiguration kept = keptCommit(*version, place.unitName);
                       switch (use) {
                       case Use::Open:
                           emit openRequested(kept);
                           break;
                       case Use::Compare:
                           emit compareRequested(kept);
                           break;
                       case Use::Restore:
                           emit restoreRequested(kept, place.link);
                           break;
                       }
                   });
}

} // namespace zel::ui
