#pragma once

#include <QtGlobal>

namespace pictova::soak {

// What the kernel says about a process: resident memory and CPU time used so far.
struct ProcStats
{
    qint64 rssKiB = -1;     // -1 when the process is gone
    double cpuSeconds = -1; // user + system
};

ProcStats readProcStats(qint64 pid);

} // namespace pictova::soak
