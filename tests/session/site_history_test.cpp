// A site's history in a Git repository: file names, the site's setting lines, the lock, and the
// repository's record of a unit: its commits through a rename, its file as each commit holds it.
#include "session/restore/unit_history.h"
#include "session/site/history_backup.h"
#include "session/site/history_commit_message.h"
#include "session/site/history_lock.h"
#include "session/site/history_unit_file.h"
#include "session/site/site_history_settings.h"

#include "link/qt_printing.h"
#include "model/templates.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zel::session {
namespace {

using namespace std::chrono_literals;

TEST(HistoryFileNames, ReplaceWhatAFileNameCannotHoldAndSaySo)
{
    struct Case {
        QStringList units;
        QStringList files;
        QStringList replaced;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"Lobby Bar", "K\u00fcche"}, {"Lobby Bar.zel", "K\u00fcche.zel"}, {"", ""}},
        {{"Bar/Cellar", "Bar:Cellar", "bar_cellar"}, {"Bar_Cellar.zel", "Bar:Cellar (2).zel", "bar_cellar (3).zel"}, {"/", ":", ""}},
        {{"..", ".hidden", "Tab\there", "Why?*"}, {"__.zel", "_hidden.zel", "Tab_here.zel", "Why__.zel"}, {".", ".", "\t", "?*"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units.join(',').toStdString());
        const QList<HistoryFileName> files = unitFileNames(c.units);
        ASSERT_EQ(files.size(), c.files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            EXPECT_EQ(files[i].name.toCaseFolded(), c.files[i].toCaseFolded().replace(':', '_'));
            EXPECT_EQ(files[i].replaced, c.replaced[i]);
        }
    }
    EXPECT_EQ(siteFolderName("harbour-hotel.zelsite").name, "harbour-hotel");
    EXPECT_EQ(replacedNote("Bar/Cellar", unitFileNames({"Bar/Cellar"})[0]),
              "the unit \"Bar/Cellar\" is kept in \"Bar_Cellar.zel\": a file name cannot hold "
              "\"/\"");
}

TEST(SiteHistorySettings, AreRemarksToTheUnitLinesAndSurviveEveryEdit)
{
    const QByteArray text =
        "# Harbour Hotel\n# zelconfig history: ../history\nLobby tcp:192.0.2.1\n"
        "# zelconfig ignore-volume: yes\nBar tcp:192.0.2.2\n";
    SiteRead read = readSiteText(text);
    ASSERT_TRUE(read.problems.isEmpty()) << read.problems.join(' ').toStdString();
    EXPECT_EQ(read.site.units.size(), 2);
    EXPECT_EQ(siteText(read.site), text);
    EXPECT_EQ(historySettingsOf(read.site), (SiteHistorySettings{{}, "../history", true}));

    // The first unit goes, its remarks stay; then the settings are changed in place.
    removeSiteUnit(read.site, 0);
    EXPECT_EQ(historySettingsOf(read.site).repository, "../history");
    setHistorySettings(read.site, {"Harbour Hotel", "~/history", false});
    EXPECT_EQ(siteText(read.site), "# Harbour Hotel\n# zelconfig history: ~/history\n"
                                   "# zelconfig site: Harbour Hotel\nBar tcp:192.0.2.2\n");
    EXPECT_EQ(historySettingsOf(readSiteText(siteText(read.site)).site),
              (SiteHistorySettings{"Harbour Hotel", "~/history", false}));
    EXPECT_EQ(repositoryFolder("../history", "/sites/a/hotel.zelsite"), "/sites/history");
    EXPECT_EQ(repositoryFolder("~/history", "/x.zelsite"), QDir::homePath() + "/history");
}

