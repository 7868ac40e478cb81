#pragma once
// Live mode: every edit of the configuration being edited reaches the unit as it is made, and the
// state says at all times whether the unit agrees.
//
// An edit (or an undo or redo) marks the writer's blocks whose lines it changed; each waits, one
// entry per block, until the pacer lets it go, and is then written from the model as it is then,
// so the latest value wins; a block whose lines are those last sent is not sent again. What is
// due goes as one send over the held link, line by line, each acknowledged as an export's are,
// the end line last. Only what the unit acknowledged whole enters the picture of the unit; a block
// it answered "ERROR" to, or did not answer, or that a lost link cut off, is not applied until it
// is sent again. The network settings are never sent live: a unit given a new address mid-typing
// would drop off the link. A zone's volume raised by more than the limit in one send is asked
// about first; during a drag that question waits for the slider's release.
//
// Going live always begins with a read of the unit, journaled as found: where it differs from the
// configuration being edited the user decides which side wins. An edit sends only the lines of
// the members it changed. While live, the unit is read again once no edit came for a moment and
// at least every read period, and after the link came back; a read that finds the unit changed
// (its keypad, another program) stops the sending until the user decides again. "In sync" is
// said only of what a read agreed with. Leaving reads the unit back: the journal gets the lines
// sent live as a live send and the read back as a whole fetch.

#include "journal/journal_entry.h"
#include "model/config_diff.h"
#include "model/config_model.h"
#include "session/configuration/edit_step.h"
#include "session/live/live_pacer.h"
#include "session/live/live_read_schedule.h"
#include "session/live/live_types.h"
#include "session/live/unit_picture.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace zel::journal {
class Journal;
}
namespace zel::link {
class Transfer;
}

namespace zel::session {

class ConfigurationSession;
class LiveLink;
class SettleClock;

class LiveSession : public QObject {
    Q_OBJECT
public:
    // Which side wins where the unit and the configuration being edited differ.
    enum class Side { SendEdited, TakeUnits, Leave };
    // Leaving live mode with something pending: send it and wait for its acknowledgement, or drop
    // it and stop the block on its way at its current line.
    enum class Ending { Finish, Cancel };
    // Asked before a send raises volumes by more than the limit: true lets it go.
    using RaiseQuestion = std::function<bool(const std::vector<VolumeRaise>&)>;

    // `config`, `clock` and `journal` must outlive the session; without a journal nothing is
    // kept.
    LiveSession(ConfigurationSession& config, SettleClock& clock, journal::Journal* journal,
                QObject* parent = nullptr);
    ~LiveSession() override;

    void setSettings(const LiveSettings& settings);
    const LiveSettings& settings() const { return m_settings; }
    // Without a question every raise beyond the limit is held back.
    void setRaiseQuestion(RaiseQuestion ask) { m_askRaise = std::move(ask); }

    // What found the unit differing from the configuration being edited.
    enum class Found { AtStart, LinkBack, ReadAgain };

    // Starts live mode towards `target`: the unit's configuration is fetched and compared first
    // (unitDiffers() when they differ).
    void start(LiveTarget target);
    // The user's answer to unitDiffers().
    void resolve(Side side);
    // Leaves live mode; ended() says how.
    void stop(Ending how);
    // A slider was let go: whatever waits goes now.
    void release();
    // Sends again every block not applied.
    void resend();

    bool isLive() const { return m_phase != Phase::Off; }
    LiveStatus status() const;
    // Where the unit and the configuration being edited differ, while the state is UnitDiffers.
    const std::vector<model::Difference>& differences() const { return m_differences; }
    // Whether the edited values can be sent over what the unit holds: both have the same zones
    // and sources.
    bool canSendEdited() const;
    // What found the difference that unitDiffers() reported last.
    Found differsFound() const { return m_found; }

signals:
    void statusChanged(const zel::session::LiveStatus& status);
    // The unit holds something else than the configuration being edited: at the start
    // (`atStart`), or when the link came back. Answer with resolve().
    void unitDiffers(bool atStart);
    // Live mode could not start; `turnedAway`: the unit refused the connection or closed it at
    // once, as one that another program holds does.
    void startFailed(const QString& why, bool turnedAway);
    void ended(const zel::session::LiveEnd& end);

private:
    enum class Phase { Off, Opening, Fetching, Deciding, Live, Ending, ReadingBack };
    struct InFlight {
        std::set<model::WriterBlock> blocks;
        model::ConfigModel sent;
        QStringList lines;
    };

