#include "bench/coreplacement.h"

namespace pictova::bench {

QString placeApart(qint64 pid)
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (::sched_getaffinity(0, sizeof allowed, &allowed) != 0 || CPU_COUNT(&allowed) < 2)
        return QStringLiteral("shared (fewer than two cores)");
    int cores[2] = {-1, -1};
    for (int cpu = 0, found = 0; cpu < CPU_SETSIZE && found < 2; ++cpu)
        if (CPU_ISSET(cpu, &allowed))
            cores[found++] = cpu;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(cores[1], &one);
    if (::sched_setaffinity(static_cast<pid_t>(pid), sizeof one, &one) != 0)
        return QStringLiteral("shared (the other process could not be placed)");
    CPU_ZERO(&one);
    CPU_SET(cores[0], &one);
    ::sched_setaffinity(0, sizeof one, &one);
    return QStringLiteral("host on core %1, players on core %2").arg(cores[1]).arg(cores[0]);
}

CoresKept::CoresKept()
{
    m_valid = ::sched_getaffinity(0, sizeof m_cores, &m_cores) == 0;
}

CoresKept::~CoresKept()
{
    if (m_valid)
        ::sched_setaffinity(0, sizeof m_cores, &m_cores);
}

} // namespace pictova::bench
