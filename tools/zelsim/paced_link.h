#pragma once
// The unit's end of the line. At a baud rate it takes in and sends out no more than one byte per
// ten bit times in each direction, as a real 8N1 line would; without one it passes bytes through.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QIODevice;

namespace zelsim {

class PacedLink : public QObject {
    Q_OBJECT
public:
    // `device` must be open and outlive the link. `baud` 0 means no pacing.
    PacedLink(QIODevice* device, int baud, QObject* parent = nullptr);

    void send(const QByteArray& bytes);
    // Bytes sent but not yet out of the device.
    qint64 pendingOutput() const;
    // Closes the device once everything sent is out of it.
    void closeWhenSent();

signals:
    void received(const QByteArray& bytes);
    // Some output went out; pendingOutput() is smaller.
    void outputMoved();

private:
    void takeInput();
    void releaseInput();
    void releaseOutput();
    void closeIfDone();
    qint64 bytesDue(qint64& lineFreeAt, qint64 waiting, QTimer& timer);

    QIODevice* m_device;
    qint64 m_byteTimeNs = 0; // ten bit times; 0 without pacing
    QElapsedTimer m_clock;
    QByteArray m_inbox;
    QByteArray m_outbox;
    qint64 m_inFreeAt = 0;  // when the incoming line has carried every byte taken so far
    qint64 m_outFreeAt = 0; // the same for the outgoing line
    QTimer m_inTimer;
    QTimer m_outTimer;
    bool m_closing = false;
};

} // namespace zelsim
