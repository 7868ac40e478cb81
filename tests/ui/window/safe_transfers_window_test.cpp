// What the window does when a command would lose something, against the simulated unit over TCP
// and a pseudo-terminal: the unit never gets an empty or half-read configuration without a
// question, edits are never discarded without one, and the answer to the telnet handshake never
// eats a line of the dump.
#include "link_window_fixture.h"

#include "link/zelsim_process.h"
#include "model/config_reader.h"
#include "ui/send/send_controller.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace zel::test {
namespace {

using Link = ZelSimProcess::Link;

const QString kUnsaved = QStringLiteral("neither exported nor saved");
const QString kFilled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");

// Where the window stands when the command comes.
enum class Start {
    Nothing,            // just started
    CancelledImport,    // an import cancelled before anything came
    IncompleteImport,   // an import that ended without the end of the configuration
    Imported,           // a whole import, not edited
    Edited,             // a whole import, then favorite 2 renamed
    EditedThenExported, // ... and exported to the unit
    EditedThenSaved,    // ... and saved to a file
    Importing,          // an import still running
    Dropped,            // a file whose lines name zones, favorites or presets beyond the tables
    Uncarried,          // a file whose names and addresses hold "[", "]" or a control code
    Fragment,           // a file of a few lines, as a send of selected rows leaves
    Zel8,               // a blank ZEL-8, for the ZEL-16 unit
    Comparing,          // a whole import, edited, then compared with a slow unit
    ComparingUnedited,  // a whole import, then compared with a slow unit
};
enum class Command { Export, Import, NewZel16, Close };

struct Case {
    const char* what;
    Start start;
    Command command;
    bool answer;    // to the question, if one is asked
    QString asked;  // part of the one question asked; empty: none is asked
    QString error;  // part of the one error box; empty: none is shown
    bool goesAhead; // the command did its work
};

class SafeTransfers {
public:
    explicit SafeTransfers(Link link) : m_link(link)
    {
        EXPECT_TRUE(m_unit.start(link)) << m_unit.error().toStdString();
    }

    void choose(LinkWindow& w, const ZelSimProcess& unit)
    {
        if (m_link == Link::Tcp)
            w.chooseTelnet(unit.address());
        else
            w.chooseSerial(unit.address());
    }

    // Brings `w` to `start`; the unit it is left talking to is the simulated unit that
    // acknowledges everything.
    void prepare(LinkWindow& w, Start start)
    {
        choose(w, m_unit);
        switch (start) {
        case Start::Nothing:
            return;
        case Start::CancelledImport:
            w.window.importAction()->trigger();
            w.link.cancelTransfer();
            ASSERT_FALSE(w.link.isTransferRunning());
            return;
        case Start::IncompleteImport: {
            ZelSimProcess faulty;
            ASSERT_TRUE(faulty.start(
                m_link, {m_link == Link::Tcp ? "--close-after" : "--silent-after", "40"}));
            choose(w, faulty);
            ASSERT_TRUE(w.runToEnd(w.window.importAction()));
            ASSERT_TRUE(w.window.statusText().startsWith(" Import incomplete from "));
            choose(w, m_unit);
            return;
        }
        case Start::Dropped:
        case Start::Uncarried:
        case Start::Fragment: {
            const QString path = m_folder.filePath("read.zel");
            QFile filled(kFilled), file(path);
            ASSERT_TRUE(filled.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly));
            const QByteArray lines =
                start == Start::Uncarried
                    ? "[NF3\"[QXSB]\"]\r\n[NO1\"tab\there\"]\r\n[NM255.0.0.0]x]\r\n"
                : start == Start::Fragment
                    ? "[NO1\"Hall\"]\r\n[NG3\"Upstairs\"]\r\n[EC]\r\n"
                    : "[VO20R-12]\r\n[NO99\"x\"]\r\n[NF11\"y\"]\r\n[EP1B11L3]\r\n";
            // Names that a line cannot carry, after a whole configuration.
            file.write(start == Start::Uncarried ? filled.readAll() + lines : lines);
            file.close();
            w.window.fileModeAction()->trigger();
            w.prompts->openAnswer = path;
            ASSERT_TRUE(w.runToEnd(w.window.importAction()));
            choose(w, m_unit);
            return;
        }
        case Start::Importing:
            choose(w, slowUnit());
            w.window.importAction()->trigger();
            ASSERT_TRUE(w.link.isTransferRunning());
            return;
        case Start::Zel8:
            w.window.newZel8Action()->trigger();
            return;
        default:
            break;
        }
        ASSERT_TRUE(w.runToEnd(w.window.importAction()));
        if (start == Start::ComparingUnedited)
            return compareWithSlowUnit(w);
        if (start == Start::Imported)
            return;
        // A name of its own each time: an earlier case may have exported one to the unit.
        w.window.model().setFavoriteName(2, "Edited " + std::to_string(++m_edits));
        if (start == Start::EditedThenExported) {
            ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
            ASSERT_EQ(w.window.statusText(), QStringLiteral(" Complete"));
        } else if (start == Start::EditedThenSaved) {
            w.window.fileModeAction()->trigger();
            w.prompts->saveAnswer = m_folder.filePath("saved.zel");
            ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
            choose(w, m_unit);
        } else if (start == Start::Comparing) {
            compareWithSlowUnit(w);
        }
    }

