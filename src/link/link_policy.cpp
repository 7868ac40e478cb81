#include "link/link_policy.h"

#include "link/transfer_texts.h"

namespace zel::link {

LinkPolicy LinkPolicy::serial(const QString& portLabel)
{
    LinkPolicy policy;
    policy.importRequest = QByteArrayLiteral("[QXSB]");
    policy.quietTimeEndsImport = true;
    policy.importLinesStatusPrefix = QStringLiteral(" lines from serial port: ") + portLabel;
    policy.timeoutLine = texts::kNoResponse;
    policy.connectionLostLine = texts::kSerialPortLost;
    return policy;
}

LinkPolicy LinkPolicy::telnet(const QString& hostText)
{
    LinkPolicy policy;
    policy.connectsPerTransfer = true;
    policy.importRequest = QByteArrayLiteral("[][QXSB]");
    policy.importStartStatus = QStringLiteral(" Importing from host: ") + hostText;
    policy.importLinesStatusPrefix = QStringLiteral(" lines from host: ") + hostText;
    policy.importEndStatus = QStringLiteral(" Import complete from host: ") + hostText;
    policy.handshake = true;
    policy.lineTerminator = QByteArrayLiteral("\n");
    policy.exactAcknowledgement = true;
    policy.timeoutLine = texts::kCommandTimeout;
    policy.connectionLostLine = texts::kConnectionClosed;
    return policy;
}

} // namespace zel::link
