#pragma once
// What a read of the unit means to live mode: the start read, a read again while live, the read
// after the link came back, and the read back at the end. It keeps the start read and the read
// back in the journal, finds whether the unit agrees, differs (and takes the side the user
// chooses) or is another unit, and claims the unit read. LiveSession runs the phases and does
// what the verdict says; this holds only what the reads found and what waits for an answer.

#include "model/config_diff.h"
#include "model/config_model.h"
#include "session/live/live_types.h"
#include "session/unit/identity_check.h"
#include "session/unit/unit_fingerprint.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zel::session {

class ConfigurationSession;
class LiveJournal;
class LiveReadSchedule;
class LiveSender;
class UnitPicture;

class LiveReadJudge {
    Q_DECLARE_TR_FUNCTIONS(LiveReadJudge)

public:
    // Which side wins where the unit and the configuration being edited differ.
    enum class Side { SendEdited, TakeUnits, Leave };
    // What found the unit differing from the configuration being edited.
    enum class Found { AtStart, LinkBack, ReadAgain };
    // Which read of the unit came in.
    enum class Kind { Start, Again, LinkBack, Back };
    // What the session does after a read or an answer: nothing; leave; end, the unit being held
    // by another window; ask about another unit; wait for the answer already asked for; go on
    // (the unit agrees); ask which side wins.
    enum class Verdict { Nothing, Leave, HeldElsewhere, AnotherUnit, Asking, Agrees, Differs };
    using UnitClaim = std::function<bool(const UnitFingerprint& read)>;

    // A read as it came.
    struct Read {
        std::string text;   // the unit's lines, ended by CR LF
        bool whole = false; // a whole configuration
        QString shortfall;  // why it is not
    };

    // All must outlive the judge; `target` is the one live mode goes to at each start.
    LiveReadJudge(ConfigurationSession& config, const LiveTarget& target, UnitPicture& picture,
                  LiveSender& sender, LiveJournal& journal, LiveReadSchedule& reads);

    void setUnitClaim(UnitClaim claim) { m_claim = std::move(claim); }

    // Live mode starts: nothing found, nothing asked.
    void reset();
    // The fetched `text`, as `kind` of read; the start read and the read back are kept in the
    // journal whatever follows, cut short or not.
    Read take(const QString& text, bool whole, const QString& why, Kind kind);
    // The start read is in: the unit is claimed, then asked about, then compared.
    Verdict readAtStart(const model::ConfigModel& unit);
    // A read while live (again, or after the link came back) with `unit`'s configuration, as
    // `foundText`.
    Verdict readWhileLive(const model::ConfigModel& unit, const std::string& foundText, Kind kind);
    // The user's answer about another unit, `atStart` or while live.
    Verdict answerAnotherUnit(bool goOn, bool atStart);
    // The user's answer to which side wins, other than leaving: false when none was asked, or
    // the edited values cannot go over what the unit holds. TakeUnits takes the unit's
    // configuration at once; the session does the rest.
    bool resolve(Side side, bool atStart);
    // Which side wins is decided: nothing differs that is asked about.
    void settle();
    // The question about another unit is dropped: live mode did not start.
    void forgetAnotherUnit() { m_anotherUnit.reset(); }
    // Live mode ended: no question waits.
    void end();
    // How live mode ended, as far as the reads tell: what the read back at the end (none:
    // `readBack` empty) says of the unit as left, once live mode `began`; whether the unit was
    // held by another window; whether the journal kept everything.
    LiveEnd endOf(bool began, bool finished, const std::optional<model::ConfigModel>& readBack);

    // Waiting for the user to say which side wins.
    bool unitDiffers() const { return m_unitDiffers; }
    const std::vector<model::Difference>& differences() const { return m_differences; }
    // Whether the edited values can be sent over what the unit holds: both have the same zones
    // and sources.
    bool canSendEdited() const;
    Found found() const { return m_found; }
    const std::optional<IdentityMismatch>& anotherUnit() const { return m_anotherUnit; }

private:
    Verdict decideStart();
    // A read while live found the unit as `changed` says.
    Verdict decideAgain(bool changed);

    ConfigurationSession& m_config;
    const LiveTarget& m_target;
    UnitPicture& m_picture;
    LiveSender& m_sender;
    LiveJournal& m_journal;
    LiveReadSchedule& m_reads;
    UnitClaim m_claim;

    bool m_unitDiffers = false; // waiting for the user to say which side wins
    bool m_heldElsewhere = false;
    std::optional<IdentityMismatch> m_anotherUnit;
    Found m_found = Found::AtStart;
    std::vector<model::Difference> m_differences;
};

} // namespace zel::session
