// find: units on a range of addresses, or on the serial ports named; the serial ports listed.

#include "arguments.h"
#include "byte_files.h"
#include "device_options.h"
#include "device_transfers.h"
#include "interrupt_watch.h"
#include "tool_command.h"

#include "session/find/address_range.h"
#include "session/find/probe_scan.h"
#include "session/find/serial_ports.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>

namespace zel::tool {

namespace {

using session::FoundUnit;
using session::SiteLink;

constexpr int kDefaultJobs = 64;
constexpr int kMostJobs = 256;

std::string textOf(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

std::string foundLine(const FoundUnit& unit)
{
    const session::UnitFingerprint& f = unit.fingerprint;
    QStringList parts{unit.link.text(), session::modelText(f)};
    parts << QStringLiteral("zone 1 \"%1\"").arg(f.zoneNames.value(0));
    parts << QStringLiteral("source 1 \"%1\"").arg(f.sourceNames.value(0));
    parts << session::networkText(f);
    if (!unit.whole)
        parts << QStringLiteral("(not whole: %1)").arg(unit.reason);
    return textOf(parts.join(QStringLiteral("  "))) + "\n";
}

QJsonObject foundJson(const FoundUnit& unit)
{
    return {{QStringLiteral("link"), unit.link.text()},
            {QStringLiteral("model"), session::modelText(unit.fingerprint)},
            {QStringLiteral("whole"), unit.whole},
            {QStringLiteral("configuration"), unit.fingerprint.toJson()}};
}

// Runs `scan` to its end or to Ctrl+C, showing progress on a terminal.
bool runScan(session::ProbeScan& scan)
{
    const bool showProgress = standardErrorIsATerminal();
    InterruptWatch interrupt;
    QObject::connect(&interrupt, &InterruptWatch::interrupted, &scan, &session::ProbeScan::cancel);
    QObject::connect(
        &scan, &session::ProbeScan::progress, [&scan, showProgress](quint64 done, quint64 total) {
            if (showProgress)
                std::fprintf(stderr, "\rProbed %llu of %llu, %d unit%s found",
                             static_cast<unsigned long long>(done),
                             static_cast<unsigned long long>(total), int(scan.found().size()),
                             scan.found().size() == 1 ? "" : "s");
        });
    QEventLoop loop;
    QObject::connect(&scan, &session::ProbeScan::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    scan.start();
    if (scan.isRunning())
        loop.exec();
    if (showProgress)
        std::fputc('\n', stderr);
    return !interrupt.wasInterrupted();
}

int report(const session::ProbeScan& scan, bool finished, bool json, const std::string& where)
{
    QList<FoundUnit> found = scan.found();
    // In address order: 192.0.2.9 before 192.0.2.10.
    const auto key = [](const FoundUnit& unit) {
        const QHostAddress host(unit.link.address.section(QLatin1Char(':'), 0, 0));
        return std::make_pair(host.toIPv4Address(), unit.link.address);
    };
    std::sort(found.begin(), found.end(),
              [&key](const FoundUnit& a, const FoundUnit& b) { return key(a) < key(b); });
    std::string out;
    if (json) {
        QJsonArray units;
        for (const FoundUnit& unit : found)
            units.append(foundJson(unit));
        const QJsonObject document{{QStringLiteral("units"), units},
                                   {QStringLiteral("probed"), qint64(scan.doneCount())},
                                   {QStringLiteral("interrupted"), !finished}};
        out = QJsonDocument(document).toJson().toStdString();
    } else {
        for (const FoundUnit& unit : found)
            out += foundLine(unit);
    }
    if (!writeStandardOutput(out))
        return fail(kExitFailure, "cannot write to standard output");
    const std::string count =
        std::to_string(found.size()) + (found.size() == 1 ? " unit" : " units") + " found " + where;
    if (!finished)
        return fail(kExitInterrupted, "find: interrupted: " + count + " before it stopped");
    std::fprintf(stderr, "%s\n", count.c_str());
    return found.isEmpty() ? kExitFailure : kExitOk;
}

int listSerialPorts()
{
    const QList<session::SerialPortDescription> ports = session::serialPorts();
    std::string out;
    for (const session::SerialPortDescription& port : ports)
        out += textOf(session::describePort(port)) + "\n";
    if (!writeStandardOutput(out))
        return fail(kExitFailure, "cannot write to standard output");
    std::fprintf(stderr,
                 "%d serial port%s; none was sent anything. Name the ones to probe: "
                 "zeltool find --serial DEVICE...\n",
                 int(ports.size()), ports.size() == 1 ? "" : "s");
    return kExitOk;
}

// The ranges given, walked as the scan goes: no address is listed before the first probe.
std::optional<session::AddressWalk> addressesOf(const Arguments& arguments, std::string& error)
{
    session::AddressWalk walk;
    for (const std::string& word : arguments.positional) {
        QString why;
        const std::optional<session::AddressRange> range =
            session::parseAddressRange(QString::fromStdString(word), why);
        if (!range) {
            error = textOf(why);
            return std::nullopt;
        }
        if (range->count() > session::kLargestUnforcedRange && !arguments.force) {
            error = word + " holds " + std::to_string(range->count()) +
                    " addresses, more than a /20 (4096); give --force to look through them all";
            return std::nullopt;
        }
        walk.add(*range);
    }
    return walk;
}

int runFind(const Arguments& arguments)
{
    std::string error;
    const std::optional<TransferOptions> options = transferOptionsOf(arguments, error);
    const std::optional<int> jobs =
        options ? wholeNumberOption(arguments.jobs, "--jobs", 1, kMostJobs, kDefaultJobs, error)
                : std::nullopt;
    const std::optional<int> port =
        jobs ? wholeNumberOption(arguments.port, "--port", 1, 65535, 23, error) : std::nullopt;
    if (!port)
        return fail(kExitUsage, "find: " + error);
    const bool serial = arguments.serialList || arguments.serial;
    if (serial && arguments.port)
        return fail(kExitUsage, "find: --port is for addresses, not serial ports");
    if (arguments.tcp)
        return fail(kExitUsage, "find: give the range itself, without --tcp");

    session::ProbeScan::Settings settings;
    settings.jobs = *jobs;
    if (arguments.timeout)
        settings.read.answerTime = options->responseTimeout;
    session::ProbeTargets targets;
    std::string where;
    if (serial) {
        QStringList devices;
        if (arguments.serial)
            devices << QString::fromStdString(*arguments.serial);
        for (const std::string& word : arguments.positional)
            devices << QString::fromStdString(word);
        devices.removeDuplicates();
        if (devices.isEmpty())
            return listSerialPorts();
        QList<SiteLink> ports;
        for (const QString& device : devices)
            ports << SiteLink{SiteLink::Kind::Serial, device};
        targets = session::ProbeTargets::of(ports);
        where =
            "on " + std::to_string(ports.size()) + " serial port" + (ports.size() == 1 ? "" : "s");
    } else {
        if (arguments.positional.empty())
            return fail(kExitUsage, "find: give a range (192.0.2.0/24 or "
                                    "192.0.2.10-192.0.2.40), or --serial");
        const std::optional<session::AddressWalk> addresses = addressesOf(arguments, error);
        if (!addresses)
            return fail(kExitUsage, "find: " + error);
        targets = session::ProbeTargets::of(*addresses, *port);
        where = "among " + std::to_string(targets.count) + " addresses";
    }
    session::ProbeScan scan(std::move(targets), settings);
    const bool finished = runScan(scan);
    return report(scan, finished, arguments.json, where);
}

constexpr std::string_view kFindDetails =
    "Looks for units on every address of the range, on TCP port 23 unless --port names\n"
    "another: a number of connections at once (--jobs, default 64), each with a short time to\n"
    "answer (--timeout, default 2 seconds). It only reads: the handshake \"[]\" and the request\n"
    "\"[QXSB]\", then the configuration as it comes, never a setting. What answers as a unit does\n"
    "is listed, one line each: its link (as a site file takes it), model, the first zone's and\n"
    "source's names and its own network settings. A TCP service that is not a unit is not\n"
    "listed. A range of more than 4096 addresses (a /20) needs --force. On a terminal, standard\n"
    "error shows how far it got. Ctrl+C stops it, closes every connection and lists what was\n"
    "found so far.\n"
    "\n"
    "  --serial             list the serial ports, with what the system knows of them (USB\n"
    "                       vendor, product, serial number, /dev/serial/by-id name); nothing is\n"
    "                       sent to them\n"
    "  --serial DEVICE...   probe those ports only: a probe sent to the wrong device can switch\n"
    "                       something on\n"
    "  --json               the units as JSON, for other tools\n"
    "\n"
    "Exit status: 0 a unit was found (or the ports listed); 1 none was; 2 bad usage; 130\n"
    "stopped by Ctrl+C.";

} // namespace

void addFindCommands(CommandTable& table)
{
    table.push_back({"find",
                     "CIDR|FIRST-LAST... [--port P] [--jobs N] [--force] | --serial [DEVICE...]",
                     "look for units on a range of addresses or the serial ports named; "
                     "--serial alone lists the ports",
                     kOptionTarget | kOptionSerialList | kOptionTransfer | kOptionScan |
                         kOptionJson | kOptionForce,
                     0, runFind, kFindDetails, false, 64});
}

} // namespace zel::tool
