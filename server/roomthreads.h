#pragma once

#include <QObject>
#include <QThread>
#include <memory>
#include <vector>

namespace pictova {

// The event loops the rooms run on, one a core: a room lives on one of them from its first
// moment to its last, and everything of it (its game, its connections, their timers) is made,
// used and deleted there. Others reach a room only by posting to its loop's home object.
class RoomThreads
{
public:
    // `count` loops; none, and every room lives on the caller's own thread.
    explicit RoomThreads(int count);
    // Waits for every loop to end: whatever lives on them must be gone by then.
    ~RoomThreads();
    RoomThreads(const RoomThreads&) = delete;
    RoomThreads& operator=(const RoomThreads&) = delete;

    int count() const { return int(m_loops.size()); }
    // The home of the loop holding the fewest rooms (the caller's thread's, `fallback`, when
    // there are no loops), counted as holding one more.
    QObject* placeRoom(QObject* fallback);
    // A room of that home ended.
    void roomEnded(QObject* home);

private:
    struct Loop
    {
        std::unique_ptr<QThread> thread;
        std::unique_ptr<QObject> home;
        int rooms = 0;
    };
    std::vector<Loop> m_loops;
};

// Runs `work` on `home`'s thread: at once when that is the caller's, otherwise queued behind what
// that thread has to do; with `wait`, returns only when it has run.
template <typename Work> void runOn(QObject* home, Work&& work, bool wait = false)
{
    if (home->thread() == QThread::currentThread())
        work();
    else
        QMetaObject::invokeMethod(home, std::forward<Work>(work),
                                  wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

} // namespace pictova
