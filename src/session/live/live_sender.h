#pragma once
// Live mode's sending: each edit marks the writer's blocks whose lines it changed; each waits, one
// entry per block, until the pacer lets it go, and is then written from the model as it is then,
// so the latest value wins; a block whose lines are those last sent is not sent again. What is due
// goes as one send, the end line last. Only what the unit acknowledged whole enters the picture of
// the unit; a block it answered "ERROR" to, did not answer, or that a lost link cut off is not
// applied until it is sent again. The network settings are never sent live: a unit given a new
// address mid-typing would drop off the link. A zone's volume raised by more than the limit in one
// send is asked about first, or, while dragged, goes up by the limit a send.

#include "model/config_model.h"
#include "session/configuration/edit_step.h"
#include "session/live/live_pacer.h"
#include "session/live/live_status.h"
#include "session/live/live_types.h"
#include "session/live/unit_picture.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <set>
#include <vector>

namespace zel::link {
class ExportTransfer;
}

namespace zel::session {

class ConfigurationSession;
class LiveLink;
class SettleClock;

class LiveSender : public QObject {
    Q_OBJECT
public:
    // Asked before a send raises volumes by more than the limit: true lets it go.
    using RaiseQuestion = std::function<bool(const std::vector<VolumeRaise>&)>;

    // `config`, `picture` and `clock` must outlive the sender.
    LiveSender(ConfigurationSession& config, UnitPicture& picture, SettleClock& clock,
               QObject* parent = nullptr);

    void setSettings(const LiveSettings& settings);
    // Without a question every raise beyond the limit is held back.
    void setRaiseQuestion(RaiseQuestion ask) { m_askRaise = std::move(ask); }
    // Whether live mode lets blocks go now: it has begun, and no read of the unit or answer of
    // the user stands in the way. Whether the link is open and idle the sender sees itself.
    void setGate(std::function<bool()> open) { m_gate = std::move(open); }
    // The link blocks go over; null while there is none.
    void setLink(LiveLink* link);

    // Live mode begins (everything of an earlier one forgotten) or has ended.
    void begin();
    void end();
    // The edited configuration as it is now is what the next edit is compared with.
    void takeEditedAsSeen();
    // The unit was found holding something else: nothing it was sent counts as on it.
    void forgetSent();
    // The unit's configuration is taken: nothing waits to go.
    void forgetWaiting() { m_pacer.takeAll(); }

    // An edit while live: the blocks it changed wait for their time.
    void edited(const EditStep& step);
    // A slider was let go, or live mode ends with what waits sent: whatever waits may go now.
    void releaseAll();
    // `blocks` go again, at once.
    void queueAll(const std::set<model::WriterBlock>& blocks);
    // Every block not applied goes again.
    void resendNotApplied();
    // Leaving without sending: what waits is dropped and counted as not sent.
    void dropWaiting();

    // What is due goes once control is back in the event loop, never from inside an edit: the
    // page that reported it is still at work.
    void scheduleSend();

    bool isSending() const { return m_inFlight.has_value(); }
    bool isAsking() const { return m_asking; }
    int waitingCount() const { return m_pacer.waitingCount(); }
    // Blocks waiting to go or on their way.
    int pendingCount() const;
    // The blocks not applied, given those in which the edited configuration differs from the
    // unit's picture: sent and not acknowledged, or differing and neither waiting nor on their
    // way.
    std::set<model::WriterBlock>
    notAppliedBlocks(const std::set<model::WriterBlock>& differing) const;
    // What the status says of sending: the blocks pending and not applied, and whether the edited
    // configuration differs from the unit's picture.
    void addStatusFacts(LiveFacts& facts) const;
    // At the end: the blocks not applied, still waiting, or dropped.
    std::set<model::WriterBlock> notSentBlocks(const std::set<model::WriterBlock>& differing);

    // The lines the unit acknowledged, in order, and how many it did not.
    const QStringList& linesSent() const { return m_linesSent; }
    int linesNotAcknowledged() const { return m_linesNotAcknowledged; }

signals:
    // A send was tried (nothing may have been due, or it was on the unit already), or a send
    // has ended and what the unit acknowledged is in the picture.
    void sendingChanged();

private:
    struct InFlight {
        std::set<model::WriterBlock> blocks;
        model::ConfigModel sent;
        QStringList lines;
    };

    void sendDue();
    // The send over the link has ended: what the unit acknowledged enters the picture.
    void onSent(const link::ExportTransfer& transfer);
    // Sends what is due, unless live mode ended while the volume question was open.
    void sendDueBlocks();
    const std::vector<std::string>& reference(model::WriterBlock block) const;
    // Volumes raised by more than the limit in `toSend`: a dragged one goes up by the limit in
    // this send, others are asked about (declined: kept at the unit's, in the model too). False
    // when live mode ended while asking.
    bool limitRaises(std::set<model::WriterBlock>& blocks, model::ConfigModel& toSend);
    // The lines of `sending`'s blocks that differ from what the unit holds.
    QStringList linesToSend(const InFlight& sending) const;

    ConfigurationSession& m_config;
    UnitPicture& m_picture;
    LivePacer m_pacer;
    int m_volumeRaiseLimitDb = LiveSettings{}.volumeRaiseLimitDb;
    RaiseQuestion m_askRaise;
    std::function<bool()> m_gate;
    LiveLink* m_link = nullptr;
    bool m_active = false;
    bool m_sendScheduled = false;
    bool m_asking = false;     // the volume question is open
    std::set<int> m_rampZones; // zones whose volume was last moved by a drag
    std::optional<InFlight> m_inFlight;
    std::set<model::WriterBlock> m_dropped; // blocks a cancel dropped before they went
    BlockLines m_seen;                      // the edited blocks as the last edit left them
    BlockLines m_lastSent; // what each block was last sent as, unless that send failed
    std::set<model::WriterBlock> m_failed; // sent, not acknowledged whole
    QStringList m_linesSent;               // acknowledged by the unit, in order, for the journal
    int m_linesNotAcknowledged = 0;
};

} // namespace zel::session
