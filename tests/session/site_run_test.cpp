// A site run: units on one serial port one after the other, no more than `jobs` at once.
#include "session/site/site_run.h"

#include "link/absent_units.h"
#include "link/qt_printing.h"
#include "link/zelsim_process.h"
#include "support/file_faults.h"

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

TEST(UnitReader, TellsHowTheReadEnded)
{
    using Verdict = UnitReader::Verdict;
    using Link = ZelSimProcess::Link;
    struct Case {
        Link link;
        QStringList faults;
        Verdict verdict;
        QString reason;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {Link::Tcp, {}, Verdict::Whole, ""},
        {Link::Pty, {}, Verdict::Whole, ""},
        {Link::Tcp, {"--close-after", "40"}, Verdict::Partial, "connection closed by the unit"},
        {Link::Tcp, {"--silent-after", "40"}, Verdict::Partial, "no response in 0.5 seconds"},
        {Link::Pty, {"--silent-after", "40"}, Verdict::Partial, "the unit fell silent before the end"},
        {Link::Tcp, {"--endless", "--baud", "9600"}, Verdict::Partial, "not whole within 2 s"},
        {Link::Tcp, {"--error-on", "QXSB"}, Verdict::ErrorReply, "the unit answered ERROR"},
        {Link::Pty, {"--error-on", "QXSB"}, Verdict::ErrorReply, "the unit answered ERROR"},
        {Link::Tcp, {"--silent-after", "0"}, Verdict::NoAnswer, "no answer within 0.5 s"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE((c.link == Link::Tcp ? "tcp " : "pty ") + c.faults.join(' ').toStdString());
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(c.link, c.faults));
        UnitReader reader(
            {c.link == Link::Tcp ? SiteLink::Kind::Tcp : SiteLink::Kind::Serial, unit.address()},
            {std::chrono::milliseconds(2000), std::chrono::milliseconds(500),
             std::chrono::milliseconds(500)});
        QSignalSpy finished(&reader, &UnitReader::finished);
        reader.start();
        ASSERT_TRUE(finished.wait(10000));
        EXPECT_EQ(reader.verdict(), c.verdict);
        EXPECT_EQ(reader.reason(), c.reason);
        if (c.verdict == Verdict::Whole) {
            EXPECT_EQ(reader.configuration().zoneCount(), 16);
        }
    }
    UnitReader refused({SiteLink::Kind::Tcp, test::refusingHost()}, {});
    QSignalSpy finished(&refused, &UnitReader::finished);
    refused.start();
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(refused.verdict(), UnitReader::Verdict::Unreachable);
}

TEST(SiteRun, ABackupTheJournalCannotKeepIsNoBackup)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp));
    const QTemporaryDir data;
    const SiteRead read = readSiteText("Bar tcp:" + unit.address().toLatin1() + "\n");
    SiteRun run(
        SiteMode::Backup, read.site.units, {},
        std::make_unique<SiteRecords>(data.filePath("journal"), data.filePath("units.json")));
    QSignalSpy finished(&run, &SiteRun::finished);
    const test::FileSizeLimit limit(1000); // the disk is full after a kilobyte
    run.start();
    ASSERT_TRUE(finished.wait(20000));
    const UnitOutcome outcome = run.outcomes().at(0);
    EXPECT_EQ(outcome.result, UnitOutcome::Result::Failed);
    EXPECT_TRUE(outcome.detail.startsWith("it came whole, but the journal cannot keep it"))
        << outcome.detail.toStdString();
    const QStringList warnings = run.takeWarnings();
    ASSERT_FALSE(warnings.isEmpty());
    EXPECT_TRUE(warnings[0].startsWith("the journal cannot be written"))
        << warnings[0].toStdString();
}

} // namespace
} // namespace zel::session
