// Sites in the window, against the simulated unit on loopback: the site window backs up its
// units and opens, compares and lists them; Find Units picks a unit's link; Export asks before
// another unit's configuration goes to a unit.
#include "link_window_fixture.h"

#include "journal/journal.h"
#include "link/absent_units.h"
#include "link/zelsim_process.h"
#include "session/site/history_unit_file.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_dialog.h"
#include "ui/live/live_controller.h"
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_table.h"
#include "ui/site/site_window.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

// Opens the site file at `path` and waits until the window shows it, read off its thread.
bool openAndShow(ui::SiteWindow* site, const QString& path)
{
    return site->openSite(path) && waitUntil([&] { return site->path() == path; }, 10000);
}

TEST(SiteWindow, BacksUpItsUnitsAndOpensListsAndEditsThem)
{
    ZelSimProcess bar;
    ASSERT_TRUE(bar.start(Link::Tcp, {"--config", kFilled}, "127.0.0.81:0"));
    const QTemporaryDir folder;
    const QString path = folder.filePath("hotel.zelsite");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Bar tcp:" + bar.address().toLatin1() + "\nGone tcp:" + refusingHost().toLatin1() +
               "\n");
    file.close();

    LinkWindow w;
    ui::SiteWindow* site = w.window.sites()->showSiteWindow();
    ASSERT_TRUE(openAndShow(site, path)) << w.prompts->errors.join('\n').toStdString();
    QTableWidget* rows = site->table();
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->item(1, ui::SiteTable::kLiveColumn)->text(), "off");

    QSignalSpy finished(site, &ui::SiteWindow::runFinished);
    site->backUpAction()->trigger();
    EXPECT_FALSE(site->backUpAction()->isEnabled()) << "one run at a time";
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(rows->item(0, ui::SiteTable::kResultColumn)->text().startsWith("backed up: "));
    EXPECT_TRUE(
        rows->item(1, ui::SiteTable::kResultColumn)->text().startsWith("failed: cannot reach it"));
    EXPECT_FALSE(rows->item(0, ui::SiteTable::kBackupColumn)->text().isEmpty());
    EXPECT_TRUE(rows->item(1, ui::SiteTable::kBackupColumn)->text().isEmpty());

    // History lists the unit's entries; Open brings its backup into the editor, linked to it.
    rows->selectRow(0);
    site->historyButton()->click();
    ASSERT_TRUE(w.journalSettled());
    ASSERT_NE(site->historyDialog(), nullptr);
    EXPECT_EQ(site->historyDialog()->list()->topLevelItem(0)->childCount(), 2) << "visit, backup";
    // Keep there marks the entry, the window's own History never shown.
    QTreeWidget* entries = site->historyDialog()->list();
    entries->setCurrentItem(entries->topLevelItem(0)->child(0));
    site->historyDialog()->keepButton()->click();
    ASSERT_TRUE(w.journalSettled());
    EXPECT_TRUE(w.link.journal().entries().value(0).kept);
    site->openButton()->click(); // its backup is looked for off the window's thread
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.window.model().zoneName(1) == "Room 01"; }, 10000));
    EXPECT_EQ(w.link.linkMode(), link::LinkMode::Telnet);
    EXPECT_EQ(w.link.host(), bar.address());
    // Live mode on the unit opened: its row says so until live mode ends.
    const auto liveColumn = [rows](int row) {
        return rows->item(row, ui::SiteTable::kLiveColumn)->text();
    };
    for (const QString state : {"on", "off"}) {
        w.window.live()->liveAction()->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return liveColumn(0) == state; }, 10000))
            << w.prompts->errors.join('\n').toStdString();
        EXPECT_EQ(liveColumn(1), "off");
    }
    // The History shown follows what the journal keeps of the unit, without being opened again:
    // a comparison and the rows sent from it, a part alone, are listed as they are kept.
    w.window.model().setZoneName(1, "Hall");
    ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
    w.window.comparison()->dialog()->sendButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }, 20000));
    const QStringList causes = {"compare", "Send Selected", "as found before a send", "compare",
                                "site backup"};
    const auto listed = [entries] { // after the visit's row
        return columnTexts(entries->topLevelItem(0), ui::HistoryDialog::kCauseColumn, 1);
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed() == causes; }, 20000))
        << listed().join(", ").toStdString();
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();

    rows->selectRow(1);
    site->compareButton()->click();
    ASSERT_TRUE(w.journalSettled());
    EXPECT_TRUE(w.prompts->errors.value(0).contains("Gone has no backup"))
        << w.prompts->errors.join('\n').toStdString();

    // A name given twice is refused and the row keeps its own; a new unit is saved as a line.
    rows->item(1, ui::SiteTable::kNameColumn)->setText("bar");
    EXPECT_EQ(rows->item(1, ui::SiteTable::kNameColumn)->text(), "Gone");
    EXPECT_FALSE(site->isModified());
    ASSERT_TRUE(site->addUnit("Terrace Left serial:/dev/ttyS9"));
    EXPECT_TRUE(site->isModified());
    ASSERT_TRUE(site->saveSiteAs(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("\nTerrace Left serial:/dev/ttyS9\n"));
}

