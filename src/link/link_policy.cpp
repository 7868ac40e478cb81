#include "link/link_policy.h"

#include "link/transfer_texts.h"
#include "model/command_language.h"

namespace zel::link {

namespace {
QByteArray dumpRequest()
{
    return QByteArray::fromStdString(model::dumpRequest());
}
} // namespace

QString serialPeer(const QString& portLabel)
{
    return QStringLiteral("serial port: ") + portLabel;
}

QString telnetPeer(const QString& hostText)
{
    return QStringLiteral("host: ") + hostText;
}

LinkPolicy LinkPolicy::serial(const QString& portLabel)
{
    LinkPolicy policy;
    policy.peer = serialPeer(portLabel);
    policy.importRequest = dumpRequest();
    policy.quietTimeEndsImport = true;
    policy.connectionLostLine = texts::kSerialPortLost;
    policy.connectionLostWhy = QStringLiteral("serial port lost");
    return policy;
}

LinkPolicy LinkPolicy::telnet(const QString& hostText)
{
    LinkPolicy policy;
    policy.connectsPerTransfer = true;
    policy.peer = telnetPeer(hostText);
    policy.importRequest = QByteArrayView(model::kHandshake).toByteArray() + dumpRequest();
    policy.reportsConnecting = true;
    policy.handshake = true;
    policy.lineTerminator = QByteArrayLiteral("\n");
    policy.exactAcknowledgement = true;
    policy.connectionLostLine = texts::kConnectionClosed;
    policy.connectionLostWhy = QStringLiteral("connection closed by the unit");
    return policy;
}

LinkPolicy heldPolicy(LinkPolicy policy, bool handshake)
{
    policy.connectsPerTransfer = false;
    policy.reportsConnecting = false;
    policy.pausesBeforeSending = handshake && policy.handshake;
    policy.handshake = handshake && policy.handshake;
    if (!policy.handshake)
        policy.importRequest = dumpRequest();
    return policy;
}

} // namespace zel::link
