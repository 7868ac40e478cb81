#include "link_fixture.h"

#include "link/export_transfer.h"
#include "link/import_transfer.h"

using namespace zel;
using namespace zel::test;
using link::TransferOutcome;

namespace {
class RoundTripTest : public LinkTest {};
} // namespace

TEST_P(RoundTripTest, ExportThenImportReturnsTheSameConfiguration)
{
    startUnit();
    const QStringList sent = configurationLines(filledZel16());

    link::ExportTransfer exporter(channel(), sent, quickSettings());
    TransferRecord exported;
    record(exporter, exported);
    exporter.start();
    ASSERT_TRUE(waitForFinish(exported));
    ASSERT_EQ(exported.outcome, TransferOutcome::Completed);

    link::ImportTransfer importer(channel(), quickSettings());
    TransferRecord imported;
    record(importer, imported);
    importer.start();
    ASSERT_TRUE(waitForFinish(imported));
    ASSERT_EQ(imported.outcome, TransferOutcome::Completed);

    EXPECT_EQ(configurationLines(readConfiguration(importer.receivedText())), sent);
    EXPECT_NE(sent, configurationLines(blankZel16()));
}

INSTANTIATE_TEST_SUITE_P(Links, RoundTripTest,
                         ::testing::Values(ZelSimProcess::Link::Tcp, ZelSimProcess::Link::Pty),
                         linkName);
