// The one send path without a window, against the simulated unit: the unit is read first and kept
// in the journal, the findings of that read come in their fixed order, each answered yes or no,
// and only when every one was agreed do the lines go, composed from what the unit holds now.
#include "session/send/send_bridge.h"

#include "link/export_transfer.h"
#include "link/filled_configuration.h"
#include "link/import_transfer.h"
#include "link/qt_printing.h"
#include "link/telnet_channel.h"
#include "link/zelsim_process.h"
#include "model/config_writer.h"
#include "model/dump_shortfall.h"
#include "model/selected_lines.h"
#include "model/templates.h"
#include "support/quick_settings.h"
#include "support/wait_until.h"
#include "text/latin1_text.h"

#include "journal/journal.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace zel::session::send {
namespace {

using test::ZelSimProcess;
using Ending = UnitSend::Ending;

const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

TEST(UnitSend, FindingsOfTheReadComeInTheirOrderAndOnlyWhatWasAgreedReachesTheUnit)
{
    const QTemporaryDir folder;
    const QString other = folder.filePath("other.zel"); // every zone and source named otherwise
    QFile filled(kFilled), otherFile(other);
    ASSERT_TRUE(filled.open(QIODevice::ReadOnly) && otherFile.open(QIODevice::WriteOnly));
    otherFile.write(
        filled.readAll().replace("\"Room ", "\"Hall ").replace("\"Source ", "\"Input "));
    otherFile.close();

    // What is sent: the unit's own configuration with zone 1 renamed, that row alone chosen.
    filled.seek(0);
    const model::ConfigModel unitsOwn =
        test::readConfiguration(QString::fromLatin1(filled.readAll()));
    model::ConfigModel renamed = unitsOwn;
    renamed.setZoneName(1, "Hall");
    const std::vector<model::Difference> chosen = model::compareConfigurations(unitsOwn, renamed);
    const QStringList renameLines = {"[NO1\"Hall\"]", "[EC]"};

    const auto notWhole = [](Outgoing& o) { o.missingParts = {"the groups"}; };
    const auto uncarried = [](Outgoing& o) { o.configuration.setZoneName(2, "A]B"); };
    const auto selected = [](Outgoing& o) { o.needsWholeRead = true; };
    const auto zel8 = [](Outgoing& o) {
        const std::string blank =
            model::joinLines(model::templateLines(model::UnitSize::Zel8), "\n");
        o.configuration = test::readConfiguration(QString::fromStdString(blank));
    };
    struct Case {
        const char* name;
        QStringList unit; // zelsim's configuration and faults
        std::function<void(Outgoing&)> change;
        QList<bool> answers;
        std::vector<Check> asked;
        Ending ending;
    };
    const QStringList own = {"--config", kFilled};
    const QStringList endless = {"--config", kFilled, "--endless"};
    // clang-format off
    const std::vector<Case> cases = {
        {"nothing to ask", own, {}, {}, {}, Ending::Sent},
        {"not whole enough: no", own, notWhole, {false}, {Check::NotWholeEnough}, Ending::Declined},
        {"not whole enough: yes", own, notWhole, {true}, {Check::NotWholeEnough}, Ending::Sent},
        {"texts a line cannot carry: no", own, uncarried, {false}, {Check::UncarriedTexts},
         Ending::Declined},
        {"both, in that order: yes, then no", own,
         [&](Outgoing& o) { notWhole(o); uncarried(o); }, {true, false},
         {Check::NotWholeEnough, Check::UncarriedTexts}, Ending::Declined},
        {"read not whole: no", endless, {}, {false}, {Check::ReadNotWhole}, Ending::Declined},
        {"read not whole: yes", endless, {}, {true}, {Check::ReadNotWhole}, Ending::Sent},
        {"a device that only echoes is no read: no", {"--echo-only"}, {}, {false},
         {Check::ReadNotWhole}, Ending::Declined},
        {"read not whole, chosen from what the unit held: refused", endless, selected, {true},
         {Check::ReadNotWhole}, Ending::Declined},
        {"read not whole after the texts: neither model nor identity asked", endless,
         [&](Outgoing& o) { notWhole(o); uncarried(o); }, {true, true, true},
         {Check::NotWholeEnough, Check::UncarriedTexts, Check::ReadNotWhole}, Ending::Sent},
        {"another model: no", own, zel8, {false}, {Check::OtherModel}, Ending::Declined},
        {"another model after the texts: yes to all", own,
         [&](Outgoing& o) { zel8(o); notWhole(o); uncarried(o); }, {true, true, true},
         {Check::NotWholeEnough, Check::UncarriedTexts, Check::OtherModel}, Ending::Sent},
        {"another unit, told by the read: no", {"--config", other}, {}, {false},
         {Check::AnotherUnit}, Ending::Declined},
        {"another unit: yes", {"--config", other}, {}, {true}, {Check::AnotherUnit}, Ending::Sent},
        {"the unit as compared", own, [&](Outgoing& o) { selected(o); o.compared = unitsOwn; },
         {}, {}, Ending::Sent},
        {"changed at its keypad since the comparison: refused", own,
         [&](Outgoing& o) {
             selected(o);
             o.compared = unitsOwn;
             int8_t& balance = o.compared->zoneAudio(5).balance;
             balance = static_cast<int8_t>(balance == 7 ? 8 : 7);
         },
         {true}, {Check::UnitChanged}, Ending::Declined},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp, c.unit)) << unit.error().toStdString();
        // The unit over a telnet link: read with the link's import and kept in the journal
        // before it is handed on, the lines sent with the link's export; the findings answered
        // from the case's list, in order, a refusal taking none.
        const QTemporaryDir data;
        journal::Journal journal(data.filePath("journal"));
        const QString name = "tcp:" + unit.address();
        SendBridge port;
        UnitSend send(port, port, data.filePath("units.json"));
        std::unique_ptr<link::Transfer> transfer, ended;
        bool done = false; // nothing was sent, or the export finished
        const auto run = [&](link::Transfer* next, std::function<void()> then) {
            ended = std::exchange(transfer, std::unique_ptr<link::Transfer>(next));
            QObject::connect(next, &link::Transfer::finished, then);
            next->start();
        };
        link::TransferSettings settings = test::quickSettings();
        settings.receiveLimit = 64 * 1024; // an endless dump ends here, not whole
        port.read = [&] {
            auto* read = new link::ImportTransfer(
                std::make_unique<link::TelnetChannel>(unit.address()), settings);
            run(read, [&, read] {
                journal::Entry entry;
                entry.unit = name;
                const bool ended = read->outcome() == link::TransferOutcome::Completed;
                const QString incomplete = ended ? QString() : read->incompleteReason();
                const QString text = read->receivedText();
                const std::string shortfall = model::dumpShortfall(text::toLatin1(text));
                entry.whole = ended && shortfall.empty();
                entry.ending = ended ? QString::fromStdString(shortfall) : incomplete;
                EXPECT_EQ(journal.record(entry, text.toLatin1().replace("\n", "\r\n")).text, "");
                done = send.readCame(text::toLatin1(text), incomplete, false) != Ending::Sent;
            });
        };
        qsizetype entriesWhenSent = -1;
        port.send = [&](const std::vector<std::string>& lines) {
            entriesWhenSent = journal.entries().size();
            QStringList sent;
            for (const std::string& line : lines)
                sent << text::fromLatin1(line);
            run(new link::ExportTransfer(std::make_unique<link::TelnetChannel>(unit.address()),
                                         sent, test::quickSettings()),
                [&] { done = true; });
        };
        std::vector<Check> asked;
        QList<bool> answers = c.answers;
        port.answer = [&](const Finding& finding) {
            asked.push_back(finding.check);
            return !finding.refusal && !answers.isEmpty() && answers.takeFirst();
        };
        Outgoing outgoing;
        outgoing.configuration = renamed;
        if (c.change)
            c.change(outgoing);
        send.start(name, outgoing, [&](const model::ConfigModel& unitNow) {
            return model::selectedLines(unitNow, renamed, chosen);
        });
        EXPECT_TRUE(send.isReading()) << "nothing is decided before the read";
        ASSERT_TRUE(test::waitUntil([&] { return done; }, 20000));

        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(send.ending(), c.ending);
        const bool readWhole = !c.unit.contains("--endless") && !c.unit.contains("--echo-only");
        const bool sent = c.ending == Ending::Sent;
        EXPECT_EQ(send.read().whole(), readWhole);
        EXPECT_EQ(send.stoppedBy() ? std::optional(send.stoppedBy()->check) : std::nullopt,
                  sent ? std::nullopt : std::optional(c.asked.back()));
        // The unit got the read's request, then the chosen row alone when it was agreed to.
        QStringList received = unit.receivedCommands();
        received.removeAll(QStringLiteral("[]"));
        EXPECT_EQ(received, QStringList{"[QXSB]"} + (sent ? renameLines : QStringList()));
        // The journal kept the unit as found before anything went to it.
        const QList<journal::Entry> entries = journal.entries();
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].direction, journal::Direction::FromUnit);
        EXPECT_EQ(entries[0].whole, readWhole);
        EXPECT_EQ(entriesWhenSent, sent ? 1 : -1);
    }
}

} // namespace
} // namespace zel::session::send
