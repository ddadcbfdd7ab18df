// Usage: shell_instanceprobe <runtime folder> second|crash
//   second: exits 0 when it is the first copy, 1 when another copy runs.
//   crash:  takes the lock and dies without letting it go, as a crashed game would.
#include "shell/singleinstance.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    pictova::SingleInstance instance(nullptr, QString::fromLocal8Bit(argv[1]));
    const bool first = instance.acquire();
    if (QByteArray(argv[2]) == "crash")
        _exit(first ? 0 : 1);
    return first ? 0 : 1;
}
