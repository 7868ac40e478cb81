#pragma once
// When live mode reads the unit again: once no edit came for the quiet time, and then at least
// every read period, so that a change made at the unit (its keypad, another program) is found
// within a period and never stands unseen behind live mode's own picture.

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace zel::session {

class LiveReadSchedule : public QObject {
    Q_OBJECT
public:
    explicit LiveReadSchedule(QObject* parent = nullptr);

    void setTimes(std::chrono::milliseconds quiet, std::chrono::milliseconds period);
    // A read agreed with what the unit was sent: the next one is a period away.
    void readAgreed();
    // The user decided which side wins after a read that disagreed: no read has agreed since,
    // and the next one is due as soon as no edit came for the quiet time.
    void awaitRead();
    // An edit came: the next read waits until none came for the quiet time.
    void edited();
    // Tries again after the quiet time: the link was busy when the read fell due.
    void postpone();
    void stop();

    // When a read last agreed; invalid before the first and after awaitRead().
    QDateTime lastRead() const { return m_lastRead; }
    // Whether no read has agreed since awaitRead().
    bool awaitingRead() const { return m_awaiting; }

signals:
    void due();

private:
    void reschedule();

    QTimer m_timer;
    QElapsedTimer m_sinceRead;
    QElapsedTimer m_sinceEdit;
    QDateTime m_lastRead;
    bool m_awaiting = false;
    std::chrono::milliseconds m_quiet{3000};
    std::chrono::milliseconds m_period{30000};
};

} // namespace zel::session