TEST(FindUnits, FindsAUnitOnARangeAndChoosesItsLink)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(Link::Tcp, {"--config", kFilled}, "127.0.0.83:0"));
    LinkWindow w;
    w.window.findUnitsAction()->trigger();
    ui::FindUnitsDialog* find = w.window.sites()->findUnitsDialog();
    ASSERT_NE(find, nullptr);
    for (int i = 0; i < find->portList()->count(); ++i)
        EXPECT_EQ(find->portList()->item(i)->checkState(), Qt::Unchecked);
    find->rangesBox()->setPlainText("127.0.0.82-127.0.0.84");
    find->portBox()->setValue(unit.address().section(':', 1).toInt());
    QSignalSpy finished(find, &ui::FindUnitsDialog::searchFinished);
    find->searchButton()->click();
    ASSERT_TRUE(finished.wait(20000));
    ASSERT_EQ(find->results()->rowCount(), 1);
    EXPECT_EQ(find->results()->item(0, 2)->text(), "Room 01");
    find->useButton()->click();
    EXPECT_EQ(w.link.linkMode(), link::LinkMode::Telnet);
    EXPECT_EQ(w.link.host(), unit.address());
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
}

TEST(UnitIdentity, ExportAsksBeforeAnotherUnitsConfigurationGoesToAUnit)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(Link::Tcp, {"--config", kFilled}));
    LinkWindow w;
    w.chooseTelnet(unit.address());
    ASSERT_TRUE(w.runToEnd(w.window.importAction())); // the journal knows the unit now
    w.window.model().setZoneName(1, "Hall");
    ASSERT_TRUE(w.runToEnd(w.window.exportAction())); // an edit of its own: no question
    EXPECT_TRUE(w.prompts->confirmations.isEmpty());

    ASSERT_TRUE(w.runToEnd(w.window.newZel16Action()));
    const qsizetype received = unit.receivedCommands().size();
    ASSERT_TRUE(w.runToEnd(w.window.exportAction())); // the unit read, then Cancel
    ASSERT_EQ(w.prompts->confirmations.size(), 1);
    const QString question = w.prompts->confirmations[0];
    EXPECT_TRUE(question.contains("This configuration: ZEL-16, zone 1 \"Zone Name 1\""))
        << question.toStdString();
    // What the read found the unit holds since the export: its zone 1 is "Hall" now.
    EXPECT_TRUE(question.contains("ZEL-16, zone 1 \"Hall\"")) << question.toStdString();
    QStringList sent = unit.receivedCommands().mid(received);
    sent.removeAll(QStringLiteral("[]"));
    EXPECT_EQ(sent, QStringList{"[QXSB]"}) << "read, nothing sent";
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void git(const QString& folder, const QStringList& arguments)
{
    QProcess process;
    process.start("git", QStringList{"-C", folder, "-c", "user.name=Installer", "-c",
                                     "user.email=installer@example.com"} +
                             arguments);
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

// A colleague's backups of the site's Bar in the site's history: its zone 1 "Hall A", then "Hall
// B". Returns the site file, which names the history.
QString siteWithHistory(const QTemporaryDir& folder, const QString& link)
{
    QFile filled(kFilled);
    EXPECT_TRUE(filled.open(QIODevice::ReadOnly));
    const QByteArray text = filled.readAll();
    const QString history = folder.filePath("history");
    git(folder.path(), {"init", "-q", "history"});
    QDir(history).mkpath("hotel");
    for (const QByteArray name : {"Hall A", "Hall B"}) {
        QByteArray unitText = text;
        unitText.replace("[NO1\"Room 01\"]", "[NO1\"" + name + "\"]");
        writeBytes(history + "/hotel/Bar.zel",
                   session::unitFileText({"Bar", "tcp:" + link, "ZEL-16", {}}, unitText));
        git(history, {"add", "hotel/Bar.zel"});
        git(history, {"commit", "-q", "-m",
                      name == "Hall A" ? "hotel: 1 new (Bar)" : "hotel: 1 changed (Bar)"});
    }
    const QString site = folder.filePath("hotel.zelsite");
    writeBytes(site, "# zelconfig history: history\nBar tcp:" + link.toLatin1() + "\n");
    return site;
}

TEST(SiteHistoryWindow, ListsAUnitsCommitsAndRestoresOneReadingTheUnitFirst)
{
    ZelSimProcess bar;
    ASSERT_TRUE(bar.start(Link::Tcp, {"--config", kFilled}, "127.0.0.86:0"));
    const QTemporaryDir folder;
    LinkWindow w;
    ui::SiteWindow* site = w.window.sites()->showSiteWindow();
    ASSERT_TRUE(openAndShow(site, siteWithHistory(folder, bar.address())));
    site->table()->selectRow(0);
    site->historyButton()->click();
    ui::HistoryDialog* history = site->historyDialog();
    ASSERT_TRUE(QTest::qWaitFor([&] { return history->commitsItem() != nullptr; }, 20000))
        << history->commitsNoteLabel()->text().toStdString();
    QTreeWidgetItem* commits = history->commitsItem();
    ASSERT_EQ(commits->childCount(), 2);
    EXPECT_TRUE(commits->text(0).startsWith("Bar: commits in the site's history"));
    const QTreeWidgetItem* first = commits->child(1);
    const QString commitText = first->text(2); // the rows are made again as the journal grows
    EXPECT_TRUE(commitText.startsWith("commit ")) << commitText.toStdString();
    EXPECT_TRUE(commitText.endsWith(" by Installer")) << commitText.toStdString();
    EXPECT_EQ(first->text(5), "hotel: 1 new (Bar)");
    EXPECT_EQ(history->list()->currentItem(), commits->child(0)) << "the newest, on a new laptop";

    // Restore to Unit of the first backup: the unit is read (and journaled) before it is sent.
    history->list()->setCurrentItem(commits->child(1));
    w.prompts->confirmAnswer = true;
    history->restoreButton()->click();
    // The question comes once the commit was read, off the window's thread; then the unit is read.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.prompts->confirmations.isEmpty(); }, 20000));
    ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }, 30000));
    ASSERT_TRUE(w.journalSettled());
    expectOne(w.prompts->confirmations,
              "kept in the site's history at commit " + commitText.mid(7, 7));
    EXPECT_TRUE(w.prompts->confirmations.value(0).contains("to the unit Bar (tcp:")) << "by name";
    const QList<journal::Entry> entries = w.link.journal().entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].direction, journal::Direction::ToUnit);
    EXPECT_TRUE(entries[0].whole);
    EXPECT_EQ(entries[1].direction, journal::Direction::FromUnit);
    EXPECT_TRUE(w.link.journal().text(entries[1])->contains("[NO1\"Room 01\"]")) << "as found";
    const QStringList received = bar.receivedCommands();
    EXPECT_GE(received.indexOf("[QXSB]"), 0);
    EXPECT_LT(received.indexOf("[QXSB]"), received.indexOf("[NO1\"Hall A\"]"));
    EXPECT_EQ(w.link.host(), bar.address());

    // Open brings the newest commit into the editor.
    history->list()->setCurrentItem(history->commitsItem()->child(0));
    history->openButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.window.model().zoneName(1) == "Hall B"; }, 20000));

    // The window's own History, its link at the site's unit, lists the commits as well.
    w.window.historyAction()->trigger();
    ui::HistoryDialog* main = w.window.history()->dialog();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->commitsItem() != nullptr; }, 20000));
    ASSERT_EQ(main->commitsItem()->childCount(), 2);
    // The commit chosen stays chosen when the journal's entries are shown again after a transfer.
    main->list()->setCurrentItem(main->commitsItem()->child(1));
    const QString chosen = main->chosenCommit()->commit;
    main->showEntries(w.link.journal().entries(), w.link.journal().folder());
    ASSERT_TRUE(main->chosenCommit());
    EXPECT_EQ(main->chosenCommit()->commit, chosen);
    // A link to a unit the site does not name: the journal alone.
    w.chooseTelnet("127.0.0.1:2");
    w.window.historyAction()->trigger();
    ASSERT_TRUE(w.journalSettled());
    EXPECT_EQ(main->commitsItem(), nullptr);
}

