// "Compare with Unit" against the simulated unit over TCP and a pseudo-terminal, and with a file
// in File Mode: what the dialog lists, and that nothing being edited changes.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/grids/grid_test_support.h"
#include "ui/grids/matrix_grid.h"
#include "ui/pages/groups_page.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/editor_page_set.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <tuple>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

// The dialog's rows: page caption, then "member | being edited | other side" per difference.
QStringList dialogRows(const ui::CompareDialog& dialog)
{
    QStringList rows;
    const QTreeWidget* list = dialog.list();
    for (int p = 0; p < list->topLevelItemCount(); ++p) {
        const QTreeWidgetItem* page = list->topLevelItem(p);
        rows << page->text(0);
        for (int d = 0; d < page->childCount(); ++d) {
            const QTreeWidgetItem* row = page->child(d);
            rows << row->text(0) + " | " + row->text(1) + " | " + row->text(2);
        }
    }
    return rows;
}

// What must not change: the model, both text boxes, the page and the records on view.
QStringList editingState(LinkWindow& w)
{
    const auto* zones = w.window.pageSet().zoneAudioPage()->findChild<QListWidget*>("zoneList");
    return writerLines(w.window) + w.configurationLines() + w.logLines() +
           QStringList{QString::number(w.window.tabs()->currentIndex()),
                       QString::number(zones->currentRow())};
}

TEST(CompareWithUnit, ListsWhatDiffersAndLeavesWhatIsEditedAsItWas)
{
    struct Case {
        const char* what;
        std::function<void(ui::MainWindow&)> edit;
        QStringList faults;   // of a unit of the case's own; empty: the unit it was imported from
        QStringList rows;     // the dialog's rows, from the first difference's page on
        QString heading;      // part of the dialog's heading; empty: no dialog
        QString error;        // part of the one error box; empty: none
        bool tcpOnly = false; // a unit that is not there
        QString status = {};  // part of the status line
        bool exportFirst = false; // to the unit imported from, before comparing
    };
    const QList<Case> cases = {
        {"equal", {}, {}, {"No differences"}, "has not been exported", {}},
        {"names and audio",
         [](ui::MainWindow& w) {
             w.model().setZoneName(2, "Den");
             w.model().zoneAudio(3).volume = -30;
         },
         {},
         {"Source / Zone Naming", "Zone 2 name | \"Den\" | \"Room 02\"", "Zone Audio Controls",
          "Zone 3 volume | -30 | -12"},
         "Compared with ",
         {}},
        {"favorites and network",
         [](ui::MainWindow& w) {
             w.model().setConnection(2, 1, 1, "A");
             w.model().network().dhcp = true;
         },
         {},
         {"Favorites", "Favorite 2: zone 1 plays source 1 | yes | no", "Network",
          "DHCP | on | off"},
         "Compared with ",
         {}},
        // clang-format off
        {"a unit that is not there", {}, {"not there"}, {}, {}, "127.0.0.1:1", true,
         " Comparison failed from host: 127.0.0.1:1: Connection refused"},
        {"an incomplete dump", {}, {"--close-after", "100"}, {}, "did not come whole", {}},
        // Only the unit exported to may not have taken it. Last: it changes the others' unit.
        {"another unit after an export to the first", [](ui::MainWindow& w) {
             w.model().zoneAudio(3).volume = -30; }, {"--close-after", "9999"},
         {"Zone 3 volume | -30 | -12"}, "has not been exported", {}, false, {}, true},
        // clang-format on
    };
    for (const Link link : {Link::Tcp, Link::Pty}) {
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(link, {"--config", kFilled})) << unit.error().toStdString();
        for (const Case& c : cases) {
            if (c.tcpOnly && link != Link::Tcp)
                continue;
            SCOPED_TRACE(std::string(link == Link::Tcp ? "tcp: " : "pty: ") + c.what);
            LinkWindow w;
            const auto choose = [&](const QString& address) {
                if (link == Link::Tcp)
                    w.chooseTelnet(address);
                else
                    w.chooseSerial(address);
            };
            choose(unit.address());
            ASSERT_TRUE(w.runToEnd(w.window.importAction()));
            if (c.edit)
                c.edit(w.window);
            if (c.exportFirst) {
                ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
            }
            ZelSimProcess other;
            if (c.faults == QStringList{"not there"}) {
                choose(QStringLiteral("127.0.0.1:1"));
            } else if (!c.faults.isEmpty()) {
                const QStringList faults =
                    link == Link::Tcp ? c.faults : QStringList{"--silent-after", c.faults[1]};
                ASSERT_TRUE(other.start(link, faults + QStringList{"--config", kFilled}));
                choose(other.address());
            }
            w.window.commitAndRefresh();
            const QStringList before = editingState(w);

            ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
            EXPECT_EQ(editingState(w), before) << "nothing being edited changes";
            ui::CompareDialog* dialog = w.window.comparison()->dialog();
            if (c.heading.isEmpty()) {
                EXPECT_TRUE(dialog == nullptr || !dialog->isVisible());
            } else {
                ASSERT_NE(dialog, nullptr);
                EXPECT_TRUE(dialog->heading()->text().contains(c.heading))
                    << dialog->heading()->text().toStdString();
                if (!c.rows.isEmpty()) {
                    const QStringList rows = dialogRows(*dialog);
                    EXPECT_EQ(rows.mid(static_cast<qsizetype>(rows.indexOf(c.rows.first())),
                                       c.rows.size()),
                              c.rows)
                        << rows.join('\n').toStdString();
                }
            }
            EXPECT_TRUE(w.window.statusText().contains(c.status))
                << w.window.statusText().toStdString();
            expectOne(w.prompts->errors, c.error);
        }
    }
}

