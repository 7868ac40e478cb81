#include "link/serial_endpoint.h"

#include <QRegularExpression>

namespace zel::link {

SerialEndpoint::SerialEndpoint(QObject* parent) : QObject(parent)
{
    // Queued, so that a transfer on the port hears of the error before the port is closed.
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialEndpoint::onError,
            Qt::QueuedConnection);
}

void SerialEndpoint::onError(QSerialPort::SerialPortError error)
{
    if (!isPortLostError(error) || !m_port.isOpen())
        return;
    m_lastError = portLostText();
    m_port.close();
    emit portLost(m_lastError);
}

bool SerialEndpoint::open(const QString& portName)
{
    close();
    m_lastError.clear();
    m_portName = portName;
    m_port.setPortName(portName);
    m_port.setBaudRate(kBaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(kBufferSize); // the transmit side has no buffer limit of its own
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_lastError = m_port.errorString();
        return false;
    }
    // A pseudo-terminal or a plain UART without modem lines refuses these; the port works all the
    // same, so the refusal is not an error of the open.
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(true);
    if (m_port.error() == QSerialPort::UnsupportedOperationError)
        m_port.clearError();
    return true;
}

void SerialEndpoint::close()
{
    if (m_port.isOpen())
        m_port.close();
}

void SerialEndpoint::flushBuffers()
{
    if (m_port.isOpen())
        m_port.clear(QSerialPort::AllDirections);
}

bool isPortLostError(QSerialPort::SerialPortError error)
{
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
}

QString portLostText()
{
    return QStringLiteral("the device was unplugged or its other end closed");
}

QString serialPortLabel(const QString& portName)
{
    static const QRegularExpression comPort(QStringLiteral("^COM([0-9]+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = comPort.match(portName);
    return match.hasMatch() ? QString::number(match.captured(1).toInt()) : portName;
}

} // namespace zel::link
