#pragma once
// The serial ports of this computer with what the system knows of them. Listing a port sends it
// nothing: a probe sent to the wrong device can switch something on, so ports are probed only
// when named.

#include <QList>
#include <QString>

namespace zel::session {

struct SerialPortDescription {
    QString device;       // "/dev/ttyUSB0", "COM3"
    QString stableName;   // its name under /dev/serial/by-id, which stays when it is renumbered
    QString manufacturer; // as the USB adapter says, with the vendor number: "FTDI (0403)"
    QString product;      // "FT232R USB UART (6001)"
    QString serialNumber;
};

QList<SerialPortDescription> serialPorts();

// The port in one line: "/dev/ttyUSB0  FTDI (0403)  FT232R USB UART (6001)  serial A1B2C3
// /dev/serial/by-id/usb-FTDI_...", what is unknown left out.
QString describePort(const SerialPortDescription& port);

} // namespace zel::session
