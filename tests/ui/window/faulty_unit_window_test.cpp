// The window against units that misbehave or are not there, over TCP and a pseudo-terminal: the
// window keeps handling events while it waits, the configuration text box or the error box says
// what happened, an export leaves the configuration being edited as it was, and an import applies
// what came. The faults the window's transfer tests already play are not repeated here.
#include "link_window_fixture.h"

#include "link/absent_units.h"
#include "link/serial_monitor.h"
#include "link/transfer_texts.h"
#include "link/zelsim_process.h"
#include "ui/pages/editor_page.h"
#include "ui/transfer/transfer_progress_panel.h"
#include "ui/transfer/transfer_status_texts.h"
#include "ui/window/editor_page_set.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace zel::test {
namespace {

namespace texts = link::texts;
using Link = ZelSimProcess::Link;

enum class Command { Import, Export, None }; // None: the port between transfers
enum class Unit { Simulated, UnknownHost, BadPort, Unanswered };

struct WindowFaultCase {
    const char* what;
    Link link;
    Command command;
    QStringList faults;
    QString lastLine;  // the box's last line when the transfer ends; empty: not checked
    QString errorPart; // part of the one error box shown; empty: no error box
    bool switchOffMidway = false;
    Unit unit = Unit::Simulated;
    int zoneCount = -2;        // import: the zone count of what was applied; -2: not checked
    QStringList sentText = {}; // export: text to send in place of the writer's
    QString statusPart = {};   // part of the status line at the end
};

link::TransferSettings faultSettings()
{
    link::TransferSettings settings = quickSettings();
    settings.responseTimeout = std::chrono::milliseconds(500);
    settings.serialQuietTime = std::chrono::milliseconds(500);
    // Enough for whole configurations; the reader run over what an endless dump brings stays
    // short, so that the longest wait measures the transfer and not the reading.
    settings.receiveLimit = 64 * 1024;
    return settings;
}

// Counts the turns of the event loop (a 1 ms timer) while a transfer runs, or from the start
// when `watching`. Every transfer that reaches the unit waits at least once on a timer of a few
// milliseconds (the settle time, a response time), and timers fire in the order they fall due:
// a window that kept handling events while it waited has ticked.
class EventLoopWatch {
public:
    EventLoopWatch(const ui::LinkController& link, bool watching) : m_watching(watching)
    {
        QObject::connect(&m_ticker, &QTimer::timeout, [this] { m_ticks += m_watching ? 1 : 0; });
        QObject::connect(&link, &ui::LinkController::transferStarted, &m_ticker,
                         [this] { m_watching = true; });
        QObject::connect(&link, &ui::LinkController::transferFinished, &m_ticker,
                         [this] { m_watching = false; });
        m_ticker.setTimerType(Qt::PreciseTimer);
        m_ticker.start(1);
    }
    int ticks() const { return m_ticks; }

private:
    QTimer m_ticker;
    bool m_watching;
    int m_ticks = 0;
};

} // namespace

