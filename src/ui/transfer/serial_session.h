#pragma once
// The serial port of Serial Mode, from the window's side: asked for and opened whenever the mode
// is chosen, closed when another mode is, open between transfers with its monitor showing what
// the unit sends unasked, and a lost port told to the user once.

#include "link/link_mode.h"
#include "link/serial_endpoint.h"

#include <QObject>

#include <optional>

namespace zel::link {
class SerialMonitor;
} // namespace zel::link

namespace zel::ui {

class TextFeed;
class UserPrompts;

class SerialSession : public QObject {
    Q_OBJECT
public:
    // What the monitor receives goes to `feed`. Both must outlive the session; `prompts` may be
    // replaced with setPrompts().
    SerialSession(TextFeed& feed, UserPrompts& prompts, qint64 receiveLimit,
                  QObject* parent = nullptr);

    void setPrompts(UserPrompts& prompts) { m_prompts = &prompts; }
    void setReceiveLimit(qint64 limit);

    link::SerialEndpoint& endpoint() { return m_endpoint; }
    const link::SerialEndpoint& endpoint() const { return m_endpoint; }
    const link::SerialMonitor* monitor() const { return m_monitor; }

    // Serial Mode asks for the port again (no port is remembered) and opens it; any other mode
    // closes the port.
    void followMode(link::LinkMode mode);
    // Opens the chosen port when it is closed, asking for it again; false (after showing why)
    // when that fails.
    bool ensureOpen();
    // The next time the port is asked for, `port` is taken without asking: a unit picked from a
    // list.
    void usePortNext(const QString& port) { m_nextPort = port; }
    // While a transfer reads the port itself, the monitor does not.
    void setMonitorPaused(bool paused);
    // The window is closing: a lost port is no longer told.
    void setWindowClosing(bool closing) { m_windowClosing = closing; }
    // Live mode holds the port: the monitor does not read it and a lost port is not told in a
    // box, since live mode opens it again and its state line says so.
    void setHeldForLive(bool held);

    // How status texts name the port: "serial port: " and its label.
    QString peerText() const;

signals:
    // The monitor's word that it drops what comes unasked, for the status line.
    void statusText(const QString& text);

private:
    bool openChosenPort();
    void onPortLost(const QString& error);

    TextFeed& m_feed;
    UserPrompts* m_prompts;
    link::SerialEndpoint m_endpoint;
    link::SerialMonitor* m_monitor;
    bool m_windowClosing = false;
    bool m_heldForLive = false;
    std::optional<QString> m_nextPort;
};

} // namespace zel::ui
