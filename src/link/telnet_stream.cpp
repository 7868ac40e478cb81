#include "link/telnet_stream.h"

#include <QTcpSocket>

#include <cstring>

namespace zel::link {

TelnetStream::TelnetStream(QTcpSocket& socket, QObject* parent)
    : QIODevice(parent), m_socket(socket)
{
    QIODevice::open(QIODevice::ReadWrite);
    connect(&m_socket, &QTcpSocket::readyRead, this, &TelnetStream::takeFromSocket);
    connect(&m_socket, &QTcpSocket::bytesWritten, this, &TelnetStream::bytesWritten);
}

qint64 TelnetStream::bytesAvailable() const
{
    return m_data.size() + QIODevice::bytesAvailable();
}

qint64 TelnetStream::bytesToWrite() const
{
    return m_socket.bytesToWrite();
}

void TelnetStream::restart()
{
    QIODevice::close(); // also empties what QIODevice had buffered
    QIODevice::open(QIODevice::ReadWrite);
    m_data.clear();
    m_filter.reset();
}

void TelnetStream::takeFromSocket()
{
    const QByteArray received = m_socket.readAll();
    if (received.isEmpty())
        return;
    const qsizetype before = m_data.size();
    m_filter.feed(received, m_data);
    if (m_data.size() > before)
        emit readyRead();
}

qint64 TelnetStream::readData(char* data, qint64 maxSize)
{
    const qint64 count = std::min<qint64>(maxSize, m_data.size());
    // QIODevice::skip() reads into no buffer at all: the bytes are only dropped then.
    if (data != nullptr && count > 0)
        std::memcpy(data, m_data.constData(), static_cast<size_t>(count));
    m_data.remove(0, count);
    return count;
}

qint64 TelnetStream::writeData(const char* data, qint64 size)
{
    const qint64 written = m_socket.write(data, size);
    if (written < 0)
        setErrorString(m_socket.errorString());
    return written;
}

} // namespace zel::link