TEST(FaultyUnitWindow, WindowStaysResponsiveSaysWhatHappenedAndKeepsTheConfiguration)
{
    const QString replyLimit = texts::replyLimitLine(faultSettings().receiveLimit);
    const QString importLimit = texts::receiveLimitLine(faultSettings().receiveLimit);
    // An import that ends on "[QXSB]" and applies all 16 zones of the blank ZEL-16.
    const auto applied = [](const char* what, Link link, const QStringList& faults) {
        return WindowFaultCase{what, link,  Command::Import, faults, "[QXSB]",
                               {},   false, Unit::Simulated, 16};
    };
    const QList<WindowFaultCase> cases = {
        {"refuses the dump request",
         Link::Tcp,
         Command::Import,
         {"--error-on", "QXSB"},
         texts::noResponseLine(faultSettings().responseTimeout),
         {},
         false,
         Unit::Simulated,
         -1},
        {"only echoes what it is sent",
         Link::Tcp,
         Command::Import,
         {"--echo-only"},
         "[QXSB]",
         {},
         false,
         Unit::Simulated,
         -1},
        {"refuses the dump request",
         Link::Pty,
         Command::Import,
         {"--error-on", "QXSB"},
         "(ERROR)",
         {},
         false,
         Unit::Simulated,
         -1},
        {"sends noise in its dump",
         Link::Pty,
         Command::Import,
         {"--noise"},
         "[QXSB]",
         {},
         false,
         Unit::Simulated,
         16},
        applied("ends its lines with a line feed alone", Link::Tcp, {"--line-end", "lf"}),
        applied("ends its lines with a line feed alone", Link::Pty, {"--line-end", "lf"}),
        applied("negotiates telnet options at connect and inside a dump line", Link::Tcp,
                {"--telnet-negotiation", "both"}),
        // clang-format off
        // What the subnegotiation took of the dump is lost, and the box says how much.
        {"leaves a telnet subnegotiation unfinished", Link::Tcp, Command::Import,
         {"--telnet-negotiation", "unfinished"}, texts::unfinishedNegotiationLine(256), {}, false,
         Unit::Simulated, 16},
        // clang-format on
        {"sends without end",
         Link::Pty,
         Command::Import,
         {"--endless"},
         importLimit,
         {},
         false,
         Unit::Simulated,
         16},
        {"is switched off mid-dump", Link::Tcp, Command::Import, {"--baud", "9600"}, {}, {}, true},
        {"is switched off mid-dump",
         Link::Pty,
         Command::Import,
         {"--baud", "9600"},
         {},
         "was lost",
         true},
        {"is an unknown host",
         Link::Tcp,
         Command::Import,
         {},
         {},
         kUnknownHost,
         false,
         Unit::UnknownHost},
        {"is named with a port out of range",
         Link::Tcp,
         Command::Export,
         {},
         {},
         "failed: Port 99999 is out of range (1 to 65535)",
         false,
         Unit::BadPort},
        {"never answers the connection",
         Link::Tcp,
         Command::Export,
         {},
         {},
         "No answer from the host within",
         false,
         Unit::Unanswered},
        {"never acknowledges",
         Link::Pty,
         Command::Export,
         {"--silent-after", "0"},
         texts::noResponseLine(faultSettings().responseTimeout),
         {}},
        {"is switched off mid-export",
         Link::Tcp,
         Command::Export,
         {"--reply-delay", "20"},
         {},
         "failed",
         true},
        {"is switched off mid-export",
         Link::Pty,
         Command::Export,
         {"--reply-delay", "20"},
         texts::kSerialPortLost,
         "was lost: " + link::portLostText(),
         true},
        // clang-format off
        {"refuses a line", Link::Pty, Command::Export, {"--error-on", "SD"}, texts::kErrorReply,
         {}, false, Unit::Simulated, -2, {}, ": the unit answered ERROR"},
        {"only echoes each line back", Link::Pty, Command::Export, {"--echo"}, texts::kOnlyEchoed,
         {}, false, Unit::Simulated, -2, {}, ui::status::kCompleteOnlyEchoed},
        {"floods the line, with no transfer", Link::Pty, Command::None, {"--unasked"},
         texts::unaskedLimitLine(faultSettings().receiveLimit), {}, false, Unit::Simulated, -2,
         {}, " Dropping what serial port: "},
        // clang-format on
        // Its first line asks for the dump, which the unit then sends without end.
        {"floods instead of acknowledging",
         Link::Tcp,
         Command::Export,
         {"--endless"},
         replyLimit,
         {},
         false,
         Unit::Simulated,
         -2,
         {"[QXSB]", "[SD0]"}},
    };
    for (const WindowFaultCase& c : cases) {
        SCOPED_TRACE(
            std::string(c.link == Link::Tcp ? "tcp: " : "pty: ") +
            (c.command == Command::Import ? "import from a unit that " : "export to a unit that ") +
            c.what);
        ZelSimProcess sim;
        const UnansweredListener unanswered;
        LinkWindow w;
        w.link.setTransferSettings(faultSettings());
        if (c.unit == Unit::Simulated) {
            ASSERT_TRUE(sim.start(c.link, c.faults)) << sim.error().toStdString();
            if (c.link == Link::Tcp)
                w.chooseTelnet(sim.address());
            else
                w.chooseSerial(sim.address());
        } else {
            w.chooseTelnet(c.unit == Unit::UnknownHost ? kUnknownHost
                           : c.unit == Unit::BadPort   ? kHostWithBadPort
                                                       : unanswered.host());
        }
        w.window.newZel16Action()->trigger();
        w.window.model().setZoneName(4, "Library");
        const QStringList edited = writerLines(w.window);
        w.prompts->confirmAnswer = true; // an import discards the edit, once asked

        if (c.switchOffMidway && c.command == Command::Import) {
            QObject::connect(w.window.configurationTextBox(), &QPlainTextEdit::textChanged,
                             &w.window, [&] {
                                 if (!w.window.configurationTextBox()->toPlainText().isEmpty())
                                     sim.kill();
                             });
        } else if (c.switchOffMidway) {
            QObject::connect(w.link.progressPanel()->progressBar(), &QProgressBar::valueChanged,
                             &w.window, [&](int line) {
                                 if (line >= 3)
                                     sim.kill();
                             });
        }

        // What the box holds when the transfer ends: a serial unit may go on sending after it.
        QString boxAtEnd;
        QObject::connect(&w.link, &ui::LinkController::transferFinished, &w.window,
                         [&] { boxAtEnd = ui::storedText(w.window.configurationTextBox()); });
        const EventLoopWatch watch(w.link, c.command == Command::None);
        QAction* command =
            c.command == Command::Import ? w.window.importAction() : w.window.exportAction();
        QAction sendText; // sends the case's text in place of the writer's
        if (!c.sentText.isEmpty()) {
            QObject::connect(&sendText, &QAction::triggered, &w.link,
                             [&] { w.link.exportConfiguration(c.sentText); });
            command = &sendText;
        }
        const auto floodDropped = [&] { // twice the limit came, and the box shows its end
            boxAtEnd = ui::storedText(w.window.configurationTextBox());
            return w.link.serialMonitor()->bytesReceived() > 2 * faultSettings().receiveLimit &&
                   boxAtEnd.contains(c.lastLine);
        };
        ASSERT_TRUE(c.command == Command::None ? QTest::qWaitFor(floodDropped, 5000)
                                               : w.runToEnd(command, std::chrono::seconds(10)));
        if (!c.lastLine.isEmpty()) {
            EXPECT_GT(watch.ticks(), 0) << "the window went without events while it waited";
        }

        // A lost serial port is reported when the port itself says so, just after the end.
        if (!c.errorPart.isEmpty() && w.prompts->errors.isEmpty()) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !w.prompts->errors.isEmpty(); }, 1000));
        }
        const QStringList box = boxAtEnd.split('\n');
        if (!c.lastLine.isEmpty()) {
            const QStringList nonEmpty = box.filter(QRegularExpression("."));
            ASSERT_FALSE(nonEmpty.isEmpty());
            EXPECT_EQ(nonEmpty.last(), c.lastLine);
        }
        if (c.errorPart.isEmpty()) {
            EXPECT_TRUE(w.prompts->errors.isEmpty()) << w.prompts->errors.join('\n').toStdString();
        } else {
            EXPECT_EQ(w.prompts->errors.size(), 1) << w.prompts->errors.join('\n').toStdString();
            EXPECT_TRUE(w.prompts->errors.join('\n').contains(c.errorPart))
                << w.prompts->errors.join('\n').toStdString();
        }
        EXPECT_TRUE(w.window.statusText().contains(c.statusPart))
            << w.window.statusText().toStdString();
        if (c.command == Command::Export) {
            EXPECT_EQ(writerLines(w.window), edited) << "an export changes nothing being edited";
            EXPECT_EQ(w.window.model().zoneName(4), "Library");
        } else if (c.zoneCount != -2) {
            EXPECT_EQ(w.window.model().zoneCount(), c.zoneCount);
        }
        if (c.command == Command::Import && c.zoneCount == -1) {
            // Nothing was read: no page is open for edits of a configuration that is not there.
            for (const ui::EditorPage* page : w.window.pageSet().pages())
                for (const QWidget* control : page->findChildren<QWidget*>())
                    EXPECT_FALSE(control->isEnabled() &&
                                 (qobject_cast<const QLineEdit*>(control) ||
                                  qobject_cast<const QAbstractItemView*>(control) ||
                                  qobject_cast<const QAbstractSlider*>(control)))
                        << control->metaObject()->className();
        }
        EXPECT_LT(box.join('\n').size(), 2 * faultSettings().receiveLimit)
            << "the text box takes in a bounded amount";
        EXPECT_FALSE(w.link.isTransferRunning());
        EXPECT_TRUE(w.window.importAction()->isEnabled());
    }
}

} // namespace zel::test
