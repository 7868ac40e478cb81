#include "ui/transfer/transfer_runner.h"

#include "link/transfer.h"
#include "ui/common/text_feed.h"
#include "ui/transfer/transfer_progress_panel.h"
#include "ui/transfer/transfer_status_texts.h"

#include <QAction>

namespace zel::ui {

namespace {
constexpr int kFrameMs = 16;
} // namespace

TransferRunner::TransferRunner(TextFeed& feed, QObject* parent) : QObject(parent), m_feed(feed)
{
    m_cancelAction = new QAction(tr("Cancel Transfer"), this);
    m_cancelAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelAction->setShortcutContext(Qt::WindowShortcut);
    m_cancelAction->setEnabled(false);
    connect(m_cancelAction, &QAction::triggered, this, &TransferRunner::cancel);

    m_progressPanel = new TransferProgressPanel;
    connect(m_progressPanel, &TransferProgressPanel::cancelRequested, this,
            &TransferRunner::cancel);
    m_showPending.setSingleShot(true);
    m_showPending.setInterval(kFrameMs);
    connect(&m_showPending, &QTimer::timeout, this, &TransferRunner::showPending);
}

TransferRunner::~TransferRunner()
{
    if (m_transfer) {
        m_transfer->disconnect();
        m_transfer->stopNow();
        delete m_transfer;
    }
    // The panel is not a child: the window's status bar holds it, when it was added there.
    if (!m_progressPanel->parent())
        delete m_progressPanel;
}

void TransferRunner::run(link::Transfer* transfer, View view, status::Fetching fetching)
{
    transfer->setParent(this);
    if (view == View::InTextBox) {
        connect(transfer, &link::Transfer::textReceived, this,
                [this](const QString& text) { m_feed.appendText(text); });
        connect(transfer, &link::Transfer::logLine, this,
                [this](const QString& line) { m_feed.appendLine(line); });
    }
    // A transfer may report every half millisecond: the status line and the progress bar show
    // the latest at most once a screen frame, as the text box does.
    connect(transfer, &link::Transfer::status, this, [this](const link::TransferStatus& status) {
        m_pendingStatus = status;
        if (!m_showPending.isActive())
            m_showPending.start();
    });
    connect(transfer, &link::Transfer::progress, this, [this](int line, int lineCount) {
        m_pendingProgress = {line, lineCount};
        if (!m_showPending.isActive())
            m_showPending.start();
    });
    connect(transfer, &link::Transfer::finished, this, &TransferRunner::onFinished);

    m_transfer = transfer;
    m_view = view;
    m_fetching = fetching;
    setRunning(true);
    emit started();
    transfer->start();
}

void TransferRunner::cancel()
{
    if (m_transfer)
        m_transfer->cancel();
}

void TransferRunner::stopNow()
{
    if (!m_transfer)
        return;
    m_transfer->stopNow();
    end(); // in case the transfer had nothing left to stop
}

void TransferRunner::onFinished()
{
    link::Transfer* transfer = m_transfer;
    if (!transfer)
        return;
    if (m_view == View::Aside)
        m_pendingStatus.reset(); // nothing was shown in the box; the listener says how it went
    end();
    emit finished(transfer);
}

void TransferRunner::end()
{
    if (!m_transfer)
        return;
    // What the transfer showed is all in the box before anything reads it.
    m_feed.flush();
    showPending();
    // Still inside the transfer's finished signal: delete it once that has returned.
    m_transfer->deleteLater();
    m_transfer = nullptr;
    setRunning(false);
}

void TransferRunner::setRunning(bool running)
{
    m_cancelAction->setEnabled(running);
    emit runningChanged(running);
    m_feed.setTypingBlocked(running);
    if (running)
        m_progressPanel->begin();
    else
        m_progressPanel->end();
}

void TransferRunner::showPending()
{
    m_showPending.stop();
    if (m_pendingStatus) {
        link::TransferStatus shown = *std::exchange(m_pendingStatus, std::nullopt);
        if (!m_peerName.isEmpty() && !shown.peer.isEmpty())
            shown.peer = m_peerName;
        emit statusText(status::transferStatusText(shown, m_fetching));
    }
    if (m_pendingProgress.second > 0)
        m_progressPanel->showProgress(m_pendingProgress.first, m_pendingProgress.second);
    m_pendingProgress = {};
}

} // namespace zel::ui
