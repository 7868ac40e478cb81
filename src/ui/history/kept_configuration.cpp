#include "ui/history/kept_configuration.h"

#include "ui/history/history_dialog.h"

#include <QCoreApplication>

namespace zel::ui {

namespace {

// The translation context of the texts below.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(KeptConfiguration)
};

} // namespace

KeptConfiguration keptJournalEntry(const journal::Entry& entry, const QString& text)
{
    KeptConfiguration kept;
    kept.text = text;
    kept.name = Texts::tr("the journal entry");
    const QString time = entryTimeText(entry);
    const bool read = entry.direction == journal::Direction::FromUnit;
    if (!journal::holdsWholeConfiguration(entry))
        kept.partialReason = partialEntryReason(entry);
    // A configuration sent is whole however far it got; one fetched may not be.
    if (read && !entry.whole)
        kept.cutReason = journal::endingText(entry);
    kept.compareNotWhole = kept.partialReason.isEmpty()
                               ? kept.cutReason
                               : Texts::tr("a %1 holds only the parts that were sent")
                                     .arg(journal::kindText(journal::kindOf(entry)));
    kept.compareSource = Texts::tr("the journal entry %1 %2 at %3")
                             .arg(journal::directionWord(entry.direction), entry.unit, time);
    kept.restoreWhat =
        Texts::tr("the configuration %1 %2 at %3")
            .arg(read ? Texts::tr("read from") : Texts::tr("sent to"), entry.unit, time);
    kept.openedStatus = Texts::tr(" Opened from the journal: %1 at %2").arg(entry.unit, time);
    return kept;
}

KeptConfiguration keptCommit(const session::UnitVersion& version, const QString& unitName)
{
    KeptConfiguration kept;
    // The file holds what the unit sent, "\r\n" after each line; the editor's text box has "\n".
    kept.text = QString::fromLatin1(version.text).remove(QLatin1Char('\r'));
    const QString commit = version.commit.commit.left(7);
    const QString time = commitTimeText(version.commit);
    kept.name = Texts::tr("the commit %1").arg(commit);
    kept.compareSource =
        Texts::tr("the site's history: %1 at commit %2 (%3)").arg(unitName, commit, time);
    kept.restoreWhat =
        Texts::tr("the configuration of %1 kept in the site's history at commit %2 (%3, "
                  "%4: \"%5\")")
            .arg(unitName, commit, time, version.commit.author, version.commit.subject);
    kept.openedStatus = Texts::tr(" Opened from the site's history: %1 at commit %2 (%3)")
                            .arg(unitName, commit, time);
    return kept;
}

} // namespace zel::ui