    // live_session.cpp: the life of live mode.
    void onOpened(bool again);
    void onLost(const QString& reason);
    void fetchUnit();
    void onFetched(const QString& text, bool whole, const QString& why);
    // A read while live (again, or after the link came back) with `unit`'s configuration.
    void onReadAgain(const model::ConfigModel& unit, const std::string& foundText);
    void readAgain();
    void readBack();
    void begin(const std::string& foundText);
    void abandonStart(const QString& why, bool turnedAway);
    void cancelNow();
    void finishEnding();
    void endNow(bool finished, const std::optional<model::ConfigModel>& readBack = {});
    void dropLink();
    QString keepInJournal(journal::Direction direction, const std::string& text,
                          const QString& ending);
    // The lines sent live, as a live send; once a session.
    void journalLinesSent();
    void publish();

    // live_sending.cpp: edits, sends and acknowledgements.
    void onModelChanged(const EditStep& step);
    void takeEditedAsSeen();
    const std::vector<std::string>& reference(model::WriterBlock block) const;
    void scheduleSend();
    void sendDue();
    // Volumes raised by more than the limit in `toSend`: a dragged one goes up by the limit in
    // this send, others are asked about (declined: kept at the unit's, in the model too). False
    // when live mode ended while asking.
    bool limitRaises(std::set<model::WriterBlock>& blocks, model::ConfigModel& toSend);
    void onTransferFinished(link::Transfer* transfer);
    void onSendFinished(link::Transfer* transfer);
    // The blocks not applied, given those in which the edited configuration `differing` from the
    // unit's picture: sent and not acknowledged, or differing and neither waiting nor on their way.
    std::set<model::WriterBlock>
    notAppliedBlocks(const std::set<model::WriterBlock>& differing) const;
    void queueAll(const std::set<model::WriterBlock>& blocks);

    ConfigurationSession& m_config;
    journal::Journal* m_journal;
    LiveSettings m_settings;
    RaiseQuestion m_askRaise;
    LivePacer m_pacer;
    UnitPicture m_picture;
    std::unique_ptr<LiveLink> m_link;
    LiveTarget m_target;

    Phase m_phase = Phase::Off;
    Ending m_ending = Ending::Finish; // how the ending under way ends
    bool m_begun = false;             // the start is in the journal
    bool m_checking = false;          // the link is back: the unit is fetched and compared
    bool m_unitDiffers = false;       // waiting for resolve()
    bool m_fetching = false;
    bool m_readingAgain = false; // a read while live, not after the link came back
    bool m_linesJournaled = false;
    Found m_found = Found::AtStart;
    std::set<int> m_rampZones; // zones whose volume was last moved by a drag
    bool m_asking = false;     // the volume question is open
    bool m_sendScheduled = false;
    std::set<model::WriterBlock> m_dropped; // blocks a cancel dropped before they went
    int m_pendingAtStop = 0;
    std::string m_foundText; // the unit's configuration as fetched when live mode started
    std::optional<InFlight> m_inFlight;
    std::vector<model::Difference> m_differences;
    BlockLines m_seen;     // the edited blocks as the last edit left them
    BlockLines m_lastSent; // what each block was last sent as, unless that send failed
    std::set<model::WriterBlock> m_failed; // sent, not acknowledged whole
    QString m_lostReason;
    int m_retrySeconds = 0;
    QString m_journalError;
    LiveStatus m_published;
    QTimer m_refetch; // the check after the link came back is tried again
    LiveReadSchedule m_reads;
    QStringList m_linesSent; // acknowledged by the unit, in order, for the journal
    int m_linesNotAcknowledged = 0;
};

} // namespace zel::session
