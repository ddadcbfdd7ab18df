#include "server/roomthreads.h"

#include <algorithm>

namespace pictova {

RoomThreads::RoomThreads(int count)
{
    for (int i = 0; i < count; ++i) {
        Loop loop;
        loop.thread = std::make_unique<QThread>();
        loop.thread->setObjectName(QStringLiteral("rooms %1").arg(i + 1));
        loop.home = std::make_unique<QObject>();
        loop.home->moveToThread(loop.thread.get());
        loop.thread->start();
        m_loops.push_back(std::move(loop));
    }
}

RoomThreads::~RoomThreads()
{
    for (Loop& loop : m_loops)
        loop.thread->quit();
    for (Loop& loop : m_loops) {
        loop.thread->wait();
        // The home object may go once its thread has ended.
        loop.home.reset();
    }
}

QObject* RoomThreads::placeRoom(QObject* fallback)
{
    if (m_loops.empty())
        return fallback;
    Loop& least = *std::min_element(m_loops.begin(), m_loops.end(),
                                    [](const Loop& a, const Loop& b) { return a.rooms < b.rooms; });
    ++least.rooms;
    return least.home.get();
}

void RoomThreads::roomEnded(QObject* home)
{
    for (Loop& loop : m_loops)
        if (loop.home.get() == home)
            loop.rooms = std::max(0, loop.rooms - 1);
}

} // namespace pictova
