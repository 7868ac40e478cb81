// A visit to a site of three simulated units, through the window alone: Find Units > Add to Site,
// Back Up Site, Open (the editor in front, naming the unit), an edit, Send Selected, the unit's
// and the site's reports, read back.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_dialog.h"
#include "ui/site/add_found_units_dialog.h"
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_table.h"
#include "ui/site/site_window.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace zel::test {
namespace {

// zelsim's options for the filled configuration with zone 1 named `zone1`, kept in `folder`.
QStringList unitNamed(const QTemporaryDir& folder, const QByteArray& zone1)
{
    QFile filled(QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel"));
    QFile file(folder.filePath(QString::fromLatin1(zone1) + ".zel"));
    EXPECT_TRUE(filled.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly));
    file.write(filled.readAll().replace("[NO1\"Room 01\"]", "[NO1\"" + zone1 + "\"]"));
    return {"--config", file.fileName()};
}

TEST(SiteVisit, FindAddBackUpOpenEditAndSendSelectedToOneOfThreeUnits)
{
    const QTemporaryDir folder;
    ZelSimProcess lobby, bar, terrace;
    ASSERT_TRUE(lobby.start(ZelSimProcess::Link::Tcp, unitNamed(folder, "Lobby"), "127.0.0.91:0"));
    const QString port = lobby.address().section(':', -1);
    ASSERT_TRUE(
        bar.start(ZelSimProcess::Link::Tcp, unitNamed(folder, "Bar"), "127.0.0.92:" + port));
    ASSERT_TRUE(terrace.start(ZelSimProcess::Link::Pty, unitNamed(folder, "Terrace")));
    LinkWindow w;
    w.window.show();

    // 1. Find Units over both addresses and the terminal: the list takes the keys.
    w.window.findUnitsAction()->trigger();
    ui::FindUnitsDialog* find = w.window.sites()->findUnitsDialog();
    EXPECT_EQ(find->portList()->accessibleName(), "Serial ports");
    EXPECT_EQ(find->progressBar()->accessibleName(), "Search progress");
    find->rangesBox()->setPlainText("127.0.0.91-127.0.0.92");
    find->portBox()->setValue(port.toInt());
    find->typedPortBox()->setText(terrace.address());
    QSignalSpy searched(find, &ui::FindUnitsDialog::searchFinished);
    find->searchButton()->click();
    ASSERT_TRUE(searched.wait(30000));
    ASSERT_EQ(find->results()->rowCount(), 3) << find->statusLabel()->text().toStdString();
    EXPECT_GE(find->results()->currentRow(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return find->results()->hasFocus(); }, 5000));

    // 2. All ticked, added to a new site in one step, each under its first zone's name.
    for (int row = 0; row < 3; ++row)
        find->results()->item(row, 0)->setCheckState(Qt::Checked);
    find->addToSiteButton()->click();
    ui::AddFoundUnitsDialog* adding = w.window.sites()->addFoundUnitsDialog();
    ASSERT_NE(adding, nullptr);
    QStringList proposed;
    for (const session::SiteUnit& unit : adding->units())
        proposed << unit.name + ' ' + unit.link.text();
    proposed.sort();
    EXPECT_EQ(proposed.join(", "), "Bar tcp:" + bar.address() + ", Lobby tcp:" + lobby.address() +
                                       ", Terrace serial:" + terrace.address());
    adding->addButton()->click();
    ui::SiteWindow* site = w.window.sites()->siteWindow();
    ASSERT_TRUE(site && site->site().units.size() == 3)
        << w.prompts->errors.join('\n').toStdString();
    EXPECT_TRUE(site->isModified());

    // 3. Back Up Site: every unit read and kept.
    QSignalSpy backedUp(site, &ui::SiteWindow::runFinished);
    site->backUpAction()->trigger();
    ASSERT_TRUE(backedUp.wait(60000));
    QTableWidget* rows = site->table();
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(rows->item(row, ui::SiteTable::kResultColumn)->text().startsWith("backed up"));

