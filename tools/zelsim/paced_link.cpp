#include "paced_link.h"

#include <QIODevice>

#include <algorithm>

namespace zelsim {

PacedLink::PacedLink(QIODevice* device, int baud, QObject* parent)
    : QObject(parent), m_device(device)
{
    if (baud > 0)
        m_byteTimeNs = 10'000'000'000LL / baud;
    m_clock.start();
    for (QTimer* timer : {&m_inTimer, &m_outTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_inTimer, &QTimer::timeout, this, &PacedLink::releaseInput);
    connect(&m_outTimer, &QTimer::timeout, this, &PacedLink::releaseOutput);
    connect(device, &QIODevice::readyRead, this, &PacedLink::takeInput);
    connect(device, &QIODevice::bytesWritten, this, [this] {
        emit outputMoved();
        closeIfDone();
    });
}

void PacedLink::send(const QByteArray& bytes)
{
    if (m_closing || bytes.isEmpty())
        return;
    if (m_byteTimeNs == 0) {
        m_device->write(bytes);
        return;
    }
    if (m_outbox.isEmpty())
        m_outFreeAt = std::max(m_outFreeAt, m_clock.nsecsElapsed());
    m_outbox += bytes;
    releaseOutput();
}

qint64 PacedLink::pendingOutput() const
{
    return m_outbox.size() + m_device->bytesToWrite();
}

void PacedLink::closeWhenSent()
{
    m_closing = true;
    closeIfDone();
}

void PacedLink::takeInput()
{
    const QByteArray bytes = m_device->readAll();
    if (bytes.isEmpty())
        return;
    if (m_byteTimeNs == 0) {
        emit received(bytes);
        return;
    }
    if (m_inbox.isEmpty())
        m_inFreeAt = std::max(m_inFreeAt, m_clock.nsecsElapsed());
    m_inbox += bytes;
    releaseInput();
}

// How many of `waiting` bytes the line has carried by now, moving `lineFreeAt` past them; arms
// `timer` for the next byte when some are left.
qint64 PacedLink::bytesDue(qint64& lineFreeAt, qint64 waiting, QTimer& timer)
{
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 due = std::min(waiting, (now - lineFreeAt) / m_byteTimeNs);
    lineFreeAt += due * m_byteTimeNs;
    if (due < waiting) {
        const qint64 nextNs = lineFreeAt + m_byteTimeNs - now;
        timer.start(static_cast<int>((nextNs + 999'999) / 1'000'000));
    }
    return due;
}

void PacedLink::releaseInput()
{
    const qint64 due = bytesDue(m_inFreeAt, m_inbox.size(), m_inTimer);
    if (due == 0)
        return;
    const QByteArray bytes = m_inbox.left(due);
    m_inbox.remove(0, due);
    emit received(bytes);
}

void PacedLink::releaseOutput()
{
    const qint64 due = bytesDue(m_outFreeAt, m_outbox.size(), m_outTimer);
    if (due == 0)
        return;
    m_device->write(m_outbox.left(due));
    m_outbox.remove(0, due);
}

void PacedLink::closeIfDone()
{
    if (m_closing && pendingOutput() == 0 && m_device->isOpen())
        m_device->close();
}

} // namespace zelsim
