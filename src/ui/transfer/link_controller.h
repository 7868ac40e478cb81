#pragma once
// The window's side of the device link: the mode items (LinkModeActions), the serial port
// (SerialSession) and the transfers run over them (TransferRunner). File Mode reads and writes
// its files as transfers too, so that an import, an export or a comparison takes one path in
// every mode. What the transfers bring goes into a text feed; their status out through
// statusText(). The window adds the items, the progress panel and the cancel action where they
// belong and wires the signals; the controller knows nothing else of it.

#include "journal/journal.h"
#include "link/link_mode.h"
#include "link/transfer_outcome.h"
#include "link/transfer_settings.h"
#include "session/unit/site_link.h"
#include "ui/transfer/background_queue.h"
#include "ui/transfer/link_mode_actions.h"
#include "ui/transfer/serial_session.h"
#include "ui/transfer/transfer_runner.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

namespace zel::link {
class FetchTransfer;
class LinkChannel;
class SerialMonitor;
class Transfer;
} // namespace zel::link

namespace zel::ui {

class TextFeed;
class UserPrompts;

class LinkController : public QObject {
    Q_OBJECT
public:
    // `feed` shows what the transfers receive and log; `prompts` asks the user. Both must
    // outlive the controller; `prompts` may be replaced with setPrompts().
    LinkController(TextFeed& feed, UserPrompts& prompts, QObject* parent = nullptr);

    void setPrompts(UserPrompts& prompts);

    QAction* fileModeAction() const { return m_modes.fileModeAction(); }
    QAction* serialModeAction() const { return m_modes.serialModeAction(); }
    QAction* telnetModeAction() const { return m_modes.telnetModeAction(); }
    // Holds the three mode items. At most one is checked.
    QActionGroup* linkModeGroup() const { return m_modes.group(); }
    // Stops the running transfer; its shortcut is Escape.
    QAction* cancelAction() const { return m_runner.cancelAction(); }
    // The progress bar and "Cancel" button of a running transfer, for the status bar.
    TransferProgressPanel* progressPanel() const { return m_runner.progressPanel(); }

    // The checked mode item, or None when no item is checked.
    link::LinkMode linkMode() const { return m_modes.linkMode(); }
    QString host() const { return m_modes.host(); }
    link::SerialEndpoint& serialEndpoint() { return m_serial.endpoint(); }
    // Shows what the open port brings between transfers.
    const link::SerialMonitor* serialMonitor() const { return m_serial.monitor(); }
    // The file last chosen in the import's open dialog; the save dialog proposes it.
    QString lastOpenedFile() const { return m_lastOpenedFile; }

    // Time limits of the transfers started from now on.
    void setTransferSettings(const link::TransferSettings& settings);
    const link::TransferSettings& transferSettings() const { return m_settings; }

    bool isTransferRunning() const { return m_runner.isRunning(); }
    bool isExportRunning() const { return isTransferRunning() && m_purpose == Purpose::Export; }
    // An import runs: the configuration being edited has been reset for it already.
    bool isImportRunning() const { return isTransferRunning() && m_purpose == Purpose::Import; }
    // The read of the unit before something is sent to it runs (readBeforeSend()).
    bool isReadBeforeSendRunning() const
    {
        return isTransferRunning() && m_purpose == Purpose::ReadBeforeSend;
    }
    // Ends a running transfer at once, showing nothing more, then waits for what the journal has
    // still to keep: the window is closing.
    void stopForClose();

    // Where every configuration read from or sent to a unit is kept (not File Mode's: the file
    // is the record).
    // Read it on the window's thread only when nothing is pending in journalWork().
    journal::Journal& journal() { return m_journal; }
    // The journal's file work, off the window's thread and in order: each transfer's record,
    // then whatever reads the journal after it, so that it finds what the transfer kept.
    BackgroundQueue& journalWork() { return m_journalWork; }
    // The unit the chosen link reaches, as link::unitName() names it for the journal, the window
    // and zeltool alike; empty in File Mode.
    QString journalUnit() const;
    // How status texts name the unit over the chosen serial or telnet link: by `name` when
    // nameUnit() gave one for the unit it reaches.
    QString peerText() const;
    // Status texts, and what fetches say they came from, call `unit` (as journalUnit() names it)
    // `name` from now on ("Lobby (tcp:192.0.2.10)"); an empty `unit` names every unit by its link.
    void nameUnit(const QString& unit, const QString& name);

    // Live mode: makes the channel to the unit the chosen link reaches, afresh for every attempt
    // to open it (a lost serial port is opened again by its name). Null in File Mode.
    std::function<std::unique_ptr<link::LinkChannel>()> liveChannelMaker();
    // While live mode holds the link, what the serial port brings is not shown between
    // transfers and a lost port is not told in a box (the live state line says it).
    void holdForLive(bool held);

