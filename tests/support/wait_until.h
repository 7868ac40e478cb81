#pragma once
// Waiting on a condition with the event loop turning all the while. QTest::qWaitFor sleeps
// 10 ms between its turns of the loop, so a transfer that needs a turn for each reply takes
// 10 ms a line under it; here the replies are taken in as they come.

#include <QEventLoop>
#include <QTimer>

namespace zel::test {

// Runs the event loop until `done()` holds or `timeoutMs` have passed; whether it held.
template <typename Predicate> bool waitUntil(Predicate done, int timeoutMs = 5000)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    check.start(1);
    loop.exec();
    return done();
}

} // namespace zel::test
