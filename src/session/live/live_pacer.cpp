#include "session/live/live_pacer.h"

#include "session/live/settle_clock.h"

#include <algorithm>

namespace zel::session {

LivePacer::LivePacer(SettleClock& clock, std::chrono::milliseconds settleTime, QObject* parent)
    : QObject(parent), m_clock(clock), m_settleTime(settleTime)
{
    connect(&m_clock, &SettleClock::woke, this, &LivePacer::onWoke);
}

void LivePacer::changed(model::WriterBlock block, Pace pace)
{
    const qint64 now = m_clock.now();
    const qint64 when = pace == Pace::AtOnce ? now : now + m_settleTime.count();
    const auto [entry, added] = m_waiting.try_emplace(block, when);
    // A block already waiting keeps its time, so that a drag is not held back by its own moves;
    // a choice stepped through waits until it rests.
    if (!added)
        entry->second = pace == Pace::Rest ? when : std::min(entry->second, when);
    scheduleWake();
}

void LivePacer::withdraw(model::WriterBlock block)
{
    if (m_waiting.erase(block) > 0)
        scheduleWake();
}

void LivePacer::releaseAll()
{
    const qint64 now = m_clock.now();
    for (auto& [block, when] : m_waiting)
        when = std::min(when, now);
    scheduleWake();
}

bool LivePacer::hasDue() const
{
    const qint64 now = m_clock.now();
    return std::any_of(m_waiting.begin(), m_waiting.end(),
                       [now](const auto& entry) { return entry.second <= now; });
}

std::set<model::WriterBlock> LivePacer::takeDue()
{
    const qint64 now = m_clock.now();
    std::set<model::WriterBlock> due;
    for (auto entry = m_waiting.begin(); entry != m_waiting.end();) {
        if (entry->second <= now) {
            due.insert(entry->first);
            entry = m_waiting.erase(entry);
        } else {
            ++entry;
        }
    }
    scheduleWake();
    return due;
}

std::set<model::WriterBlock> LivePacer::takeAll()
{
    std::set<model::WriterBlock> all;
    for (const auto& [block, when] : m_waiting)
        all.insert(block);
    m_waiting.clear();
    m_clock.cancelWake();
    return all;
}

void LivePacer::scheduleWake()
{
    // Blocks already due are the caller's to take; the clock wakes for the next one to come.
    const qint64 now = m_clock.now();
    qint64 next = -1;
    for (const auto& [block, when] : m_waiting)
        if (when > now && (next < 0 || when < next))
            next = when;
    if (next < 0)
        m_clock.cancelWake();
    else
        m_clock.wakeAfter(std::chrono::milliseconds(next - now));
}

void LivePacer::onWoke()
{
    scheduleWake();
    if (hasDue())
        emit due();
}

} // namespace zel::session