TEST(SiteHistoryWindow, ShowsNoCommitsAndSaysWhyWhenThereIsNoHistoryToRead)
{
    const QTemporaryDir folder;
    const QString link = "127.0.0.87:2323";
    const QString withHistory = siteWithHistory(folder, link);
    const QString noHistory = folder.filePath("plain.zelsite");
    writeBytes(noHistory, "Bar tcp:" + link.toLatin1() + "\n");
    const QString elsewhere = folder.filePath("away/hotel.zelsite");
    QDir(folder.path()).mkpath("away");
    QFile::copy(withHistory, elsewhere);
    struct Case {
        const char* what;
        QString site;
        QByteArray path; // PATH while it lists; empty: as it is
        QString note;
    };
    const QList<Case> cases = {
        {"the site names no history", noHistory, {}, "the site names no history"},
        {"no clone where the site says", elsewhere, {}, "does not exist: clone the history"},
        {"git missing", withHistory, "/nonexistent", "the git command is missing"},
    };
    const QByteArray path = qgetenv("PATH");
    LinkWindow w;
    ui::SiteWindow* site = w.window.sites()->showSiteWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(openAndShow(site, c.site));
        site->table()->selectRow(0);
        qputenv("PATH", c.path.isEmpty() ? path : c.path);
        site->historyButton()->click();
        QLabel* note = site->historyDialog()->commitsNoteLabel();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !note->text().startsWith("Listing"); }, 20000));
        qputenv("PATH", path);
        EXPECT_TRUE(note->text().contains(c.note)) << note->text().toStdString();
        EXPECT_EQ(site->historyDialog()->commitsItem(), nullptr);
    }
}

