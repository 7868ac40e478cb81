// zelsim: a simulated ZEL unit on a TCP port, a pseudo-terminal or a serial device.

#include "link/host_address.h"
#include "pty_device.h"
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    int exitCode = 0;
    const auto parsed = parseOptions(app.arguments(), exitCode);
    if (!parsed)
        return exitCode;
    const SimOptions& options = *parsed;

    UnitConfig unit;
    QString error;
    if (!options.configFile.isEmpty() && !unit.loadFile(options.configFile, error)) {
        std::fprintf(stderr, "zelsim: cannot read %s: %s\n", qPrintable(options.configFile),
                     qPrintable(error));
        return 1;
    }

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
    return app.exec();
}
