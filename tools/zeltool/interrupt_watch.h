#pragma once
// Ctrl+C heard on the event loop, so that a command stops its work there (every connection
// closed, what was found printed) instead of dying halfway through a line. A second Ctrl+C ends
// the program at once. On Unix the SIGINT handler only writes a byte into a socket pair, which a
// QSocketNotifier reads; on Windows the console's handler queues the news to the event loop.

#include <QObject>

class QSocketNotifier;

namespace zel::tool {

class InterruptWatch : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatch(QObject* parent = nullptr);
    ~InterruptWatch() override;

    bool wasInterrupted() const { return m_interrupted; }

signals:
    void interrupted();

private slots:
    void onInterrupted();

private:
    QSocketNotifier* m_notifier = nullptr;
    bool m_interrupted = false;
};

// The exit status of a command stopped by Ctrl+C, as shells give it.
inline constexpr int kExitInterrupted = 130;

} // namespace zel::tool