    // What an export sends: the whole configuration, or chosen parts of it (Send Selected),
    // which the journal keeps as a partial send.
    enum class Send { Whole, Partial };

public slots:
    // Fills the configuration text box over the chosen link, then emits importEnded() when
    // there is text to apply. A serial or telnet import goes on after this returns and ends
    // with transferFinished().
    void importConfiguration();
    // Chooses File Mode, then imports the file at `path` as if it had been chosen in the open
    // dialog.
    void importFile(const QString& path);
    // Delivers `lines` (the writer's text) over the chosen link; the journal keeps them as sent
    // for `cause` (an export, Send Selected, a restore).
    void exportConfiguration(const QStringList& lines, Send kind = Send::Whole,
                             journal::Cause cause = journal::Cause::Export);
    // Fetches a configuration to compare with, leaving the configuration text box as it is:
    // the unit's over the chosen link, or in File Mode a file's. Ends with comparisonFetched()
    // when something came, or after showing why not.
    void fetchForComparison();
    // Reads the unit over the chosen serial or telnet link before something is sent to it, and
    // ends with unitReadForSend() when something came. A closed
    // serial port is not asked for again, as an export does not ask: nothing goes, and the text
    // box and the status line say so.
    void readBeforeSend();
    // Chooses the mode and address of `unit` without asking: Telnet Mode with its host, or
    // Serial Mode with its port opened. False (after saying why) when the port cannot be opened
    // or a transfer runs.
    bool useLink(const session::SiteLink& unit);
    // Stops the running transfer like an abort at the current line.
    void cancelTransfer() { m_runner.cancel(); }

signals:
    void transferStarted();
    // After the transfer's end has been shown (and, for an import, importEnded() handled).
    void transferFinished(zel::link::TransferOutcome outcome);
    // The configuration text box holds what an import brought, to be read now. `source` names
    // where it came from ("host: H", "serial port: N", "file: P"; empty when nothing was chosen
    // to read from); `incompleteReason` says why it is not whole, and is empty when it is.
    void importEnded(const QString& source, const QString& incompleteReason);
    // What a comparison fetched (`text`, line breaks as "\n") from `source`, the unit `unit`
    // (as journalUnit() names it; empty for a file); `incompleteReason` as for importEnded();
    // `cancelled` when the user stopped it.
    void comparisonFetched(const QString& text, const QString& source, const QString& unit,
                           const QString& incompleteReason, bool cancelled);
    // What the read before a send brought, as comparisonFetched() tells a comparison's.
    void unitReadForSend(const QString& text, const QString& source, const QString& unit,
                         const QString& incompleteReason, bool cancelled);
    // The text of the export that has just ended is now whole on the unit `unit` (every line
    // acknowledged; as journalUnit() names it), or in a file when `unit` is empty.
    void configurationDelivered(const QString& unit);
    // For the status line.
    void statusText(const QString& text);
    // For the log text box ("Using host: ...").
    void logLine(const QString& line);
    // The journal has kept an entry of a transfer with `unit` (as journalUnit() names it).
    void entryRecorded(const QString& unit);
    // A link mode item was chosen; the mode changes right after.
    void linkModeChanging();

private:
    enum class Purpose { Import, Export, Comparison, ReadBeforeSend };

    // An import or a comparison over the chosen link.
    void fetch(Purpose purpose);
    // The transfer that fetches over the chosen link; nullptr when there is none to run.
    link::FetchTransfer* makeFetch(Purpose purpose);
    std::unique_ptr<link::LinkChannel> makeChannel();

    void run(link::Transfer* transfer, Purpose purpose, const QString& peer);
    void onFinished(link::Transfer* transfer);
    void onFetchFinished(link::FetchTransfer* transfer);
    void onExportFinished(link::Transfer* transfer);
    void reportFailure(link::TransferOutcome outcome, const QString& error, bool turnedAway);
    // Keeps what went over a serial or telnet link in the journal (`entry` says what it is), off
    // the window's thread; a failure is said once, after the transfer's own status.
    void keepInJournal(journal::Entry entry, const QString& text);

    TextFeed& m_feed;
    UserPrompts* m_prompts;
    link::TransferSettings m_settings;
    QString m_lastOpenedFile;
    Purpose m_purpose = Purpose::Import;
    QString m_peer;                  // how status texts name where the running transfer goes
    QString m_namedUnit, m_unitName; // a unit called by name, as nameUnit() gave it
    bool m_windowClosing = false;
    QString m_lastStatus;      // the status text shown last
    QStringList m_exportLines; // the export running or last run
    Send m_exportKind = Send::Whole;
    journal::Cause m_exportCause = journal::Cause::Export;
    int m_exportLine = 0; // the line it sent last, from 1
    journal::Journal m_journal;
    bool m_journalFailureSaid = false;
    BackgroundQueue m_journalWork; // before the runner: a transfer stopped at the end records

    LinkModeActions m_modes;
    SerialSession m_serial;
    TransferRunner m_runner; // last: a transfer still running at the end uses the serial port
};

} // namespace zel::ui
