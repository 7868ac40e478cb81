// Transfers against units that misbehave or are not there, over TCP and a pseudo-terminal: each
// ends in time with the outcome and the log line that say what happened, and keeps what came.
// The plain faults of zelsim that the import and export tests already play (silence, a clean
// close, noise, an endless dump, "ERROR" to a line) are not repeated here.

#include "absent_units.h"
#include "link_fixture.h"

#include "link/export_lines.h"
#include "link/export_transfer.h"
#include "link/import_transfer.h"
#include "link/transfer_texts.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using namespace zel;
using namespace zel::test;
using link::TransferOutcome;
namespace texts = link::texts;
using Link = ZelSimProcess::Link;

namespace {

enum class Direction { Import, Export };

// Short limits, with room for a slow unit that still answers in time.
link::TransferSettings faultSettings()
{
    link::TransferSettings settings = quickSettings();
    settings.responseTimeout = std::chrono::milliseconds(600);
    settings.serialQuietTime = std::chrono::milliseconds(600);
    return settings;
}

void waitFor(std::chrono::milliseconds time)
{
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

TEST(FaultyUnit, UnitThatIsNotThereFailsTheTransferWithTheLinksError)
{
    const UnansweredListener unanswered;
    ASSERT_TRUE(unanswered.isReady());
    struct Case {
        const char* what;
        QString host;
        QString error;
    };
    const Case cases[] = {
        {"connection refused", refusingHost(), "refused"},
        {"unknown host", kUnknownHost, "not found"},
        {"connection attempt never answered", unanswered.host(),
         texts::connectTimeoutError(faultSettings().responseTimeout)},
    };
    for (const Case& c : cases) {
        for (const Direction direction : {Direction::Import, Direction::Export}) {
            SCOPED_TRACE(std::string(direction == Direction::Import ? "import: " : "export: ") +
                         c.what);
            QElapsedTimer clock;
            clock.start();
            TransferRecord rec;
            QString error;
            if (direction == Direction::Import) {
                link::ImportTransfer transfer(std::make_unique<link::TelnetChannel>(c.host),
                                              faultSettings());
                record(transfer, rec);
                transfer.start();
                ASSERT_TRUE(waitForFinish(rec));
                error = transfer.errorText();
                EXPECT_TRUE(transfer.receivedText().isEmpty());
                // The status still names the host; the window reports the error.
                EXPECT_EQ(rec.statuses, QStringList{" Importing from host: " + c.host});
            } else {
                link::ExportTransfer transfer(std::make_unique<link::TelnetChannel>(c.host),
                                              {"[SD0]"}, faultSettings());
                record(transfer, rec);
                transfer.start();
                ASSERT_TRUE(waitForFinish(rec));
                error = transfer.errorText();
                EXPECT_TRUE(rec.statuses.isEmpty());
            }
            EXPECT_EQ(rec.outcome, TransferOutcome::LinkFailed);
            EXPECT_TRUE(rec.logLines.isEmpty());
            EXPECT_TRUE(error.contains(c.error, Qt::CaseInsensitive)) << error.toStdString();
            EXPECT_LT(clock.elapsed(), 3000);
        }
    }

    // A serial port whose device is gone cannot be opened, and says why.
    QString goneTerminal;
    {
        ZelSimProcess sim;
        ASSERT_TRUE(sim.start(Link::Pty)) << sim.error().toStdString();
        goneTerminal = sim.address();
    }
    for (const QString& port : {goneTerminal, QStringLiteral("/dev/zel-no-such-port")}) {
        SCOPED_TRACE(port.toStdString());
        link::SerialEndpoint serial;
        EXPECT_FALSE(serial.open(port));
        EXPECT_FALSE(serial.errorString().isEmpty());
        EXPECT_FALSE(serial.isOpen());
    }
}

TEST(FaultyUnit, TransferDroppedWhileItRunsLetsGoOfTheConnection)
{
    // As when the window goes while a transfer waits: the transfer is destroyed mid-way.
    for (const Direction direction : {Direction::Import, Direction::Export}) {
        SCOPED_TRACE(direction == Direction::Import ? "import" : "export");
        ZelSimProcess sim;
        ASSERT_TRUE(sim.start(Link::Tcp, {"--reply-delay", "100", "--baud", "9600"}))
            << sim.error().toStdString();
        TransferRecord rec;
        std::unique_ptr<QObject> transfer;
        if (direction == Direction::Import) {
            auto import = std::make_unique<link::ImportTransfer>(
                std::make_unique<link::TelnetChannel>(sim.address()), faultSettings());
            record(*import, rec);
            import->start();
            transfer = std::move(import);
        } else {
            auto exporter = std::make_unique<link::ExportTransfer>(
                std::make_unique<link::TelnetChannel>(sim.address()),
                configurationLines(blankZel16()), faultSettings());
            record(*exporter, rec);
            exporter->start();
            transfer = std::move(exporter);
        }
        waitFor(std::chrono::milliseconds(300)); // connected, and in the middle of it
        EXPECT_EQ(rec.finishedCount, 0);
        EXPECT_FALSE(rec.box.isEmpty());
        const QString shown = rec.box;
        transfer.reset();
        waitFor(std::chrono::milliseconds(100));
        EXPECT_EQ(rec.finishedCount, 0) << "a destroyed transfer reports nothing more";
        EXPECT_EQ(rec.box, shown);
    }
}