TEST(UnitHistoryPlace, IsTheFileABackupOfTheSiteKeepsTheUnitIn)
{
    const QByteArray units = "Bar/Cellar tcp:192.0.2.1\nBar:Cellar tcp:192.0.2.2\n";
    struct Case {
        const char* what;
        QString sitePath;
        QByteArray siteText;
        QString unit;
        QString repository; // given, as --git gives it
        QString path;       // in the repository; empty: none, `error` says why
        QString folder;     // the repository's folder
        QString error;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"the site's history line", "/sites/a/hotel.zelsite", "# zelconfig history: ../history\n" + units, "bar:cellar", {}, "hotel/Bar_Cellar (2).zel", "/sites/history", {}},
        {"--git wins over the line", "/sites/a/hotel.zelsite", "# zelconfig history: ../history\n" + units, "Bar/Cellar", "/clone", "hotel/Bar_Cellar.zel", "/clone", {}},
        {"no history named", "/sites/hotel.zelsite", units, "Bar/Cellar", {}, {}, {}, "the site names no history"},
        {"a unit the site does not name", "/sites/hotel.zelsite", units, "Bar", "/clone", {}, {}, "the site names no unit \"Bar\"; its units: Bar/Cellar, Bar:Cellar"},
        {"a site never saved", {}, units, "Bar/Cellar", "/clone", {}, {}, "the site is not saved yet"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        const std::optional<UnitHistoryPlace> place = unitHistoryPlace(
            c.sitePath, readSiteText(c.siteText).site, c.unit, c.repository, error);
        EXPECT_EQ(place ? place->path : QString(), c.path);
        EXPECT_EQ(place ? place->repository : QString(), c.folder);
        EXPECT_TRUE(error.startsWith(c.error)) << error.toStdString();
    }
}

TEST(HistoryLock, ASecondRunWaitsThenSaysWhichRunHoldsIt)
{
    const QTemporaryDir folder;
    HistoryLock first(folder.path()), second(folder.path());
    ASSERT_EQ(first.acquire(0ms), "");
    const QString busy = second.acquire(50ms);
    EXPECT_TRUE(busy.contains(QStringLiteral("another run holds it: %1 (process %2) on %3")
                                  .arg(QCoreApplication::applicationName())
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(QSysInfo::machineHostName())))
        << busy.toStdString();
    first.release();
    EXPECT_EQ(second.acquire(50ms), "");
}

TEST(HistoryCommitMessage, NamesAFewUnitsOfEachKindFirstAndEveryUnitBelow)
{
    using Kind = HistoryUnitRecord::Kind;
    const auto record = [](const char* name, Kind kind, const char* reason = "") {
        HistoryUnitRecord unit;
        unit.name = name;
        unit.link = "tcp:192.0.2.1:23";
        unit.kind = kind;
        unit.reason = reason;
        unit.detail = reason;
        return unit;
    };
    QList<HistoryUnitRecord> records = {record("Cellar", Kind::Failed, "no answer within 60 s")};
    for (const char* name : {"A", "B", "C", "D", "E", "F"})
        records << record(name, Kind::Changed);
    records << record("Spa", Kind::VolumeOnly) << record("Bar", Kind::Unchanged);
    records[1].changes = QStringList{"Zone 3 volume: -20 -> -12"};
    EXPECT_EQ(historySummary("Harbour Hotel", records),
              "Harbour Hotel: 6 changed (A, B, C, D, 2 more), 1 volume only (Spa), 1 failed "
              "(Cellar: no answer within 60 s), 1 unchanged");
    const QString message = historyMessage("Harbour Hotel", records);
    EXPECT_TRUE(message.contains("\n\nCellar  tcp:192.0.2.1:23  failed: no answer within 60 s\n"
                                 "A  tcp:192.0.2.1:23  changed\n    Zone 3 volume: -20 -> -12\n"))
        << message.toStdString();
    EXPECT_EQ(message.count('\n'), 2 + records.size() + 1);
    EXPECT_FALSE(isNews(records[7]));
    EXPECT_TRUE(isNews(records[0]));
    EXPECT_FALSE(readUnitFile("[SD0]\r\n")) << "a text without the header is not a unit's file";
}

