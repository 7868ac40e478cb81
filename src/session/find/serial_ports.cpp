#include "session/find/serial_ports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace zel::session {

namespace {

const QString kById = QStringLiteral("/dev/serial/by-id");

QString withNumber(const QString& name, bool hasNumber, quint16 number)
{
    if (!hasNumber)
        return name;
    const QString hex = QStringLiteral("%1").arg(number, 4, 16, QLatin1Char('0'));
    return name.isEmpty() ? hex : QStringLiteral("%1 (%2)").arg(name, hex);
}

QString stableNameOf(const QString& device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    const QDir byId(kById);
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files))
        if (!target.isEmpty() && link.canonicalFilePath() == target)
            return link.absoluteFilePath();
    return {};
}

} // namespace

QList<SerialPortDescription> serialPorts()
{
    QList<SerialPortDescription> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortDescription port;
        port.device = info.systemLocation();
        port.stableName = stableNameOf(port.device);
        port.manufacturer =
            withNumber(info.manufacturer(), info.hasVendorIdentifier(), info.vendorIdentifier());
        port.product =
            withNumber(info.description(), info.hasProductIdentifier(), info.productIdentifier());
        port.serialNumber = info.serialNumber();
        ports << port;
    }
    return ports;
}

QString describePort(const SerialPortDescription& port)
{
    QStringList parts{port.device};
    for (const QString& part : {port.manufacturer, port.product})
        if (!part.isEmpty())
            parts << part;
    if (!port.serialNumber.isEmpty())
        parts << QCoreApplication::translate("Find", "serial %1").arg(port.serialNumber);
    if (!port.stableName.isEmpty())
        parts << port.stableName;
    return parts.join(QStringLiteral("  "));
}

} // namespace zel::session
