#pragma once

#include <QString>
#include <sched.h>

namespace pictova::bench {

// In a game the host and each player have a machine of their own. In a benchmark the players
// are one process, and on a shared core the scheduler runs a player the host has just woken in
// place of the host, which then waits with its other writes undone: the bench would be measuring
// its own reading. placeApart gives the process `pid` a core of its own and this process
// another, where the machine has two; it says where each went.
QString placeApart(qint64 pid);

// Restores this process's cores, as they were when made, at the end of a run.
class CoresKept
{
public:
    CoresKept();
    ~CoresKept();
    CoresKept(const CoresKept&) = delete;
    CoresKept& operator=(const CoresKept&) = delete;

private:
    cpu_set_t m_cores;
    bool m_valid = false;
};

} // namespace pictova::bench
