#pragma once
// The serial port to the unit: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control,
// DTR off, RTS on, 4096-byte buffers. It stays open between transfers.

#include <QObject>
#include <QSerialPort>

namespace zel::link {

class SerialEndpoint : public QObject {
    Q_OBJECT
public:
    static constexpr qint32 kBaudRate = 9600;
    static constexpr qint64 kBufferSize = 4096;

    explicit SerialEndpoint(QObject* parent = nullptr);

    // Opens `portName` ("COM3", "ttyUSB0", "/dev/pts/4") with the settings above, closing any
    // port open before. Returns false with errorString() set when it cannot be opened.
    bool open(const QString& portName);
    void close();
    bool isOpen() const { return m_port.isOpen(); }
    // Discards bytes waiting in either direction.
    void flushBuffers();

    // The name given to open(), as the user chose or typed it.
    QString portName() const { return m_portName; }
    QString errorString() const { return m_lastError; }
    QSerialPort* port() { return &m_port; }

signals:
    // The open port went away (an adapter pulled out, the far end of a pseudo-terminal gone);
    // the port has been closed.
    void portLost(const QString& error);

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_portName;
    QString m_lastError;
};

// Whether a port error means the port is gone. A pseudo-terminal whose far end closed, like an
// adapter pulled out on some systems, reports read errors rather than a resource error, and
// reports them again on every turn of the event loop for as long as the port stays open.
bool isPortLostError(QSerialPort::SerialPortError error);
// What a lost port is reported as. The platform's own text for it is misleading: a pseudo-terminal
// whose far end closed says "Inappropriate ioctl for device".
QString portLostText();

// How status texts name a port: its number for "COM"n, else the name as the platform gives it.
QString serialPortLabel(const QString& portName);

} // namespace zel::link
