// The unit journal in the window, against the simulated unit over TCP and a pseudo-terminal:
// what every transfer with a unit leaves in it, "History..." with Open, Compare and Restore to
// Unit, and "Send Selected" in the Compare dialog.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"
#include "ui/compare/compare_dialog.h"
#include "ui/compare/unit_comparison.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

// A window with the filled configuration opened in File Mode, then linked to `unit`.
void openFilledFor(LinkWindow& w, Link link, const ZelSimProcess& unit)
{
    w.prompts->openAnswer = kFilled;
    w.window.fileModeAction()->trigger();
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    if (link == Link::Tcp)
        w.chooseTelnet(unit.address());
    else
        w.chooseSerial(unit.address());
}

TEST(JournalInTheWindow, KeepsEveryTransferWithAUnitWholeOrNot)
{
    struct Case {
        Link link;
        QStringList faults;
        QString command; // "import" or "export", cancelled at once when it begins with "cancel"
        QString ending;  // part of how the entry says it ended
    };
    // clang-format off
    const QList<Case> cases = {
        {Link::Tcp, {}, "import", "whole fetch"},
        {Link::Pty, {}, "import", "whole fetch"},
        {Link::Tcp, {"--close-after", "100"}, "import", "incomplete fetch: "},
        {Link::Tcp, {}, "cancel import", "incomplete fetch: cancelled"},
        {Link::Tcp, {}, "export", "whole send"},
        {Link::Pty, {}, "export", "whole send"},
        {Link::Tcp, {"--error-on", "VO1R"}, "export", "incomplete send: the unit answered ERROR at line 134 of 515, acknowledged up to line 133"},
        {Link::Pty, {"--error-on", "VO1R"}, "export", "incomplete send: the unit answered ERROR at line 134 of 515"},
        {Link::Tcp, {"--silent-after", "100"}, "cancel export", "incomplete send: cancelled at line "},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.toStdString() + (c.link == Link::Tcp ? " tcp " : " pty ") +
                     c.faults.join(' ').toStdString());
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(c.link, c.faults + QStringList{"--config", kFilled}));
        LinkWindow w;
        const qsizetype before = w.link.journal().entries().size();
        openFilledFor(w, c.link, unit);
        EXPECT_EQ(w.link.journal().entries().size(), before) << "a file is its own record";

        const bool exporting = c.command.endsWith("export");
        QAction* command = exporting ? w.window.exportAction() : w.window.importAction();
        // An export fetches the unit's configuration first, to know its model; a fault that
        // cuts that fetch short is asked about, and the export goes on.
        w.prompts->confirmAnswer = true;
        QSignalSpy started(&w.link, &ui::LinkController::transferStarted);
        if (c.command.startsWith("cancel")) {
            QObject::connect(&w.link, &ui::LinkController::transferStarted, &w.window, [&] {
                QTimer::singleShot(0, &w.window, [&] {
                    if (exporting ? w.link.isExportRunning() : w.link.isImportRunning())
                        w.link.cancelTransfer();
                });
            });
        }
        ASSERT_TRUE(w.runToEnd(command));
        const QList<journal::Entry> entries = w.link.journal().entries();
        ASSERT_EQ(entries.size(), before + started.count()) << "an entry for every transfer";
        const journal::Entry& newest = entries.front();
        EXPECT_EQ(newest.direction,
                  exporting ? journal::Direction::ToUnit : journal::Direction::FromUnit);
        EXPECT_EQ(newest.unit, w.link.journalUnit());
        EXPECT_TRUE(journal::summaryText(newest).startsWith(c.ending))
            << journal::summaryText(newest).toStdString();
        EXPECT_EQ(newest.cause, exporting ? journal::Cause::Export : journal::Cause::Import);
        if (exporting) {
            EXPECT_EQ(newest.configLines, 497);
            EXPECT_EQ(entries[1].cause, journal::Cause::AsFound) << "the read before it";
        }
    }
}

