#pragma once
// One conversation with the configuration program over one connection or one serial line:
// commands in, acknowledgements and dumps out, with the faults the options ask for.

#include "command_assembler.h"
#include "sim_options.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <vector>

class QIODevice;

namespace zelsim {

class PacedLink;
class UnitConfig;

class UnitSession : public QObject {
    Q_OBJECT
public:
    enum class Connection {
        Closable, // a TCP connection, which the unit can close
        Line,     // a serial line or pseudo-terminal, which stays
    };

    // `device` is open and outlives the session; `unit` is shared by all sessions.
    UnitSession(QIODevice* device, Connection connection, UnitConfig& unit,
                const SimOptions& options, QObject* parent = nullptr);

private:
    struct Reply {
        qint64 dueMs; // when it may go out (--reply-delay)
        QByteArray bytes;
        bool endsLine;   // counts towards --silent-after and --close-after
        bool startsDump; // the dump follows this reply
    };

    void onReceived(const QByteArray& bytes);
    void handleCommand(const QByteArray& command);
    void queue(QByteArray bytes, bool endsLine, bool startsDump = false);
    void sendDueReplies();
    void countLine();
    void close();
    void continueDump();
    QByteArray withNoise(const QByteArray& line) const;

    QIODevice* m_device;
    PacedLink* m_link;
    UnitConfig& m_unit;
    const SimOptions& m_options;
    Connection m_connection;
    CommandAssembler m_assembler;
    std::deque<Reply> m_replies;
    QTimer m_replyTimer;
    QElapsedTimer m_clock;
    int m_lines = 0; // dump lines sent and commands acknowledged
    bool m_silent = false;
    bool m_closing = false;
    std::vector<QByteArray> m_dump; // lines of the dump being sent
    size_t m_dumpNext = 0;
    bool m_dumping = false;
};

} // namespace zelsim
