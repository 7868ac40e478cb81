#include "session/identity_check.h"

#include "session/site_outcome.h"
#include "session/unit_directory.h"
#include "session/unit_journal.h"

namespace zel::session {

namespace {

// The unit in words, with the name a site gave it when it is known.
QString unitWords(const UnitDirectory& directory, const UnitFingerprint& fingerprint,
                  const QString& unit)
{
    const KnownUnit* known = directory.lookingLike(fingerprint, unit);
    const QString description = describeUnit(fingerprint);
    return known ? QStringLiteral("the unit known as \"%1\" (%2)").arg(known->name, description)
                 : description;
}

} // namespace

std::optional<IdentityMismatch> identityMismatch(const model::ConfigModel& configuration,
                                                 bool edited, const QString& unit,
                                                 const std::optional<UnitFingerprint>& atAddress)
{
    return identityMismatch(configuration, edited, unit, atAddress, journal::Journal(),
                            UnitDirectory::defaultPath());
}

std::optional<IdentityMismatch> identityMismatch(const model::ConfigModel& configuration,
                                                 bool edited, const QString& unit,
                                                 const std::optional<UnitFingerprint>& atAddress,
                                                 const journal::Journal& journal,
                                                 const QString& directoryPath)
{
    const UnitFingerprint sending = fingerprintOf(configuration);
    if (!sending.isKnown() || unit.isEmpty())
        return std::nullopt;
    UnitFingerprint there;
    QString seen;
    if (atAddress && atAddress->isKnown()) {
        there = *atAddress;
        seen = QStringLiteral("just fetched");
    } else if (const std::optional<LastFetch> last = lastWholeFetch(journal, unit)) {
        there = last->fingerprint;
        seen = QStringLiteral("as last fetched %1").arg(shortTimeText(last->entry.time));
    } else {
        return std::nullopt;
    }
    // A unit never set up has nothing to lose: sending it a configuration is how it is set up.
    // One of another size is not this question's: the unit's model is asked about (or refused)
    // on its own, and a fragment after the question of what it does not set.
    if (isBlank(there) || sending.zoneCount != there.zoneCount ||
        sending.sourceCount != there.sourceCount ||
        looksLikeSameUnit(sending, there, edited ? Compared::NamesOnly : Compared::All))
        return std::nullopt;
    UnitDirectory directory(directoryPath);
    directory.load(); // an unreadable directory only leaves the units unnamed
    return IdentityMismatch{unit, unitWords(directory, sending, {}),
                            unitWords(directory, there, unit) + QStringLiteral(", ") + seen};
}

QString identityQuestion(const IdentityMismatch& mismatch)
{
    return QStringLiteral("The unit at %1 does not look like the unit this configuration came "
                          "from.\n\nThis configuration: %2.\nAt %1: %3.\n\nSend it there anyway?")
        .arg(mismatch.unit, mismatch.configuration, mismatch.atAddress);
}

} // namespace zel::session
