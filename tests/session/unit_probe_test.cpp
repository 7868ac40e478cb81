// Looking for units, read-only, on loopback: what answers as a unit does is found, other TCP
// services are not, and stopping closes every connection.
#include "session/find/probe_scan.h"

#include "link/zelsim_process.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace zel::session {
namespace {

using test::ZelSimProcess;

// A TCP service that is not a unit, on a loopback address, counting its open connections.
class OtherService {
public:
    enum class Kind { Banner, Echo, WebServer, Silent, BracketedJunk };

    OtherService(Kind kind, const QString& address)
    {
        EXPECT_TRUE(m_server.listen(QHostAddress(address), 0));
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, kind] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                ++m_open;
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                    --m_open;
                    socket->deleteLater();
                });
                if (kind == Kind::Banner)
                    socket->write("SSH-2.0-OpenSSH_9.2\r\n");
                if (kind == Kind::BracketedJunk)
                    socket->write("[hello from a thermostat]\r\n");
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, kind] {
                    const QByteArray bytes = socket->readAll();
                    if (kind == Kind::Echo)
                        socket->write(bytes);
                    if (kind == Kind::WebServer) {
                        socket->write("HTTP/1.0 400 Bad Request\r\n\r\n");
                        socket->disconnectFromHost();
                    }
                });
            }
        });
    }
    SiteLink link() const
    {
        return {SiteLink::Kind::Tcp,
                m_server.serverAddress().toString() + ':' + QString::number(m_server.serverPort())};
    }
    int openConnections() const { return m_open; }

private:
    QTcpServer m_server;
    int m_open = 0;
};

ProbeScan::Settings quickSettings()
{
    ProbeScan::Settings settings;
    settings.read.answerTime = std::chrono::milliseconds(500);
    settings.read.deadline = std::chrono::milliseconds(10000);
    return settings;
}

TEST(ProbeScan, FindsUnitsOnlyAndLeavesNothingOpen)
{
    using Kind = OtherService::Kind;
    std::vector<std::unique_ptr<OtherService>> others;
    QList<SiteLink> targets;
    int n = 40;
    for (const Kind kind :
         {Kind::Banner, Kind::Echo, Kind::WebServer, Kind::Silent, Kind::BracketedJunk}) {
        others.push_back(
            std::make_unique<OtherService>(kind, QStringLiteral("127.0.0.%1").arg(n++)));
        targets << others.back()->link();
    }
    ZelSimProcess unit, refusing;
    ASSERT_TRUE(unit.start(ZelSimProcess::Link::Tcp, {}, "127.0.0.46:0"))
        << unit.error().toStdString();
    ASSERT_TRUE(refusing.start(ZelSimProcess::Link::Tcp, {"--error-on", "QXSB"}, "127.0.0.47:0"));
    targets << SiteLink{SiteLink::Kind::Tcp, unit.address()}
            << SiteLink{SiteLink::Kind::Tcp, refusing.address()}
            << SiteLink{SiteLink::Kind::Tcp, "127.0.0.48:1"}; // nothing listens

    ProbeScan scan(targets, quickSettings());
    QSignalSpy finished(&scan, &ProbeScan::finished);
    scan.start();
    ASSERT_TRUE(finished.wait(20000));
    ASSERT_EQ(scan.found().size(), 1);
    EXPECT_EQ(scan.found()[0].link.address, unit.address());
    EXPECT_TRUE(scan.found()[0].whole);
    EXPECT_EQ(describeUnit(scan.found()[0].fingerprint),
              QStringLiteral("ZEL-16, zone 1 \"Zone Name 1\", source 1 \"Source Name 1\", DHCP"));
    EXPECT_EQ(scan.doneCount(), targets.size());
    for (const auto& other : others)
        EXPECT_TRUE(QTest::qWaitFor([&] { return other->openConnections() == 0; }, 5000));
    // Read-only: the handshake and the request, nothing else.
    EXPECT_EQ(unit.receivedCommands(), QStringList({"[]", "[QXSB]"}));
}

TEST(ProbeScan, StoppedClosesTheConnectionsItHasOpen)
{
    ZelSimProcess slow;
    ASSERT_TRUE(slow.start(ZelSimProcess::Link::Tcp, {"--baud", "1200"}, "127.0.0.49:0"));
    ProbeScan scan({SiteLink{SiteLink::Kind::Tcp, slow.address()}}, quickSettings());
    QSignalSpy finished(&scan, &ProbeScan::finished);
    scan.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return slow.receivedCommands().contains("[QXSB]"); }, 10000));
    scan.cancel();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(scan.wasCancelled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return slow.closedConnections() == 1; }, 5000));
}

} // namespace
} // namespace zel::session
