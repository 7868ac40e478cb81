#pragma once
// One import or export over a channel to the unit: what both report as they go and how they
// ended. Runs on signals and timers; start() returns at once.

#include "link/transfer_outcome.h"

#include <QObject>
#include <QString>

namespace zel::link {

class Transfer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void start() = 0;
    // Stops like an abort at the current line, with a line saying so.
    virtual void cancel() = 0;
    // Finishes at once, waiting for nothing more from the unit (the window is closing).
    virtual void stopNow() = 0;
    virtual bool isRunning() const = 0;

    TransferOutcome outcome() const { return m_outcome; }
    // The layer's message when the link failed (LinkFailed, NotOpen, a lost connection), for the
    // error message box; empty when there is nothing to show.
    QString errorText() const { return m_errorText; }
    qint64 bytesSent() const { return m_bytesSent; }
    qint64 bytesReceived() const { return m_bytesReceived; }

signals:
    // Received text to add at the end of the configuration text box, on its last line; line
    // breaks are "\n".
    void textReceived(const QString& text);
    // A line to add to the configuration text box.
    void logLine(const QString& line);
    void statusText(const QString& text);
    // Export: line `line` (from 1) of `lineCount` is being sent; the wait for the previous line
    // is over. An import knows no line count and sends none.
    void progress(int line, int lineCount);
    // Emitted once; connect with a queued call or use deleteLater() to dispose of the transfer.
    void finished(zel::link::TransferOutcome outcome);

protected:
    TransferOutcome m_outcome = TransferOutcome::Running;
    QString m_errorText;
    qint64 m_bytesSent = 0;
    qint64 m_bytesReceived = 0;
};

} // namespace zel::link
