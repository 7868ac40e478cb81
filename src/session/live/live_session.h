#pragma once
// Live mode: every edit of the configuration being edited reaches the unit as it is made
// (LiveSender), and the state says at all times whether the unit agrees. Going live reads the unit
// first; that read alone says which unit it is (asked about when it is not the one the
// configuration came from) and where it differs (the user decides which side wins). While live
// the unit is read again to see that it still holds what it acknowledged; leaving reads it back.
// This runs the phases; what each read means, and who wins, is LiveReadJudge's. How and why:
// docs/live-mode.md.

#include "model/config_model.h"
#include "session/configuration/edit_step.h"
#include "session/live/live_journal.h"
#include "session/live/live_read_judge.h"
#include "session/live/live_read_schedule.h"
#include "session/live/live_sender.h"
#include "session/live/live_status.h"
#include "session/live/live_types.h"
#include "session/live/unit_picture.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

namespace zel::journal {
class Journal;
}

namespace zel::session {

class BackgroundQueue;
class ConfigurationSession;
class LiveLink;
class SettleClock;

class LiveSession : public QObject {
    Q_OBJECT
public:
    // Which side wins where the unit and the configuration being edited differ.
    using Side = LiveReadJudge::Side;
    // Leaving live mode with something pending: send it and wait for its acknowledgement, or drop
    // it and stop the block on its way at its current line.
    enum class Ending { Finish, Cancel };
    using RaiseQuestion = LiveSender::RaiseQuestion;
    // Claims the unit a start read found for this window: false when another window is live on
    // it, and live mode does not start. Claimed again after each read that agreed, so that the
    // claim follows what the unit is now.
    using UnitClaim = LiveReadJudge::UnitClaim;

    // `config`, `clock` and `journal` must outlive the session; without a journal nothing is
    // kept.
    LiveSession(ConfigurationSession& config, SettleClock& clock, journal::Journal* journal,
                QObject* parent = nullptr);
    ~LiveSession() override;

    void setSettings(const LiveSettings& settings);
    const LiveSettings& settings() const { return m_settings; }
    // Without a question every raise beyond the limit is held back.
    void setRaiseQuestion(RaiseQuestion ask) { m_sender.setRaiseQuestion(std::move(ask)); }
    // Without a claim no unit is ever held elsewhere.
    void setUnitClaim(UnitClaim claim) { m_judge.setUnitClaim(std::move(claim)); }
    // Where the journal is written, off this thread; without it, it is written here.
    void setJournalWork(BackgroundQueue& work) { m_journal.setWork(&work, this); }

    // What found the unit differing from the configuration being edited.
    using Found = LiveReadJudge::Found;

    // Starts live mode towards `target`: the unit's configuration is fetched and compared first
    // (unitDiffers() when they differ).
    void start(LiveTarget target);
    // The user's answer to unitDiffers().
    void resolve(Side side);
    // The user's answer to anotherUnitFound(): go (or stay) live on that unit, or leave.
    void answerAnotherUnit(bool goOn);
    // Leaves live mode; ended() says how.
    void stop(Ending how);
    // A slider was let go: whatever waits goes now.
    void release() { m_sender.releaseAll(); }
    // Sends again every block not applied.
    void resend();

    bool isLive() const { return m_phase != LivePhase::Off; }
    LiveStatus status() const;
    // Where the unit and the configuration being edited differ, while the state is UnitDiffers.
    const std::vector<model::Difference>& differences() const { return m_judge.differences(); }
    // Whether the edited values can be sent over what the unit holds: both have the same zones
    // and sources.
    bool canSendEdited() const { return m_judge.canSendEdited(); }
    // What found the difference that unitDiffers() reported last.
    Found differsFound() const { return m_judge.found(); }
    // The unit read is not the one the configuration came from: set while anotherUnitFound()
    // waits for its answer.
    const std::optional<IdentityMismatch>& anotherUnit() const { return m_judge.anotherUnit(); }

signals:
    void statusChanged(const zel::session::LiveStatus& status);
    // The unit holds something else than the configuration being edited: at the start
    // (`atStart`), or when the link came back. Answer with resolve().
    void unitDiffers(bool atStart);
    // A read found another unit than the one the configuration came from: at the start
    // (`atStart`), or while live (swapped while the link was down). Nothing goes to it, and
    // nothing else is asked, until answerAnotherUnit().
    void anotherUnitFound(bool atStart);
    // Live mode could not start; `turnedAway`: the unit refused the connection or closed it at
    // once, as one that another program holds does.
    void startFailed(const QString& why, bool turnedAway);
    void ended(const zel::session::LiveEnd& end);
    // The journal could not keep an entry written after ended() said that it could.
    void journalFailed(const QString& error);

private:
    void onOpened(bool again);
    void onLost(const QString& reason);
    void fetchUnit();
    void onFetched(const QString& text, bool whole, const QString& why);
    // Does what a read of the unit, or the answer about another unit, came to; `atStart`: the
    // start read's.
    void act(LiveReadJudge::Verdict verdict, bool atStart);
    void readAgain();
    void readBack();
    // `agreed`: the start read agreed with the configuration being edited; else the user decided
    // which side wins, and the next read confirms it.
    void begin(bool agreed);
    // Stops the read on its way at once; what came is kept as its end says.
    void stopRead();
    void abandonStart(const QString& why, bool turnedAway);
    void cancelNow();
    void finishEnding();
    void endNow(bool finished, const std::optional<model::ConfigModel>& readBack = {});
    void dropLink();
    void onModelChanged(const EditStep& step);
    // The lines sent live, as a live send, once live mode has begun.
    void journalLinesSent();
    void publish();

    ConfigurationSession& m_config;
    LiveJournal m_journal;
    LiveSettings m_settings;
    UnitPicture m_picture;
    LiveSender m_sender;
    std::unique_ptr<LiveLink> m_link;
    LiveTarget m_target;

    LivePhase m_phase = LivePhase::Off;
    Ending m_ending = Ending::Finish; // how the ending under way ends
    bool m_begun = false;             // the start is in the journal
    bool m_checking = false;          // the link is back: the unit is fetched and compared
    bool m_fetching = false;
    bool m_readingAgain = false; // a read while live, not after the link came back
    bool m_stopping = false;     // the read on its way is stopped by leaving
    int m_pendingAtStop = 0;
    LiveStatus m_published;
    QTimer m_refetch; // the check after the link came back is tried again
    LiveReadSchedule m_reads;
    LiveReadJudge m_judge; // after everything it refers to
};

} // namespace zel::session
