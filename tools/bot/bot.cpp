#include "tools/bot/bot.h"

#include "messaging/catalogue.h"
#include "messaging/dispatcher.h"
#include "messaging/errors.h"
#include "messaging/integer.h"
#include "messaging/version.h"
#include "messaging/wire.h"

#include <QAbstractSocket>
#include <sys/socket.h>

namespace pictova::bot {

namespace {
const QStringList kChatLines = {"hello", "nice one", "what is that?", "haha", "so close", "gg"};
const QStringList kColours = {"clBlack", "clMaroon", "clNavy", "clGreen", "clRed", "$00BFD7BF"};
constexpr int kBoardWidth = 400;
constexpr int kBoardHeight = 300;
const QString kMark = QStringLiteral("#mark");
// A chat line with a NUL, a control byte and markup in it.
constexpr char kControls[] = "+nul\0and\x01"
                             "ctl <b>bold</b>|clRed\xFF";
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
            m_seatView.clear();
            send(toserver::logininfo(m_seat, QString::fromLatin1(kVersion), m_name));
            m_loggedin = true;
        } else if (entry.name == cmd::newplayerinfo || entry.name == cmd::existingplayers ||
                   entry.name == cmd::refreshplayerlist) {
            const parse::SeatAndText seat = parse::seatAndText(entry.payload);
            m_seatView.insert(seat.seat, seat.text);
        } else if (entry.name == cmd::playerdisconnected) {
            m_seatView.remove(parse::seatAndText(entry.payload).seat);
        } else if (entry.name == cmd::chat) {
            const qsizetype at = entry.payload.indexOf(kMark);
            if (at >= 0)
                m_marksSeen.insert(entry.payload.mid(at + kMark.size()).section(QLatin1Char('|'), 0, 0));
        } else if (entry.name == cmd::givedraweranswer) {
            m_phrase = entry.payload;
        } else if (entry.name == cmd::pickCategory) {
            m_drawerseat = parse::seatOnly(entry.payload);
            m_picking = true;
        } else if (entry.name == cmd::nextplayer) {
            const parse::NextPlayer next = parse::nextplayer(entry.payload);
            m_drawerseat = next.drawer;
            m_hint = next.hint;
            m_picking = false;
        } else if (entry.name == cmd::updateanswer) {
            const parse::UpdateAnswer update = parse::updateanswer(entry.payload);
            if (update.flag == QLatin1String("true")) {
                m_drawerseat = 0;
                ++m_timedOut;
            } else
                m_hint = update.text;
        } else if (entry.name == cmd::startgame) {
            m_gameOn = true;
        } else if (entry.name == cmd::correctanswer || entry.name == cmd::winner) {
            m_drawerseat = 0;
            if (entry.name == cmd::correctanswer)
                ++m_found;
            if (entry.name == cmd::winner) {
                m_gameOn = false;
                ++m_winners;
            }
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
    send(toserver::pickCategory(m_seat, category));
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

void Bot::reset()
{
    m_randomTimer.stop();
    // With a zero linger time the close discards what waits and sends a reset, as a crashed
    // client's system does.
    if (auto* socket = m_sock.findChild<QAbstractSocket*>(); socket && socket->socketDescriptor() >= 0) {
        const linger hard{1, 0};
        ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    }
    if (m_sock.holdsSocket())
        m_sock.close();
}

QString Bot::markChat(const QString& tag)
{
    // Noise sent as garbage may have left an unfinished message on the server's side of the
    // connection, which would swallow the marker: a lone terminator ends it first.
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    send(QByteArray(1, kTerminator));
    return chat(kMark + tag);
}

QString Bot::garbage()
{
    if (QString error = needSeat(); !error.isEmpty())
        return error;
    const QString seat = QString::number(m_seat);
    const QString other = QString::number(1 + m_random.bounded(15));
    // Odd and malformed messages; every one must leave the server serving and the game as it was
    // (or changed only as this seat's own request may change it).
    const QList<QByteArray> kinds = {
        QByteArray("CMD_nosuchthing+") + seat.toLatin1() + "+x\xFF",
        QByteArray("cmd_chat+") + seat.toLatin1() + "+wrong case|clRed\xFF",
        QByteArray("CMD_chat\xFF"),
        QByteArray("\xFF\xFF\xFF"),
        QByteArray("+\xFF"),
        QByteArray("CMD_chat+") + other.toLatin1() + "+in another's name|clRed\xFF",
        QByteArray("CMD_chat+99+out of range|clRed\xFF"),
        QByteArray("CMD_chat+-1+negative|clRed\xFF"),
        QByteArray("CMD_answer+4294967297+overflow\xFF"),
        QByteArray("CMD_answer+abc+not a number\xFF"),
        QByteArray("CMD_startgame+") + seat.toLatin1() + "+true+999999999+0\xFF",
        QByteArray("CMD_startgame+") + seat.toLatin1() + "+maybe+x+y\xFF",
        QByteArray("CMD_kickhim+") + seat.toLatin1() + "+" + other.toLatin1() + "+\xFF",
        QByteArray("CMD_kickhim+") + seat.toLatin1() + "+77+\xFF",
        QByteArray("CMD_draw+") + seat.toLatin1() + "+clBlack+3++a,b+999999999,5+,+\xFF",
        QByteArray("CMD_draw+") + seat.toLatin1() + "+notacolour+-5++1,1+\xFF",
        QByteArray("CMD_moveit+") + seat.toLatin1() + "+clRed+99999999+1\xFF",
        QByteArray("CMD_moveit+") + seat.toLatin1() + "\xFF",
        QByteArray("CMD_pickcatagory+") + seat.toLatin1() + "+100\xFF",
        QByteArray("CMD_pickcatagory+") + seat.toLatin1() + "+-7\xFF",
        QByteArray("CMD_justwatch+") + seat.toLatin1() + "+7\xFF",
        QByteArray("CMD_justwatch+") + other.toLatin1() + "+1\xFF",
        QByteArray("CMD_pass+") + other.toLatin1() + "\xFF",
        QByteArray("CMD_clearmain+") + other.toLatin1() + "\xFF",
        QByteArray("CMD_logininfo+") + other.toLatin1() + "+2.2.4+Impostor\xFF\xFF",
        QByteArray("CMD_chat+") + seat.toLatin1() + QByteArray(kControls, sizeof kControls - 1),
        QByteArray("CMD_chat+") + seat.toLatin1() + "+" + QByteArray(8000, 'w') + "|clRed\xFF",
    };
    QByteArray bytes = kinds.at(m_random.bounded(static_cast<int>(kinds.size())));
    if (m_random.bounded(20) == 0) {
        // Random bytes: any terminators among them cut it into nonsense messages, and what
        // follows the last one is left unfinished on the server's side.
        bytes = QByteArray(1 + m_random.bounded(400), '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(m_random.bounded(256));
    }
    try {
        m_sock.send(bytes);
        ++m_sent;
    } catch (const PictovaError& error) {
        return error.text();
    }
    return {};
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
        start(false, m_playto, m_seconds);
        return;
    }
    if (m_mischief > 0 && m_random.bounded(100) < m_mischief) {
        garbage();
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
        QString word = m_guessWords.isEmpty()
                           ? QStringLiteral("guess")
                           : m_guessWords.at(m_random.bounded(static_cast<int>(m_guessWords.size())));
        if (m_answer && m_random.bounded(100) < m_answerPercent) {
            if (const QString answer = m_answer(); !answer.isEmpty())
                word = answer.toLower();
        }
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
