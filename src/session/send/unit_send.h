#pragma once
// The one path of every write to a unit, for the window and zeltool alike: the unit is read
// first (whoever reads it keeps the read in the journal before anything is sent), then the
// findings of send_checks.h are put, in their order, to whoever answers them, and only when
// every one was agreed to do the lines go, composed from what the unit holds now.
// File Mode is not a unit and does not come here.

#include "session/send/send_checks.h"

#include <functional>
#include <string>
#include <vector>

namespace zel::session::send {

// What reads and writes the unit: the window's link, or zeltool's transfers.
class UnitPort {
public:
    virtual ~UnitPort() = default;
    // Reads the whole configuration of the unit and keeps it in the journal, then hands it to
    // UnitSend::readCame(), at once or later.
    virtual void readUnit() = 0;
    // Sends `lines` to the unit.
    virtual void sendLines(const std::vector<std::string>& lines) = 0;
};

// Who answers the findings: the window's questions, or zeltool's flags.
class SendAnswers {
public:
    virtual ~SendAnswers() = default;
    // True to go on past `finding`; a refusal is told here too, and never goes on.
    virtual bool goOn(const Finding& finding) = 0;
};

class UnitSend {
public:
    // The lines that bring the unit, as the read found it, to what is sent: the whole
    // configuration, or chosen parts of it against the unit's values of the rest.
    using Compose = std::function<std::vector<std::string>(const model::ConfigModel& unitNow)>;

    enum class Ending {
        Reading,   // the read runs
        Sent,      // the lines were handed to the port
        Declined,  // a question was answered no, or a refusal stopped it
        Cancelled, // the read was stopped
        Nothing,   // the composed lines hold nothing to send
    };

    UnitSend(UnitPort& port, SendAnswers& answers, QString directoryPath);

    // Reads the unit named `unit` (as the journal names it) to send it `outgoing`.
    void start(const QString& unit, Outgoing outgoing, Compose compose);
    bool isReading() const { return m_ending == Ending::Reading; }
    // The read asked for came (`incompleteReason` empty when whole), or was cancelled: decides,
    // asks and sends. Ignored when no read was asked for.
    Ending readCame(const std::string& text, const QString& incompleteReason, bool cancelled);
    // Forgets a read that will not come (it could not be started).
    void abandon();

    Ending ending() const { return m_ending; }
    const UnitRead& read() const { return m_read; }
    // The finding that stopped the last send, when one did.
    const std::optional<Finding>& stoppedBy() const { return m_stoppedBy; }

private:
    UnitPort& m_port;
    SendAnswers& m_answers;
    QString m_directoryPath;
    QString m_unit;
    Outgoing m_outgoing;
    Compose m_compose;
    UnitRead m_read;
    std::optional<Finding> m_stoppedBy;
    Ending m_ending = Ending::Nothing;
};

} // namespace zel::session::send