TEST(SiteWindow, OpensASiteFileOffItsThreadAndSaysWhyOneCannotBeUsed)
{
    const QTemporaryDir folder;
    const QString hotel = folder.filePath("hotel.zelsite");
    const QString notes = folder.filePath("notes.zelsite");
    writeBytes(hotel, "Bar tcp:127.0.0.88:2323\nLobby tcp:127.0.0.88:2324\n");
    writeBytes(notes, "the bar's amplifier\n");
    struct Case {
        const char* what;
        QString path;
        QString says; // in the message; empty: the site shows, its two units in rows
    };
    const QList<Case> cases = {
        {"a site", hotel, {}},
        {"a file that is not there", folder.filePath("gone.zelsite"), "is not there"},
        {"a folder", folder.path(), "cannot be opened"},
        {"a file that is not a site", notes, "is not a site file"},
    };
    LinkWindow w;
    ui::SiteWindow* site = w.window.sites()->showSiteWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        site->newSite();
        w.prompts->errors.clear();
        ASSERT_TRUE(site->openSite(c.path));
        EXPECT_EQ(site->table()->rowCount(), 0) << "shown before it was read";
        ASSERT_TRUE(waitUntil(
            [&] { return site->path() == c.path || !w.prompts->errors.isEmpty(); }, 10000));
        EXPECT_EQ(site->table()->rowCount(), c.says.isEmpty() ? 2 : 0);
        EXPECT_EQ(w.prompts->errors.size(), c.says.isEmpty() ? 0 : 1);
        EXPECT_TRUE(w.prompts->errors.join('\n').contains(c.says))
            << w.prompts->errors.join('\n').toStdString();
    }
}

} // namespace
} // namespace zel::test
