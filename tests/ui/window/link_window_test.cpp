// The link mode items, LinkMode None, and File Mode import and export through the window.
#include "link_window_fixture.h"
#include "pseudo_terminal.h"

#include "model/config_writer.h"
#include "ui/transfer/transfer_progress_panel.h"

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <string>

namespace zel::test {
namespace {

using link::LinkMode;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The writer's text of the window's configuration, as a file holds it.
QByteArray writtenText(const ui::MainWindow& window)
{
    return QByteArray::fromStdString(
        model::joinLines(model::writeConfiguration(window.model()), "\r\n"));
}

QList<LinkMode> checkedModes(const ui::MainWindow& window)
{
    QList<LinkMode> modes;
    if (window.fileModeAction()->isChecked())
        modes << LinkMode::File;
    if (window.serialModeAction()->isChecked())
        modes << LinkMode::Serial;
    if (window.telnetModeAction()->isChecked())
        modes << LinkMode::Telnet;
    return modes;
}

TEST(LinkModeItems, TelnetHostPromptOutcomes)
{
    const QString hostNote = QStringLiteral("Using host: ");
    const QString noHost = QStringLiteral("No host entered.  Telnet disabled.");
    struct Case {
        const char* name;
        std::optional<QString> answer;
        LinkMode mode;
        QString host;    // after the prompt; "earlier" was the host before it
        QString logLine; // the line added to the log text box
    };
    const QList<Case> cases = {
        {"host typed", QStringLiteral("127.0.0.1:2323"), LinkMode::Telnet,
         QStringLiteral("127.0.0.1:2323"), hostNote + "127.0.0.1:2323"},
        {"blanks kept as typed", QStringLiteral(" unit.local "), LinkMode::Telnet,
         QStringLiteral(" unit.local "), hostNote + " unit.local "},
        {"cancelled", std::nullopt, LinkMode::None, QStringLiteral("earlier"), noHost},
        {"OK with nothing typed", QString(), LinkMode::None, QStringLiteral("earlier"), noHost},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkWindow w;
        w.chooseTelnet(QStringLiteral("earlier"));
        w.prompts->inputAnswers = {c.answer};
        w.window.telnetModeAction()->trigger();

        ASSERT_EQ(w.prompts->inputQueries.size(), 2);
        // The prompt never shows the host used before.
        EXPECT_EQ(w.prompts->inputQueries.last(),
                  QStringList({"Enter the address for the ZEL", "Hostname or IP Address: ", ""}));
        EXPECT_EQ(w.link.linkMode(), c.mode);
        EXPECT_EQ(checkedModes(w.window).size(), c.mode == LinkMode::None ? 0 : 1);
        EXPECT_EQ(w.link.host(), c.host);
        EXPECT_EQ(w.logLines(), QStringList({hostNote + "earlier", c.logLine}));
    }
}

TEST(LinkModeItems, SerialAsksForThePortEveryTimeAndFileModeClosesIt)
{
    PseudoTerminal first;
    PseudoTerminal second;
    ASSERT_FALSE(first.path().isEmpty());
    LinkWindow w;

    w.chooseSerial(first.path());
    EXPECT_EQ(checkedModes(w.window), QList<LinkMode>{LinkMode::Serial});
    EXPECT_EQ(w.link.serialEndpoint().portName(), first.path());

    // A second choice of the checked item asks again, keeps it checked and may take another port.
    w.chooseSerial(second.path());
    EXPECT_EQ(w.prompts->portQuestions, 2);
    EXPECT_EQ(checkedModes(w.window), QList<LinkMode>{LinkMode::Serial});
    EXPECT_EQ(w.link.serialEndpoint().portName(), second.path());

    w.window.fileModeAction()->trigger();
    EXPECT_EQ(checkedModes(w.window), QList<LinkMode>{LinkMode::File});
    EXPECT_FALSE(w.link.serialEndpoint().isOpen());
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
}

TEST(LinkModeItems, SerialPortChoiceFailuresLeaveSerialCheckedAndThePortClosed)
{
    PseudoTerminal terminal;
    struct Case {
        const char* name;
        std::optional<QString> answer;
        QString errorMentions;
    };
    const QList<Case> cases = {
        {"cancelled", std::nullopt, QStringLiteral("Serial Mode")},
        {"nothing typed", QString(), QStringLiteral("Serial Mode")},
        {"no such port", QStringLiteral("/dev/zel-no-such-port"),
         QStringLiteral("/dev/zel-no-such-port")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkWindow w;
        w.chooseSerial(terminal.path());
        w.prompts->portAnswers = {c.answer};
        w.window.serialModeAction()->trigger();
        EXPECT_EQ(checkedModes(w.window), QList<LinkMode>{LinkMode::Serial});
        EXPECT_FALSE(w.link.serialEndpoint().isOpen()) << "the earlier port is closed too";
        ASSERT_EQ(w.prompts->errors.size(), 1);
        EXPECT_TRUE(w.prompts->errors[0].contains(c.errorMentions))
            << w.prompts->errors[0].toStdString();
    }
}

TEST(LinkModeItems, TelnetClosesTheSerialPortBeforeItsPromptEvenWhenCancelled)
{
    PseudoTerminal terminal;
    LinkWindow w;
    w.chooseSerial(terminal.path());
    bool openDuringPrompt = true;
    w.prompts->onInputQuery = [&] { openDuringPrompt = w.link.serialEndpoint().isOpen(); };
    w.window.telnetModeAction()->trigger(); // cancelled: no answer given
    EXPECT_FALSE(openDuringPrompt);
    EXPECT_FALSE(w.link.serialEndpoint().isOpen());
    EXPECT_EQ(w.link.linkMode(), LinkMode::None);
}

TEST(LinkModeItems, BytesArrivingOnTheOpenPortBetweenTransfersShowInTheConfigurationBox)
{
    PseudoTerminal terminal;
    LinkWindow w;
    w.chooseSerial(terminal.path());
    ASSERT_TRUE(terminal.write("hello\t\r\n[SD1]"));
    QPlainTextEdit* box = w.window.configurationTextBox();
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->toPlainText().endsWith("[SD1]"); }, 5000))
        << box->toPlainText().toStdString();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("hello\n[SD1]"));
    EXPECT_FALSE(w.window.statusText().contains("Importing")) << "nothing is importing";
}

