#include "tests/support/waitfor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace pictova::test {

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

void runTimersDueNow()
{
    // A QTimer object, not QTimer::singleShot: a zero-delay single shot is a posted call, which
    // runs before timers that are due.
    bool fired = false;
    QTimer marker;
    marker.setSingleShot(true);
    QObject::connect(&marker, &QTimer::timeout, [&] { fired = true; });
    marker.start(0);
    waitFor([&] { return fired; });
}

} // namespace pictova::test