TEST(CompareWithUnit, AfterAnExportVerifiesAndARowLeadsToItsPage)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(Link::Tcp, {"--config", kFilled})) << unit.error().toStdString();
    LinkWindow w;
    w.chooseTelnet(unit.address());
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    w.window.model().zoneAudio(3).volume = -30;
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));

    ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
    ui::CompareDialog* dialog = w.window.comparison()->dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->heading()->text().contains("was exported to the unit since it was loaded, "
                                                   "and not changed since"));
    EXPECT_EQ(dialogRows(*dialog), QStringList{"No differences"});
    EXPECT_EQ(w.window.statusText(), " Compared with host: " + unit.address() + ": no differences");

    // A file holding another volume: the row leads to zone 3 on its page. Its name holds what
    // arg() would take for its own.
    QTemporaryDir folder;
    w.window.model().zoneAudio(3).volume = -40;
    w.window.fileModeAction()->trigger();
    w.prompts->saveAnswer = folder.filePath("saved %2 %1.zel");
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    w.window.model().zoneAudio(3).volume = -30;
    const bool member = !w.window.model().groupMark(1, 5).empty();
    w.window.model().setGroupMark(1, 5, member ? "" : "G");
    w.prompts->openAnswer = w.prompts->saveAnswer;
    dialog->hide();
    ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
    EXPECT_EQ(dialog->list()->headerItem()->text(2), QStringLiteral("In the file"));
    EXPECT_EQ(w.window.statusText(),
              " Compared with file: " + QDir::toNativeSeparators(w.prompts->saveAnswer) +
                  ": 2 differences");
    // Shown again beside the window, inside the screen.
    EXPECT_TRUE(w.window.screen()->availableGeometry().contains(dialog->frameGeometry().topLeft()));

    // Each row leads to its page, and a member of a matrix to its own cell.
    const ui::EditorPageSet& pages = w.window.pageSet();
    const std::tuple<QString, QWidget*, std::function<int()>, int> rows[] = {
        {"Zone 3 volume", pages.zoneAudioPage(),
         [&] { return pages.zoneAudioPage()->findChild<QListWidget*>("zoneList")->currentRow(); },
         2},
        {"Group 1: zone 5", pages.groupsPage(),
         [&] { return pages.groupsPage()->matrix()->currentIndex().row(); }, 4},
    };
    for (const auto& [member, page, shownRow, expectedRow] : rows) {
        SCOPED_TRACE(member.toStdString());
        const auto found = dialog->list()->findItems(member, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        emit dialog->list()->itemActivated(found.first(), 0);
        EXPECT_EQ(w.window.tabs()->currentWidget(), page);
        EXPECT_EQ(shownRow(), expectedRow);
    }
    EXPECT_TRUE(dialog->text().contains("  Zone 3 volume: -30 -> -40\n")) << "copied as text";
}

