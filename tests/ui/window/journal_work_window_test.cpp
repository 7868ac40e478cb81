// The journal's slow work off the window's thread: a big journal listed, and another program
// holding the journal's lock, while the window's event loop keeps turning.
#include "link_window_fixture.h"

#include "journal/entry_header.h"
#include "link/zelsim_process.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_dialog.h"

#include <QDir>
#include <QLockFile>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;

// Counts the event loop's turns while the journal has work pending: none when the work blocks it.
class PendingWorkTicks {
public:
    explicit PendingWorkTicks(ui::BackgroundQueue& work)
    {
        QObject::connect(&m_ticker, &QTimer::timeout, [this, &work] { m_ticks += work.isBusy(); });
        m_ticker.start(0);
    }
    int ticks() const { return m_ticks; }

private:
    QTimer m_ticker;
    int m_ticks = 0;
};

// Texts kept by an earlier run that left no index: the listing reads every one's header.
void writeUnindexedEntries(const QString& folder, int count)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-1);
    for (int i = 0; i < count; ++i) {
        journal::Entry entry;
        entry.time = start.addSecs(i);
        entry.unit = QStringLiteral("tcp:127.0.0.1:%1").arg(1000 + i % 16);
        entry.whole = true;
        QFile text(folder + QStringLiteral("/old-%1.zel").arg(i));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write(journal::entryHeader(entry) + "[QXSB]\r\n");
    }
}

int listedEntries(const QTreeWidget& list)
{
    int entries = 0;
    for (int unit = 0; unit < list.topLevelItemCount(); ++unit)
        entries += list.topLevelItem(unit)->childCount();
    return entries;
}

TEST(JournalWorkInTheWindow, ListsAndRecordsWithoutHoldingUpTheWindow)
{
    struct Case {
        const char* name;
        int oldEntries;   // kept before the window opens
        bool lockHeld;    // another program holds the index's lock throughout
        bool importFirst; // History is opened right after an import, its record pending
        int listed;       // entries the History dialog lists in the end
    };
    const Case cases[] = {
        {"a journal of 500 entries to rebuild", 500, false, false, 500},
        {"the lock held by another program", 20, true, true, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(Link::Tcp, {}));
        LinkWindow w;
        const QString folder = w.link.journal().folder();
        writeUnindexedEntries(folder, c.oldEntries);
        QLockFile other(folder + QStringLiteral("/index.lock"));
        other.setStaleLockTime(0); // never taken for stale: it belongs to a program still there
        if (c.lockHeld)
            ASSERT_TRUE(other.tryLock());
        w.chooseTelnet(unit.address());
        const PendingWorkTicks ticks(w.link.journalWork());
        if (c.importFirst) {
            w.window.importAction()->trigger();
            ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }, 20000));
        }
        w.window.historyAction()->trigger();
        ui::HistoryDialog* history = w.window.history()->dialog();
        ASSERT_NE(history, nullptr);
        ASSERT_TRUE(waitUntil([&] { return !w.link.journalWork().isBusy(); }, 20000));
        EXPECT_GT(ticks.ticks(), 0) << "the window went without events while the journal worked";
        EXPECT_EQ(listedEntries(*history->list()), c.listed);
        if (c.importFirst) { // the transfer's entry is listed, newest on top
            EXPECT_EQ(history->list()->topLevelItem(0)->text(0), w.link.journalUnit());
            EXPECT_EQ(history->list()->topLevelItem(0)->child(0)->text(1), "whole fetch");
        }
        if (c.lockHeld) { // marking waits for the lock, and says so, off the window's thread
            history->list()->setCurrentItem(history->list()->topLevelItem(0)->child(0));
            const int before = ticks.ticks();
            history->keepButton()->click();
            ASSERT_TRUE(waitUntil([&] { return !w.link.journalWork().isBusy(); }, 20000));
            EXPECT_GT(ticks.ticks(), before);
            ASSERT_EQ(w.prompts->errors.size(), 1);
            EXPECT_TRUE(w.prompts->errors[0].contains("another program is writing the journal"));
        }
    }
}

} // namespace
} // namespace zel::test
