#pragma once
// What live mode is given and what it tells: its settings, where it goes, the state it is in (as
// the window's state line shows it), a volume raise it asks about, and how it ended.

#include "link/transfer_settings.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

namespace zel::link {
class LinkChannel;
}

namespace zel::session {

struct LiveSettings {
    // How long a block changed by a slider's move or by typing waits before it goes, counted
    // from its first change: a drag sends at most one block per settle time. 200 ms: a zone's
    // audio block (5 to 15 lines and their acknowledgements) takes 100 to 300 ms at 9600 baud,
    // so the line is not kept busy with values the hand has already left, while a change is
    // still heard a moment after it is made.
    std::chrono::milliseconds settleTime{200};
    // How long a line may wait for its acknowledgement before the block counts as not applied.
    // A unit acknowledges at once; a longer wait only keeps the state line saying "sending".
    std::chrono::milliseconds replyTimeout{5000};
    // A volume raised by more than this many dB in one send is asked about first.
    int volumeRaiseLimitDb = 12;
    // The link lost is opened again after this, then twice as long each time up to the bound.
    std::chrono::milliseconds firstRetry{500};
    std::chrono::milliseconds longestRetry{16000};
    // While live, the unit is read again to see that it still holds what it acknowledged (a
    // change at its keypad, or from another program, is found so): once no edit came for the
    // quiet time, and then at least every read period.
    std::chrono::milliseconds quietBeforeRead{3000};
    std::chrono::milliseconds readPeriod{30000};
};

// Where live mode goes: the unit over the chosen serial or telnet link.
struct LiveTarget {
    // Makes the channel to the unit, afresh for every attempt to open the link.
    std::function<std::unique_ptr<link::LinkChannel>()> makeChannel;
    QString journalUnit;             // the unit as the journal names it
    link::TransferSettings transfer; // the receive limit; the reply timeout is live mode's own
    // The unit directory, which names known units when the unit read is not the one the
    // configuration came from; empty: none.
    QString directoryPath;
};

enum class LiveState {
    Off,
    Starting,     // opening the link and fetching the unit's configuration
    InSync,       // the unit has acknowledged everything being edited, and a read agreed since
                  // the user last decided which side wins
    AwaitingRead, // as in sync, but no read has agreed since the user decided which side wins
    Sending,      // blocks wait to go or are on their way
    NotApplied,   // the unit did not acknowledge some blocks (ERROR, no reply, link lost)
    NetworkHeld,  // only the network settings differ: they are not sent live
    LinkLost,     // the link is being opened again
    Checking,     // the link is back: the unit's configuration is fetched and compared
    UnitDiffers,  // the unit holds something else than what it was sent: which side wins?
    Reading,      // the unit is read again; edits made meanwhile wait for the read
    Ending,       // leaving live mode once what is pending has gone
    ReadingBack,  // leaving live mode: the unit is read back
};

struct LiveStatus {
    LiveState state = LiveState::Off;
    int pending = 0;      // blocks waiting to go or on their way
    int notApplied = 0;   // blocks the unit did not acknowledge whole
    QString peer;         // the unit as status texts name it: "host: H"
    QString reason;       // why the link was lost
    int retrySeconds = 0; // link lost: the next attempt in about this many seconds
    QDateTime lastRead;   // when a read of the unit last agreed with what it was sent

    bool operator==(const LiveStatus&) const = default;
};

// A zone's volume that a send would raise by more than the limit.
struct VolumeRaise {
    int zone = 0;
    int fromDb = 0; // what the unit holds (a locked zone plays at 0 dB)
    int toDb = 0;
};

// How live mode ended.
struct LiveEnd {
    bool began = false;           // live mode had started (and has its two journal entries)
    int pending = 0;              // blocks waiting or on their way when leaving was asked for
    bool finished = false;        // those were sent before the end; else they were cancelled
    int notSent = 0;              // blocks the unit did not get or did not acknowledge
    bool readBack = false;        // the unit was read back whole when leaving
    bool unitHoldsEdited = false; // the read back agreed with everything being edited
    int linesSent = 0;            // lines the unit acknowledged while live
    bool heldElsewhere = false;   // another window is live on the unit read: it did not start
    QString journalError;         // why the journal could not keep an entry; empty when it could
};

} // namespace zel::session

Q_DECLARE_METATYPE(zel::session::LiveStatus)
