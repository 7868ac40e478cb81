// A site run: units on one serial port one after the other, no more than `jobs` at once.
#include "session/site_run.h"

#include "link/zelsim_process.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::session {
namespace {

using test::ZelSimProcess;

TEST(SiteRun, UnitsOnOneSerialPortOneAfterTheOtherAndNoMoreThanTheJobsAtOnce)
{
    ZelSimProcess amplifier, tcp;
    ASSERT_TRUE(amplifier.start(ZelSimProcess::Link::Pty));
    ASSERT_TRUE(tcp.start(ZelSimProcess::Link::Tcp, {}, "127.0.0.50:0"));
    const SiteRead read = readSiteText("Amp A serial:" + amplifier.address().toLatin1() +
                                       "\nAmp B serial:" + amplifier.address().toLatin1() +
                                       "\nBar tcp:" + tcp.address().toLatin1() +
                                       "\nLobby tcp:" + tcp.address().toLatin1() +
                                       "\nTerrace tcp:" + tcp.address().toLatin1() + "\n");
    ASSERT_TRUE(read.problems.isEmpty());
    const QTemporaryDir data;
    SiteRun run(
        SiteMode::Backup, read.site.units, {2, std::chrono::milliseconds(20000)},
        std::make_unique<SiteRecords>(data.filePath("journal"), data.filePath("units.json")));
    QStringList events;
    int running = 0, mostRunning = 0;
    QObject::connect(&run, &SiteRun::unitStarted, [&](int index) {
        events << QStringLiteral("start %1").arg(index);
        mostRunning = std::max(mostRunning, ++running);
    });
    QObject::connect(&run, &SiteRun::unitFinished, [&](int index, const UnitOutcome& outcome) {
        events << QStringLiteral("end %1").arg(index);
        --running;
        EXPECT_NE(outcome.result, UnitOutcome::Result::Failed) << outcome.detail.toStdString();
    });
    QSignalSpy finished(&run, &SiteRun::finished);
    run.start();
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(run.outcomes().size(), 5u);
    EXPECT_LE(mostRunning, 2);
    EXPECT_LT(events.indexOf("end 0"), events.indexOf("start 1"))
        << events.join(", ").toStdString();
}

} // namespace
} // namespace zel::session
