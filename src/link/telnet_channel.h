#pragma once
// A transfer's TCP connection to the unit: made at the transfer's start, closed at its end. The
// transfers read and write it through a stream that drops the telnet negotiation a unit's
// server may send.

#include "link/link_channel.h"
#include "link/telnet_stream.h"

#include <QTcpSocket>

namespace zel::link {

class TelnetChannel : public LinkChannel {
    Q_OBJECT
public:
    // `hostText` as the user typed it; see parseHostText() for the port it may name.
    explicit TelnetChannel(const QString& hostText, QObject* parent = nullptr);
    ~TelnetChannel() override;

    const LinkPolicy& policy() const override { return m_policy; }
    QIODevice* device() override { return &m_stream; }
    bool isOpen() const override;
    void open() override;
    void close() override;
    qint64 unfinishedNegotiationBytes() const override
    {
        return m_stream.unfinishedSubnegotiationBytes();
    }
    bool refusedConnection() const override;

private:
    void onConnected();
    void onErrorOccurred();
    void onDisconnected();

    QString m_hostText;
    LinkPolicy m_policy;
    QTcpSocket m_socket;
    TelnetStream m_stream{m_socket};
    bool m_connected = false;
    bool m_closing = false;
};

} // namespace zel::link
