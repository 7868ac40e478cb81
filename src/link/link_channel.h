#pragma once
// One way to the unit for one transfer: the device the transfer reads and writes, how to make it
// ready, and the policy for what differs between the serial port and TCP.

#include "link/link_policy.h"

#include <QObject>

class QIODevice;

namespace zel::link {

class LinkChannel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual const LinkPolicy& policy() const = 0;
    virtual QIODevice* device() = 0;
    virtual bool isOpen() const = 0;
    // Makes the channel ready and then emits opened() or openFailed(), never before returning.
    virtual void open() = 0;
    // Ends the transfer's use of the channel: disconnects a TCP connection; a serial port stays
    // open.
    virtual void close() = 0;
    // Bytes the channel dropped as telnet negotiation that never ended (the data among them is
    // lost); 0 where there is none.
    virtual qint64 unfinishedNegotiationBytes() const { return 0; }
    // The last open() failed because the far end refused the connection.
    virtual bool refusedConnection() const { return false; }

signals:
    void opened();
    void openFailed(const QString& error);
    // The unit closed the connection, or the port was lost; `error` is the layer's message.
    void closedByPeer(const QString& error);
};

} // namespace zel::link
