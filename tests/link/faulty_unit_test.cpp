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
