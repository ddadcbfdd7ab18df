#include "tests/server/serverfixture.h"

#include "messaging/catalogue.h"
#include "tests/support/waitfor.h"

#include <QRegularExpression>
#include <csignal>

namespace pictova::test {

namespace {
const QString kBarrierMark = QStringLiteral("#barrier#");
}

void ServerFixture::SetUp()
{
    server = std::make_unique<GameServer>();
    server->setPortName(QStringLiteral("0"));
    server->setManualTimers(true);
    server->setWordLists(listsOf(QStringLiteral("fan")));
    server->setRandomSeed(7);
    // Scripted clients and barrier lines send faster than players may; the limits are tested
    // on their own, on this hand-driven clock.
    server->setChatLimit({});
    server->setGuessLimit({});
    server->setLineLimitClock([this] { return clockMs; });
    // Every scripted client comes from the loopback; the cap is tested on its own.
    server->setMaxPerAddress(0);
    server->startListening();
    port = server->listeningPort();
    ASSERT_NE(port, 0);
}

void ServerFixture::TearDown()
{
    for (ProtoClient* client : clients) {
        client->abort();
        delete client;
    }
    clients.clear();
    server.reset();
}

WordLists ServerFixture::listsOf(const QString& phrase, int copies)
{
    WordLists lists;
    for (QStringList& list : lists)
        for (int i = 0; i < copies; ++i)
            list << phrase;
    return lists;
}

bool ServerFixture::settle(const std::function<bool()>& condition, int timeoutMs)
{
    return waitFor(
        [&] {
            while (server->socktimerTimer()) {
            }
            return condition();
        },
        timeoutMs);
}

ProtoClient* ServerFixture::connectClient()
{
    auto* client = new ProtoClient;
    clients.push_back(client);
    EXPECT_TRUE(client->connectTo(port));
    EXPECT_TRUE(
        settle([&] { return !client->messagesNamed(cmd::sendlogininfo).isEmpty() || client->wasClosed(); }));
    const QStringList seatMessages = client->messagesNamed(cmd::sendlogininfo);
    seats[client] = seatMessages.isEmpty() ? 0 : seatMessages.first().section(QLatin1Char('+'), 1).toInt();
    return client;
}

ProtoClient* ServerFixture::join(const QString& name, const QString& version)
{
    ProtoClient* client = connectClient();
    const int seat = seatOf(client);
    if (seat == 0)
        return client;
    client->send(toserver::logininfo(seat, version, name));
    const QString announced = QStringLiteral("%1+%2+%3").arg(cmd::newplayerinfo).arg(seat).arg(name);
    EXPECT_TRUE(settle([&] { return client->received().contains(announced); })) << name.toStdString();
    return client;
}

void ServerFixture::barrier(ProtoClient* via)
{
    if (!via)
        via = clients.front();
    const int seat = seatOf(via);
    const QString mark = kBarrierMark + QString::number(++barriers);
    via->send(toserver::chat(seat, mark, QStringLiteral("clBlack")));
    EXPECT_TRUE(settle([&] {
        for (ProtoClient* client : clients) {
            if (!client->isConnected())
                continue;
            bool seen = false;
            for (const QString& message : client->received())
                seen = seen || message.contains(mark);
            if (!seen)
                return false;
        }
        return true;
    }));
}

void ServerFixture::clearAll(ProtoClient* via)
{
    barrier(via);
    for (ProtoClient* client : clients)
        client->clearReceived();
}

QStringList ServerFixture::log(const ProtoClient* client)
{
    QStringList messages;
    for (const QString& message : client->received())
        if (!message.contains(kBarrierMark))
            messages << message;
    return messages;
}

QStringList ServerFixture::named(const ProtoClient* client, const QString& name)
{
    QStringList matching;
    for (const QString& message : client->messagesNamed(name))
        if (!message.contains(kBarrierMark))
            matching << message;
    return matching;
}

void ServerFixture::tick(int seconds)
{
    for (int i = 0; i < seconds; ++i)
        server->roundtimeTimer();
}

void ServerFixture::leave(ProtoClient* client)
{
    const int seat = seatOf(client);
    const ConnectionId connection = server->players().at(seat).connection;
    client->close();
    EXPECT_TRUE(settle([&] { return server->players().at(seat).connection != connection; }));
}

void ServerFixture::send(ProtoClient* client, const QByteArray& bytes)
{
    const qsizetype before = server->queuedRequests();
    client->send(bytes);
    // Handled once it has arrived: wait for the queue to take it, then drain.
    waitFor([&] { return server->queuedRequests() > before; });
    while (server->socktimerTimer()) {
    }
}

void ServerFixture::logIn(ProtoClient* client, const QString& name)
{
    send(client, toserver::logininfo(seatOf(client), QStringLiteral("2.2.4"), name));
}

void ServerFixture::startGame(bool team, int playto, int seconds)
{
    send(clients.front(), toserver::startgame(1, team, QString::number(playto), QString::number(seconds)));
    ASSERT_EQ(server->game().phase, Phase::Picking);
}

void ServerFixture::tickToDeal()
{
    ASSERT_EQ(server->game().phase, Phase::Picking);
    tick(GameFlow::kPickTicks + 1);
}

void ServerFixture::tickToTimeOut()
{
    ASSERT_EQ(server->game().phase, Phase::Drawing);
    tick(server->game().countdown + 1);
    ASSERT_EQ(server->game().phase, Phase::Break);
}

void ServerFixture::tickThroughBreak()
{
    ASSERT_EQ(server->game().phase, Phase::Break);
    tick(GameFlow::kBreakTicks + 1);
}

void ServerFixture::guess(ProtoClient* client, const QString& text)
{
    send(client, toserver::answer(seatOf(client), text));
}

QString serverProgramPath()
{
    return QStringLiteral(PICTOVA_SERVER_PROGRAM);
}

ServerTarget::~ServerTarget()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        ::kill(static_cast<pid_t>(m_process->processId()), SIGTERM);
        if (!m_process->waitForFinished(5000))
            m_process->kill();
    }
}

