#include "serverapp/stopsignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace pictova::serverapp {

namespace {
sigset_t stopSet()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    return set;
}
} // namespace

bool StopSignals::blockStopSignals()
{
    const sigset_t set = stopSet();
    return pthread_sigmask(SIG_BLOCK, &set, nullptr) == 0;
}

StopSignals::StopSignals(QObject* parent) : QObject(parent)
{
    const sigset_t set = stopSet();
    m_fd = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &StopSignals::readSignal);
}

StopSignals::~StopSignals()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

void StopSignals::readSignal()
{
    signalfd_siginfo info{};
    while (::read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        emit stopRequested(info.ssi_signo == SIGINT ? QStringLiteral("SIGINT") : QStringLiteral("SIGTERM"));
}

} // namespace pictova::serverapp