TEST(JournalInTheWindow, HistoryOpensComparesAndRestoresAnEntry)
{
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(Link::Tcp, {"--config", kFilled}));
    LinkWindow w;
    w.chooseTelnet(unit.address());
    ASSERT_TRUE(w.runToEnd(w.window.importAction())); // what the unit held first
    const QStringList held = writerLines(w.window);
    w.window.model().setZoneName(1, "Hall");
    ASSERT_TRUE(w.runToEnd(w.window.exportAction())); // overwritten

    w.window.historyAction()->trigger();
    ASSERT_TRUE(w.journalSettled());
    ui::HistoryDialog* history = w.window.history()->dialog();
    ASSERT_NE(history, nullptr);
    using D = ui::HistoryDialog;
    const QTreeWidgetItem* unitRow = history->list()->topLevelItem(0);
    ASSERT_EQ(unitRow->text(0), w.link.journalUnit());
    // Newest first, each saying why it was made, after what the unit held when this visit found
    // it: the import, the day's first read, not the export's read of it.
    const QList<journal::Entry> made = w.link.journal().entries();
    const auto time = [&made](int i) { return ui::entryTimeText(made[i]); };
    EXPECT_EQ(columnTexts(unitRow, D::kTimeColumn),
              (QStringList{"Before this visit: " + time(2), time(0), time(1), time(2)}));
    EXPECT_EQ(columnTexts(unitRow, D::kCauseColumn),
              (QStringList{"import", "export", "as found before a send", "import"}));
    EXPECT_EQ(history->list()->currentItem(), unitRow->child(1)) << "the newest entry";
    history->list()->setCurrentItem(history->visitStartItem(w.link.journalUnit()));
    ASSERT_EQ(history->chosenEntry()->file, made[2].file);

    // Kept from the journal's bound, and shown so; the visit's row stays chosen.
    history->keepButton()->click();
    ASSERT_TRUE(w.journalSettled());
    EXPECT_TRUE(w.link.journal().entries()[2].kept);
    EXPECT_EQ(history->list()->currentItem(), history->visitStartItem(w.link.journalUnit()));
    EXPECT_EQ(history->list()->currentItem()->text(D::kKeptColumn), "kept");
    EXPECT_TRUE(history->keepButton()->isChecked());

    history->compareButton()->click();
    const ui::CompareDialog* compared = w.window.comparison()->dialog();
    ASSERT_NE(compared, nullptr);
    EXPECT_TRUE(compared->text().contains("Zone 1 name: \"Hall\" -> \"Room 01\""));
    EXPECT_FALSE(compared->sendButton()->isVisible()) << "only a fetch from a unit is sent";

    // Restore to Unit asks first, naming the unit and the time; the editor stays as it is.
    QSignalSpy finished(&w.link, &ui::LinkController::transferFinished);
    w.prompts->confirmAnswer = true;
    history->restoreButton()->click();
    ASSERT_EQ(w.prompts->confirmations.size(), 1);
    EXPECT_TRUE(w.prompts->confirmations[0].contains(w.link.journalUnit()));
    EXPECT_TRUE(w.prompts->confirmations[0].contains(ui::entryTimeText(*history->chosenEntry())));
    // Then the unit is read, and kept as it was found, before the entry goes; the entry came from
    // this unit, so nothing more is asked.
    ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }, 20000));
    ASSERT_TRUE(w.journalSettled());
    EXPECT_EQ(finished.count(), 2);
    EXPECT_EQ(w.prompts->confirmations.size(), 1);
    const QList<journal::Entry> entries = w.link.journal().entries();
    EXPECT_TRUE(journal::summaryText(entries[0]).startsWith("whole send"));
    EXPECT_EQ(entries[0].cause, journal::Cause::Restore);
    EXPECT_TRUE(journal::summaryText(entries[1]).startsWith("whole fetch"));
    EXPECT_EQ(entries[1].cause, journal::Cause::AsFound);
    EXPECT_TRUE(w.link.journal().text(entries[1])->contains("[NO1\"Hall\"]"));
    EXPECT_EQ(w.window.model().zoneName(1), "Hall");

    // Open asks as Import does; then the unit holds what the editor shows.
    w.window.model().setZoneName(2, "Den");
    history->openButton()->click();
    EXPECT_EQ(w.prompts->confirmations.size(), 2);
    EXPECT_EQ(writerLines(w.window), held);
    ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
    EXPECT_TRUE(w.window.comparison()->dialog()->text().contains("No differences"));
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
}

