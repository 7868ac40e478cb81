#include "session/site/site_records.h"

#include "session/site/counted_changes.h"
#include "session/unit/unit_journal.h"

#include "model/config_reader.h"
#include "model/model_reset.h"

#include <QCoreApplication>

namespace zel::session {

namespace {

using Result = UnitOutcome::Result;
using Verdict = UnitReader::Verdict;

std::optional<model::ConfigModel> configurationOf(const journal::Journal& journal,
                                                  const journal::Entry& entry)
{
    const std::optional<QByteArray> text = journal.text(entry);
    if (!text)
        return std::nullopt;
    model::ConfigModel configuration;
    model::resetModel(configuration);
    model::LogLines log;
    model::readText(configuration, text->toStdString(), log);
    return configuration;
}

QString changesText(int count)
{
    return count == 1 ? QCoreApplication::translate("Site", "1 change")
                      : QCoreApplication::translate("Site", "%1 changes").arg(count);
}

} // namespace

SiteRecords::SiteRecords(QString journalFolder, QString directoryPath)
    : m_journal(std::move(journalFolder)), m_directoryPath(std::move(directoryPath))
{
    protectKnownUnits(m_journal, m_directoryPath);
}

void SiteRecords::warn(Record record, const text::FileResult& result)
{
    bool& said = record == Record::Journal ? m_journalWarned : m_directoryWarned;
    if (result.done() || std::exchange(said, true))
        return;
    const QString what = record == Record::Journal
                             ? QCoreApplication::translate("Site", "journal")
                             : QCoreApplication::translate("Site", "unit directory");
    // A lock another program holds passes; anything else wants the user's hand.
    m_warnings << (result.kind == text::FileResult::Kind::Busy
                       ? QCoreApplication::translate("Site",
                                                     "the %1 was busy (%2); the run goes on")
                       : QCoreApplication::translate(
                             "Site", "the %1 cannot be written (%2); the run goes on"))
                      .arg(what, result.text);
}

UnitOutcome SiteRecords::settle(SiteMode mode, const SiteUnit& unit, const UnitReader& reader)
{
    UnitOutcome outcome;
    outcome.name = unit.name;
    outcome.link = unit.link;
    const QString address = unit.link.unitName();
    bool whole = reader.verdict() == Verdict::Whole;
    const QString fresh = UnitDirectory::newIdentity(); // the identity of a unit met first now
    std::optional<journal::Entry> entry;
    // What came from a unit is kept, whole or not, under the identity of the unit it came
    // from; what came from something else is not kept.
    text::FileResult kept;
    if (!reader.text().isEmpty() && reader.verdict() != Verdict::NotAUnit)
        kept = keepFetch(m_journal, address,
                         mode == SiteMode::Backup ? journal::Cause::SiteBackup
                                                  : journal::Cause::SiteVerify,
                         whole ? identityOf(unit, reader, fresh) : QString(), whole,
                         reader.reason(), reader.text(), &entry);
    warn(Record::Journal, kept);

    if (!whole) {
        outcome.result = Result::Failed;
        outcome.detail =
            reader.verdict() == Verdict::Unreachable
                ? QCoreApplication::translate("Site", "cannot reach it: %1").arg(reader.reason())
                : reader.reason();
    } else if (mode == SiteMode::Backup && !kept.done()) {
        // A backup that could not be kept is no backup.
        whole = false;
        outcome.result = Result::Failed;
        outcome.detail =
            QCoreApplication::translate("Site", "it came whole, but the journal cannot keep it: %1")
                .arg(kept.text);
    }
    const auto keep = [&](UnitDirectory& units) {
        if (whole) {
            settleWhole(mode, reader, entry ? entry->file : QString(), fresh, units, outcome);
        } else if (const KnownUnit* known = units.forSiteLine(unit.name, address)) {
            KnownUnit* named = units.find(known->identity);
            outcome.identity = named->identity;
            named->lastResult = resultWord(outcome.result) + QStringLiteral(": ") + outcome.detail;
            named->lastResultTime = QDateTime::currentDateTimeUtc();
        }
    };
    UnitDirectory directory(m_directoryPath);
    const DirectoryUpdate updated = directory.update(keep);
    if (!updated.done() && whole) {
        // The unit's result is still told, from the directory as it reads now (nothing when it
        // cannot be read); the directory catches up at a later run.
        UnitDirectory asItIs(m_directoryPath);
        asItIs.load();
        keep(asItIs);
    }
    warn(Record::Directory, updated);
    return outcome;
}

QString SiteRecords::identityOf(const SiteUnit& unit, const UnitReader& reader,
                                const QString& fresh) const
{
    UnitDirectory directory(m_directoryPath);
    directory.load(); // unreadable: every unit is new, as settle() will find too
    const QString address = unit.link.unitName();
    const UnitFingerprint fingerprint = fingerprintOf(reader.configuration());
    const KnownUnit* named = directory.forSiteLine(unit.name, address);
    if (!named)
        return fresh;
    if (looksLikeSameUnit(named->fingerprint, fingerprint))
        return named->identity;
    const KnownUnit* other = directory.lookingLike(fingerprint, address);
    return other ? other->identity : QString();
}

void SiteRecords::settleWhole(SiteMode mode, const UnitReader& reader, const QString& file,
                              const QString& fresh, UnitDirectory& directory, UnitOutcome& outcome)
{
    const QString address = outcome.link.unitName();
    const UnitFingerprint fingerprint = fingerprintOf(reader.configuration());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const KnownUnit* found = directory.forSiteLine(outcome.name, address);
    if (found && !looksLikeSameUnit(found->fingerprint, fingerprint)) {
        const KnownUnit* other = directory.lookingLike(fingerprint, address);
        outcome.result = Result::AnotherUnit;
        outcome.detail =
            QCoreApplication::translate("Site", "%1 answered, not the unit known as \"%2\" (%3)")
                .arg(other ? QCoreApplication::translate("Site", "the unit known as \"%1\"")
                                 .arg(other->name)
                           : describeUnit(fingerprint),
                     found->name, describeUnit(found->fingerprint));
        KnownUnit* named = directory.find(found->identity);
        outcome.identity = named->identity;
        named->lastResult = resultWord(outcome.result);
        named->lastResultTime = now;
        return;
    }
    KnownUnit& known =
        found ? *directory.find(found->identity) : directory.add(outcome.name, fingerprint, fresh);
    outcome.identity = known.identity;
    // Only a unit backed up before has a backup; a verify of a unit never backed up is not one.
    const std::optional<journal::Entry> backup =
        known.lastBackup.isValid() ? backupOf(m_journal, directory, known, file) : std::nullopt;
    const std::optional<model::ConfigModel> before =
        backup ? configurationOf(m_journal, *backup) : std::nullopt;
    QStringList leftOut; // volume differences, when volumes do not count
    if (before) {
        CountedChanges changes = countedChanges(*before, reader.configuration(), m_ignoreVolume);
        outcome.changes = std::move(changes.counted);
        leftOut = std::move(changes.leftOut);
        outcome.backupTime = backup->time;
    }
    const QString since = shortTimeText(outcome.backupTime);
    if (!before) {
        outcome.result = mode == SiteMode::Backup ? Result::FirstBackup : Result::NoBackup;
        outcome.detail = mode == SiteMode::Backup
                             ? QCoreApplication::translate("Site", "first backup: %1")
                                   .arg(describeUnit(fingerprint))
                             : QCoreApplication::translate("Site", "no backup to compare with");
    } else if (outcome.changes.isEmpty()) {
        outcome.result = mode == SiteMode::Backup ? Result::Unchanged : Result::Same;
        outcome.detail =
            QCoreApplication::translate("Site", "no change since the backup of %1").arg(since);
        if (!leftOut.isEmpty())
            outcome.detail +=
                leftOut.size() == 1
                    ? QCoreApplication::translate("Site", " (1 volume difference not counted)")
                    : QCoreApplication::translate("Site", " (%1 volume differences not counted)")
                          .arg(leftOut.size());
    } else {
        outcome.result = mode == SiteMode::Backup ? Result::Changed : Result::Differs;
        outcome.detail =
            QCoreApplication::translate("Site", "%1 since the backup of %2: %3")
                .arg(changesText(int(outcome.changes.size())), since,
                     outcome.changes.mid(0, 3).join(QStringLiteral("; ")) +
                         (outcome.changes.size() > 3 ? QStringLiteral("; ...") : QString()));
        known.lastChange = now;
    }
    known.name = outcome.name;
    known.fingerprint = fingerprint;
    UnitDirectory::reached(known, address, now);
    if (mode == SiteMode::Backup && !file.isEmpty()) {
        known.lastBackup = now;
        known.backupEntry = file;
    }
    known.lastResult = resultWord(outcome.result);
    known.lastResultTime = now;
    outcome.text = reader.text();
}

} // namespace zel::session