// Send Selected: what the unit takes, from what it holds now, and what the window says after.
TEST(CompareWithUnit, SendSelectedSendsTheTickedRowsFromWhatTheUnitHoldsNow)
{
    const QString fragment = QStringLiteral(ZEL_SOURCE_DIR "/fuzz/seeds/audio_without_mode.zel");
    using Step = std::function<void(LinkWindow&, const QString& unit)>;
    // clang-format off
    const Step import = [](LinkWindow& w, const QString&) { ASSERT_TRUE(w.runToEnd(w.window.importAction())); };
    const auto importAnd = [import](std::function<void(model::ConfigModel&)> edit) {
        return [import, edit](LinkWindow& w, const QString&) { import(w, {}); edit(w.window.model()); };
    };
    const auto renamed = importAnd([](model::ConfigModel& m) { m.setZoneName(1, "Hall"); });
    const auto zone5 = importAnd([](model::ConfigModel& m) { m.zoneAudio(5).volume = -30; m.zoneAudio(5).balance = -20; });
    // clang-format on
    struct Case {
        const char* what;
        Link link;
        Step prepare; // with the link chosen: what is edited
        QStringList unticked;
        Step beforeSend;
        QStringList sent;     // what the unit takes from the send on, "[]" left out
        QString heading = {}; // part of the dialog's heading at the end
        bool exitAsks = false;
        QString asked = {};           // part of the one question, declined; empty: none
        QString error = {};           // part of the one error box; empty: none
        QStringList unitOptions = {}; // besides the filled configuration
        QByteArray keypad = {};       // a change at the unit's keypad after the comparison
    };
    // Every send reads the unit first, and fetches it again after.
    const QStringList hall = {"[QXSB]", "[NO1\"Hall\"]", "[EC]", "[QXSB]"};
    const QStringList zone5Sent = {"[QXSB]",   "[VO5F0]", "[VO5R-30]", "[EO5M0]",
                                   "[BO5L10]", "[EC]",    "[QXSB]"};
    // clang-format off
    const QList<Case> cases = {
        {"a zone's volume; its balance, unticked, as the unit holds it", Link::Tcp, zone5,
         {"Zone 5 balance"}, {}, zone5Sent, "still differ", true},
        {"a zone's volume; its balance, unticked, as the unit holds it", Link::Pty, zone5,
         {"Zone 5 balance"}, {}, zone5Sent, "still differ", true},
        {"every row: the unit holds what is edited", Link::Tcp,
         importAnd([](model::ConfigModel& m) { m.setZoneName(1, "Hall"); m.setGroupName(3, "Up"); }),
         {}, {}, {"[QXSB]", "[NO1\"Hall\"]", "[NG3\"Up\"]", "[EC]", "[QXSB]"},
         "The selected rows were sent: the unit now holds"},
        {"an EQ mode goes with the settings it brings", Link::Tcp,
         importAnd([](model::ConfigModel& m) { m.setZoneName(1, "Hall");
                                               m.zoneAudio(3).eqMode = model::kEqModeZq; }),
         {"Zone 3 EQ band 2 (64Hz)"}, {}, hall, "go together", true},
        {"read again, then sent", Link::Tcp, renamed, {}, {}, hall, "now holds"},
        {"changed on the unit since: shown, nothing sent", Link::Tcp, renamed, {},
         {}, {"[QXSB]"}, "changed since the comparison (Zone 5 volume: -20 -> -40)", true, {},
         {}, {"--change-after", "2:[VO5R-40]"}},
        {"a transfer since: fetched again, the unit's change shown", Link::Pty, renamed, {},
         [](LinkWindow& w, const QString&) { ASSERT_TRUE(w.runToEnd(w.window.exportAction())); },
         {"[QXSB]"}, "Zone 1 name: \"Room 01\" -> \"Hall\""},
        {"a keypad change since the comparison: read again, shown, nothing sent", Link::Tcp, zone5,
         {"Zone 5 balance"}, {}, {"[QXSB]"}, "changed since the comparison (Zone 5 balance", true,
         {}, {}, {"--control"}, "keypad [BO5R5]"},
        {"after an incomplete import, asked", Link::Tcp,
         [&](LinkWindow& w, const QString& unit) {
             ZelSimProcess other;
             ASSERT_TRUE(other.start(Link::Tcp, {"--close-after", "100", "--config", kFilled}));
             w.chooseTelnet(other.address());
             import(w, {});
             w.chooseTelnet(unit);
         }, {}, {}, {"[QXSB]"}, {}, false, "not read completely"},
        {"a ZEL-8 for the ZEL-16 unit, asked", Link::Tcp,
         [](LinkWindow& w, const QString&) { w.window.newZel8Action()->trigger(); }, {}, {}, {"[QXSB]"}, {}, false,
         "is for a ZEL-8, but the unit "},
        {"a unit whose configuration is not whole, refused", Link::Tcp,
         [](LinkWindow& w, const QString&) { w.window.newZel16Action()->trigger(); }, {}, {}, {}, {}, false, {},
         "did not set the source names", {"--config", fragment}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.link == Link::Tcp ? "tcp: " : "pty: ") + c.what);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(c.link, QStringList{"--config", kFilled} + c.unitOptions))
            << unit.error().toStdString();
        LinkWindow w;
        if (c.link == Link::Tcp)
            w.chooseTelnet(unit.address());
        else
            w.chooseSerial(unit.address());
        c.prepare(w, unit.address());
        ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
        ui::CompareDialog* dialog = w.window.comparison()->dialog();
        ASSERT_TRUE(dialog && dialog->sendButton()->isVisible());
        for (const QString& row : c.unticked) {
            QTreeWidgetItem* item =
                dialog->list()->findItems(row, Qt::MatchExactly | Qt::MatchRecursive).value(0);
            ASSERT_NE(item, nullptr) << row.toStdString();
            item->setCheckState(0, Qt::Unchecked);
        }
        if (c.beforeSend)
            c.beforeSend(w, unit.address());
        if (!c.keypad.isEmpty())
            ASSERT_TRUE(unit.control(c.keypad));
        const qsizetype received = unit.receivedCommands().size();
        w.prompts->confirmations.clear();

        dialog->sendButton()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.window.unitWorkPending(); }, 20000));
        QStringList sent = unit.receivedCommands().mid(received);
        sent.removeAll(QStringLiteral("[]"));
        EXPECT_EQ(sent, c.sent);
        expectOne(w.prompts->confirmations, c.asked);
        expectOne(w.prompts->errors, c.error);
        const QString heading = dialog->heading()->text();
        EXPECT_TRUE(heading.contains(c.heading)) << heading.toStdString();
        // One statement of where the configuration stands, never two that contradict.
        EXPECT_FALSE(heading.contains("rows were sent") &&
                     heading.contains("has not been exported"))
            << heading.toStdString();

        w.prompts->confirmations.clear();
        EXPECT_EQ(!w.window.close(), c.exitAsks);
        EXPECT_EQ(w.prompts->confirmations.size(), c.exitAsks ? 1 : 0);
    }
}

