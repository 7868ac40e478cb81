#include "sim_options.h"

#include "link/host_address.h"
#include "sim_control.h"

#include <QCommandLineParser>

#include <cstdio>

namespace zelsim {

namespace {

bool readCount(const QCommandLineParser& parser, const QString& name, int& value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    value = parser.value(name).toInt(&ok);
    if (!ok || value < 0) {
        std::fprintf(stderr, "zelsim: --%s needs a number of 0 or more\n", qPrintable(name));
        return false;
    }
    return true;
}

bool readTcp(const QString& text, SimOptions& options)
{
    using zel::link::HostAndPort;
    const HostAndPort parsed = zel::link::parseHostText(text, zel::link::PortRule::Listen);
    if (parsed.problem == HostAndPort::Problem::NoPort) {
        std::fprintf(stderr, "zelsim: --tcp needs [ADDRESS:]PORT, got \"%s\"\n", qPrintable(text));
        return false;
    }
    if (parsed.problem != HostAndPort::Problem::None) {
        std::fprintf(stderr, "zelsim: --tcp %s: %s\n", qPrintable(text),
                     qPrintable(zel::link::hostTextError(parsed, zel::link::PortRule::Listen)));
        return false;
    }
    TcpListen listen;
    listen.port = parsed.port;
    if (!parsed.host.isEmpty())
        listen.address = parsed.host;
    options.tcp << listen;
    return true;
}

bool readLineEnd(const QString& text, SimOptions& options)
{
    const QString name = text.toLower();
    if (name.isEmpty() || name == QLatin1String("crlf"))
        return true;
    if (name != QLatin1String("lf") && name != QLatin1String("cr")) {
        std::fprintf(stderr, "zelsim: --line-end needs crlf, lf or cr, got \"%s\"\n",
                     qPrintable(text));
        return false;
    }
    options.lineEnd = name == QLatin1String("lf") ? "\n" : "\r";
    return true;
}

bool readNegotiation(const QString& text, SimOptions& options)
{
    if (text.isEmpty())
        return true;
    const bool both = text == QLatin1String("both");
    if (text == QLatin1String("unfinished")) {
        options.negotiateUnfinished = true;
        return true;
    }
    if (!both && text != QLatin1String("connect") && text != QLatin1String("dump")) {
        std::fprintf(stderr,
                     "zelsim: --telnet-negotiation needs connect, dump, both or unfinished, got "
                     "\"%s\"\n",
                     qPrintable(text));
        return false;
    }
    options.negotiateAtConnect = both || text == QLatin1String("connect");
    options.negotiateInDump = both || text == QLatin1String("dump");
    return true;
}

// "\r", "\n" and "\\" in an option's text stand for a carriage return, a line feed and a
// backslash, so that a reply with or without a line end can be given on a command line.
QByteArray unescaped(const QString& text)
{
    QByteArray bytes;
    const QByteArray latin1 = text.toLatin1();
    for (qsizetype i = 0; i < latin1.size(); ++i) {
        if (latin1[i] != '\\' || i + 1 == latin1.size()) {
            bytes.append(latin1[i]);
            continue;
        }
        const char next = latin1[++i];
        bytes.append(next == 'r' ? '\r' : next == 'n' ? '\n' : next);
    }
    return bytes;
}

// "N:[COMMAND]": the command the unit takes once it has sent N dumps.
bool readChanges(const QStringList& texts, SimOptions& options)
{
    for (const QString& text : texts) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        bool ok = false;
        const int dumps = colon > 0 ? text.left(colon).toInt(&ok) : 0;
        const QByteArray command = text.mid(colon + 1).toLatin1();
        if (!ok || dumps < 1 || !command.startsWith('[') || !command.endsWith(']')) {
            std::fprintf(stderr, "zelsim: --change-after needs N:[COMMAND], N from 1, got \"%s\"\n",
                         qPrintable(text));
            return false;
        }
        options.changesAfterDumps.emplace_back(dumps, command);
    }
    return true;
}

} // namespace

