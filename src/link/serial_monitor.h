#pragma once
// The open serial port between transfers. A unit may send unasked (a dump that goes on after
// its import was cancelled and drained, a unit switched on); what comes is shown as an import
// shows it, through the received-character rule, with the " Importing N lines" status.

#include "link/received_text.h"

#include <QObject>

#include <functional>
#include <utility>

namespace zel::link {

class SerialEndpoint;

class SerialMonitor : public QObject {
    Q_OBJECT
public:
    // The line breaks of the text shown so far, and whether text follows the last one.
    using TextState = std::function<std::pair<int, bool>()>;

    // `endpoint` must outlive the monitor; `textState` tells where the shown text stands.
    SerialMonitor(SerialEndpoint& endpoint, TextState textState, QObject* parent = nullptr);

    // While paused (a transfer reads the port itself) nothing is read.
    void setPaused(bool paused);

signals:
    void textReceived(const QString& text);
    void statusText(const QString& text);

private:
    void readPort();

    SerialEndpoint& m_endpoint;
    TextState m_textState;
    ReceivedTextReader m_reader;
    bool m_paused = false;
};

} // namespace zel::link
