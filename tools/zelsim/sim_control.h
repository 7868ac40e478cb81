#pragma once
// Commands on standard input (--control), one a line, that change the simulated unit while it
// runs, so that a test or a user can play what a real unit does at any moment: drop its
// connections, fall silent and speak again, answer slower, be changed from its keypad, be switched
// off and on.

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

namespace zelsim {

class SimControl : public QObject {
    Q_OBJECT
public:
    explicit SimControl(QObject* parent = nullptr);

    // The commands, for --help.
    static const char* help();

signals:
    void drop();                         // close every connection (hang a pseudo-terminal up)
    void away();                         // drop, and refuse connections until back()
    void back();                         // take connections again
    void silent(bool on);                // "silent" / "talk": stop answering, or answer again
    void replyDelay(int ms);             // "delay MS"
    void keypad(const QByteArray& line); // "keypad LINE": a setting changed at the unit
    void restart();                      // drop, and the configuration it started with again
    void unknown(const QByteArray& line);
    // A command has been carried out (or told unknown): whoever gave it may go on.
    void handled(const QByteArray& line);

private:
    void readInput();
    void handle(const QByteArray& line);

    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_pending;
};

} // namespace zelsim