TEST(LinkModeItems, LosingTheSerialPortIsReportedOnceAndClosesIt)
{
    PseudoTerminal terminal;
    LinkWindow w;
    w.chooseSerial(terminal.path());
    terminal.hangUp();
    // Once the port is closed nothing more can come from it to report.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !w.prompts->errors.isEmpty() && !w.link.serialEndpoint().isOpen(); }, 5000));
    ASSERT_EQ(w.prompts->errors.size(), 1);
    EXPECT_TRUE(w.prompts->errors[0].contains(terminal.path()));
    EXPECT_FALSE(w.link.serialEndpoint().isOpen());
    EXPECT_EQ(w.link.linkMode(), LinkMode::Serial);
}

TEST(LinkModeNone, ImportAppliesAnEmptyTextAndExportOnlyWritesTheLogTextBox)
{
    LinkWindow w;
    w.window.telnetModeAction()->trigger(); // cancelled: no mode
    ASSERT_EQ(w.link.linkMode(), LinkMode::None);

    w.window.newZel8Action()->trigger();
    const QString status = w.window.statusText();
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    EXPECT_EQ(w.logLines(), writerLines(w.window));
    EXPECT_EQ(w.window.statusText(), status);

    QSignalSpy readerRuns(&w.window, &ui::MainWindow::committedAndRefreshed);
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(readerRuns.count(), 1) << "the reader run over the empty text";
    EXPECT_EQ(w.window.model().zoneCount(), -1);
    EXPECT_TRUE(w.window.configurationTextBox()->toPlainText().isEmpty());
    EXPECT_EQ(w.window.tabs()->currentIndex(), ui::MainWindow::kConfigurationFilePage);

    EXPECT_TRUE(w.prompts->openProposals.isEmpty());
    EXPECT_TRUE(w.prompts->saveProposals.isEmpty());
    EXPECT_TRUE(w.prompts->errors.isEmpty());
}

class FileModeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    LinkWindow w;
};

