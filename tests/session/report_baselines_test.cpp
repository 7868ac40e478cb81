// Where a report measures from, without a window: the first whole fetch of each unit outlives
// later fetches and resets, is offered for its unit (or for any when no unit is linked), and a
// file chosen instead is read and named with its date, or refused saying why.
#include "session/configuration_session.h"
#include "session/report_baselines.h"

#include "journal/journal.h"
#include "model/config_writer.h"
#include "model/templates.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zel::session {
namespace {

std::string templateText(model::UnitSize size)
{
    return model::joinLines(model::templateLines(size), "\n");
}

TEST(ReportBaselines, TheFirstWholeFetchOfEachUnitIsTheVisitsStart)
{
    ConfigurationSession session;
    const std::string zel8 = templateText(model::UnitSize::Zel8);
    const std::string zel16 = templateText(model::UnitSize::Zel16);
    session.setLinkUnit("tcp:a:23");
    session.fetchedFromUnit(zel8, "host: a");
    session.fetchedFromUnit(zel16, "host: a"); // a comparison, or the fetch after a send
    session.reset();
    session.setLinkUnit("serial:/dev/ttyS0");
    session.fetchedFromUnit(zel16, "serial port: /dev/ttyS0");
    session.setLinkUnit("");
    session.fetchedFromUnit(zel8, "host: b"); // from no unit the journal names: not kept
    ASSERT_NE(session.lastFetchedFromUnit(), nullptr);
    EXPECT_EQ(session.lastFetchedFromUnit()->model.zoneCount(), 8) << "the last fetch moves";
    EXPECT_EQ(session.unitsFetchedFrom(), QStringList({"serial:/dev/ttyS0", "tcp:a:23"}));

    const QTemporaryDir folder;
    const journal::Journal journal(folder.path());
    struct Case {
        QString unit;
        QStringList firstLabels; // of the offered baselines, the start of each
        QList<int> zones;        // in each
        int proposed;
    };
    const Case cases[] = {
        {"tcp:a:23", {"First fetch since the program started: tcp:a:23, "}, {8}, 0},
        {"serial:/dev/ttyS0",
         {"First fetch since the program started: serial:/dev/ttyS0, "},
         {16},
         0},
        {"",
         {"First fetch since the program started: serial:/dev/ttyS0, ",
          "First fetch since the program started: tcp:a:23, "},
         {16, 8},
         0},
        {"tcp:c:23", {}, {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit.toStdString());
        const ReportBaselines baselines = reportBaselines(session, journal, c.unit);
        EXPECT_EQ(baselines.proposed, c.proposed);
        ASSERT_EQ(baselines.offered.size(), static_cast<std::size_t>(c.firstLabels.size()));
        for (qsizetype i = 0; i < c.firstLabels.size(); ++i) {
            const ReportBaseline& offered = baselines.offered[static_cast<std::size_t>(i)];
            EXPECT_TRUE(offered.label.startsWith(c.firstLabels[i])) << offered.label.toStdString();
            EXPECT_TRUE(offered.name.contains(QRegularExpression(
                "^the configuration fetched from \\S+ on \\d{4}-\\d\\d-\\d\\d at \\d\\d:\\d\\d$")))
                << offered.name.toStdString();
            QString error;
            const std::optional<model::ConfigModel> configuration =
                baselineConfiguration(offered, journal, &error);
            ASSERT_TRUE(configuration) << error.toStdString();
            EXPECT_EQ(configuration->zoneCount(), c.zones[i]);
        }
    }
}

TEST(ReportBaselines, AFileIsReadAndNamedWithItsDateOrRefused)
{
    const QTemporaryDir folder;
    const QString zel = folder.filePath("before.zel");
    const QString empty = folder.filePath("empty.zel");
    QFile file(zel);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray::fromStdString(templateText(model::UnitSize::Zel8)).replace('\n', "\r\n"));
    file.close();
    QFile(empty).open(QIODevice::WriteOnly);
    struct Case {
        QString path;
        QString name; // a pattern; empty: refused
        QString error = {};
    };
    const Case cases[] = {
        {zel,
         "^the configuration in the file 'before.zel' of \\d{4}-\\d\\d-\\d\\d at \\d\\d:\\d\\d$"},
        {empty, {}, "it holds no configuration"},
        {folder.path(), {}, "it is not a file"},
        {folder.filePath("gone.zel"), {}, "there is no such file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QString error;
        const auto baseline = fileBaseline(c.path, &error);
        EXPECT_EQ(error, c.error);
        ASSERT_EQ(baseline.has_value(), !c.name.isEmpty());
        if (!baseline)
            continue;
        EXPECT_TRUE(baseline->second.contains(QRegularExpression(c.name)))
            << baseline->second.toStdString();
        EXPECT_EQ(baseline->first.zoneCount(), 8);
        EXPECT_EQ(baseline->first.zoneName(8), "Zone Name 8") << "read whole through CR LF";
    }
}

} // namespace
} // namespace zel::session
