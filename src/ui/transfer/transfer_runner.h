#pragma once
// Runs one transfer at a time for the window: its text goes to the text feed, its status, worded
// for the status line, out through statusText() and its progress into the progress panel, the
// latest of each at most once a screen frame. While it runs, typing into the text box is blocked
// and Escape or the panel's "Cancel" stops it. The window adds the panel and the cancel action
// where they belong.

#include "link/transfer_outcome.h"
#include "ui/transfer/transfer_status_texts.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <utility>

class QAction;

namespace zel::link {
class Transfer;
} // namespace zel::link

namespace zel::ui {

class TextFeed;
class TransferProgressPanel;

class TransferRunner : public QObject {
    Q_OBJECT
public:
    // Whether the transfer shows in the text box. One kept aside leaves the box as it is, and
    // its last status is left to whoever hears finished().
    enum class View { InTextBox, Aside };

    // `feed` must outlive the runner.
    explicit TransferRunner(TextFeed& feed, QObject* parent = nullptr);
    // Ends a running transfer without showing anything: the widgets its reports reach may be gone.
    ~TransferRunner() override;

    // Stops the running transfer; its shortcut is Escape.
    QAction* cancelAction() const { return m_cancelAction; }
    // The progress bar and "Cancel" button of a running transfer, for the status bar.
    TransferProgressPanel* progressPanel() const { return m_progressPanel; }

    bool isRunning() const { return m_transfer != nullptr; }
    // Takes `transfer` (without a parent) and starts it; a fetch's status is worded for what
    // `fetching` says it is for. It may finish before this returns.
    void run(link::Transfer* transfer, View view,
             status::Fetching fetching = status::Fetching::Import);
    // The status texts of the transfers run from now on call the other end `name` (a site's
    // unit by its site name); empty: as the transfer names it.
    void setPeerName(const QString& name) { m_peerName = name; }
    // Stops the running transfer like an abort at the current line.
    void cancel();
    // Ends a running transfer at once, waiting for nothing more from the unit.
    void stopNow();

signals:
    // A transfer begins or has ended: what reads the link itself may not while it runs.
    void runningChanged(bool running);
    void started();
    // What the transfer showed is all shown; the transfer is deleted once control returns to the
    // event loop.
    void finished(zel::link::Transfer* transfer);
    void statusText(const QString& text);

private:
    void onFinished();
    void end();
    void setRunning(bool running);
    // Shows the latest status and progress of the running transfer.
    void showPending();

    TextFeed& m_feed;
    link::Transfer* m_transfer = nullptr; // the running transfer, a child of this object
    View m_view = View::InTextBox;
    status::Fetching m_fetching = status::Fetching::Import;
    QString m_peerName;
    std::optional<link::TransferStatus> m_pendingStatus;
    std::pair<int, int> m_pendingProgress{}; // line, line count; count 0 when none is waiting
    QTimer m_showPending;
    QAction* m_cancelAction;
    TransferProgressPanel* m_progressPanel;
};

} // namespace zel::ui