    // A unit that takes seconds over its dump: a transfer with it is still running when the
    // command comes. One of its own each time, so that no dump of an earlier case is under way.
    const ZelSimProcess& slowUnit()
    {
        m_slowUnit = std::make_unique<ZelSimProcess>();
        EXPECT_TRUE(m_slowUnit->start(m_link, {"--baud", "9600"}));
        return *m_slowUnit;
    }

    void compareWithSlowUnit(LinkWindow& w)
    {
        choose(w, slowUnit());
        w.window.compareAction()->trigger();
        ASSERT_TRUE(w.link.isTransferRunning());
    }

    // The configuration lines the unit took, not the requests for its own.
    QStringList linesTaken()
    {
        QStringList lines = m_unit.receivedCommands();
        lines.removeAll(QStringLiteral("[]"));
        lines.removeAll(QStringLiteral("[QXSB]"));
        return lines;
    }

    // Runs the command; true when it did its work.
    bool run(LinkWindow& w, Command command)
    {
        w.window.setStatusText({});
        const qsizetype unitLines = linesTaken().size();
        switch (command) {
        case Command::Export:
            // A command that is disabled may still arrive (a queued click).
            if (!w.window.exportAction()->isEnabled())
                w.window.sends()->exportConfiguration();
            EXPECT_TRUE(w.runToEnd(w.window.exportAction()));
            return linesTaken().size() > unitLines;
        case Command::Import:
            EXPECT_TRUE(w.runToEnd(w.window.importAction()));
            return !w.window.statusText().isEmpty();
        case Command::NewZel16:
            w.window.newZel16Action()->trigger();
            return w.window.statusText() == QStringLiteral(" Loaded New ZEL-16 Template");
        case Command::Close:
            return w.window.close();
        }
        return false;
    }

private:
    Link m_link;
    ZelSimProcess m_unit;
    std::unique_ptr<ZelSimProcess> m_slowUnit;
    QTemporaryDir m_folder;
    int m_edits = 0;
};

TEST(SafeTransfers, WhatWouldBeLostIsAskedForOrRefused)
{
    const std::vector<Case> cases = {
        {"export with nothing loaded", Start::Nothing, Command::Export, true, {}, {}, false},
        {"export after a cancelled import",
         Start::CancelledImport,
         Command::Export,
         true,
         {},
         "no configuration to send",
         false},
        {"export after an incomplete import, declined",
         Start::IncompleteImport,
         Command::Export,
         false,
         "not read completely",
         {},
         false},
        {"export after an incomplete import, accepted",
         Start::IncompleteImport,
         Command::Export,
         true,
         "not read completely",
         {},
         true},
        {"import over edits, declined", Start::Edited, Command::Import, false, kUnsaved, {}, false},
        {"import over edits, accepted", Start::Edited, Command::Import, true, kUnsaved, {}, true},
        {"import with no edits", Start::Imported, Command::Import, false, {}, {}, true},
        {"import after the edits were exported",
         Start::EditedThenExported,
         Command::Import,
         false,
         {},
         {},
         true},
        {"import after the edits were saved",
         Start::EditedThenSaved,
         Command::Import,
         false,
         {},
         {},
         true},
        {"new over edits, declined", Start::Edited, Command::NewZel16, false, kUnsaved, {}, false},
        {"new over edits, accepted", Start::Edited, Command::NewZel16, true, kUnsaved, {}, true},
        {"close over edits, declined", Start::Edited, Command::Close, false, kUnsaved, {}, false},
        {"close over edits, accepted", Start::Edited, Command::Close, true, kUnsaved, {}, true},
        {"close with no edits", Start::Imported, Command::Close, false, {}, {}, true},
        {"close during an import", Start::Importing, Command::Close, false, {}, {}, true},
        // clang-format off
        {"close during a comparison, edits kept", Start::Comparing, Command::Close, false,
         kUnsaved, {}, false},
        {"close during a comparison, edits dropped", Start::Comparing, Command::Close, true,
         kUnsaved, {}, true},
        {"close during a comparison, no edits", Start::ComparingUnedited, Command::Close, false,
         {}, {}, true},
        // clang-format on
        {"export, lines dropped", Start::Dropped, Command::Export, true, {}, "no config", false},
        {"uncarried, no", Start::Uncarried, Command::Export, false, "favorite 3 n", {}, false},
        {"uncarried, accepted", Start::Uncarried, Command::Export, true, "\\x09here", {}, true},
        // clang-format off
        {"a fragment, declined", Start::Fragment, Command::Export, false,
         "did not set the display brightness", {}, false},
        {"a fragment, accepted", Start::Fragment, Command::Export, true,
         "the names of groups 1, 2 and 4 to 10", {}, true},
        {"a ZEL-8 for the ZEL-16, declined", Start::Zel8, Command::Export, false,
         "is for a ZEL-8, but the unit ", {}, false},
        {"a ZEL-8 for the ZEL-16, accepted", Start::Zel8, Command::Export, true, "is a ZEL-16", {},
         true},
        // clang-format on
    };
    for (const Link link : {Link::Tcp, Link::Pty}) {
        SafeTransfers units(link);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(link == Link::Tcp ? "tcp: " : "pty: ") + c.what);
            LinkWindow w;
            w.window.show();
            units.prepare(w, c.start);
            if (::testing::Test::HasFatalFailure())
                return;
            const std::string before =
                model::joinLines(model::writeConfiguration(w.window.model()), "\n");
            w.prompts->confirmations.clear();
            w.prompts->errors.clear();
            w.prompts->confirmAnswer = c.answer;

            EXPECT_EQ(units.run(w, c.command), c.goesAhead);
            expectOne(w.prompts->confirmations, c.asked);
            expectOne(w.prompts->errors, c.error);
            if (!c.goesAhead) { // nothing changed
                EXPECT_EQ(model::joinLines(model::writeConfiguration(w.window.model()), "\n"),
                          before);
            }
            if (c.start == Start::Comparing && !c.goesAhead) {
                EXPECT_TRUE(w.link.isTransferRunning()) << "the comparison goes on";
                w.link.cancelTransfer();
                EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window.unitWorkPending(); }, 20000));
            }
            EXPECT_FALSE(w.link.isTransferRunning());
        }
    }
}

