// When live mode's blocks may go: a drag sends few blocks and always its last value, a single
// edit goes at once, a value dragged back to what was sent is not sent.
#include "manual_clock.h"
#include "session/live/live_pacer.h"

#include <gtest/gtest.h>

namespace zel::session {
namespace {

using Pace = LivePacer::Pace;
const model::WriterBlock kZone3{model::WriterBlock::Kind::ZoneAudio, 3};

TEST(LivePacer, ManyMovesFewSendsAndTheLastValueAlwaysGoes)
{
    struct Case {
        const char* what;
        Pace pace;
        int ticks;
        int tickMs;
        bool released; // let go after the last move; else the settle time passes
        int mostSends;
        int fewestSends;
    };
    constexpr int kSettleMs = 200;
    const Case cases[] = {
        // 2 s at most one per settle time, and the release.
        {"a 200-step drag over 2 s", Pace::Settle, 200, 10, true, 2000 / kSettleMs + 1, 2},
        {"arrow keys, no release", Pace::Settle, 20, 50, false, 1000 / kSettleMs + 1, 2},
        {"moves slower than the settle time", Pace::Settle, 5, 300, false, 5, 5},
        {"single edits", Pace::AtOnce, 5, 40, false, 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ManualClock clock;
        LivePacer pacer(clock, std::chrono::milliseconds(kSettleMs));
        int value = 0;
        std::vector<std::pair<qint64, int>> sent; // when, which value
        const auto takeDue = [&] {
            if (pacer.takeDue().contains(kZone3))
                sent.emplace_back(clock.now(), value);
        };
        QObject::connect(&pacer, &LivePacer::due, takeDue);
        for (int tick = 1; tick <= c.ticks; ++tick) {
            clock.advance(c.tickMs);
            value = tick;
            pacer.changed(kZone3, c.pace);
            takeDue(); // as the session does after every edit
        }
        const qint64 lastMove = clock.now();
        if (c.released) {
            pacer.releaseAll();
            takeDue();
        } else {
            clock.advance(kSettleMs);
        }
        ASSERT_FALSE(sent.empty());
        EXPECT_LE(static_cast<int>(sent.size()), c.mostSends);
        EXPECT_GE(static_cast<int>(sent.size()), c.fewestSends);
        EXPECT_EQ(sent.back().second, c.ticks) << "the last value went";
        EXPECT_LE(sent.back().first - lastMove, c.released ? 0 : kSettleMs);
        EXPECT_FALSE(pacer.isWaiting(kZone3));
    }
}

TEST(LivePacer, ABlockBackAtItsSentValueWaitsNoMore)
{
    test::ManualClock clock;
    LivePacer pacer(clock, std::chrono::milliseconds(200));
    int dueSignals = 0;
    QObject::connect(&pacer, &LivePacer::due, [&] { ++dueSignals; });
    pacer.changed(kZone3, Pace::Settle);
    pacer.changed({model::WriterBlock::Kind::Panel, 0}, Pace::Settle);
    pacer.withdraw(kZone3);
    EXPECT_EQ(pacer.waitingCount(), 1);
    clock.advance(200);
    EXPECT_EQ(dueSignals, 1);
    const std::set<model::WriterBlock> panel = {{model::WriterBlock::Kind::Panel, 0}};
    EXPECT_EQ(pacer.takeDue(), panel);
}

} // namespace
} // namespace zel::session
