#pragma once
// A settle clock that moves only when the test moves it, so that pacing is tested without
// waiting.

#include "session/live/settle_clock.h"

namespace zel::test {

class ManualClock : public session::SettleClock {
public:
    qint64 now() const override { return m_now; }
    void wakeAfter(std::chrono::milliseconds delay) override { m_wakeAt = m_now + delay.count(); }
    void cancelWake() override { m_wakeAt = -1; }

    // Moves time on by `ms`, waking whoever asked to be woken on the way.
    void advance(qint64 ms)
    {
        const qint64 end = m_now + ms;
        while (m_wakeAt >= 0 && m_wakeAt <= end) {
            m_now = m_wakeAt;
            m_wakeAt = -1;
            emit woke();
        }
        m_now = end;
    }

private:
    qint64 m_now = 0;
    qint64 m_wakeAt = -1;
};

} // namespace zel::test
