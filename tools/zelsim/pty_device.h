#pragma once
// The unit's side of a pseudo-terminal: the master end, read and written without blocking. The
// terminal end, whose path a serial program opens, is held open here too and set raw, so that it
// neither echoes nor hangs up while no program has it open.

#include <QByteArray>
#include <QIODevice>

#include <memory>

class QSocketNotifier;

namespace zelsim {

class PtyDevice : public QIODevice {
    Q_OBJECT
public:
    // Opens a new pseudo-terminal; nothing and `error` set when that fails.
    static std::unique_ptr<PtyDevice> create(QString& error);
    ~PtyDevice() override;

    // The terminal end's path, such as /dev/pts/4.
    QString terminalPath() const { return m_terminalPath; }

    bool isSequential() const override { return true; }
    qint64 bytesToWrite() const override { return m_writeBuffer.size(); }
    void close() override;
    // Closes the master end, and so hangs the terminal up, once the program on the terminal end
    // has read everything sent: a hang-up discards what it has not read yet.
    void hangUpOnceRead();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    PtyDevice(int master, int terminal, QString terminalPath);
    void flushWrites();

    int m_master;
    int m_terminal;
    QString m_terminalPath;
    QByteArray m_writeBuffer;
    bool m_sentSeenUnread = false; // what was sent has been seen waiting in the terminal's queue
    int m_emptyRounds = 0;         // rounds of the hang-up wait that found the queue empty
    QSocketNotifier* m_readNotifier;
    QSocketNotifier* m_writeNotifier;
};

} // namespace zelsim
