// The one send path without a window, against the simulated unit: the unit is read first and kept
// in the journal, the findings of that read come in their fixed order, each answered yes or no,
// and only when every one was agreed do the lines go, composed from what the unit holds now.
#include "session/send/unit_send.h"

#include "link/export_transfer.h"
#include "link/filled_configuration.h"
#include "link/import_transfer.h"
#include "link/qt_printing.h"
#include "link/telnet_channel.h"
#include "link/zelsim_process.h"
#include "model/config_writer.h"
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

// The unit at the other end of a telnet link: read with the link's import, the read kept in the
// journal before it is handed on, the lines sent with the link's export. The findings are
// answered from a list, in order; a refusal takes no answer.
class SimulatedUnitPort : public UnitPort, public SendAnswers {
public:
    SimulatedUnitPort(const QString& host, link::TransferSettings readSettings,
                      const QString& journalFolder, QList<bool> answers)
        : m_host(host), m_readSettings(readSettings), m_journal(journalFolder),
          m_answers(std::move(answers))
    {
    }

    UnitSend* send = nullptr;
    std::vector<Check> asked;
    bool done = false; // the send ended: nothing was sent, or the export finished
    qsizetype entriesWhenSent = -1;

    const journal::Journal& journal() const { return m_journal; }

    void readUnit() override
    {
        m_read = std::make_unique<link::ImportTransfer>(
            std::make_unique<link::TelnetChannel>(m_host), m_readSettings);
        QObject::connect(m_read.get(), &link::Transfer::finished,
                         [this](link::TransferOutcome end) {
                             const bool whole = end == link::TransferOutcome::Completed;
                             const QString text = m_read->receivedText();
                             journal::Entry entry;
                             entry.direction = journal::Direction::FromUnit;
                             entry.unit = unitName();
                             entry.whole = whole;
                             entry.ending = whole ? QString() : m_read->incompleteReason();
                             EXPECT_EQ(m_journal.record(entry, text.toLatin1()), QString());
                             send->readCame(text::toLatin1(text), entry.ending, false);
                             done = send->ending() != Ending::Sent;
                         });
        m_read->start();
    }

    void sendLines(const std::vector<std::string>& lines) override
    {
        entriesWhenSent = m_journal.entries().size();
        QStringList sent;
        for (const std::string& line : lines)
            sent << text::fromLatin1(line);
        m_export = std::make_unique<link::ExportTransfer>(
            std::make_unique<link::TelnetChannel>(m_host), sent, test::quickSettings());
        QObject::connect(m_export.get(), &link::Transfer::finished, [this, sent] {
            journal::Entry entry;
            entry.direction = journal::Direction::ToUnit;
            entry.unit = unitName();
            entry.whole = m_export->outcome() == link::TransferOutcome::Completed;
            entry.partial = true;
            EXPECT_EQ(m_journal.record(entry, sent.join("\r\n").toLatin1()), QString());
            done = true;
        });
        m_export->start();
    }

    bool goOn(const Finding& finding) override
    {
        asked.push_back(finding.check);
        return !finding.refusal && !m_answers.isEmpty() && m_answers.takeFirst();
    }

    QString unitName() const { return QStringLiteral("tcp:") + m_host; }

private:
    QString m_host;
    link::TransferSettings m_readSettings;
    journal::Journal m_journal;
    QList<bool> m_answers;
    std::unique_ptr<link::ImportTransfer> m_read;
    std::unique_ptr<link::ExportTransfer> m_export;
};

bool writeLines(const QString& path, const std::vector<std::string>& lines)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QByteArray::fromStdString(model::joinLines(lines, "\r\n") + "\r\n")) > 0;
}

TEST(UnitSend, FindingsOfTheReadComeInTheirOrderAndOnlyWhatWasAgreedReachesTheUnit)
{
    const QTemporaryDir folder;
    const QString zel8 = folder.filePath("zel8.zel");
    ASSERT_TRUE(writeLines(zel8, model::templateLines(model::UnitSize::Zel8)));
    // Another unit of the same model: every zone and source named otherwise.
    const QString other = folder.filePath("other.zel");
    QFile filled(kFilled);
    ASSERT_TRUE(filled.open(QIODevice::ReadOnly));
    QFile otherFile(other);
    ASSERT_TRUE(otherFile.open(QIODevice::WriteOnly));
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
    struct Case {
        const char* name;
        QStringList unit; // zelsim's configuration and faults
        std::function<void(Outgoing&)> change;
        QList<bool> answers;
        std::vector<Check> asked;
        Ending ending;
        bool readWhole = true;
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
        {"read not whole: no", endless, {}, {false}, {Check::ReadNotWhole}, Ending::Declined, false},
        {"read not whole: yes", endless, {}, {true}, {Check::ReadNotWhole}, Ending::Sent, false},
        {"read not whole, chosen from what the unit held: refused", endless, selected, {true},
         {Check::ReadNotWhole}, Ending::Declined, false},
        {"read not whole after the texts: neither model nor identity asked", endless,
         [&](Outgoing& o) { notWhole(o); uncarried(o); }, {true, true, true},
         {Check::NotWholeEnough, Check::UncarriedTexts, Check::ReadNotWhole}, Ending::Sent, false},
        {"another model: no", {"--config", zel8}, {}, {false}, {Check::OtherModel},
         Ending::Declined},
        {"another model after the texts: yes to all", {"--config", zel8},
         [&](Outgoing& o) { notWhole(o); uncarried(o); }, {true, true, true},
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
        const QTemporaryDir data;
        link::TransferSettings readSettings = test::quickSettings();
        readSettings.receiveLimit = 64 * 1024; // an endless dump ends here, not whole
        SimulatedUnitPort port(unit.address(), readSettings, data.filePath("journal"), c.answers);
        UnitSend send(port, port, data.filePath("units.json"));
        port.send = &send;
        Outgoing outgoing;
        outgoing.configuration = renamed;
        if (c.change)
            c.change(outgoing);
        send.start(port.unitName(), outgoing, [&](const model::ConfigModel& unitNow) {
            return model::selectedLines(unitNow, renamed, chosen);
        });
        EXPECT_TRUE(send.isReading()) << "nothing is decided before the read";
        ASSERT_TRUE(test::waitUntil([&] { return port.done; }, 20000));

        EXPECT_EQ(port.asked, c.asked);
        EXPECT_EQ(send.ending(), c.ending);
        EXPECT_EQ(send.read().whole(), c.readWhole);
        const bool sent = c.ending == Ending::Sent;
        EXPECT_EQ(send.stoppedBy().has_value(), !sent);
        if (!sent) {
            EXPECT_EQ(send.stoppedBy()->check, c.asked.back());
        }
        // The unit got the read's request, then the chosen row alone when it was agreed to.
        QStringList received = unit.receivedCommands();
        received.removeAll(QStringLiteral("[]"));
        EXPECT_EQ(received, QStringList{"[QXSB]"} + (sent ? renameLines : QStringList()));
        // The journal kept the unit as found before anything went to it.
        const QList<journal::Entry> entries = port.journal().entries();
        ASSERT_EQ(entries.size(), sent ? 2 : 1);
        EXPECT_EQ(entries.back().direction, journal::Direction::FromUnit);
        EXPECT_EQ(entries.back().whole, c.readWhole);
        EXPECT_EQ(port.entriesWhenSent, sent ? 1 : -1);
        if (sent) {
            EXPECT_EQ(entries.front().direction, journal::Direction::ToUnit);
            EXPECT_TRUE(entries.front().whole);
        }
    }
}

} // namespace
} // namespace zel::session::send
