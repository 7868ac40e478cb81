// Sites in the window, against the simulated unit on loopback: the site window backs up its
// units and opens, compares and lists them; Find Units picks a unit's link; Export asks before
// another unit's configuration goes to a unit.
#include "link_window_fixture.h"

#include "link/absent_units.h"
#include "link/zelsim_process.h"
#include "ui/history/history_dialog.h"
#include "ui/live/live_controller.h"
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_table.h"
#include "ui/site/site_window.h"

#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

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
    ASSERT_TRUE(site->openSite(path)) << w.prompts->errors.join('\n').toStdString();
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
    ASSERT_NE(site->historyDialog(), nullptr);
    EXPECT_EQ(site->historyDialog()->list()->topLevelItem(0)->childCount(), 1);
    // Keep there marks the entry, the window's own History never shown.
    QTreeWidget* entries = site->historyDialog()->list();
    entries->setCurrentItem(entries->topLevelItem(0)->child(0));
    site->historyDialog()->keepButton()->click();
    EXPECT_TRUE(w.link.journal().entries().value(0).kept);
    site->openButton()->click();
    EXPECT_EQ(w.link.linkMode(), link::LinkMode::Telnet);
    EXPECT_EQ(w.link.host(), bar.address());
    EXPECT_EQ(w.window.model().zoneName(1), "Room 01");
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
    rows->selectRow(1);
    site->compareButton()->click();
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

} // namespace
} // namespace zel::test