std::optional<SimOptions> parseOptions(const QStringList& arguments, int& exitCode)
{
    exitCode = 2;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A simulated ZEL unit. It answers \"[QXSB]\" with its configuration, acknowledges every "
        "command with the command between parentheses and applies it, and answers \"[]\" with "
        "\")\".\nPrints \"listening on ADDRESS:PORT\" (\"[ADDRESS]:PORT\" for IPv6) and "
        "\"pseudo-terminal PATH\" when ready.");
    parser.addHelpOption();
    parser.addOptions({
        {"tcp",
         "Listen on TCP (address 127.0.0.1 unless given, an IPv6 address in brackets: "
         "[::1]:0; port 0 picks a free one). Give it again to answer on several addresses at "
         "once (--tcp 127.0.0.2:2323 --tcp 127.0.0.3:2323), each announced in turn.",
         "[ADDR:]PORT"},
        {"pty", "Open a pseudo-terminal and serve on it."},
        {"serial", "Serve on a serial device at 9600 8N1.", "DEVICE"},
        {"config", "Start from this configuration file instead of the blank ZEL-16.", "FILE"},
        {"error-on",
         "Reply \"(ERROR)\" to commands that contain TEXT (the dump request \"[QXSB]\" too).",
         "TEXT"},
        {"silent-after", "Stop replying after N lines (dump lines sent and commands acknowledged).",
         "N"},
        {"close-after",
         "Close the connection after N lines (dump lines sent and commands acknowledged); a serial "
         "line falls silent instead.",
         "N"},
        {"noise", "Insert tabs, DEL, C1 control codes and NUL into the dump."},
        {"baud", "Send and take in no more than one byte per ten bit times at this rate.", "RATE"},
        {"reply-delay", "Wait this long before every reply (every acknowledgement of a line).",
         "MS"},
        {"endless", "Send the configuration over and over without ever ending the dump."},
        {"echo", "Acknowledge every command by sending it back as it came, brackets and all."},
        {"echo-only",
         "Send back every command as it came, \"[]\" and \"[QXSB]\" too, and nothing else: a "
         "device that only echoes, never a configuration."},
        {"unasked",
         "From the start, send the configuration over and over without being asked, never "
         "ending the dump."},
        {"hang-up",
         "With --close-after, hang a pseudo-terminal up (its program sees the port lost) once "
         "the program has read all that was sent, instead of falling silent."},
        {"verbose", "Print every command received, and every TCP connection opened and closed, on "
                    "standard error."},
        {"handshake-reply",
         "Answer \"[]\" with TEXT instead of \")\\r\\n\" (\\r and \\n stand for CR and LF; an "
         "empty TEXT gives no answer), as units differ: \")\", \"]\", \"(OK)\\r\\n\".",
         "TEXT"},
        {"line-end",
         "End dump lines and replies with CRLF (the default), LF or CR, as units differ.", "END"},
        {"telnet-negotiation",
         "Over TCP, send telnet negotiation (WILL, DO, a subnegotiation) when a connection opens "
         "(connect), inside a dump line (dump), or both (both); or, when a connection opens, a "
         "subnegotiation that never ends (unfinished).",
         "WHERE"},
        {"change-after",
         "Once N dumps have been sent, take COMMAND as if it were set on the unit's own keypad "
         "(another installer, a guest): \"1:[VO5R-30]\". May be given again.",
         "N:[COMMAND]"},
        {"one-client",
         "Over TCP, serve one connection at a time: one made while another is open is closed at "
         "once, as a unit or a serial-to-network bridge with one session does."},
        {"control", SimControl::help()},
    });
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "zelsim: %s\n", qPrintable(parser.errorText()));
        return std::nullopt;
    }
    if (parser.isSet("help")) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        exitCode = 0;
        return std::nullopt;
    }

    SimOptions options;
    for (const QString& tcp : parser.values("tcp"))
        if (!readTcp(tcp, options))
            return std::nullopt;
    options.pty = parser.isSet("pty");
    options.serialDevice = parser.value("serial");
    options.configFile = parser.value("config");
    options.errorOn = parser.value("error-on");
    options.noise = parser.isSet("noise");
    options.endless = parser.isSet("endless");
    options.echo = parser.isSet("echo");
    options.echoOnly = parser.isSet("echo-only");
    options.unasked = parser.isSet("unasked");
    options.hangUp = parser.isSet("hang-up");
    options.verbose = parser.isSet("verbose");
    options.oneClient = parser.isSet("one-client");
    options.control = parser.isSet("control");
    if (parser.isSet("handshake-reply"))
        options.handshakeReply = unescaped(parser.value("handshake-reply"));
    if (!readChanges(parser.values("change-after"), options) ||
        !readLineEnd(parser.value("line-end"), options) ||
        !readNegotiation(parser.value("telnet-negotiation"), options))
        return std::nullopt;
    if (!readCount(parser, "silent-after", options.silentAfter) ||
        !readCount(parser, "close-after", options.closeAfter) ||
        !readCount(parser, "baud", options.baud) ||
        !readCount(parser, "reply-delay", options.replyDelayMs))
        return std::nullopt;
    if (options.tcp.isEmpty() && !options.pty && options.serialDevice.isEmpty()) {
        std::fprintf(stderr, "zelsim: give --tcp, --pty or --serial (see --help)\n");
        return std::nullopt;
    }
    return options;
}

} // namespace zelsim
