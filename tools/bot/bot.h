#pragma once

#include "messaging/framing.h"
#include "messaging/tsock.h"

#include <QObject>
#include <QRandomGenerator>
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
    QString status() const;

    // Random play: `perSecond` actions a second on average; 0 stops it.
    void setRandomRate(double perSecond);
    void setGuessWords(const QStringList& words) { m_guessWords = words; }

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

    bool m_open = false;
    bool m_loggedin = false;
    int m_seat = 0;
    int m_drawerseat = 0;
    bool m_picking = false;
    bool m_watching = false;
    bool m_gameOn = false;
    QString m_hint;
    quint64 m_sent = 0;
    quint64 m_received = 0;
};

// A received text made safe for a terminal: control bytes are shown as \xNN.
QString printable(const QString& text);

} // namespace pictova::bot
