#pragma once

#include "messaging/ratewindow.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>

namespace pictova {

// How many lines a connection may send in any window of so many seconds; 0 in either turns the
// limit off.
struct LineLimit
{
    int lines = 0;
    int seconds = 0;
    bool isOff() const { return lines <= 0 || seconds <= 0; }
    friend bool operator==(const LineLimit&, const LineLimit&) = default;
};

// One limit for every seat: which lines pass, and the bursts of refused ones. A burst ends when
// the seat may send again; only then is its size known. What a seat's connection spent stays
// with its address until the window has passed: a new connection from there takes it over, so
// coming back does not buy a fresh allowance.
class BurstLimiter
{
public:
    explicit BurstLimiter(LineLimit limit) : m_limit(limit) {}

    void setLimit(LineLimit limit);
    LineLimit limit() const { return m_limit; }
    // Whether a line from `seat` at `now` passes; a refused line joins the seat's burst.
    bool admit(int seat, const QString& address, qint64 now);
    struct Burst
    {
        int seat = 0;
        int refused = 0;
    };
    // The bursts over by `now`, forgotten as they are returned.
    std::vector<Burst> takeEndedBursts(qint64 now);
    // When the earliest burst still running ends.
    std::optional<qint64> nextBurstEnd() const;
    void forget(int seat, const QString& address, qint64 now);

private:
    struct SeatLines
    {
        explicit SeatLines(LineLimit limit) : passed(limit.lines, qint64(limit.seconds) * 1000) {}
        RateWindow passed;
        int refused = 0;
        qint64 burstEnd = 0;
    };

    // An address holds few connections at once; more left behind than this are old news.
    static constexpr size_t kMaxLeftPerAddress = 16;

    LineLimit m_limit;
    std::map<int, SeatLines> m_seats;
    std::map<QString, std::vector<RateWindow>> m_left; // by address, newest last
};

// The limits on chat and action lines and on guesses, per connection, with their clock and the
// timer that tells a seat how many of its lines a burst cost once the burst is over.
class LineLimits : public QObject
{
    Q_OBJECT
public:
    static constexpr LineLimit kDefaultChat{5, 3};
    static constexpr LineLimit kDefaultGuess{10, 3};

    // Milliseconds on a clock that never goes back; tests bring their own.
    using Clock = std::function<qint64()>;
    // Called when a burst of `refused` lines from `seat` is over.
    using Notice = std::function<void(int seat, int refused)>;
    // The address a seat's connection comes from; empty for none.
    using AddressOf = std::function<QString(int seat)>;

    explicit LineLimits(Notice notice, QObject* parent = nullptr);

    void setChatLimit(LineLimit limit) { m_chat.setLimit(limit); }
    void setGuessLimit(LineLimit limit) { m_guess.setLimit(limit); }
    LineLimit chatLimit() const { return m_chat.limit(); }
    LineLimit guessLimit() const { return m_guess.limit(); }
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setAddressOf(AddressOf addressOf) { m_addressOf = std::move(addressOf); }
    // In manual mode nothing fires by itself; a test calls check().
    void setManual(bool manual);

    bool admitChat(int seat) { return admit(m_chat, seat); }
    bool admitGuess(int seat) { return admit(m_guess, seat); }
    // Tells the seats whose bursts are over.
    void check();
    // The seat's connection has gone: the seat's next player starts afresh, and what it spent
    // stays with its address. Called while the seat still shows its address.
    void forget(int seat);

private:
    bool admit(BurstLimiter& limiter, int seat);
    void arm();

    BurstLimiter m_chat{kDefaultChat};
    BurstLimiter m_guess{kDefaultGuess};
    Notice m_notice;
    Clock m_clock;
    AddressOf m_addressOf;
    QTimer m_timer;
    bool m_manual = false;
};

} // namespace pictova
