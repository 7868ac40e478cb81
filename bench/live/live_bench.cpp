// Live mode benchmark: the window goes live over a pseudo-terminal paced at 9600 baud against
// zelsim holding a filled ZEL-16 (every zone in ZQ mode: 14 lines a zone's audio block, 15 with
// the end line), then
// - a slider's release: from the release to the unit's last acknowledgement of what it sends (the
//   volume's lock and value lines and the end line, not the zone's whole block), against 60 ms
//   plus the unit's reply delays;
// - a 200-step drag over 2 s: how many blocks went, against 2 s / settle time + 1;
// - throughout, the longest the window's event loop went without turning, against 50 ms.
// Usage: zel_live_bench [--releases N] [--reply-delay MS]

#include "bench_prompts.h"
#include "filled_configuration.h"

#include "link/config_file.h"
#include "model/command_language.h"
#include "model/member_lines.h"
#include "session/live/live_session.h"
#include "ui/live/live_controller.h"
#include "ui/pages/zone_audio_page.h"
#include "ui/window/editor_page_set.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zel;
using session::LiveState;

namespace {

constexpr double kBytesPerSecond = 960.0; // 9600 baud, 8N1

void fail(const char* what)
{
    std::fprintf(stderr, "live benchmark: %s\n", what);
    std::exit(1);
}

// Runs the event loop until `done` holds, looking again whenever `session` reports.
void waitUntil(session::LiveSession& live, const std::function<bool()>& done, int limitMs = 60000)
{
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] { fail("timed out"); });
    QObject::connect(&live, &session::LiveSession::statusChanged, &loop, [&] {
        if (done())
            loop.quit();
    });
    limit.start(limitMs);
    if (!done())
        loop.exec();
}