bool ServerTarget::start()
{
    if (m_kind == Kind::InProcess) {
        m_server = std::make_unique<GameServer>();
        m_server->setPortName(QStringLiteral("0"));
        m_server->setManualTimers(true);
        m_server->setMaxPerAddress(0);
        m_server->startListening();
        m_port = m_server->listeningPort();
        return m_port != 0;
    }
    m_process = std::make_unique<QProcess>();
    // The program needs no display: run it without one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    m_process->setProcessEnvironment(environment);
    m_process->start(serverProgramPath(), {QStringLiteral("--port"), QStringLiteral("0"),
                                           QStringLiteral("--max-per-address"), QStringLiteral("0")});
    if (!m_process->waitForStarted(5000)) {
        m_failure = m_process->errorString();
        return false;
    }
    static const QRegularExpression listening(QStringLiteral("^listening on port (\\d+)$"));
    waitFor(
        [&] {
            for (const QString& line : logLines())
                if (const QRegularExpressionMatch match = listening.match(line); match.hasMatch())
                    m_port = static_cast<quint16>(match.captured(1).toUInt());
            return m_port != 0 || m_process->state() == QProcess::NotRunning;
        },
        5000);
    if (m_port == 0)
        m_failure = QString::fromLocal8Bit(m_process->readAllStandardError());
    return m_port != 0;
}

bool ServerTarget::settle(const std::function<bool()>& condition, int timeoutMs)
{
    return waitFor(
        [&] {
            if (m_server)
                while (m_server->socktimerTimer()) {
                }
            return condition();
        },
        timeoutMs);
}

bool ServerTarget::passSeconds(int seconds, const std::function<bool()>& condition)
{
    if (m_server) {
        for (int i = 0; i < seconds; ++i)
            m_server->roundtimeTimer();
        return settle(condition);
    }
    // A margin over the seconds asked for: the program's clock started a little before ours.
    return settle(condition, (seconds + 5) * 1000);
}

QStringList ServerTarget::logLines() const
{
    if (!m_process)
        return {};
    // Read without taking: the output stays in the process's buffer for later calls.
    const QByteArray output = m_process->peek(m_process->bytesAvailable());
    return QString::fromLocal8Bit(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList ServerFixture::logged() const
{
    QStringList entries;
    for (const drawing::Mark& mark : server->drawingLog().marks())
        entries << mark.text;
    return entries;
}

} // namespace pictova::test
