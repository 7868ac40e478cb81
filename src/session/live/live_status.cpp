// What live mode says of the unit, worked out afresh from the facts each time, so that it can
// never say "in sync" while a send waits, is on its way, was not acknowledged, or the link is down.
#include "session/live/live_link.h"
#include "session/live/live_session.h"

#include "session/configuration/configuration_session.h"

namespace zel::session {

LiveStatus LiveSession::status() const
{
    LiveStatus status;
    if (m_phase == Phase::Off)
        return status;
    status.peer = m_link ? m_link->peer() : QString();
    if (m_phase == Phase::Opening || m_phase == Phase::Fetching) {
        status.state = LiveState::Starting;
        return status;
    }
    if (m_phase == Phase::Deciding) {
        status.state = LiveState::UnitDiffers;
        return status;
    }
    if (m_phase == Phase::ReadingBack) {
        status.state = LiveState::ReadingBack;
        return status;
    }
    status.lastRead = m_reads.lastRead();
    status.pending =
        m_pacer.waitingCount() + (m_inFlight ? static_cast<int>(m_inFlight->blocks.size()) : 0);
    const std::set<model::WriterBlock> differing = m_picture.differingFrom(m_config.model());
    status.notApplied = static_cast<int>(notAppliedBlocks(differing).size());
    if (!m_link || !m_link->isOpen()) {
        status.state = LiveState::LinkLost;
        status.reason = m_lostReason;
        status.retrySeconds = m_retrySeconds;
    } else if (m_checking) {
        status.state = LiveState::Checking;
    } else if (m_unitDiffers) {
        status.state = LiveState::UnitDiffers;
    } else if (m_phase == Phase::Ending) {
        status.state = LiveState::Ending;
    } else if (m_readingAgain) {
        status.state = LiveState::Reading; // edits made meanwhile wait for it
    } else if (status.pending > 0) {
        status.state = LiveState::Sending;
    } else if (status.notApplied > 0) {
        status.state = LiveState::NotApplied;
    } else if (!differing.empty()) {
        status.state = LiveState::NetworkHeld; // the one block never sent live
    } else {
        status.state = LiveState::InSync;
    }
    return status;
}

void LiveSession::publish()
{
    const LiveStatus now = status();
    if (now == m_published)
        return;
    m_published = now;
    emit statusChanged(now);
}

} // namespace zel::session
