// Where a report measures from, without a window: the first whole fetch of each unit outlives
// later fetches and resets and is offered for its unit (for any when no unit is linked); a file
// chosen instead is read and named with its date, or refused saying why.
#include "session/configuration/configuration_session.h"
#include "session/report/report_baselines.h"

#include "journal/journal.h"
#include "model/config_writer.h"
#include "model/templates.h"

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
    for (const auto& [unit, text] : {std::pair{"tcp:a:23", zel8},
                                     {"tcp:a:23", zel16},
                                     {"serial:/dev/ttyS0", zel16},
                                     {"", zel8}}) {
        session.setLinkUnit(unit); // no unit the journal names: not kept
        session.fetchedFromUnit(text, "the unit");
        session.reset();
    }
    EXPECT_EQ(session.lastFetchedFromUnit()->model.zoneCount(), 8) << "the last fetch moves";

    const QTemporaryDir folder;
    const journal::Journal journal(folder.path());
    struct Case {
        QString unit;
        QStringList units; // of the offered baselines
        QList<int> zones;  // in each
    };
    const Case cases[] = {
        {"tcp:a:23", {"tcp:a:23"}, {8}},
        {"serial:/dev/ttyS0", {"serial:/dev/ttyS0"}, {16}},
        {"", {"serial:/dev/ttyS0", "tcp:a:23"}, {16, 8}}, // the unit fetched from last first
        {"tcp:c:23", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit.toStdString());
        const ReportBaselines baselines = reportBaselines(session, journal, c.unit);
        EXPECT_EQ(baselines.proposed, c.units.isEmpty() ? -1 : 0);
        ASSERT_EQ(baselines.offered.size(), static_cast<std::size_t>(c.units.size()));
        for (qsizetype i = 0; i < c.units.size(); ++i) {
            const ReportBaseline& offered = baselines.offered[static_cast<std::size_t>(i)];
            EXPECT_TRUE(
                offered.label.endsWith(", fetched from " + c.units[i] + " (not in the journal)"))
                << offered.label.toStdString();
            EXPECT_TRUE(offered.name.contains(
                QRegularExpression("^the configuration fetched from " + c.units[i] +
                                   " on \\d{4}-\\d\\d-\\d\\d at \\d\\d:\\d\\d$")))
                << offered.name.toStdString();
            const std::optional<model::ConfigModel> configuration =
                baselineConfiguration(offered, journal, nullptr);
            ASSERT_TRUE(configuration);
            EXPECT_EQ(configuration->zoneCount(), c.zones[i]);
        }
    }
}

// Each whole fetch of the journal is offered once, to the second and with why it was made; the
// session's own fetch is not offered again beside it. The visit's start is the unit's first whole
// fetch of the day (a site backup made before the import), else its newest before that day.
TEST(ReportBaselines, EachEntryOnceWithItsCauseFromTheVisitsStart)
{
    ConfigurationSession session; // started before the journal's fetches
    const QTemporaryDir folder;
    journal::Journal journal(folder.path());
    const QByteArray text = QByteArray::fromStdString(templateText(model::UnitSize::Zel8));
    using enum journal::Cause;
    for (const auto& [unit, cause] : {std::pair{"tcp:a:23", SiteBackup},
                                      {"tcp:b:23", SiteBackup},
                                      {"tcp:a:23", Import},
                                      {"tcp:a:23", AsFound},
                                      {"tcp:a:23", Export}}) { // a send: never a baseline
        const auto to = cause == Export ? journal::Direction::ToUnit : journal::Direction::FromUnit;
        ASSERT_EQ(
            journal.record({.direction = to, .unit = unit, .whole = true, .cause = cause}, text)
                .text,
            "");
    }
    session.setLinkUnit("tcp:a:23");
    session.fetchedFromUnit(text.toStdString(), "the unit"); // the journal has it

    const QDate today = QDate::currentDate();
    const QString time = "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d, fetched from ";
    struct Case {
        QString unit;
        QDate day;
        QStringList labels; // patterns, after the time
        int proposed;
    };
    const QStringList ofA = {"tcp:a:23 \\(as found before a send\\)$", "tcp:a:23 \\(import\\)$",
                             "tcp:a:23 \\(site backup\\)$"};
    const Case cases[] = {
        {"tcp:a:23", today, ofA, 2},
        {"tcp:a:23", today.addDays(1), ofA, 0}, // none that day: the newest before it
        {"tcp:b:23", today, {"tcp:b:23 \\(site backup\\)$"}, 0},
        {"", today, {ofA[0], ofA[1], "tcp:b:23", ofA[2]}, 3}, // the unit fetched from last
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit.toStdString() + " " + c.day.toString().toStdString());
        const ReportBaselines baselines = reportBaselines(session, journal, c.unit, c.day);
        EXPECT_EQ(baselines.proposed, c.proposed);
        ASSERT_EQ(baselines.offered.size(), static_cast<std::size_t>(c.labels.size()));
        for (qsizetype i = 0; i < c.labels.size(); ++i) {
            const QString& label = baselines.offered[static_cast<std::size_t>(i)].label;
            EXPECT_TRUE(QRegularExpression(time + c.labels[i]).match(label).hasMatch())
                << label.toStdString();
        }
    }
}

TEST(ReportBaselines, AFileIsReadAndNamedWithItsDateOrRefused)
{
    const QTemporaryDir folder;
    QFile file(folder.filePath("before.zel"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray::fromStdString(templateText(model::UnitSize::Zel8)).replace('\n', "\r\n"));
    file.close();
    QFile(folder.filePath("empty.zel")).open(QIODevice::WriteOnly);
    const QString named = "^the configuration in the file 'before.zel' of \\d{4}-\\d\\d-\\d\\d at ";
    const std::pair<QString, QString> cases[] = {
        {"before.zel", {}},
        {"empty.zel", "it holds no configuration"},
        {".", "it is not a file"},
        {"gone.zel", "there is no such file"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name.toStdString());
        QString error;
        const auto baseline = fileBaseline(folder.filePath(name), &error);
        EXPECT_EQ(error, reason);
        ASSERT_EQ(baseline.has_value(), reason.isEmpty());
        if (!baseline)
            continue;
        EXPECT_TRUE(baseline->second.contains(QRegularExpression(named)))
            << baseline->second.toStdString();
        EXPECT_EQ(baseline->first.zoneName(8), "Zone Name 8") << "read whole through CR LF";
    }
}

} // namespace
} // namespace zel::session
