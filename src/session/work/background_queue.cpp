#include "session/work/background_queue.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace zel::session {

BackgroundQueue::BackgroundQueue(QObject* parent) : QObject(parent) {}

BackgroundQueue::~BackgroundQueue()
{
    m_answering = false;
    finish();
}

void BackgroundQueue::run(Task task)
{
    m_waiting.append(std::move(task));
    if (!m_current)
        startNext();
}

void BackgroundQueue::startNext()
{
    if (m_waiting.isEmpty()) {
        if (m_answering)
            emit idle();
        return;
    }
    auto* watcher = new QFutureWatcher<Answer>(this);
    m_current = watcher;
    connect(watcher, &QFutureWatcher<Answer>::finished, this, [this, watcher] { answer(watcher); });
    watcher->setFuture(QtConcurrent::run(m_waiting.takeFirst()));
}

void BackgroundQueue::answer(QFutureWatcher<Answer>* watcher)
{
    if (watcher != m_current)
        return; // finish() answered it already
    m_current = nullptr;
    watcher->disconnect(this);
    const Answer done = watcher->result();
    watcher->deleteLater();
    // The answer may ask for more: it waits behind what is queued already.
    if (done && m_answering)
        done();
    if (!m_current)
        startNext();
}

void BackgroundQueue::finish()
{
    while (m_current) {
        m_current->waitForFinished();
        answer(m_current);
    }
}

} // namespace zel::session