TEST(CompareWithUnit, CompareSaysOnceThatRowsGoTogetherNotesWhyInTheRowsAndShowsManyRows)
{
    model::ConfigModel unit;
    ui::test::readConfiguration(unit, {}, ui::test::unitLines(16));
    model::ConfigModel edited = unit; // every zone locked at another volume: two rows tied
    for (int zone = 1; zone <= 16; ++zone) {
        edited.zoneAudio(zone).volumeLocked = !unit.zoneAudio(zone).volumeLocked;
        edited.zoneAudio(zone).volume = static_cast<int8_t>(unit.zoneAudio(zone).volume - 10);
    }
    ui::CompareDialog dialog;
    dialog.setSendable(true);
    dialog.showDifferences({"Compared."}, "On the unit",
                           {{"Zone Audio Controls", model::compareConfigurations(edited, unit)}});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.heading()->text().count("go together"), 1);
    const QTreeWidgetItem* rows = dialog.list()->topLevelItem(0);
    QMap<QString, int> notes; // each on the two rows of its zone, and in the copied text
    for (int row = 0; row < rows->childCount(); ++row)
        notes[rows->child(row)->text(3)] += dialog.text().contains(rows->child(row)->text(3));
    EXPECT_EQ(notes.values(), QList<int>(16, 2));
    const int inView = dialog.list()->viewport()->height() /
                       dialog.list()->visualItemRect(rows->child(0)).height();
    const int room = dialog.screen()->availableGeometry().height() - 60; // less a title bar
    EXPECT_TRUE(inView >= 25 || dialog.height() >= room) << inView << " rows in view";
}

} // namespace
} // namespace zel::test
