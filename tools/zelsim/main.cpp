// zelsim: a simulated ZEL unit on a TCP port, a pseudo-terminal or a serial device.

#include "link/host_address.h"
#include "pty_device.h"
#include "sim_control.h"
#include "sim_options.h"
#include "unit_config.h"
#include "unit_session.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QSerialPort>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>
#include <memory>
#include <vector>

using namespace zelsim;

namespace {

void announce(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Serves each TCP connection with its own session on the one unit configuration.
bool startTcp(QTcpServer& server, const TcpListen& listen, UnitConfig& unit,
              const SimOptions& options)
{
    QHostAddress address;
    if (!address.setAddress(listen.address)) {
        std::fprintf(stderr, "zelsim: \"%s\" is not an IP address\n", qPrintable(listen.address));
        return false;
    }
    if (!server.listen(address, listen.port)) {
        std::fprintf(stderr, "zelsim: cannot listen on %s: %s\n",
                     qPrintable(zel::link::hostAndPortText(listen.address, listen.port)),
                     qPrintable(server.errorString()));
        return false;
    }
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, &unit, &options] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            if (options.verbose)
                std::fprintf(stderr, "connection opened\n");
            if (options.oneClient && server.findChildren<QTcpSocket*>().size() > 1) {
                // The unit's one session is taken: the newcomer is closed at once.
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                socket->disconnectFromHost();
                continue;
            }
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            new UnitSession(socket, UnitSession::Connection::Closable, unit, options, socket);
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [socket, &options] {
                if (options.verbose) // after every command the connection brought
                    std::fprintf(stderr, "connection closed\n");
                socket->deleteLater();
            });
        }
    });
    // In the form the window and zeltool take back as it stands: "[::1]:2323" for IPv6.
    announce(QStringLiteral("listening on ") +
             zel::link::hostAndPortText(server.serverAddress().toString(), server.serverPort()));
    return true;
}

// What --control's commands do to the unit: its connections, its answers, its configuration.
void followControl(SimControl& control, const std::vector<std::unique_ptr<QTcpServer>>& servers,
                   PtyDevice* pty, UnitConfig& unit, SimOptions& options)
{
    const auto dropAll = [&servers, pty] {
        for (const auto& server : servers)
            for (QTcpSocket* socket : server->findChildren<QTcpSocket*>())
                socket->disconnectFromHost();
        if (pty)
            pty->close(); // the cable pulled: the program on the terminal sees the port lost
    };
    // Where each server listened, to listen there again after "away".
    std::vector<std::pair<QHostAddress, quint16>> listened;
    for (const auto& server : servers)
        listened.emplace_back(server->serverAddress(), server->serverPort());
    QObject::connect(&control, &SimControl::drop, &control, dropAll);
    QObject::connect(&control, &SimControl::away, &control, [&servers, dropAll] {
        dropAll();
        for (const auto& server : servers)
            server->close();
    });
    QObject::connect(&control, &SimControl::back, &control, [&servers, listened] {
        for (std::size_t i = 0; i < servers.size(); ++i) {
            QTcpServer& server = *servers[i];
            const auto& [address, port] = listened[i];
            if (!server.isListening() && !address.isNull() && !server.listen(address, port))
                std::fprintf(stderr, "zelsim: cannot listen again: %s\n",
                             qPrintable(server.errorString()));
        }
    });
    QObject::connect(&control, &SimControl::silent, &control,
                     [&options](bool on) { options.silentNow = on; });
    QObject::connect(&control, &SimControl::replyDelay, &control,
                     [&options](int ms) { options.replyDelayMs = ms; });
    QObject::connect(&control, &SimControl::keypad, &control,
                     [&unit](const QByteArray& line) { unit.apply(line); });
    QObject::connect(&control, &SimControl::restart, &control, [&unit, dropAll, initial = unit] {
        dropAll();
        unit = initial;
    });
    QObject::connect(&control, &SimControl::unknown, &control, [](const QByteArray& line) {
        std::fprintf(stderr, "zelsim: unknown command \"%s\" (see --help)\n", line.constData());
    });
    if (options.verbose) // a test goes on once the unit has taken the command
        QObject::connect(&control, &SimControl::handled, &control, [](const QByteArray& line) {
            std::fprintf(stderr, "control done: %s\n", line.constData());
        });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    int exitCode = 0;
    const auto parsed = parseOptions(app.arguments(), exitCode);
    if (!parsed)
        return exitCode;
    SimOptions options = *parsed; // the control commands change it as zelsim runs

    UnitConfig unit;
    QString error;
    if (!options.configFile.isEmpty() && !unit.loadFile(options.configFile, error)) {
        std::fprintf(stderr, "zelsim: cannot read %s: %s\n", qPrintable(options.configFile),
                     qPrintable(error));
        return 1;
    }
    for (const auto& [dumps, command] : options.changesAfterDumps)
        unit.changeAfterDumps(dumps, command);

    std::vector<std::unique_ptr<QTcpServer>> servers;
    for (const TcpListen& listen : options.tcp) {
        servers.push_back(std::make_unique<QTcpServer>());
        if (!startTcp(*servers.back(), listen, unit, options))
            return 1;
    }

    std::unique_ptr<PtyDevice> pty;
    if (options.pty) {
        pty = PtyDevice::create(error);
        if (!pty) {
            std::fprintf(stderr, "zelsim: cannot open a pseudo-terminal: %s\n", qPrintable(error));
            return 1;
        }
        new UnitSession(pty.get(), UnitSession::Connection::Line, unit, options, pty.get());
        announce(QStringLiteral("pseudo-terminal %1").arg(pty->terminalPath()));
    }

    QSerialPort serial;
    if (!options.serialDevice.isEmpty()) {
        serial.setPortName(options.serialDevice);
        serial.setBaudRate(9600);
        serial.setDataBits(QSerialPort::Data8);
        serial.setParity(QSerialPort::NoParity);
        serial.setStopBits(QSerialPort::OneStop);
        serial.setFlowControl(QSerialPort::NoFlowControl);
        if (!serial.open(QIODevice::ReadWrite)) {
            std::fprintf(stderr, "zelsim: cannot open %s: %s\n", qPrintable(options.serialDevice),
                         qPrintable(serial.errorString()));
            return 1;
        }
        new UnitSession(&serial, UnitSession::Connection::Line, unit, options, &serial);
        announce(QStringLiteral("serial device %1").arg(options.serialDevice));
    }
    std::unique_ptr<SimControl> control;
    if (options.control) {
        control = std::make_unique<SimControl>();
        followControl(*control, servers, pty.get(), unit, options);
    }
    return app.exec();
}
