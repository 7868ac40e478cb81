#pragma once
// The time the live session paces its sends by: what time it is, and one wake-up at a time.
// The window runs on a timer; tests drive a clock of their own, so that no test waits.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace zel::session {

class SettleClock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Milliseconds since some fixed moment.
    virtual qint64 now() const = 0;
    // Emits woke() once `delay` from now, in place of any wake-up asked for before.
    virtual void wakeAfter(std::chrono::milliseconds delay) = 0;
    // No wake-up is wanted.
    virtual void cancelWake() = 0;

signals:
    void woke();
};

// The clock of the running program: a monotonic clock and a precise single-shot timer.
class TimerSettleClock : public SettleClock {
    Q_OBJECT
public:
    explicit TimerSettleClock(QObject* parent = nullptr);

    qint64 now() const override { return m_clock.elapsed(); }
    void wakeAfter(std::chrono::milliseconds delay) override;
    void cancelWake() override { m_timer.stop(); }

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace zel::session
