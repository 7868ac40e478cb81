#include "session/live/live_read_schedule.h"

#include <algorithm>
#include <climits>

namespace zel::session {

LiveReadSchedule::LiveReadSchedule(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &LiveReadSchedule::due);
}

void LiveReadSchedule::setTimes(std::chrono::milliseconds quiet, std::chrono::milliseconds period)
{
    m_quiet = quiet;
    m_period = period;
    if (m_timer.isActive())
        reschedule();
}

void LiveReadSchedule::readAgreed()
{
    m_lastRead = QDateTime::currentDateTimeUtc();
    m_awaiting = false;
    m_sinceRead.start();
    reschedule();
}

void LiveReadSchedule::awaitRead()
{
    m_lastRead = {};
    m_awaiting = true;
    m_sinceRead.start();
    reschedule();
}

void LiveReadSchedule::edited()
{
    m_sinceEdit.start();
    if (m_sinceRead.isValid())
        reschedule();
}

void LiveReadSchedule::postpone()
{
    m_timer.start(m_quiet);
}

void LiveReadSchedule::stop()
{
    m_timer.stop();
    m_sinceRead.invalidate();
    m_sinceEdit.invalidate();
    m_lastRead = {};
    m_awaiting = false;
}

void LiveReadSchedule::reschedule()
{
    qint64 wait = m_awaiting ? 0 : m_period.count() - m_sinceRead.elapsed();
    if (m_sinceEdit.isValid())
        wait = std::max(wait, m_quiet.count() - m_sinceEdit.elapsed());
    m_timer.start(static_cast<int>(std::clamp<qint64>(wait, 0, INT_MAX)));
}

} // namespace zel::session
