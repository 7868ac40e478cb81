#pragma once
// The bytes of a TCP connection to a unit as the transfers read and write them: what the unit
// sends, with telnet negotiation taken out; what is written goes to the socket as it is.

#include "link/telnet_negotiation_filter.h"

#include <QIODevice>

class QTcpSocket;

namespace zel::link {

class TelnetStream : public QIODevice {
    Q_OBJECT
public:
    // `socket` outlives the stream.
    explicit TelnetStream(QTcpSocket& socket, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    qint64 bytesToWrite() const override;
    // Forgets what an earlier connection left unread.
    void restart();
    // Takes in what the socket holds; emits readyRead() when that gave data.
    void takeFromSocket();
    // Bytes of subnegotiations the unit's server left open, dropped since the connection opened.
    qint64 unfinishedSubnegotiationBytes() const
    {
        return m_filter.unfinishedSubnegotiationBytes();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QTcpSocket& m_socket;
    TelnetNegotiationFilter m_filter;
    QByteArray m_data; // taken in, not yet read
};

} // namespace zel::link
