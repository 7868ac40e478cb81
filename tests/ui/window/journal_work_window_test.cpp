// The journal's slow work off the window's thread: a big journal listed, and another program
// holding the journal's lock, while the window's event loop keeps turning.
#include "link_window_fixture.h"

#include "journal/entry_header.h"
#include "link/zelsim_process.h"
#include "ui/history/history_controller.h"
#include "ui/history/history_dialog.h"

#include <QDir>
#include <QLockFile>
#include <QTreeWidget>

namespace zel::test {
namespace {

TEST(JournalWorkInTheWindow, ListsAndRecordsWithoutHoldingUpTheWindow)
{
    struct Case {
        const char* name;
        int oldEntries; // kept unindexed before: the listing reads every one's header
        bool lockHeld;  // by another program; History is opened right after an import then
    };
    for (const Case& c : {Case{"500 entries to list", 500, false}, Case{"lock held", 20, true}}) {
        SCOPED_TRACE(c.name);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp, {}));
        LinkWindow w;
        const QString folder = w.link.journal().folder();
        ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder)); // cases apart
        for (int i = 0; i < c.oldEntries; ++i) {
            journal::Entry entry;
            entry.time = QDateTime::currentDateTimeUtc().addSecs(i - 9999);
            entry.unit = QStringLiteral("tcp:127.0.0.1:%1").arg(1000 + i % 16);
            QFile text(folder + QStringLiteral("/old-%1.zel").arg(i));
            ASSERT_TRUE(text.open(QIODevice::WriteOnly));
            text.write(journal::entryHeader(entry) + "[QXSB]\r\n");
        }
        QLockFile other(folder + QStringLiteral("/index.lock"));
        other.setStaleLockTime(0); // never taken for stale: its program is still there
        ASSERT_TRUE(!c.lockHeld || other.tryLock());
        w.chooseTelnet(unit.address());
        int ticks = 0; // the event loop's turns while the journal works: none if it blocks
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { ticks += w.link.journalWork().isBusy(); });
        ticker.start(0);
        if (c.lockHeld) {
            w.window.importAction()->trigger();
            ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }, 20000));
        }
        w.window.historyAction()->trigger();
        ASSERT_TRUE(w.journalSettled());
        EXPECT_GT(ticks, 0) << "the window went without events while the journal worked";
        QTreeWidget* list = w.window.history()->dialog()->list();
        int listed = 0;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            listed += list->topLevelItem(row)->childCount();
        EXPECT_EQ(listed, c.oldEntries + (c.lockHeld ? 2 : 0)) << "the import, as the visit found";
        if (!c.lockHeld)
            continue;
        // The transfer's entry is listed on top; Keep waits for the lock and says why it failed.
        ASSERT_EQ(list->topLevelItem(0)->text(0), w.link.journalUnit());
        EXPECT_EQ(list->topLevelItem(0)->child(1)->text(2), "whole fetch");
        list->setCurrentItem(list->topLevelItem(0)->child(1));
        const int before = ticks;
        w.window.history()->dialog()->keepButton()->click();
        ASSERT_TRUE(w.journalSettled());
        EXPECT_GT(ticks, before);
        ASSERT_EQ(w.prompts->errors.size(), 1);
        EXPECT_TRUE(w.prompts->errors[0].contains("another program is writing the journal"));
    }
}

} // namespace
} // namespace zel::test
