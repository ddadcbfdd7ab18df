#include "tools/bot/bot.h"

#include "messaging/catalogue.h"
#include "messaging/dispatcher.h"
#include "messaging/errors.h"
#include "messaging/integer.h"
#include "messaging/version.h"
#include "messaging/wire.h"

namespace pictova::bot {

namespace {
const QStringList kChatLines = {"hello", "nice one", "what is that?", "haha", "so close", "gg"};
const QStringList kColours = {"clBlack", "clMaroon", "clNavy", "clGreen", "clRed", "$00BFD7BF"};
constexpr int kBoardWidth = 400;
constexpr int kBoardHeight = 300;
} // namespace

QString printable(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

Bot::Bot(const QString& name, const QString& host, const QString& port, Printer print, QObject* parent)
    : QObject(parent), m_name(name), m_print(std::move(print)),
      m_random(QRandomGenerator::global()->generate())
{
    m_sock.HostName = host;
    m_sock.PortName = port;
    connect(&m_sock, &TSock::onConnect, this, [this] {
        m_open = true;
        m_print(QStringLiteral("connected"));
    });
    connect(&m_sock, &TSock::onRead, this, &Bot::readArrived);
    connect(&m_sock, &TSock::onInfo, this, [this](TSock*, SocketInfo kind, const QString& message) {
        if (kind == SocketInfo::Error)
            m_print(QStringLiteral("error: ") + message);
        if (message == QLatin1String("Socket Closed") || kind == SocketInfo::Error) {
            const bool wasOpen = m_open || kind == SocketInfo::Error;
            m_open = false;
            m_randomTimer.stop();
            if (wasOpen) {
                m_print(QStringLiteral("closed"));
                emit closed(this);
            }
        }
    });
    m_randomTimer.setSingleShot(true);
    connect(&m_randomTimer, &QTimer::timeout, this, [this] {
        randomStep();
        armRandomTimer();
    });
}

void Bot::connectToServer()
{
    try {
        m_sock.open();
    } catch (const PictovaError& error) {
        m_print(QStringLiteral("error: ") + error.text());
        emit closed(this);
    }
}

void Bot::readArrived()
{
    QList<QByteArray> messages;
    if (!m_framer.feed(m_sock.receive(), messages)) {
        m_print(QStringLiteral("error: the server sent a message past the size limit"));
        m_sock.close();
        return;
    }
    for (const QByteArray& message : messages)
        handle(fromWire(message));
}

void Bot::handle(const QString& message)
{
    if (message.isEmpty())
        return;
    ++m_received;
    m_print(QStringLiteral("<< ") + printable(message));
    const SplitEntry entry = splitEntry(message);
    try {
        if (entry.name == cmd::sendlogininfo) {
            m_seat = parse::seatOnly(entry.payload);
            send(toserver::logininfo(m_seat, QString::fromLatin1(kVersion), m_name));
            m_loggedin = true;
        } else if (entry.name == cmd::pickcatagory) {
            m_drawerseat = parse::seatOnly(entry.payload);
            m_picking = true;
        } else if (entry.name == cmd::nextplayer) {
            const parse::NextPlayer next = parse::nextplayer(entry.payload);
            m_drawerseat = next.drawer;
            m_hint = next.hint;
            m_picking = false;
        } else if (entry.name == cmd::updateanswer) {
            const parse::UpdateAnswer update = parse::updateanswer(entry.payload);
            if (update.flag == QLatin1String("true"))
                m_drawerseat = 0;
            else
                m_hint = update.text;
        } else if (entry.name == cmd::startgame) {
            m_gameOn = true;
        } else if (entry.name == cmd::correctanswer || entry.name == cmd::winner) {
            m_drawerseat = 0;
            if (entry.name == cmd::winner)
                m_gameOn = false;
        } else if (entry.name == cmd::justwatching) {
            const parse::SeatAndText watch = parse::seatAndText(entry.payload);
            if (watch.seat == m_seat)
                m_watching = watch.text == QLatin1String("1");
        } else if (entry.name == cmd::full) {
            m_print(QStringLiteral("the game is full"));
        }
    } catch (const PictovaError& error) {
        m_print(QStringLiteral("error: ") + error.text());
    }
}

void Bot::send(const QByteArray& bytes)
{
    try {
        m_sock.send(bytes);
        ++m_sent;
    } catch (const PictovaError& error) {
        m_print(QStringLiteral("error: ") + error.text());
    }
}

QString Bot::needSeat() const
{
    if (!m_open || !m_loggedin)
        return QStringLiteral("not logged in");
    return {};
}

QString Bot::chat(const QString& text)
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::chat(m_seat, withoutTerminator(text), QStringLiteral("clNavy")));
    return {};
}

