// Transfer benchmark: exports and imports a filled ZEL-16 configuration against zelsim, over
// loopback TCP and over a pseudo-terminal paced at 9600 baud, and prints times per transfer and
// per line. The export is timed three ways side by side: the link's transfer alone, the window's
// Export command (configuration text box and status line included), and a whole `zeltool
// export` run. At 9600 baud it also times `zeltool export --changes-only` of a one-name change,
// fetch included, against a full export of the same configuration.
// At 9600 baud it also times the window's Export, which reads the unit first, against a read alone
// plus an export alone (--send-path runs that alone).
// Usage: zel_transfer_bench [--runs N] [--no-serial] [--send-path]

#include "bench_prompts.h"
#include "filled_configuration.h"

#include "link/config_file.h"
#include "link/export_lines.h"
#include "link/export_transfer.h"
#include "link/import_transfer.h"
#include "link/serial_channel.h"
#include "link/serial_endpoint.h"
#include "link/telnet_channel.h"
#include "model/templates.h"
#include "ui/common/user_prompts.h"
#include "ui/transfer/link_controller.h"
#include "ui/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

using namespace zel;

namespace {

constexpr double kBitsPerByte = 10.0; // 8N1: start bit, eight data bits, stop bit
constexpr double kBaud = 9600.0;

// The filled configuration as a file every simulator starts from, so each one dumps it.
QString g_configFile;

double wireMs(qint64 bytes)
{
    return static_cast<double>(bytes) * kBitsPerByte / kBaud * 1000.0;
}

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A running zelsim and where it listens.
class Simulator {
public:
    // Starts from `config`, the filled configuration unless given.
    explicit Simulator(const QStringList& arguments, const QString& config = g_configFile)
    {
        m_process.start(QStringLiteral(ZELSIM_PATH), arguments + QStringList{"--config", config});
        QByteArray output;
        while (m_process.waitForReadyRead(10000)) {
            output += m_process.readAllStandardOutput();
            for (const char* prefix : {"listening on ", "pseudo-terminal "}) {
                const qsizetype start = output.indexOf(prefix);
                const qsizetype end = start < 0 ? -1 : output.indexOf('\n', start);
                if (end >= 0) {
                    const qsizetype length = static_cast<qsizetype>(std::strlen(prefix));
                    m_address =
                        QString::fromLatin1(output.mid(start + length, end - start - length));
                    return;
                }
            }
        }
        std::fprintf(stderr, "zelsim did not start: %s\n",
                     m_process.readAllStandardError().constData());
        std::exit(1);
    }
    ~Simulator()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QString address() const { return m_address; }

private:
    QProcess m_process;
    QString m_address;
};

struct Run {
    double ms = 0;
    qint64 bytesSent = 0;
    qint64 bytesReceived = 0;
    link::TransferOutcome outcome = link::TransferOutcome::Running;
};

Run runTransfer(link::Transfer& transfer)
{
    QEventLoop loop;
    QObject::connect(&transfer, &link::Transfer::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    transfer.start();
    loop.exec();
    return {clock.nsecsElapsed() / 1e6, transfer.bytesSent(), transfer.bytesReceived(),
            transfer.outcome()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void requireCompleted(const Run& run, const char* what)
{
    if (run.outcome != link::TransferOutcome::Completed) {
        std::fprintf(stderr, "%s did not complete (outcome %d)\n", what,
                     static_cast<int>(run.outcome));
        std::exit(1);
    }
}

// The simulator's own reply time: a bare socket sends each line and blocks until its
// acknowledgement, with no transfer machinery in between.
double bareExchangeMs(const QString& address, const QStringList& lines)
{
    const int colon = static_cast<int>(address.lastIndexOf(':'));
    QTcpSocket socket;
    socket.connectToHost(address.left(colon), address.mid(colon + 1).toUShort());
    socket.waitForConnected();
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QElapsedTimer clock;
    clock.start();
    QByteArray pending;
    for (const QString& line : lines) {
        if (!link::isSendableLine(line))
            continue;
        const QByteArray expected = link::expectedReply(line).toLatin1();
        socket.write(line.toLatin1() + '\n');
        while (!pending.contains(expected) && socket.waitForReadyRead(5000))
            pending += socket.readAll();
        pending.remove(0, pending.indexOf(expected) + expected.size());
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    socket.disconnectFromHost();
    return ms;
}

// Runs the event loop until the window's unit work that `command` starts has ended: the last
// transfer's outcome, and how long it took in ms.
std::pair<link::TransferOutcome, double> runWindowCommand(ui::MainWindow& window, QAction* command)
{
    QEventLoop loop;
    link::TransferOutcome outcome = link::TransferOutcome::Running;
    QObject::connect(window.link(), &ui::LinkController::transferFinished, &loop,
                     [&](link::TransferOutcome end) {
                         outcome = end;
                         // Once what follows the read has begun: the export's end is the end.
                         QTimer::singleShot(0, &loop, [&] {
                             if (!window.unitWorkPending())
                                 loop.quit();
                         });
                     });
    QElapsedTimer clock;
    clock.start();
    command->trigger();
    loop.exec();
    return {outcome, clock.nsecsElapsed() / 1e6};
}

void requireWindowCompleted(link::TransferOutcome outcome, const char* what)
{
    if (outcome != link::TransferOutcome::Completed) {
        std::fprintf(stderr, "window %s did not complete (outcome %d)\n", what,
                     static_cast<int>(outcome));
        std::exit(1);
    }
}

// The window's Export command to `unit`, with the filled configuration opened from its file:
// from the command to the end of the export, the read of the unit first included.
double windowExportMs(const QString& unit, bool serial)
{
    ui::MainWindow window;
    window.setPrompts(std::make_unique<bench::BenchPrompts>(unit, g_configFile));
    window.show();
    window.importAction()->trigger(); // File Mode: opens the filled configuration
    (serial ? window.serialModeAction() : window.telnetModeAction())->trigger();
    const auto [outcome, ms] = runWindowCommand(window, window.exportAction());
    requireWindowCompleted(outcome, "export");
    return ms;
}

// A whole `zeltool export` run of `file` (the filled configuration unless given) to `unit`, with
// `options` added.
double zeltoolExportMs(const QString& unit, bool serial, const QString& file = g_configFile,
                       const QStringList& options = {})
{
    QProcess zeltool;
    QElapsedTimer clock;
    clock.start();
    zeltool.start(QStringLiteral(ZELTOOL_PATH),
                  QStringList{"export", file, serial ? "--serial" : "--tcp", unit} + options);
    zeltool.waitForFinished(120000);
    const double ms = clock.nsecsElapsed() / 1e6;
    if (zeltool.exitStatus() != QProcess::NormalExit || zeltool.exitCode() != 0) {
        std::fprintf(stderr, "zeltool export failed: %s\n",
                     zeltool.readAllStandardError().constData());
        std::exit(1);
    }
    return ms;
}

void printSideBySide(double engineMs, double windowMs, double zeltoolMs)
{
    std::printf("  export side by side: link transfer %.1f ms, window %.1f ms, zeltool %.1f ms;"
                " window / zeltool %.3f\n",
                engineMs, windowMs, zeltoolMs, windowMs / zeltoolMs);
}

void benchLoopback(const QStringList& lines, int sendable, int runs)
{
    Simulator sim({"--tcp", "0"});
    link::TransferSettings settings;
    std::vector<double> exportMs, importMs, bareMs, windowMs, zeltoolMs;
    int dumpLines = 0;
    for (int i = 0; i < runs; ++i) {
        link::ExportTransfer exporter(std::make_unique<link::TelnetChannel>(sim.address()), lines,
                                      settings);
        const Run exported = runTransfer(exporter);
        requireCompleted(exported, "loopback export");
        exportMs.push_back(exported.ms);

        link::ImportTransfer importer(std::make_unique<link::TelnetChannel>(sim.address()),
                                      settings);
        const Run imported = runTransfer(importer);
        requireCompleted(imported, "loopback import");
        importMs.push_back(imported.ms);
        dumpLines = static_cast<int>(importer.receivedText().count('\n'));

        bareMs.push_back(bareExchangeMs(sim.address(), lines));
        windowMs.push_back(windowExportMs(sim.address(), false));
        zeltoolMs.push_back(zeltoolExportMs(sim.address(), false));
    }
    // The export pauses twice (after connecting and after the handshake) before the first line.
    const double pausesMs = 2.0 * static_cast<double>(settings.settleTime.count());
    const double exportLinesMs = median(exportMs) - pausesMs;
    std::printf("Loopback TCP (median of %d runs)\n", runs);
    std::printf("  export: %8.1f ms total, %5.1f ms of it the two settle pauses; %d lines, %.3f ms "
                "per line\n",
                median(exportMs), pausesMs, sendable, exportLinesMs / sendable);
    std::printf("  bare exchange with the simulator: %.3f ms per line; transfer overhead %.3f ms "
                "per line\n",
                median(bareMs) / sendable, (exportLinesMs - median(bareMs)) / sendable);
    std::printf("  import: %8.1f ms total from connect to finish (%d lines), %.3f ms per line\n",
                median(importMs), dumpLines, median(importMs) / dumpLines);
    printSideBySide(median(exportMs), median(windowMs), median(zeltoolMs));
}

// One zone renamed: a full export of it, then, with the unit back on the filled configuration,
// `--changes-only` of it (the fetch of the unit's configuration included).
void benchChangesOnly(const QString& unit, QStringList lines)
{
    const qsizetype at = lines.indexOf(QRegularExpression(QStringLiteral("\\[NO1\".*")));
    if (at < 0) {
        std::fprintf(stderr, "the filled configuration names no zone 1\n");
        std::exit(1);
    }
    lines[at] = QStringLiteral("[NO1\"Renamed\"]");
    const QString edited = QFileInfo(g_configFile).dir().filePath(QStringLiteral("edited.zel"));
    if (const auto saved = link::writeConfigurationFile(edited, lines); !saved.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.errorText));
        std::exit(1);
    }
    const double fullMs = zeltoolExportMs(unit, true, edited);
    zeltoolExportMs(unit, true); // the unit holds the filled configuration again
    const double changesMs = zeltoolExportMs(unit, true, edited, {"--changes-only"});
    std::printf("  one name changed: zeltool export %.1f ms, export --changes-only %.1f ms "
                "(fetch included); ratio %.3f (at most 0.8 wanted)\n",
                fullMs, changesMs, changesMs / fullMs);
}

void benchPacedSerial(const QStringList& lines, int sendable)
{
    Simulator sim({"--pty", "--baud", "9600"});
    link::SerialEndpoint port;
    if (!port.open(sim.address())) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(sim.address()),
                     qPrintable(port.errorString()));
        std::exit(1);
    }
    link::TransferSettings settings;

    link::ExportTransfer exporter(std::make_unique<link::SerialChannel>(port), lines, settings);
    const Run exported = runTransfer(exporter);
    requireCompleted(exported, "paced serial export");
    std::printf("Pseudo-terminal paced at 9600 baud\n");
    std::printf(
        "  export: %8.1f ms total (%d lines, %.2f ms per line); %lld bytes sent, %lld received;"
        " wire time %.1f ms; ratio %.3f\n",
        exported.ms, sendable, exported.ms / sendable, static_cast<long long>(exported.bytesSent),
        static_cast<long long>(exported.bytesReceived),
        wireMs(exported.bytesSent + exported.bytesReceived),
        exported.ms / wireMs(exported.bytesSent + exported.bytesReceived));
    port.close(); // the window and zeltool open the port themselves
    const double windowMs = windowExportMs(sim.address(), true);
    const double zeltoolMs = zeltoolExportMs(sim.address(), true);
    printSideBySide(exported.ms, windowMs, zeltoolMs);
    benchChangesOnly(sim.address(), lines);
    if (!port.open(sim.address())) {
        std::fprintf(stderr, "cannot open %s again\n", qPrintable(sim.address()));
        std::exit(1);
    }

    // The last acknowledgement's line end is still on its way: let it come and go.
    waitMs(50);
    port.flushBuffers();
    link::ImportTransfer importer(std::make_unique<link::SerialChannel>(port), settings);
    const Run imported = runTransfer(importer);
    requireCompleted(imported, "paced serial import");
    // The unit answers once the whole request is in, so request and dump follow each other.
    const double importWireMs = wireMs(imported.bytesSent + imported.bytesReceived);
    std::printf("  import: %8.1f ms total; %lld bytes sent, %lld received; wire time %.1f ms;"
                " done %.1f ms after the dump's end; ratio %.3f\n",
                imported.ms, static_cast<long long>(imported.bytesSent),
                static_cast<long long>(imported.bytesReceived), importWireMs,
                imported.ms - importWireMs, imported.ms / importWireMs);
}

void benchPacedTelnetImport()
{
    // Paced, the dump's end comes long after the request, so the time past the wire time is the
    // import's own reaction to the end.
    Simulator sim({"--tcp", "0", "--baud", "9600"});
    link::ImportTransfer importer(std::make_unique<link::TelnetChannel>(sim.address()),
                                  link::TransferSettings{});
    const Run imported = runTransfer(importer);
    requireCompleted(imported, "paced telnet import");
    // The unit answers "[]" once its two bytes are in, and starts the dump once all eight bytes of
    // the request are in; its three-byte reply to "[]" goes out meanwhile.
    const double dumpEndMs = wireMs(imported.bytesSent + imported.bytesReceived - 3);
    std::printf("Loopback TCP paced at 9600 baud\n");
    std::printf("  import: %8.1f ms total; %lld bytes received; the dump ends %.1f ms in;"
                " done %.1f ms after the dump's end\n",
                imported.ms, static_cast<long long>(imported.bytesReceived), dumpEndMs,
                imported.ms - dumpEndMs);
}

// What the read before a send costs: the window's Export, which reads the unit before it sends,
// against the least time of a read alone plus an export alone over the link, at 9600 baud over a
// pseudo-terminal. A ZEL-8 at its blank template keeps the run short.
void benchReadBeforeSend(int runs)
{
    const QString zel8 = QFileInfo(g_configFile).dir().filePath(QStringLiteral("zel8.zel"));
    QStringList template8;
    for (const std::string& line : model::templateLines(model::UnitSize::Zel8))
        template8 << QString::fromStdString(line);
    if (const auto saved = link::writeConfigurationFile(zel8, template8); !saved.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.errorText));
        std::exit(1);
    }
    Simulator sim({"--pty", "--baud", "9600"}, zel8);
    link::SerialEndpoint port;
    if (!port.open(sim.address())) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(sim.address()),
                     qPrintable(port.errorString()));
        std::exit(1);
    }
    // Between transfers, the last reply's line end is still on its way: let it come and go.
    const auto settle = [&port] {
        waitMs(50);
        port.flushBuffers();
    };
    const link::TransferSettings settings;
    std::vector<double> readMs, exportMs;
    QStringList lines; // what the window sends: the writer's text of what the unit holds
    for (int i = 0; i < runs; ++i) {
        link::ImportTransfer reader(std::make_unique<link::SerialChannel>(port), settings);
        const Run read = runTransfer(reader);
        requireCompleted(read, "paced serial read");
        readMs.push_back(read.ms);
        lines = test::configurationLines(test::readConfiguration(reader.receivedText()));
        settle();
        link::ExportTransfer exporter(std::make_unique<link::SerialChannel>(port), lines, settings);
        const Run exported = runTransfer(exporter);
        requireCompleted(exported, "paced serial export");
        exportMs.push_back(exported.ms);
        settle();
    }
    port.close(); // the window opens the port itself

    ui::MainWindow window;
    window.setPrompts(std::make_unique<bench::BenchPrompts>(sim.address(), QString()));
    window.show();
    window.serialModeAction()->trigger();
    requireWindowCompleted(runWindowCommand(window, window.importAction()).first, "import");
    std::vector<double> windowMs;
    for (int i = 0; i < runs; ++i) {
        const auto [outcome, ms] = runWindowCommand(window, window.exportAction());
        requireWindowCompleted(outcome, "export with its read");
        windowMs.push_back(ms);
    }
    const double leastRead = *std::min_element(readMs.begin(), readMs.end());
    const double leastExport = *std::min_element(exportMs.begin(), exportMs.end());
    const double leastWindow = *std::min_element(windowMs.begin(), windowMs.end());
    std::printf("Export with its read first, pseudo-terminal paced at 9600 baud (ZEL-8, %lld "
                "lines; least of %d runs)\n",
                static_cast<long long>(lines.size()), runs);
    std::printf("  read alone %.1f ms + export alone %.1f ms = %.1f ms; the window's Export %.1f "
                "ms; ratio %.3f (at most 1.05 wanted)\n",
                leastRead, leastExport, leastRead + leastExport, leastWindow,
                leastWindow / (leastRead + leastExport));
}

} // namespace

