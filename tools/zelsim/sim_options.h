#pragma once
// zelsim's command line: where it listens, what it starts from, and the faults it plays.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace zelsim {

// One address and port to listen on.
struct TcpListen {
    QString address = QStringLiteral("127.0.0.1");
    quint16 port = 0; // 0: any free port
};

struct SimOptions {
    // Every --tcp given: the one unit answers on each, as a unit behind several forwards would.
    QList<TcpListen> tcp;
    bool pty = false;
    QString serialDevice;
    QString configFile; // empty: the blank ZEL-16 template

    QString errorOn;       // reply "ERROR" to commands holding this text
    int silentAfter = -1;  // go silent after this many lines (-1: never)
    int closeAfter = -1;   // close the connection after this many lines (-1: never)
    bool noise = false;    // tabs, DEL, C1 control codes and NUL inside the dump
    int baud = 0;          // pace both directions at this rate (0: as fast as possible)
    int replyDelayMs = 0;  // delay before every reply
    bool endless = false;  // send the dump forever, never ending it
    bool echo = false;     // acknowledge a command by sending it back as it came
    bool echoOnly = false; // send back every command, the handshake and dump request too
    bool unasked = false;  // send the dump forever from the start, unasked
    bool hangUp = false;   // --close-after hangs a pseudo-terminal up instead of falling silent
    bool verbose = false;  // print every command received and connection closed on stderr
    QByteArray handshakeReply = ")\r\n"; // the answer to "[]"; empty: none
    QByteArray lineEnd = "\r\n";         // after every dump line and acknowledgement
    bool negotiateAtConnect = false;     // TCP: telnet negotiation when a connection opens
    bool negotiateInDump = false;        // TCP: telnet negotiation inside a dump line
    bool negotiateUnfinished = false;    // TCP: a subnegotiation at connect that never ends
    // Commands the unit takes as from its own keypad once it has sent this many dumps.
    std::vector<std::pair<int, QByteArray>> changesAfterDumps;
    bool oneClient = false; // TCP: a connection made while another is open is closed at once
    bool control = false;   // take commands on standard input (SimControl)

    // Changed while zelsim runs, by the commands on standard input.
    bool silentNow = false; // answer nothing, take in nothing
};

// Parses the arguments (program name first). Prints help or an error and returns nothing when
// the program should stop, with `exitCode` set to 0 after help and 2 after an error.
std::optional<SimOptions> parseOptions(const QStringList& arguments, int& exitCode);

} // namespace zelsim