TEST(JournalInTheWindow, SendSelectedSendsTheCheckedRowsAndComparesAgain)
{
    struct Case {
        Link link;
        std::function<void(model::ConfigModel&)> edit;
        QStringList sent;   // what the unit received after the comparison
        QStringList faults; // of the unit compared with; a fetch that is not whole is refused
    };
    const auto rename = [](model::ConfigModel& m) {
        m.setZoneName(1, "Hall");
        m.setGroupName(3, "Upstairs");
    };
    const QStringList renamed = {"[NO1\"Hall\"]", "[NG3\"Upstairs\"]", "[EC]"};
    // clang-format off
    const QList<Case> cases = {
        {Link::Tcp, rename, renamed, {}},
        {Link::Pty, rename, renamed, {}},
        {Link::Tcp, [](model::ConfigModel& m) { m.zoneAudio(2).volume = -20; },
         {"[VO2F0]", "[VO2R-20]", "[EO2M2]", "[BO2R4]", "[EO2P3]", "[EC]"}, {}},
        {Link::Tcp, rename, {}, {"--close-after", "100"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE((c.link == Link::Tcp ? "tcp " : "pty ") + c.sent.join(' ').toStdString());
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(c.link, c.faults + QStringList{"--config", kFilled}));
        LinkWindow w;
        openFilledFor(w, c.link, unit);
        c.edit(w.window.model());
        ASSERT_TRUE(w.runToEnd(w.window.compareAction()));
        ui::CompareDialog* dialog = w.window.comparison()->dialog();
        ASSERT_TRUE(dialog && dialog->sendButton()->isVisible());
        const qsizetype received = unit.receivedCommands().size();

        dialog->sendButton()->click();
        if (c.sent.isEmpty()) {
            ASSERT_EQ(w.prompts->errors.size(), 1);
            EXPECT_TRUE(w.prompts->errors[0].contains("did not come whole"));
            EXPECT_FALSE(w.link.isTransferRunning()) << "nothing is sent";
            continue;
        }
        // The export, then the fetch and the comparison again.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return !w.link.isTransferRunning() &&
                       dialog->heading()->text().contains("now holds");
            },
            20000));
        EXPECT_TRUE(dialog->text().contains("No differences"));
        QStringList sent = unit.receivedCommands().mid(received);
        sent.removeAll(QStringLiteral("[]"));
        sent.removeAll(QStringLiteral("[QXSB]"));
        EXPECT_EQ(sent, c.sent);
        EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();

        // Kept as a partial send: listed so, and never opened or restored as a whole one.
        w.window.historyAction()->trigger();
        ASSERT_TRUE(w.journalSettled());
        ui::HistoryDialog* history = w.window.history()->dialog();
        // After the visit's row, newest first: the fetch again, what was sent, the read before.
        const QTreeWidgetItem* unitRow = history->list()->topLevelItem(0);
        EXPECT_EQ(columnTexts(unitRow, ui::HistoryDialog::kCauseColumn, 1),
                  (QStringList{"compare", "Send Selected", "as found before a send", "compare"}));
        history->list()->setCurrentItem(unitRow->child(2));
        EXPECT_EQ(history->list()->currentItem()->text(2), "partial send");
        EXPECT_FALSE(history->openButton()->isEnabled() || history->restoreButton()->isEnabled());
        EXPECT_TRUE(history->noteLabel()->isVisibleTo(history));
        const QStringList editing = writerLines(w.window);
        for (auto request :
             {&ui::HistoryDialog::openRequested, &ui::HistoryDialog::restoreRequested})
            emit(history->*request)(*history->chosenEntry());
        ASSERT_EQ(w.prompts->errors.size(), 2);
        EXPECT_TRUE(w.prompts->errors[1].contains("partial send: it holds only the parts"));
        EXPECT_FALSE(w.link.isTransferRunning());
        EXPECT_EQ(writerLines(w.window), editing) << "the editor is left as it is";
    }
}

} // namespace
} // namespace zel::test
