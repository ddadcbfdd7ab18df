#pragma once

#include "messaging/framing.h"
#include "messaging/tsock.h"

#include <QMap>
#include <QObject>
#include <QRandomGenerator>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace pictova::bot {

// One scripted player: connects, logs in when given a seat, keeps track of the turn, and sends
// what it is told to (or, in random mode, whatever fits the moment).
class Bot : public QObject
{
    Q_OBJECT
public:
    using Printer = std::function<void(const QString& line)>;

    Bot(const QString& name, const QString& host, const QString& port, Printer print,
        QObject* parent = nullptr);

    void connectToServer();
    QString name() const { return m_name; }
    int seat() const { return m_seat; }
    bool isOpen() const { return m_open; }
    bool isDrawer() const { return m_seat != 0 && m_seat == m_drawerseat; }
    quint64 sentCount() const { return m_sent; }
    quint64 receivedCount() const { return m_received; }
    quint64 winnersSeen() const { return m_winners; }
    // Turns this bot saw end: the phrase found, or the time up.
    quint64 turnsFound() const { return m_found; }
    quint64 turnsTimedOut() const { return m_timedOut; }
    // The seats as the server has told this bot of them: seat to name.
    const QMap<int, QString>& seatView() const { return m_seatView; }
    // The phrase the server dealt this bot as the drawer; empty when it is not drawing.
    QString phrase() const { return isDrawer() ? m_phrase : QString(); }
    // Marker chat lines ("#mark" and a tag, sent by markChat) seen by this bot, by tag. Only
    // markers are kept, so a long run does not pile up every line.
    bool hasSeenMark(const QString& tag) const { return m_marksSeen.contains(tag); }
    QString markChat(const QString& tag);
    void forgetMarks() { m_marksSeen.clear(); }

    // The line commands; each returns an error text, or nothing when it was sent.
    QString chat(const QString& text);
    QString action(const QString& text);
    QString guess(const QString& text);
    QString draw();
    QString clear();
    QString pass();
    QString pick(int category);
    QString watch(bool watching);
    QString start(bool team, int playto, int seconds);
    QString kick(int seat);
    void leave();
    // Drops the connection with a TCP reset instead of an orderly close.
    void reset();
    // One odd or malformed message of the kind a broken or hostile client sends.
    QString garbage();
    QString status() const;

    // Random play: `perSecond` actions a second on average; 0 stops it.
    void setRandomRate(double perSecond);
    void setGuessWords(const QStringList& words) { m_guessWords = words; }
    // What the seat-1 bot starts its games with in random mode.
    void setStartSettings(int playto, int seconds)
    {
        m_playto = playto;
        m_seconds = seconds;
    }
    // In random mode, `percent` of the guesses are what `answer` returns (the turn's phrase,
    // when the caller knows it), so games get won.
    void setAnswerSource(std::function<QString()> answer, int percent)
    {
        m_answer = std::move(answer);
        m_answerPercent = percent;
    }
    // In random mode, `percent` of the actions are garbage().
    void setMischief(int percent) { m_mischief = percent; }

signals:
    void closed(pictova::bot::Bot* bot);

private:
    void readArrived();
    void handle(const QString& message);
    void send(const QByteArray& bytes);
    QString needSeat() const;
    void randomStep();
    void armRandomTimer();

    QString m_name;
    Printer m_print;
    TSock m_sock;
    MessageFramer m_framer;
    QRandomGenerator m_random;
    QTimer m_randomTimer;
    double m_rate = 0;
    QStringList m_guessWords;
    int m_playto = 20;
    int m_seconds = 60;
    std::function<QString()> m_answer;
    int m_answerPercent = 0;
    int m_mischief = 0;

    bool m_open = false;
    bool m_loggedin = false;
    int m_seat = 0;
    int m_drawerseat = 0;
    bool m_picking = false;
    bool m_watching = false;
    bool m_gameOn = false;
    QString m_hint;
    QString m_phrase;
    QMap<int, QString> m_seatView;
    QSet<QString> m_marksSeen;
    quint64 m_winners = 0;
    quint64 m_found = 0;
    quint64 m_timedOut = 0;
    quint64 m_sent = 0;
    quint64 m_received = 0;
};

// A received text made safe for a terminal: control bytes are shown as \xNN.
QString printable(const QString& text);

} // namespace pictova::bot