TEST(SafeTransfers, ACancelledSerialImportDropsTheRestOfTheDumpSoTheBoxHoldsWhatWasRead)
{
    // A one-zone unit at 9600 baud: its dump takes about two seconds.
    QTemporaryDir folder;
    QFile small(folder.filePath("small.zel"));
    ASSERT_TRUE(small.open(QIODevice::WriteOnly));
    small.write("[SD1]\r\n[NO1\"Hall\"]\r\n");
    small.close();
    ZelSimProcess unit;
    ASSERT_TRUE(unit.start(Link::Pty, {"--baud", "9600", "--config", small.fileName()}))
        << unit.error().toStdString();
    LinkWindow w;
    link::TransferSettings patient = quickSettings();
    patient.responseTimeout = std::chrono::seconds(10); // the longest wait for the rest
    w.link.setTransferSettings(patient);
    w.chooseSerial(unit.address());
    QObject::connect(w.window.configurationTextBox(), &QPlainTextEdit::textChanged, &w.link, [&] {
        if (w.window.configurationTextBox()->blockCount() > 20)
            w.link.cancelTransfer();
    });
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_TRUE(w.window.statusText().endsWith("(cancelled)"))
        << w.window.statusText().toStdString();
    EXPECT_TRUE(w.window.session().loaded().isIncomplete());

    // The rest came up to "[QXSB]" and was dropped: the box holds just what the model read.
    const QStringList box = w.configurationLines();
    ASSERT_GE(box.size(), 3);
    EXPECT_TRUE(box[box.size() - 2].startsWith("Dropped the ")) << box.join('\n').toStdString();
    EXPECT_FALSE(box.contains(QStringLiteral("[QXSB]")));
    model::ConfigModel reread;
    model::LogLines log;
    model::readText(reread, ui::storedText(w.window.configurationTextBox()).toStdString(), log);
    QStringList readerLog;
    for (const std::string& line : log)
        readerLog << QString::fromStdString(line);
    EXPECT_EQ(w.logLines(), readerLog) << "the reader's log is that of the box's text";
    EXPECT_GT(readerLog.size(), 10);
}

TEST(SafeTransfers, TheAnswerToTheHandshakeInAnyFormKeepsEveryDumpLine)
{
    const QString filled = QStringLiteral(ZEL_SOURCE_DIR "/tests/tools/data/filled_zel16.zel");
    for (const char* answer :
         {")", "]", "()", "(OK)", ")\\r\\n", "]\\r\\n", "(OK)\\r\\n", "\\r\\n)", ""}) {
        SCOPED_TRACE(answer);
        ZelSimProcess unit;
        ASSERT_TRUE(unit.start(Link::Tcp, {"--config", filled, "--handshake-reply", answer}))
            << unit.error().toStdString();
        LinkWindow w;
        w.chooseTelnet(unit.address());
        ASSERT_TRUE(w.runToEnd(w.window.importAction()));
        EXPECT_EQ(w.window.statusText(), " Import complete from host: " + unit.address());
        EXPECT_EQ(w.configurationLines().first(), QStringLiteral("[SD1]"));
        EXPECT_EQ(w.window.model().displayLevel(), 1) << "the first line was read";
        if (*answer == '\0')
            continue; // an export waits for the answer
        ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
        EXPECT_EQ(w.window.statusText(), QStringLiteral(" Complete"));
    }
}

} // namespace
} // namespace zel::test
