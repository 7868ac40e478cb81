#pragma once
// The open serial port between transfers. A unit may send unasked (a dump that goes on after
// its import was cancelled and drained, a unit switched on); what comes is shown through the
// received-character rule, up to the receive limit of a transfer. Past it the rest is dropped
// and that is said once, so that a unit flooding the line cannot fill the text box; the count
// starts again with every transfer. Nothing is importing, so no import status is shown.

#include "link/received_text.h"

#include <QObject>

namespace zel::link {

class SerialEndpoint;

class SerialMonitor : public QObject {
    Q_OBJECT
public:
    // `endpoint` must outlive the monitor.
    SerialMonitor(SerialEndpoint& endpoint, qint64 receiveLimit, QObject* parent = nullptr);

    // While paused (a transfer reads the port itself) nothing is read. Either way the count
    // towards the receive limit starts again.
    void setPaused(bool paused);
    void setReceiveLimit(qint64 limit) { m_receiveLimit = limit; }
    // Bytes taken in or dropped since the count started.
    qint64 bytesReceived() const { return m_bytesReceived; }

signals:
    void textReceived(const QString& text);
    // Said once when the receive limit is reached: a line for the text box, and for the status
    // line which port `peer` ("serial port: N") sends more than `limit` bytes unasked.
    void logLine(const QString& line);
    void droppingUnasked(const QString& peer, qint64 limit);

private:
    void readPort();

    SerialEndpoint& m_endpoint;
    qint64 m_receiveLimit;
    ReceivedTextReader m_reader;
    qint64 m_bytesReceived = 0;
    bool m_dropping = false; // the limit was reached and said
    bool m_paused = false;
};

} // namespace zel::link
