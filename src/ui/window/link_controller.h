#pragma once
// The window's side of the device link. It keeps the link mode (the checked one of the three
// radio items of the "File" menu, or none), the serial port and the telnet host that the modes
// choose, and runs the import and export transfers over them: their text goes into the
// configuration text box, their status into the status line, their progress into the status
// bar. While a transfer runs, Escape or the status bar's "Cancel" stops it; the window holds
// back the commands that would start another one or replace the configuration.

#include "link/link_mode.h"
#include "link/serial_endpoint.h"
#include "link/transfer_outcome.h"
#include "link/transfer_settings.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QAction;

namespace zel::link {
class ExportTransfer;
class ImportTransfer;
class LinkChannel;
class Transfer;
} // namespace zel::link

namespace zel::ui {

class MainWindow;
class TransferProgressPanel;
class UserPrompts;

class LinkController : public QObject {
    Q_OBJECT
public:
    // Attaches to the window's mode items and status bar; the window owns the controller.
    explicit LinkController(MainWindow& window);
    ~LinkController() override;

    // Read from the menu: the checked mode item, or None when no item is checked.
    link::LinkMode linkMode() const;
    QString host() const { return m_host; }
    link::SerialEndpoint& serialEndpoint() { return m_serial; }
    // The file last chosen in the import's open dialog; the save dialog proposes it.
    QString lastOpenedFile() const { return m_lastOpenedFile; }

    // Time limits of the transfers started from now on.
    void setTransferSettings(const link::TransferSettings& settings) { m_settings = settings; }
    const link::TransferSettings& transferSettings() const { return m_settings; }

    bool isTransferRunning() const { return m_transfer != nullptr; }
    bool isExportRunning() const { return m_transfer != nullptr && m_exporting; }
    // Ends a running transfer at once, showing nothing more: the window is closing.
    void stopForClose();
    // Stops the running transfer; its shortcut is Escape.
    QAction* cancelAction() const { return m_cancelAction; }
    TransferProgressPanel* progressPanel() const { return m_progressPanel; }

public slots:
    void chooseFileMode();
    void chooseSerialMode();
    void chooseTelnetMode();
    // Fills the configuration text box over the chosen link and then runs the window's reader
    // run; the window has reset itself before. A serial or telnet import goes on after this
    // returns and ends with transferFinished().
    void importConfiguration();
    // Delivers the lines of the log text box (the writer's text) over the chosen link.
    void exportConfiguration();
    // Stops the running transfer like an abort at the current line.
    void cancelTransfer();

signals:
    void transferStarted();
    // After the transfer's end has been shown (and, for an import, the reader run done).
    void transferFinished(zel::link::TransferOutcome outcome);
    // The text of the export that has just ended is now whole on the unit (`toUnit`, every line
    // acknowledged) or in a file.
    void configurationDelivered(bool toUnit);

private:
    UserPrompts& prompts();
    void checkOnly(QAction* mode);
    // Asks for the serial port and opens it; false (after showing why) when that fails.
    bool openChosenPort();
    void importFile();
    void exportFile(const QStringList& lines);
    // The window's reader run over the configuration text box, with how many lines set something.
    int runReader();
    QString peerText() const;

    std::unique_ptr<link::LinkChannel> makeChannel();
    void runImport(std::unique_ptr<link::LinkChannel> channel);
    void runExport(std::unique_ptr<link::LinkChannel> channel, const QStringList& lines);
    void beginTransfer(link::Transfer* transfer);
    void onImportFinished(link::ImportTransfer* transfer);
    void onExportFinished(link::ExportTransfer* transfer);
    void endTransfer();
    void setTransferCommandsActive(bool running);
    void reportLinkError(link::TransferOutcome outcome, const QString& error);

    void onSerialDataOutsideTransfer();
    void onSerialPortLost(const QString& error);

    MainWindow& m_window;
    link::TransferSettings m_settings;
    link::SerialEndpoint m_serial;
    QString m_host;
    QString m_lastOpenedFile;

    link::Transfer* m_transfer = nullptr; // the running import or export, a child of this object
    bool m_exporting = false;
    bool m_windowClosing = false;

    QAction* m_cancelAction = nullptr;
    TransferProgressPanel* m_progressPanel = nullptr;
};

} // namespace zel::ui
