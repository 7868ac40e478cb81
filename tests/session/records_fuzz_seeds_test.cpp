// Replays every seed of the records fuzz target (site files, journal texts and index, the unit
// directory, address ranges, and every input the fuzzer found) through its invariants.

#include "records_invariants.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

TEST(RecordsFuzzSeeds, EverySeedKeepsTheRecordInvariants)
{
    const QDir folder(QStringLiteral(ZEL_SOURCE_DIR "/fuzz/records-seeds"));
    const QStringList seeds = folder.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(seeds.size(), 5) << "the seeds are missing from " << folder.path().toStdString();
    for (const QString& seed : seeds) {
        SCOPED_TRACE(seed.toStdString());
        QFile file(folder.filePath(seed));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(zel::fuzz::checkRecordInvariants(
                      std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))),
                  "");
    }
}
