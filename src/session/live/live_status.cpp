#include "session/live/live_status.h"

namespace zel::session {

LiveStatus liveStatusOf(const LiveFacts& facts)
{
    LiveStatus status;
    switch (facts.phase) {
    case LivePhase::Off:
        return status;
    case LivePhase::Opening:
    case LivePhase::Fetching:
        status.state = LiveState::Starting;
        break;
    case LivePhase::Deciding:
        status.state = LiveState::UnitDiffers;
        break;
    case LivePhase::ReadingBack:
        status.state = LiveState::ReadingBack;
        break;
    case LivePhase::Live:
    case LivePhase::Ending:
        status.lastRead = facts.lastRead;
        status.pending = facts.pending;
        status.notApplied = facts.notApplied;
        if (!facts.linkOpen) {
            status.state = LiveState::LinkLost;
            status.reason = facts.lostReason;
            status.retrySeconds = facts.retrySeconds;
        } else if (facts.checking) {
            status.state = LiveState::Checking;
        } else if (facts.unitDiffers) {
            status.state = LiveState::UnitDiffers;
        } else if (facts.phase == LivePhase::Ending) {
            status.state = LiveState::Ending;
        } else if (facts.readingAgain) {
            status.state = LiveState::Reading; // edits made meanwhile wait for it
        } else if (facts.pending > 0) {
            status.state = LiveState::Sending;
        } else if (facts.notApplied > 0) {
            status.state = LiveState::NotApplied;
        } else if (facts.differs) {
            status.state = LiveState::NetworkHeld; // the one block never sent live
        } else if (facts.awaitingRead) {
            status.state = LiveState::AwaitingRead; // an acknowledgement is not a read
        } else {
            status.state = LiveState::InSync;
        }
        break;
    }
    status.peer = facts.peer;
    return status;
}

} // namespace zel::session