// The longest time the event loop went without turning while it ran.
class Responsiveness : public QObject {
public:
    Responsiveness()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_clock.isValid())
                m_longestMs = std::max(m_longestMs, m_clock.nsecsElapsed() / 1e6);
            m_clock.start();
        });
        m_timer.start();
    }
    double longestMs() const { return m_longestMs; }
    // Starts the count again.
    void restart()
    {
        m_longestMs = 0;
        m_clock.invalidate();
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longestMs = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dataHome; // the window's journal goes there
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const auto option = [&](const char* name, int fallback) {
        const qsizetype at = arguments.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toInt() : fallback;
    };
    const int releases = std::max(1, option("--releases", 10));
    const int replyDelayMs = option("--reply-delay", 2);

    const model::ConfigModel filled = test::filledZel16();
    QTemporaryDir folder;
    const QString file = folder.filePath("filled.zel");
    if (!link::writeConfigurationFile(file, test::configurationLines(filled)).ok)
        fail("cannot write the configuration");
    QProcess sim;
    sim.start(QStringLiteral(ZELSIM_PATH),
              {"--pty", "--baud", "9600", "--reply-delay", QString::number(replyDelayMs),
               "--verbose", "--config", file});
    QByteArray announced;
    while (!announced.contains('\n') && sim.waitForReadyRead(10000))
        announced += sim.readAllStandardOutput();
    const QString pty = QString::fromLatin1(announced.mid(announced.indexOf(' ') + 1).trimmed());

    ui::MainWindow window;
    window.setPrompts(std::make_unique<bench::BenchPrompts>(pty, file));
    window.show();
    window.importAction()->trigger(); // File Mode: the filled configuration, as the unit holds
    window.serialModeAction()->trigger();
    session::LiveSession& live = window.live()->session();
    Responsiveness responsiveness;
    QElapsedTimer clock;
    clock.start();
    window.live()->liveAction()->trigger(); // fetched at 9600 baud and compared
    waitUntil(
        live, [&] { return live.status().state == LiveState::InSync; }, 120000);
    std::printf("Live over a pseudo-terminal paced at 9600 baud, reply delay %d ms a line\n",
                replyDelayMs);
    std::printf("  going live (the unit fetched and compared): %.0f ms; the window answered "
                "within %.1f ms throughout\n",
                clock.nsecsElapsed() / 1e6, responsiveness.longestMs());
    responsiveness.restart();

    ui::ZoneAudioPage* page = window.pageSet().zoneAudioPage();
    window.tabs()->setCurrentWidget(page);
    auto* volume = page->findChild<QSlider*>(QStringLiteral("volumeSlider"));
    const int start = volume->value();

    // Releases, each after a short drag, with the link idle: the volume's lines and the end line.
    model::ConfigModel moved = filled;
    moved.zoneAudio(1).volume = static_cast<int8_t>(moved.zoneAudio(1).volume - 1);
    std::vector<std::string> block =
        model::memberLines(filled, moved, {model::WriterBlock::Kind::ZoneAudio, 1});
    block.emplace_back(model::kEndMarker);
    qint64 bytes = 0;
    for (const std::string& line : block)
        bytes += 2 * static_cast<qint64>(line.size()) + 2; // "[..]" out, "(..)\r\n" back
    const double targetMs = 60.0 + replyDelayMs * static_cast<double>(block.size());
    const double wireMs = bytes / kBytesPerSecond * 1000.0;
    std::vector<double> releaseMs;
    for (int i = 0; i < releases; ++i) {
        volume->setSliderDown(true);
        volume->setValue(start - 1 - i % 2);
        clock.start();
        volume->setSliderDown(false);
        waitUntil(live, [&] { return live.status().state == LiveState::InSync; });
        releaseMs.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("  release to last acknowledgement: median %.1f ms, longest %.1f ms over %d "
                "releases; %zu lines, %lld bytes both ways (%.1f ms on the wire): target %.1f ms\n",
                median(releaseMs), *std::max_element(releaseMs.begin(), releaseMs.end()), releases,
                block.size(), static_cast<long long>(bytes), wireMs, targetMs);

    // A drag of 200 steps over 2 s, back and forth within a few dB, then its release.
    sim.readAllStandardError();
    int step = 0;
    double longestStepMs = 0; // one move of the slider, handled whole: page, history, live mode
    double totalStepMs = 0;
    QTimer drag;
    drag.setTimerType(Qt::PreciseTimer);
    QEventLoop dragging;
    QObject::connect(&drag, &QTimer::timeout, &dragging, [&] {
        QElapsedTimer handled;
        handled.start();
        volume->setValue(start - 1 - (++step % 10));
        longestStepMs = std::max(longestStepMs, handled.nsecsElapsed() / 1e6);
        totalStepMs += handled.nsecsElapsed() / 1e6;
        if (step == 200) {
            drag.stop();
            volume->setSliderDown(false);
            dragging.quit();
        }
    });
    volume->setSliderDown(true);
    drag.start(10);
    dragging.exec();
    waitUntil(live, [&] { return live.status().state == LiveState::InSync; });
    const qsizetype blocks = sim.readAllStandardError().count("command: [VO1R");
    const int settleMs = static_cast<int>(live.settings().settleTime.count());
    std::printf("  200-step drag over 2 s: %lld blocks sent (at most %d wanted, settle %d ms); "
                "a move took %.2f ms to handle on average, %.1f ms at the longest\n",
                static_cast<long long>(blocks), 2000 / settleMs + 1, settleMs, totalStepMs / 200,
                longestStepMs);
    std::printf("  longest the window went without answering while live (releases and drag): "
                "%.1f ms (at most 50 wanted)\n",
                responsiveness.longestMs());
    responsiveness.restart();
    clock.start();
    window.live()->liveAction()->trigger();
    waitUntil(
        live, [&] { return !live.isLive(); }, 120000);
    std::printf("  leaving live mode (the unit read back at 9600 baud, into the journal): %.1f "
                "ms\n",
                clock.nsecsElapsed() / 1e6);
    sim.kill();
    sim.waitForFinished();
    return 0;
}