TEST_F(FileModeTest, ExportThenImportRoundTripThroughTheWindow)
{
    // 8-bit names survive byte for byte, the non-breaking space (0xA0) included.
    const std::map<int, std::string> eightBitNames = {
        {3, "Patio \xe9t\xe9"}, {4, "Hall\xa0-East"}, {5, "\xa0"}};
    w.window.newZel16Action()->trigger();
    for (const auto& [zone, name] : eightBitNames)
        w.window.model().setZoneName(zone, name);
    const QString file = path("unit.zel");
    w.prompts->saveAnswer = file;
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    EXPECT_EQ(w.prompts->saveProposals, QStringList({QString()}));
    EXPECT_TRUE(w.prompts->confirmations.isEmpty()) << "a new file needs no confirmation";
    const QByteArray exported = writtenText(w.window);
    EXPECT_EQ(fileBytes(file), exported);
    EXPECT_EQ(w.window.statusText(),
              " Exported to file: " + QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));

    w.window.newZel8Action()->trigger();
    w.prompts->openAnswer = file;
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(w.window.model().zoneCount(), 16);
    for (const auto& [zone, name] : eightBitNames) {
        SCOPED_TRACE(zone);
        EXPECT_EQ(w.window.model().zoneName(zone), name);
    }
    EXPECT_EQ(writtenText(w.window), exported);
    EXPECT_EQ(w.window.statusText(),
              " Imported complete from file: " + QDir::toNativeSeparators(file));
    EXPECT_EQ(w.configurationLines(), writerLines(w.window));

    // The save dialog proposes the file last opened.
    w.prompts->saveAnswer.clear();
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    EXPECT_EQ(w.prompts->saveProposals.last(), file);
    EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
}

TEST_F(FileModeTest, ExistingFileIsReplacedOnlyAfterOK)
{
    for (const bool overwrite : {false, true}) {
        SCOPED_TRACE(overwrite ? "OK" : "Cancel");
        const QString file = path(overwrite ? "ok.zel" : "cancel.zel");
        ASSERT_TRUE(writeFile(file, "old text\r\n"));
        w.window.newZel8Action()->trigger();
        w.prompts->saveAnswer = file;
        w.prompts->confirmAnswer = overwrite;
        w.prompts->confirmations.clear();
        ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
        EXPECT_EQ(w.prompts->confirmations,
                  QStringList({"File " + QDir::toNativeSeparators(file) + " exists. Overwrite?"}));
        EXPECT_EQ(fileBytes(file), overwrite ? writtenText(w.window) : QByteArray("old text\r\n"));
    }
}

TEST_F(FileModeTest, CancelledOrFailedFileDialogsEndTheCommand)
{
    w.window.newZel8Action()->trigger();
    const QString status = w.window.statusText();

    // A cancelled open dialog still resets and reads the empty text.
    QSignalSpy readerRuns(&w.window, &ui::MainWindow::committedAndRefreshed);
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(readerRuns.count(), 1);
    EXPECT_EQ(w.window.model().zoneCount(), -1);
    EXPECT_EQ(w.window.statusText(), status);
    EXPECT_TRUE(w.link.lastOpenedFile().isEmpty());

    // A file that cannot be read is reported and nothing is read.
    readerRuns.clear();
    w.prompts->openAnswer = path("missing.zel");
    ASSERT_TRUE(w.runToEnd(w.window.importAction()));
    EXPECT_EQ(readerRuns.count(), 0);
    ASSERT_EQ(w.prompts->errors.size(), 1);
    EXPECT_TRUE(w.prompts->errors[0].contains("missing.zel")) << w.prompts->errors[0].toStdString();

    // A cancelled save dialog writes nothing; a file that cannot be written is reported.
    w.window.newZel8Action()->trigger();
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
    w.prompts->saveAnswer = path("no-such-folder/unit.zel");
    ASSERT_TRUE(w.runToEnd(w.window.exportAction()));
    ASSERT_EQ(w.prompts->errors.size(), 2);
    EXPECT_TRUE(w.prompts->errors[1].contains("unit.zel")) << w.prompts->errors[1].toStdString();
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}

} // namespace
} // namespace zel::test