int main(int argc, char* argv[])
{
    // The window is timed as it runs without a display, unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // zeltool and the window keep a journal of their transfers: the benchmark's go elsewhere.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    int runs = 5;
    if (const qsizetype at = arguments.indexOf("--runs"); at >= 0 && at + 1 < arguments.size())
        runs = std::max(1, arguments[at + 1].toInt());

    const QStringList lines = test::configurationLines(test::filledZel16());
    QTemporaryDir folder;
    g_configFile = folder.filePath("filled.zel");
    if (const auto saved = link::writeConfigurationFile(g_configFile, lines); !saved.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.errorText));
        return 1;
    }
    const int sendable =
        static_cast<int>(std::count_if(lines.begin(), lines.end(), link::isSendableLine));
    std::printf("Filled ZEL-16: %lld text lines, %d sent\n", static_cast<long long>(lines.size()),
                sendable);

    if (arguments.contains("--send-path")) { // the read before a send alone, two runs
        benchReadBeforeSend(arguments.contains("--runs") ? runs : 2);
        return 0;
    }
    benchLoopback(lines, sendable, runs);
    if (!arguments.contains("--no-serial")) {
        benchPacedTelnetImport();
        benchPacedSerial(lines, sendable);
        benchReadBeforeSend(2);
    }
    return 0;
}
