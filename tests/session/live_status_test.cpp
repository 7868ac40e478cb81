// What live mode says of the unit: never "in sync" while a block waits, is on its way, was not
// acknowledged, the link is down, or the unit is being read or decided about.
#include "session/live/live_status.h"

#include <gtest/gtest.h>

namespace zel::session {
namespace {

TEST(LiveStatus, InSyncOnlyWhenNothingElseHolds)
{
    // Live, the link open, nothing pending: each case changes the facts from there.
    const auto live = [](auto change) {
        LiveFacts facts;
        facts.phase = LivePhase::Live;
        facts.peer = "host: unit";
        facts.linkOpen = true;
        change(facts);
        return facts;
    };
    struct Case {
        const char* what;
        LiveFacts facts;
        LiveState state;
    };
    const Case cases[] = {
        {"off", LiveFacts{}, LiveState::Off},
        {"opening", live([](LiveFacts& f) { f.phase = LivePhase::Opening; }), LiveState::Starting},
        {"deciding at the start", live([](LiveFacts& f) { f.phase = LivePhase::Deciding; }),
         LiveState::UnitDiffers},
        {"reading back", live([](LiveFacts& f) { f.phase = LivePhase::ReadingBack; }),
         LiveState::ReadingBack},
        {"nothing pending", live([](LiveFacts&) {}), LiveState::InSync},
        {"link lost over everything else", live([](LiveFacts& f) {
             f.linkOpen = false;
             f.checking = f.unitDiffers = true;
             f.pending = 2;
         }),
         LiveState::LinkLost},
        {"checking over a difference",
         live([](LiveFacts& f) { f.checking = f.unitDiffers = true; }), LiveState::Checking},
        {"ending over pending", live([](LiveFacts& f) {
             f.phase = LivePhase::Ending;
             f.pending = 1;
         }),
         LiveState::Ending},
        {"reading over pending", live([](LiveFacts& f) {
             f.readingAgain = true;
             f.pending = 1;
         }),
         LiveState::Reading},
        {"pending over not applied", live([](LiveFacts& f) { f.pending = f.notApplied = 1; }),
         LiveState::Sending},
        {"not applied", live([](LiveFacts& f) {
             f.notApplied = 1;
             f.differs = true;
         }),
         LiveState::NotApplied},
        {"only the network differs", live([](LiveFacts& f) { f.differs = true; }),
         LiveState::NetworkHeld},
        {"no read agreed since the answer", live([](LiveFacts& f) { f.awaitingRead = true; }),
         LiveState::AwaitingRead},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LiveStatus status = liveStatusOf(c.facts);
        EXPECT_EQ(status.state, c.state);
        EXPECT_EQ(status.peer, c.state == LiveState::Off ? QString() : QString("host: unit"));
    }
}

} // namespace
} // namespace zel::session
