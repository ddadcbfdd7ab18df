#pragma once

#include <QtGlobal>
#include <atomic>

namespace pictova {

// What every game of the process received and sent, for an operator's metrics. Counted where each
// game's connections are served; atomics, so games on other threads may count too.
struct ServerTraffic
{
    std::atomic<qint64> messagesIn{0};
    std::atomic<qint64> bytesIn{0};
    std::atomic<qint64> messagesOut{0};
    std::atomic<qint64> bytesOut{0};

    static ServerTraffic& process()
    {
        static ServerTraffic traffic;
        return traffic;
    }
};

} // namespace pictova
