// A visit to a site of three units, simulated on loopback and a pseudo-terminal, through the
// window alone: Find Units > Add to Site, Back Up Site, Open (the editor in front, naming the
// unit), an edit, Send Selected, and the unit read back.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/site/add_found_units_dialog.h"
#include "ui/site/find_units_dialog.h"
#include "ui/site/site_controller.h"
#include "ui/site/site_table.h"
#include "ui/site/site_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <map>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;

// The filled configuration with zone 1 named `zone1`, as a file in `folder`.
QString unitConfiguration(const QTemporaryDir& folder, const QByteArray& zone1)
{
    QFile filled(QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel"));
    EXPECT_TRUE(filled.open(QIODevice::ReadOnly));
    QByteArray text = filled.readAll();
    text.replace("[NO1\"Room 01\"]", "[NO1\"" + zone1 + "\"]");
    const QString path = folder.filePath(QString::fromLatin1(zone1) + ".zel");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

TEST(SiteVisit, FindAddBackUpOpenEditAndSendSelectedToOneOfThreeUnits)
{
    // Three units: two on loopback at one port, one on a pseudo-terminal.
    const QTemporaryDir folder;
    ZelSimProcess lobby, bar, terrace;
    ASSERT_TRUE(
        lobby.start(Link::Tcp, {"--config", unitConfiguration(folder, "Lobby")}, "127.0.0.91:0"))
        << lobby.error().toStdString();
    const QString port = lobby.address().section(':', -1);
    ASSERT_TRUE(
        bar.start(Link::Tcp, {"--config", unitConfiguration(folder, "Bar")}, "127.0.0.92:" + port))
        << bar.error().toStdString();
    ASSERT_TRUE(terrace.start(Link::Pty, {"--config", unitConfiguration(folder, "Terrace")}))
        << terrace.error().toStdString();
    LinkWindow w;
    w.window.show();

    // 1. Find Units over the two loopback addresses and the terminal; the list takes the keys.
    w.window.findUnitsAction()->trigger();
    ui::FindUnitsDialog* find = w.window.sites()->findUnitsDialog();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->portList()->accessibleName(), "Serial ports");
    EXPECT_EQ(find->progressBar()->accessibleName(), "Search progress");
    find->rangesBox()->setPlainText("127.0.0.91-127.0.0.92");
    find->portBox()->setValue(port.toInt());
    find->typedPortBox()->setText(terrace.address());
    QSignalSpy searched(find, &ui::FindUnitsDialog::searchFinished);
    find->searchButton()->click();
    ASSERT_TRUE(searched.wait(30000));
    QTableWidget* results = find->results();
    ASSERT_EQ(results->rowCount(), 3) << find->statusLabel()->text().toStdString();
    EXPECT_GE(results->currentRow(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return results->hasFocus(); }, 5000));
    EXPECT_FALSE(find->addToSiteButton()->isEnabled()) << "nothing ticked yet";

    // 2. All three ticked and added to a new site, each under its first zone's name.
    for (int row = 0; row < 3; ++row)
        results->item(row, 0)->setCheckState(Qt::Checked);
    find->addToSiteButton()->click();
    ui::AddFoundUnitsDialog* adding = w.window.sites()->addFoundUnitsDialog();
    ASSERT_NE(adding, nullptr);
    std::map<QString, QString> proposed; // link -> name
    for (const session::SiteUnit& unit : adding->units())
        proposed[unit.link.text()] = unit.name;
    const std::map<QString, QString> expected{{"tcp:" + lobby.address(), "Lobby"},
                                              {"tcp:" + bar.address(), "Bar"},
                                              {"serial:" + terrace.address(), "Terrace"}};
    EXPECT_EQ(proposed, expected);
    adding->addButton()->click();
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
    ui::SiteWindow* site = w.window.sites()->siteWindow();
    ASSERT_NE(site, nullptr);
    ASSERT_EQ(site->site().units.size(), 3);
    EXPECT_TRUE(site->isModified());
    // Found again, they are not added twice.
    find->addToSiteButton()->click();
    adding = w.window.sites()->addFoundUnitsDialog();
    ASSERT_NE(adding, nullptr);
    EXPECT_TRUE(adding->units().isEmpty());
    EXPECT_FALSE(adding->addButton()->isEnabled());
    EXPECT_TRUE(adding->noteLabel()->text().contains("tcp:" + lobby.address()));
    adding->reject();
    EXPECT_EQ(site->site().units.size(), 3);

    // 3. Back Up Site: every unit read and kept.
    QSignalSpy backedUp(site, &ui::SiteWindow::runFinished);
    site->backUpAction()->trigger();
    ASSERT_TRUE(backedUp.wait(60000));
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(site->table()
                        ->item(row, ui::SiteTable::kResultColumn)
                        ->text()
                        .startsWith("backed up: "))
            << site->table()->item(row, ui::SiteTable::kResultColumn)->text().toStdString();

    // 4. Open the Lobby: its backup in the editor, which comes to the front, named by the site.
    w.window.showMinimized();
    int lobbyRow = 0;
    while (site->site().units[lobbyRow].name != "Lobby")
        ++lobbyRow;
    site->table()->selectRow(lobbyRow);
    site->openButton()->click();
    EXPECT_FALSE(w.window.isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w.window));
    EXPECT_EQ(w.window.windowTitle(), "Lobby \u2013 New Site \u2013 ZEL Configuration");
    EXPECT_EQ(w.window.model().zoneName(1), "Lobby");
    EXPECT_EQ(w.link.host(), lobby.address());

    // 5. An edit, sent with Send Selected; the status line and Compare name the unit.
    w.window.model().setZoneName(2, "Lobby Left");
    ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
    const QString named = "Lobby (tcp:" + lobby.address() + ")";
    ui::CompareDialog* compared = w.window.comparison()->dialog();
    ASSERT_NE(compared, nullptr);
    EXPECT_TRUE(compared->heading()->text().contains("Compared with " + named))
        << compared->heading()->text().toStdString();
    EXPECT_TRUE(w.window.statusText().contains(named)) << w.window.statusText().toStdString();
    compared->sendButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }, 30000));
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();

    // 6. The unit read back holds the edit; the others are as they were.
    w.window.model().setZoneName(2, "edited here only");
    w.prompts->confirmAnswer = true; // discard the edit above: the unit is the truth
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneName(2), "Lobby Left");
    EXPECT_EQ(w.window.windowTitle(), "Lobby \u2013 New Site \u2013 ZEL Configuration");
    EXPECT_FALSE(bar.receivedCommands().contains("[NO2\"Lobby Left\"]"));
    EXPECT_FALSE(terrace.receivedCommands().contains("[NO2\"Lobby Left\"]"));

    // Another link: the site's name for the Lobby is gone from the title.
    w.chooseTelnet(bar.address());
    EXPECT_EQ(w.window.windowTitle(), "tcp:" + bar.address() + " \u2013 ZEL Configuration");
}

} // namespace
} // namespace zel::test
