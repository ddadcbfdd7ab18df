#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <limits>

namespace pictova {

// The time a connection has to log in. A connection that stays silent would otherwise hold its
// seat for as long as it stays open, and fifteen of them lock every real player out. A client
// logs in as soon as it is told its seat, so no real player comes near the limit.
class LoginDeadline : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 kLimitMs = 10000;

    // Milliseconds on a clock that never goes back; tests bring their own.
    using Clock = std::function<qint64()>;
    // Called with the clock's time when a deadline may have passed.
    using Expire = std::function<void(qint64 now)>;

    explicit LoginDeadline(Expire expire, QObject* parent = nullptr);

    void setClock(Clock clock) { m_clock = std::move(clock); }
    qint64 now() const { return m_clock(); }
    // In manual mode nothing fires by itself; a test calls check().
    void setManual(bool manual);
    // Makes sure the expiry runs no later than `deadline`.
    void schedule(qint64 deadline);
    // Runs the expiry now.
    void check();

private:
    void arm();

    QTimer m_timer;
    Clock m_clock;
    Expire m_expire;
    bool m_manual = false;
    qint64 m_next = std::numeric_limits<qint64>::max();
};

} // namespace pictova
