#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace pictova::serverapp {

// SIGTERM and SIGINT as a Qt signal on the main thread. The two are blocked and read from a
// signalfd, so nothing runs inside a signal handler and the event loop finishes what it is
// doing first. Call blockStopSignals() before any thread starts, so every thread inherits the
// mask and the signals can only arrive through the descriptor.
class StopSignals : public QObject
{
    Q_OBJECT
public:
    static bool blockStopSignals();

    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;
    bool isValid() const { return m_fd >= 0; }

signals:
    // "SIGTERM" or "SIGINT".
    void stopRequested(const QString& signalName);

private:
    void readSignal();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace pictova::serverapp
