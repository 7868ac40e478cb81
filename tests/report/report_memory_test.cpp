// What the report dialog remembers, beyond what the window's tests see of it: the folder and
// form of the last report, and a damaged file taken as empty and written anew.

#include "report/report_memory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zel::report {
namespace {

TEST(ReportMemory, KeepsTheLastFolderAndFormAndOutlivesADamagedFile)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath("data/report.json");
    QDir().mkpath(folder.filePath("data"));
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("{\"units\": [") > 0);
    damaged.close();
    EXPECT_EQ(ReportMemory(file).particularsOf("tcp:a:23").installer, "");
    EXPECT_EQ(ReportMemory(file).remember("tcp:a:23", {"A", "B", "C"}, "/tmp/out/R.PDF"), "");
    const ReportMemory memory(file);
    EXPECT_EQ(memory.particularsOf("tcp:a:23").client, "B");
    EXPECT_EQ(memory.folder(), "/tmp/out");
    EXPECT_EQ(memory.suffix(), "pdf");
}

} // namespace
} // namespace zel::report
