#pragma once
// Starts the simulated unit for a test, on an ephemeral loopback port or a pseudo-terminal, and
// stops it when the test ends.

#include <QProcess>
#include <QStringList>

namespace zel::test {

class ZelSimProcess {
public:
    enum class Link { Tcp, Pty };

    ZelSimProcess() = default;
    ~ZelSimProcess();
    ZelSimProcess(const ZelSimProcess&) = delete;
    ZelSimProcess& operator=(const ZelSimProcess&) = delete;

    // Starts zelsim with `faults` and waits until it says where it listens; false on failure
    // with the reason in error(). Over TCP it listens on `tcp` ("[ADDRESS:]PORT", loopback).
    bool start(Link link, const QStringList& faults = {}, const QString& tcp = QStringLiteral("0"));

    // "127.0.0.1:PORT" for Tcp, the pseudo-terminal's path for Pty.
    QString address() const { return m_address; }
    QString error() const { return m_error; }
    // The rest of the line zelsim announced `prefix` on as it started ("listening on ", with
    // --tcp among the faults of a Pty start); empty when it did not.
    QString announced(const QByteArray& prefix) const;
    // Commands zelsim has printed so far (with --verbose, which start() always passes).
    QStringList receivedCommands();
    // How many TCP connections zelsim has seen closed so far, from what it printed; reads without
    // waiting, for a test that waits on the event loop.
    int closedConnections();
    // How many TCP connections zelsim has taken so far (closed at once or not).
    int openedConnections();
    // Gives zelsim (started with --control) a command: "drop", "silent", "restart"...; true once
    // zelsim has carried it out.
    bool control(const QByteArray& command);
    // Stops the unit at once, as if it were switched off.
    void kill();

private:
    QProcess m_process;
    QString m_address;
    QString m_error;
    QByteArray m_stderr;
    QByteArray m_announced;

    QList<QByteArray> stderrLines();
};

} // namespace zel::test
