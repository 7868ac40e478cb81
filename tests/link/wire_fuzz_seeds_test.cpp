// Replays every seed of the wire fuzz target (dumps, negotiation, replies, and every input the
// fuzzer found) through its invariants, so that each stays a regression test of the suite.

#include "wire_invariants.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

TEST(WireFuzzSeeds, EverySeedKeepsTheWireInvariants)
{
    const QDir folder(QStringLiteral(ZEL_SOURCE_DIR "/fuzz/wire-seeds"));
    const QStringList seeds = folder.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(seeds.size(), 4) << "the seeds are missing from " << folder.path().toStdString();
    for (const QString& seed : seeds) {
        SCOPED_TRACE(seed.toStdString());
        QFile file(folder.filePath(seed));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(zel::fuzz::checkWireInvariants(
                      std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))),
                  "");
    }
}