QByteArray templateText(const QByteArray& zoneOneName)
{
    QByteArray text;
    for (const std::string& line : model::templateLines(model::UnitSize::Zel16))
        text +=
            QByteArray::fromStdString(line).replace("Zone Name 1\"", zoneOneName + '"') + "\r\n";
    return text;
}

TEST(SiteHistory, ListsAUnitsCommitsThroughARenameAndReadsItsFileAtEach)
{
    const QTemporaryDir folder;
    SiteHistory history(folder.filePath("company/venues"));
    ASSERT_EQ(history.open(), "");
    const QByteArray hall = templateText("Hall"), lounge = templateText("Lounge");
    struct Run {
        QString unit;
        QByteArray text;
        QString summary;
        bool committed;
    };
    // Each run's unit is the same one, at the same link.
    const std::vector<Run> runs = {
        {"Bar", hall, "Hotel: 1 new (Bar)", true},
        {"Bar", hall, "Hotel: 1 unchanged", false},
        {"Bar", lounge, "Hotel: 1 changed (Bar)", true},
        {"Foyer", lounge, "Hotel: 1 renamed (Foyer)", true},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.summary.toStdString());
        UnitOutcome outcome;
        outcome.name = run.unit;
        outcome.link = *parseSiteLink("tcp:192.0.2.7");
        outcome.result = UnitOutcome::Result::Unchanged;
        outcome.identity = "identity-of-bar";
        outcome.text = run.text;
        HistoryBackup backup(history, {"hotel", "Hotel", false});
        const HistoryBackupResult kept =
            backup.keep({{run.unit, outcome.link, {}, {}}}, {{0, outcome}});
        EXPECT_EQ(kept.error, "");
        EXPECT_EQ(kept.summary, run.summary);
        EXPECT_EQ(kept.commit.isEmpty(), !run.committed);
    }
    const QList<HistoryCommit> commits = history.commitsOf("hotel/Foyer.zel");
    ASSERT_EQ(commits.size(), 3);
    const QStringList paths = {"hotel/Foyer.zel", "hotel/Bar.zel", "hotel/Bar.zel"};
    const QList<QByteArray> texts = {lounge, lounge, hall};
    const QList<std::size_t> runOf = {3, 2, 0};
    for (qsizetype i = 0; i < commits.size(); ++i) {
        EXPECT_EQ(commits[i].subject, runs[runOf[i]].summary);
        EXPECT_EQ(commits[i].path, paths[i]);
        EXPECT_TRUE(commits[i].time.isValid());
        EXPECT_FALSE(commits[i].author.isEmpty());
        const std::optional<QByteArray> file = history.textAt(commits[i].commit, paths[i]);
        ASSERT_TRUE(file);
        const std::optional<UnitFileRead> read = readUnitFile(*file);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->unitText, texts[i]);
        EXPECT_EQ(read->header, (UnitFileHeader{i ? "Bar" : "Foyer", "tcp:192.0.2.7:23", "ZEL-16",
                                                "identity-of-bar"}));
    }
    EXPECT_FALSE(history.textAt(commits[2].commit, "hotel/Foyer.zel"));

    // Restoring reads the unit's configuration at a commit made before it was renamed, under
    // the name it had then, and at the newest commit when none is named.
    QString error;
    const std::optional<UnitHistoryPlace> place = unitHistoryPlace(
        folder.filePath("hotel.zelsite"),
        readSiteText("# zelconfig history: company/venues\nFoyer tcp:192.0.2.7\n").site, "foyer",
        {}, error);
    ASSERT_TRUE(place) << error.toStdString();
    EXPECT_EQ(place->path, "hotel/Foyer.zel");
    UnitHistory unit(*place);
    ASSERT_EQ(unit.open(), "");
    for (const auto& [name, text] :
         {std::pair{commits[2].commit.left(7), hall}, {QString(), lounge}}) {
        const std::optional<UnitVersion> version = unit.versionAt(name, error);
        ASSERT_TRUE(version) << error.toStdString();
        EXPECT_EQ(version->text, text);
    }
}

} // namespace
} // namespace zel::session
