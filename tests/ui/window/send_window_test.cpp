// Every send to a unit reads it first: a unit swapped at the address since the import is asked
// about from that read, which the journal holds before anything is sent.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"
#include "ui/history/history_controller.h"

#include <QFile>
#include <QTemporaryDir>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

TEST(SendToUnit, ASwappedUnitIsAskedAboutFromItsReadKeptFirst)
{
    QTemporaryDir folder;
    QFile file(kFilled);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Another unit: every zone and source named otherwise.
    const QString otherPath = folder.filePath("other.zel");
    QFile other(otherPath);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(file.readAll().replace("\"Room ", "\"Hall ").replace("\"Source ", "\"Input "));
    other.close();
    struct Case {
        const char* what;
        // Sends to the unit; `entry` is the import from the first unit.
        std::function<void(LinkWindow&, const journal::Entry& entry)> send;
        QList<bool> answers; // the questions' answers before the identity question
    };
    const QList<Case> cases = {
        {"Export",
         [](LinkWindow& w, const journal::Entry&) { w.window.exportAction()->trigger(); },
         {}},
        {"Restore to Unit",
         [](LinkWindow& w, const journal::Entry& entry) {
             w.window.history()->restoreEntry(entry);
         },
         {true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZelSimProcess first;
        ASSERT_TRUE(first.start(Link::Tcp, {"--config", kFilled}));
        const QString address = first.address();
        LinkWindow w;
        w.chooseTelnet(address);
        ASSERT_TRUE(w.runToEnd(w.window.importAction()));
        const journal::Entry imported = w.link.journal().entries().value(0);
        const qsizetype kept = w.link.journal().entries().size();

        first.kill(); // another unit at the same address
        ZelSimProcess swapped;
        ASSERT_TRUE(swapped.start(Link::Tcp, {"--config", otherPath}, address))
            << swapped.error().toStdString();
        w.prompts->confirmations.clear();
        w.prompts->confirmAnswers = c.answers;
        w.prompts->confirmAnswer = false; // No to the identity question
        c.send(w, imported);
        ASSERT_TRUE(waitUntil([&] { return !w.window.unitWorkPending(); }, 20000));

        // The question names both units, from the read just made.
        ASSERT_EQ(w.prompts->confirmations.size(), c.answers.size() + 1);
        const QString asked = w.prompts->confirmations.last();
        EXPECT_TRUE(asked.contains("does not look like the unit this configuration came from") &&
                    asked.contains("\"Room 01\"") && asked.contains("\"Hall 01\"") &&
                    asked.contains("just fetched"))
            << asked.toStdString();
        // Read, kept, and nothing sent.
        EXPECT_EQ(w.window.statusText(), " Nothing was sent to tcp:" + address);
        QStringList received = swapped.receivedCommands();
        received.removeAll(QStringLiteral("[]"));
        EXPECT_EQ(received, QStringList{"[QXSB]"});
        const QList<journal::Entry> entries = w.link.journal().entries();
        ASSERT_EQ(entries.size(), kept + 1);
        EXPECT_EQ(entries[0].direction, journal::Direction::FromUnit);
        EXPECT_TRUE(entries[0].whole);
        QString error;
        EXPECT_TRUE(w.link.journal().text(entries[0], &error)->contains("[NO1\"Hall 01\"]"));
    }
}

} // namespace
} // namespace zel::test