QString Bot::action(const QString& text)
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::action(m_seat, withoutTerminator(text), QStringLiteral("clPurple")));
    return {};
}

QString Bot::guess(const QString& text)
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::answer(m_seat, withoutTerminator(text)));
    return {};
}

QString Bot::draw()
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    // A stroke as the game window sends it: its start, then batches of at most 11 points.
    const QString colour = kColours.at(m_random.bounded(static_cast<int>(kColours.size())));
    const QString width = QString::number(1 + m_random.bounded(12));
    int x = m_random.bounded(kBoardWidth);
    int y = m_random.bounded(kBoardHeight);
    send(toserver::moveit(m_seat, colour, width, x, y));
    const int batches = 1 + m_random.bounded(4);
    for (int b = 0; b < batches; ++b) {
        QString points;
        const int count = 1 + m_random.bounded(11);
        for (int i = 0; i < count; ++i) {
            x = std::clamp(x + m_random.bounded(-15, 16), 0, kBoardWidth - 1);
            y = std::clamp(y + m_random.bounded(-15, 16), 0, kBoardHeight - 1);
            points += QStringLiteral("+%1,%2").arg(x).arg(y);
        }
        send(toserver::draw(m_seat, colour, width, points));
    }
    return {};
}

QString Bot::clear()
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::clearmain(m_seat));
    return {};
}

QString Bot::pass()
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::pass(m_seat));
    return {};
}

QString Bot::pick(int category)
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::pickcatagory(m_seat, category));
    return {};
}

QString Bot::watch(bool watching)
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::justwatch(m_seat, watching));
    return {};
}

QString Bot::start(bool team, int playto, int seconds)
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::startgame(m_seat, team, QString::number(playto), QString::number(seconds)));
    return {};
}

QString Bot::kick(int seat)
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(toserver::kickhim(m_seat, seat));
    return {};
}

void Bot::leave()
{
    m_randomTimer.stop();
    if (m_sock.holdsSocket())
        m_sock.close();
}

QString Bot::status() const
{
    return QStringLiteral("seat %1, %2, drawer %3%4, hint \"%5\", sent %6, received %7")
        .arg(m_seat)
        .arg(m_open ? (m_loggedin ? QStringLiteral("logged in") : QStringLiteral("connected"))
                    : QStringLiteral("closed"))
        .arg(m_drawerseat)
        .arg(m_watching ? QStringLiteral(", watching") : QString())
        .arg(printable(m_hint))
        .arg(m_sent)
        .arg(m_received);
}

void Bot::setRandomRate(double perSecond)
{
    m_rate = perSecond;
    m_randomTimer.stop();
    if (m_rate > 0)
        armRandomTimer();
}

void Bot::armRandomTimer()
{
    if (m_rate <= 0 || !m_sock.holdsSocket())
        return;
    // Evenly spread between none and twice the mean gap, so many bots do not act in step.
    const double meanMs = 1000.0 / m_rate;
    m_randomTimer.start(static_cast<int>(m_random.bounded(2.0 * meanMs)) + 1);
}

void Bot::randomStep()
{
    if (!m_open || !m_loggedin)
        return;
    const int roll = m_random.bounded(100);
    // The host's bot keeps games coming, so a random run never runs out of play.
    if (m_seat == 1 && !m_gameOn && roll < 20) {
        start(false, 20, 60);
        return;
    }
    if (isDrawer()) {
        if (m_picking)
            pick(m_random.bounded(7));
        else if (roll < 85)
            draw();
        else if (roll < 90)
            clear();
        else if (roll < 93)
            pass();
        else
            chat(kChatLines.at(m_random.bounded(static_cast<int>(kChatLines.size()))));
        return;
    }
    if (roll < 60 && m_drawerseat != 0) {
        const QString word = m_guessWords.isEmpty()
                                 ? QStringLiteral("guess")
                                 : m_guessWords.at(m_random.bounded(static_cast<int>(m_guessWords.size())));
        guess(word);
    } else if (roll < 85) {
        chat(kChatLines.at(m_random.bounded(static_cast<int>(kChatLines.size()))));
    } else if (roll < 95) {
        action(QStringLiteral("says: ") +
               kChatLines.at(m_random.bounded(static_cast<int>(kChatLines.size()))));
    } else if (m_seat <= 10) {
        watch(!m_watching);
    }
}

} // namespace pictova::bot
