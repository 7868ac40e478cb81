// The link live mode holds: opened again with a growing wait while the unit stays away, from the
// first wait again once it was back, one session at a time.
#include "link/link_fixture.h"

#include "session/live/live_link.h"

#include <QSignalSpy>
#include <QTest>

namespace zel::session {
namespace {

using std::chrono::milliseconds;
using test::ZelSimProcess;

TEST(LiveLink, ALostLinkIsOpenedAgainWithBackoffResetAfterASuccess)
{
    ZelSimProcess sim;
    ASSERT_TRUE(sim.start(ZelSimProcess::Link::Tcp, {"--control"})) << sim.error().toStdString();
    link::SerialEndpoint unused;
    LiveLink live([&] { return test::channelTo(ZelSimProcess::Link::Tcp, sim, unused); },
                  {test::quickSettings(), milliseconds(20), milliseconds(80)});
    QSignalSpy opened(&live, &LiveLink::opened);
    QSignalSpy lost(&live, &LiveLink::lost);
    QSignalSpy retries(&live, &LiveLink::retryScheduled);
    live.open();
    ASSERT_TRUE(opened.wait(10000));
    EXPECT_FALSE(opened.takeFirst().first().toBool());

    ASSERT_TRUE(sim.control("away")); // drops the link and refuses it
    ASSERT_TRUE(lost.wait(10000));
    EXPECT_FALSE(live.isOpen());
    ASSERT_TRUE(QTest::qWaitFor([&] { return retries.size() >= 5; }, 10000));
    ASSERT_TRUE(sim.control("back"));
    ASSERT_TRUE(opened.wait(10000));
    EXPECT_TRUE(opened.takeFirst().first().toBool()) << "opened again";
    const auto delays = [&] {
        QList<qint64> waited;
        for (const QList<QVariant>& retry : std::as_const(retries))
            waited << retry.at(1).toInt();
        retries.clear();
        return waited;
    };
    const QList<qint64> away = delays();
    EXPECT_EQ(away.mid(0, 4), (QList<qint64>{20, 40, 80, 80})) << "doubling up to the bound";

    // The unit has taken the connection in, not only the system for it, before it drops it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return sim.openedConnections() == 2; }, 10000));
    ASSERT_TRUE(sim.control("drop")); // lost again: the wait starts from the first again
    ASSERT_TRUE(opened.wait(10000));
    EXPECT_EQ(delays().first(), 20);
    // One session at a time: the first, once back, once after the drop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sim.openedConnections() >= 3; }, 10000));
    EXPECT_EQ(sim.openedConnections(), 3);
}

} // namespace
} // namespace zel::session
