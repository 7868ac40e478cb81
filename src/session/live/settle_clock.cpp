#include "session/live/settle_clock.h"

namespace zel::session {

TimerSettleClock::TimerSettleClock(QObject* parent) : SettleClock(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer); // a coarse timer may be 5 % late: 10 ms of 200
    connect(&m_timer, &QTimer::timeout, this, &SettleClock::woke);
}

void TimerSettleClock::wakeAfter(std::chrono::milliseconds delay)
{
    m_timer.start(std::max(delay, std::chrono::milliseconds(0)));
}

} // namespace zel::session
