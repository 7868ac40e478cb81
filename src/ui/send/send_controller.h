#pragma once
// The window's side of every send: "Export" (to a file, or to a unit), and the sends the other
// commands make (Restore to Unit, Send Selected). A send to a unit reads the unit first (the
// journal keeps the read), then the session's send path puts its findings, in their fixed order,
// to the user, and the lines go composed from what the unit holds now. File Mode is not a unit:
// an export to a file asks only of what it sends.

#include "link/transfer_outcome.h"
#include "session/send/send_bridge.h"
#include "session/send/send_requests.h"

#include <QObject>

#include <functional>
#include <optional>

class QPlainTextEdit;

namespace zel::session {
class ConfigurationSession;
}

namespace zel::ui {

class LinkController;
class UserPrompts;

// What the sends need of the window they belong to.
struct SendWindowSide {
    session::ConfigurationSession& configuration;
    LinkController& link;
    // The box an export's text is shown in before it goes, and taken from as shown.
    QPlainTextEdit& exportBox;
    std::function<UserPrompts&()> prompts; // as they are when asked: tests replace them
    // A command's work with a unit has not ended, or live mode holds the unit.
    std::function<bool()> unitBusy;
    // Stores what the pages show into the model and shows the names again.
    std::function<void()> commitEdits;
    std::function<void(const QString&)> showStatus;
};

class SendController : public QObject {
    Q_OBJECT
public:
    // What a send to a unit is for.
    enum class Kind { Export, Restore, Selected };
    using Ending = session::send::UnitSend::Ending;

    // What the command that asked for a send hears of it; each may be left empty.
    struct Followers {
        // The read came (not cancelled), before anything is decided of it.
        std::function<void(const QString& text, const QString& source,
                           const QString& incompleteReason)>
            readCame;
        // What the read decided, once the read's end has been shown; in place of the status
        // line's "Nothing was sent to ..." when a question was declined.
        std::function<void(Ending ending, const std::optional<session::send::Finding>& stop)>
            decided;
        // The lines went whole; called once the export's end has been shown.
        std::function<void()> delivered;
    };

    explicit SendController(SendWindowSide window, QObject* parent = nullptr);

    // Sends `request` to the unit the link reaches, for `kind`.
    void send(Kind kind, session::send::SendRequest request, Followers followers = {});
    // A read before a send runs, or what follows a transfer that ended has not run yet.
    bool isPending() const { return m_nextStep || m_unitSend.isReading(); }
    // The window is closing: nothing more is started.
    void stopForClose();

public slots:
    // "Export": commit and refresh, the writer's text into the export box, then that text goes
    // over the chosen link. Refuses to send a unit a configuration that holds nothing read, and
    // asks before sending one that was not read whole.
    void exportConfiguration();

signals:
    // A send started or ended, or what follows a transfer: the commands follow.
    void pendingChanged();

private:
    // Runs `step` once the transfer that is ending has been shown as ended.
    void afterThisTransfer(std::function<void()> step);
    void onReadCame(const QString& text, const QString& source, const QString& unit,
                    const QString& incompleteReason, bool cancelled);
    void onTransferFinished(link::TransferOutcome outcome);
    // The read before a send came, or was cancelled, and its end has been shown.
    void decide(const QString& text, const QString& incompleteReason, bool cancelled);
    // The window's answer to a finding of the send path: a question, or a refusal said.
    bool answerFinding(const session::send::Finding& finding);
    // File Mode: refuses, or asks, before what is edited goes when it holds nothing read, did not
    // come whole, or did not set all a whole configuration sets; true when it may go.
    bool confirmWholeEnough();
    // Asks before an export of names or addresses that a config line cannot carry.
    bool confirmUncarriedTexts();
    // The writer's lines of what is edited now, shown in the export box and taken as shown.
    QStringList shownExportLines();

    SendWindowSide m_window;
    session::send::SendBridge m_bridge;
    session::send::UnitSend m_unitSend;
    Kind m_kind = Kind::Export;       // of the send started last
    Followers m_followers;            // of the send started last
    bool m_awaitingRead = false;      // the read before a send runs and has brought nothing yet
    std::optional<Kind> m_exporting;  // what the running export of a send is for
    std::function<void()> m_nextStep; // runs once the transfer ending has been shown
    bool m_closing = false;
};

} // namespace zel::ui
