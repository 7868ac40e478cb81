#pragma once
// The window's side of the device link. It owns the three mode items of the "File" menu (the
// checked one is the link mode; none is checked when no link is chosen), the serial port and
// the telnet host that the modes choose, and runs the import and export transfers over them:
// their text goes into the configuration text box, their status out through statusText(), their
// progress into its progress panel. While a transfer runs, Escape or the panel's "Cancel" stops
// it. The window adds the items, the panel and the Escape action where they belong and wires the
// signals; the controller knows nothing else of it.

#include "link/link_mode.h"
#include "link/serial_endpoint.h"
#include "link/transfer_outcome.h"
#include "link/transfer_settings.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <utility>

class QAction;
class QActionGroup;
class QPlainTextEdit;

namespace zel::link {
class ExportTransfer;
class ImportTransfer;
class LinkChannel;
class SerialMonitor;
class Transfer;
} // namespace zel::link

namespace zel::ui {

class TransferProgressPanel;
class TransferTextFeed;
class UserPrompts;

class LinkController : public QObject {
    Q_OBJECT
public:
    // `configurationTextBox` shows what the transfers receive and log; `prompts` asks the user
    // and must outlive the controller, or be replaced with setPrompts().
    LinkController(QPlainTextEdit* configurationTextBox, UserPrompts& prompts,
                   QObject* parent = nullptr);
    ~LinkController() override;

    void setPrompts(UserPrompts& prompts) { m_prompts = &prompts; }

    QAction* fileModeAction() const { return m_fileModeAction; }
    QAction* serialModeAction() const { return m_serialModeAction; }
    QAction* telnetModeAction() const { return m_telnetModeAction; }
    // Holds the three mode items. At most one is checked.
    QActionGroup* linkModeGroup() const { return m_linkModeGroup; }
    // Stops the running transfer; its shortcut is Escape.
    QAction* cancelAction() const { return m_cancelAction; }
    // The progress bar and "Cancel" button of a running transfer, for the status bar.
    TransferProgressPanel* progressPanel() const { return m_progressPanel; }

    // The checked mode item, or None when no item is checked.
    link::LinkMode linkMode() const;
    QString host() const { return m_host; }
    link::SerialEndpoint& serialEndpoint() { return m_serial; }
    // Shows what the open port brings between transfers.
    const link::SerialMonitor* serialMonitor() const { return m_serialMonitor; }
    // The file last chosen in the import's open dialog; the save dialog proposes it.
    QString lastOpenedFile() const { return m_lastOpenedFile; }

    // Time limits of the transfers started from now on.
    void setTransferSettings(const link::TransferSettings& settings);
    const link::TransferSettings& transferSettings() const { return m_settings; }

    bool isTransferRunning() const { return m_transfer != nullptr; }
    bool isExportRunning() const { return m_transfer != nullptr && m_purpose == Purpose::Export; }
    // Ends a running transfer at once, showing nothing more: the window is closing.
    void stopForClose();

public slots:
    void chooseFileMode();
    void chooseSerialMode();
    void chooseTelnetMode();
    // Fills the configuration text box over the chosen link, then emits importEnded() when
    // there is text to apply. A serial or telnet import goes on after this returns and ends
    // with transferFinished().
    void importConfiguration();
    // Delivers `lines` (the writer's text) over the chosen link.
    void exportConfiguration(const QStringList& lines);
    // Fetches a configuration to compare with, leaving the configuration text box as it is:
    // the unit's over the chosen link, or in File Mode a file's. Ends with comparisonFetched()
    // when something came, or after showing why not.
    void fetchForComparison();
    // Stops the running transfer like an abort at the current line.
    void cancelTransfer();

signals:
    void transferStarted();
    // After the transfer's end has been shown (and, for an import, importEnded() handled).
    void transferFinished(zel::link::TransferOutcome outcome);
    // The configuration text box holds what an import brought, to be read now. `source` names
    // where it came from ("host: H", "serial port: N", "file: P"; empty when nothing was chosen
    // to read from); `incompleteReason` says why it is not whole, and is empty when it is.
    void importEnded(const QString& source, const QString& incompleteReason);
    // What a comparison fetched (`text`, line breaks as "\n") from `source`, the unit `unit`
    // (as unitText() names it; empty for a file); `incompleteReason` as for importEnded();
    // `cancelled` when the user stopped it.
    void comparisonFetched(const QString& text, const QString& source, const QString& unit,
                           const QString& incompleteReason, bool cancelled);
    // The text of the export that has just ended is now whole on the unit `unit` (every line
    // acknowledged; as unitText() names it), or in a file when `unit` is empty.
    void configurationDelivered(const QString& unit);
    // For the status line.
    void statusText(const QString& text);
    // For the log text box ("Using host: ...").
    void logLine(const QString& line);

private:
    enum class Purpose { Import, Export, Comparison };

    void checkOnly(QAction* mode);
    // Asks for the serial port and opens it; false (after showing why) when that fails.
    bool openChosenPort();
    // An import or a comparison over the chosen link.
    void fetch(Purpose purpose);
    void fetchFile(Purpose purpose);
    void exportFile(const QStringList& lines);
    QString peerText() const;
    // Which unit the chosen link reaches: "serial:" and the port as chosen, or "tcp:" and the
    // host as typed; empty in File Mode.
    QString unitText() const;

    std::unique_ptr<link::LinkChannel> makeChannel();
    void beginTransfer(link::Transfer* transfer, Purpose purpose);
    void onImportFinished(link::ImportTransfer* transfer);
    void onExportFinished(link::ExportTransfer* transfer);
    void endTransfer();
    void setTransferCommandsActive(bool running);
    // Shows the latest status and progress of the running transfer.
    void showPending();
    void reportLinkError(link::TransferOutcome outcome, const QString& error);
    void onSerialPortLost(const QString& error);

    QPlainTextEdit* m_configurationTextBox;
    UserPrompts* m_prompts;
    TransferTextFeed* m_feed;
    link::TransferSettings m_settings;
    link::SerialEndpoint m_serial;
    link::SerialMonitor* m_serialMonitor;
    QString m_host;
    QString m_lastOpenedFile;

    link::Transfer* m_transfer = nullptr; // the running import or export, a child of this object
    Purpose m_purpose = Purpose::Import;
    bool m_windowClosing = false;
    QString m_pendingStatus;                 // null when none is waiting
    std::pair<int, int> m_pendingProgress{}; // line, line count; count 0 when none is waiting
    QTimer m_showPending;

    QActionGroup* m_linkModeGroup;
    QAction* m_fileModeAction;
    QAction* m_serialModeAction;
    QAction* m_telnetModeAction;
    QAction* m_cancelAction;
    TransferProgressPanel* m_progressPanel;
};

} // namespace zel::ui
