#pragma once
// What live mode says of the unit, worked out afresh from the facts each time, so that it can
// never say "in sync" while a send waits, is on its way, was not acknowledged, or the link is down.

#include "session/live/live_types.h"

namespace zel::session {

// Where live mode is in its life.
enum class LivePhase { Off, Opening, Fetching, Deciding, Live, Ending, ReadingBack };

struct LiveFacts {
    LivePhase phase = LivePhase::Off;
    QString peer;
    bool linkOpen = false;
    QString lostReason;
    int retrySeconds = 0;
    bool checking = false;     // the link is back: the unit is fetched and compared
    bool unitDiffers = false;  // the user is asked which side wins
    bool readingAgain = false; // a read while live
    int pending = 0;           // blocks waiting to go or on their way
    int notApplied = 0;        // blocks the unit did not acknowledge whole
    bool differs = false;      // the edited configuration differs from the unit's picture
    bool awaitingRead = false; // no read has agreed since the user decided which side wins
    QDateTime lastRead;
};

LiveStatus liveStatusOf(const LiveFacts& facts);

} // namespace zel::session
