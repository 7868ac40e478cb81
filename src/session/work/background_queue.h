#pragma once
// File work run off the window's thread one task at a time, in the order it was asked for: the
// journal's writes, then a listing asked for after them, which must show what they wrote. Each
// task holds copies only (a journal is a value over its folder) and hands back what to do with
// its result, which runs on the window's thread once the task has finished. The window never
// waits here; closing may, so that nothing asked to be written is lost.

#include <QList>
#include <QObject>

#include <functional>

template <typename T> class QFutureWatcher;

namespace zel::session {

class BackgroundQueue : public QObject {
    Q_OBJECT
public:
    // What to do with a task's result, on the window's thread; may be empty.
    using Answer = std::function<void()>;
    // The task itself, run on the thread pool.
    using Task = std::function<Answer()>;

    explicit BackgroundQueue(QObject* parent = nullptr);
    // Finishes every task asked for; their answers are dropped, since whoever asked may be gone.
    ~BackgroundQueue() override;

    // Runs `task` after those asked for before it.
    void run(Task task);
    // A task runs or waits.
    bool isBusy() const { return m_current != nullptr; }
    // Waits for every task asked for, each answered as it ends: the window is closing.
    void finish();

signals:
    // The last task has ended and been answered.
    void idle();

private:
    void startNext();
    void answer(QFutureWatcher<Answer>* watcher);

    QList<Task> m_waiting;
    QFutureWatcher<Answer>* m_current = nullptr;
    bool m_answering = true;
};

} // namespace zel::session