    // 4. Open the Lobby: its backup in the editor, which comes to the front named by the site.
    w.window.showMinimized();
    QTableWidgetItem* lobbyRow = rows->findItems("Lobby", Qt::MatchExactly).value(0);
    rows->setCurrentItem(lobbyRow);
    site->openButton()->click();
    ASSERT_TRUE(w.journalSettled()); // its backup is looked for off the window's thread
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w.window));
    EXPECT_FALSE(w.window.isMinimized());
    EXPECT_EQ(w.window.windowTitle(), "Lobby \u2013 New Site \u2013 ZEL Configuration");
    EXPECT_EQ(w.window.model().zoneName(1), "Lobby");

    // 5. An edit, sent with Send Selected; the status line and Compare name the unit.
    w.window.model().setZoneName(2, "Lobby Left");
    ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
    const QString named = "Lobby (tcp:" + lobby.address() + ")";
    ui::CompareDialog* compared = w.window.comparison()->dialog();
    EXPECT_TRUE(compared->heading()->text().contains("Compared with " + named + "."));
    EXPECT_TRUE(w.window.statusText().contains(named)) << w.window.statusText().toStdString();
    compared->sendButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }, 30000));
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();

    // History heads the Lobby's entries by its name, each saying why it was made (Compare reads
    // the unit again once the rows are sent).
    w.window.historyAction()->trigger();
    ASSERT_TRUE(w.journalSettled());
    const QList<QTreeWidgetItem*> lobbyGroup =
        w.window.history()->dialog()->list()->findItems(named, Qt::MatchExactly);
    ASSERT_EQ(lobbyGroup.size(), 1);
    EXPECT_EQ(columnTexts(lobbyGroup[0], ui::HistoryDialog::kCauseColumn, 1),
              (QStringList{"compare", "Send Selected", "as found before a send", "compare",
                           "site backup"}));

    // 6. The handover: the unit's report is named by it; the site's lists the three units, the
    // Lobby with the one change its visit made (measured from its backup of this morning).
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    w.prompts->onReport = [&](const ui::ReportQuestion& question) {
        return std::optional(ui::ReportChoice{folder.filePath(question.site + ".html"),
                                              question.site,
                                              {},
                                              {},
                                              {},
                                              question.baseline,
                                              {}});
    };
    ASSERT_TRUE(site->saveSiteAs(folder.filePath("Hotel.zelsite")));
    w.window.reportAction()->trigger();
    ASSERT_TRUE(w.journalSettled()); // the report waits for the journal's work in hand
    site->reportAction()->trigger();
    ASSERT_EQ(w.prompts->reportQuestions.size(), 2);
    EXPECT_EQ(QFileInfo(w.prompts->reportQuestions[0].path).completeBaseName(), "Lobby " + today);
    EXPECT_EQ(QFileInfo(w.prompts->reportQuestions[1].path).completeBaseName(), "Hotel " + today);
    QFile siteReport(folder.filePath("Hotel.html"));
    ASSERT_TRUE(siteReport.open(QIODevice::ReadOnly));
    const QString handedOver = QString::fromUtf8(siteReport.readAll());
    for (const QString& row : {"<td>Lobby</td><td>tcp:" + lobby.address() + "</td><td>1</td>",
                               "<td>Bar</td><td>tcp:" + bar.address() + "</td><td>none</td>",
                               "<td>Terrace</td><td>serial:" + terrace.address() + "</td><td>none"})
        EXPECT_TRUE(handedOver.contains(row)) << row.toStdString();

    // 7. Read back, the unit holds the edit (what the window held is given up); the others not.
    w.window.model().setZoneName(2, "edited here only");
    w.prompts->confirmAnswer = true;
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneName(2), "Lobby Left");
    for (ZelSimProcess* other : {&bar, &terrace})
        EXPECT_FALSE(other->receivedCommands().contains("[NO2\"Lobby Left\"]"));
    // The title follows the site's name and the unit's; another unit's link and a file end it.
    lobbyRow->setText("Foyer");
    EXPECT_EQ(w.window.windowTitle(), "Foyer \u2013 Hotel \u2013 ZEL Configuration");
    w.chooseTelnet(bar.address());
    EXPECT_EQ(w.window.windowTitle(), "tcp:" + bar.address() + " \u2013 ZEL Configuration");
    w.window.fileModeAction()->trigger();
    EXPECT_EQ(w.window.windowTitle(), "ZEL Configuration");
}

} // namespace
} // namespace zel::test
