// A site run: units on one serial port one after the other, no more than `jobs` at once.
#include "session/site/site_run.h"

#include "link/absent_units.h"
#include "link/qt_printing.h"
#include "link/zelsim_process.h"
#include "support/file_faults.h"

#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
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

TEST(SiteRun, KeepsEachReadOffItsThreadAndSaysOnceWhatCouldNotBeWritten)
{
    // A full disk after a kilobyte; another program holding the unit directory's lock, all along
    // or until this thread lets it go while a read is kept (it can only if keeping never blocks).
    enum class Fault { DiskFull, DirectoryHeld, DirectoryLetGo };
    struct Case {
        const char* what;
        Fault fault;
        UnitOutcome::Result result;
        QString detail;  // how the first unit's detail begins
        QString warning; // how the run's one warning begins; empty: none
    };
    const std::vector<Case> cases = {
        {"a full disk", Fault::DiskFull, UnitOutcome::Result::Failed,
         "it came whole, but the journal cannot keep it", "the journal cannot be written"},
        {"the unit directory held", Fault::DirectoryHeld, UnitOutcome::Result::FirstBackup,
         "first backup", "the unit directory was busy (another program holds"},
        {"the unit directory let go while a read is kept",
         Fault::DirectoryLetGo,
         UnitOutcome::Result::FirstBackup,
         "first backup",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp));
        const QTemporaryDir data;
        const SiteRead read = readSiteText("Bar tcp:" + unit.address().toLatin1() +
                                           "\nLobby tcp:" + unit.address().toLatin1() + "\n");
        SiteRun run(
            SiteMode::Backup, read.site.units, {},
            std::make_unique<SiteRecords>(data.filePath("journal"), data.filePath("units.json")));
        QLockFile other(data.filePath("units.json.lock"));
        other.setStaleLockTime(0); // never taken for stale: its program is still there
        ASSERT_TRUE(c.fault == Fault::DiskFull || other.tryLock());
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            if (c.fault == Fault::DirectoryLetGo && run.isKeeping())
                other.unlock();
        });
        ticker.start(0);
        QSignalSpy finished(&run, &SiteRun::finished);
        std::optional<test::FileSizeLimit> limit;
        if (c.fault == Fault::DiskFull)
            limit.emplace(1000);
        run.start();
        ASSERT_TRUE(finished.wait(20000));
        ASSERT_EQ(run.outcomes().size(), 2u);
        const UnitOutcome& first = run.outcomes().at(0); // the next is the same unit again
        EXPECT_EQ(first.result, c.result) << first.detail.toStdString();
        EXPECT_TRUE(first.detail.startsWith(c.detail)) << first.detail.toStdString();
        const QStringList warnings = run.takeWarnings();
        EXPECT_EQ(warnings.filter(c.warning).size(), c.warning.isEmpty() ? 0 : 1)
            << warnings.join('\n').toStdString();
    }
}

} // namespace
} // namespace zel::session
