#include "tools/soak/procstats.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <unistd.h>

namespace pictova::soak {

ProcStats readProcStats(qint64 pid)
{
    ProcStats stats;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                stats.rssKiB = line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        // The command name may hold blanks and brackets; the fields that follow start after the
        // last ")". utime and stime are fields 14 and 15 of the whole line.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12) {
            const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
            stats.cpuSeconds = (fields.at(11).toLongLong() + fields.at(12).toLongLong()) / ticks;
        }
    }
    return stats;
}

} // namespace pictova::soak
