#include "session/unit/identity_check.h"

#include "session/unit/unit_directory.h"

#include <QCoreApplication>

namespace zel::session {

namespace {

// The unit in words, with the name a site gave it when it is known.
QString unitWords(const UnitDirectory& directory, const UnitFingerprint& fingerprint,
                  const QString& unit)
{
    const KnownUnit* known = directory.lookingLike(fingerprint, unit);
    const QString description = describeUnit(fingerprint);
    return known ? QCoreApplication::translate("Unit", "the unit known as \"%1\" (%2)")
                       .arg(known->name, description)
                 : description;
}

// The mismatch between what is sent and `there`, what is known of the unit at `unit`, seen as
// `seen` says; none when they look alike or the unit was never set up.
std::optional<IdentityMismatch> mismatchWith(const model::ConfigModel& configuration, bool edited,
                                             const QString& unit, const UnitFingerprint& there,
                                             const QString& seen, const QString& directoryPath)
{
    const UnitFingerprint sending = fingerprintOf(configuration);
    if (!sending.isKnown() || unit.isEmpty())
        return std::nullopt;
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

} // namespace

std::optional<IdentityMismatch> identityMismatchWithRead(const model::ConfigModel& configuration,
                                                         bool edited, const QString& unit,
                                                         const UnitFingerprint& read,
                                                         const QString& directoryPath)
{
    if (!read.isKnown())
        return std::nullopt;
    return mismatchWith(configuration, edited, unit, read,
                        QCoreApplication::translate("Unit", "just fetched"), directoryPath);
}

QString identityQuestion(const IdentityMismatch& mismatch)
{
    return QCoreApplication::translate(
               "Unit", "The unit at %1 does not look like the unit this configuration came "
                       "from.\n\nThis configuration: %2.\nAt %1: %3.\n\nSend it there anyway?")
        .arg(mismatch.unit, mismatch.configuration, mismatch.atAddress);
}

} // namespace zel::session
