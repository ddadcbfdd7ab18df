// The web port: the embedded page, its bad requests, and browsers playing over WebSocket beside
// game-port players on one real server.
#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "server/logindeadline.h"
#include "tests/server/serverfixture.h"
#include "tests/server/websocketbytes.h"
#include "tests/support/waitfor.h"
#include "web/httprequest.h"
#include "web/weblistener.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>

namespace pictova::test {
namespace {

// A browser's side of "/ws": each text message one message of the game.
class WebClient
{
public:
    explicit WebClient(const QString& origin) : m_socket(origin)
    {
        QObject::connect(&m_socket, &QWebSocket::textMessageReceived,
                         [this](const QString& message) { received << message; });
        QObject::connect(&m_socket, &QWebSocket::disconnected, [this] { closed = true; });
        QObject::connect(&m_socket, &QWebSocket::sslErrors, [this] { m_socket.ignoreSslErrors(); });
    }
    void open(const QString& url) { m_socket.open(QUrl(url)); }
    // Messages as the catalogue builds them: each without its terminator, in a message of its own.
    void send(const QByteArray& wire)
    {
        const QList<QByteArray> messages = wire.chopped(1).split(kTerminator);
        for (const QByteArray& message : messages)
            m_socket.sendTextMessage(fromWire(message));
    }
    QWebSocket& socket() { return m_socket; }
    QStringList named(const QString& name) const
    {
        return received.filter(QRegularExpression("^" + name + "\\+"));
    }
    int seat() const
    {
        const QStringList seats = named(cmd::sendlogininfo);
        return seats.isEmpty() ? 0 : seats.first().section(QLatin1Char('+'), 1).toInt();
    }

    QStringList received;
    bool closed = false;

private:
    QWebSocket m_socket;
};

// A raw HTTP client: the bytes it sent and everything the server answered until it closed.
struct RawHttp
{
    QTcpSocket socket;
    QByteArray answer;
    bool closed = false;

    explicit RawHttp(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { answer += socket.readAll(); });
        QObject::connect(&socket, &QTcpSocket::disconnected, [this] { closed = true; });
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.waitForConnected(3000);
    }
    void send(const QByteArray& bytes)
    {
        socket.write(bytes);
        socket.flush();
    }
};

class WebPort : public ServerFixture
{
protected:
    void SetUp() override
    {
        ServerFixture::SetUp();
        server->listenWeb(0);
        webPort = server->webPort();
        ASSERT_NE(webPort, 0);
        server->webListener()->setManual(true);
        server->webListener()->setClock([this] { return webClockMs; });
    }
    QString page() const { return QStringLiteral("http://127.0.0.1:%1").arg(webPort); }
    WebClient* openWeb(const QString& origin = {})
    {
        webClients.push_back(std::make_unique<WebClient>(origin.isNull() ? page() : origin));
        WebClient* client = webClients.back().get();
        client->open(QStringLiteral("ws://127.0.0.1:%1/ws").arg(webPort));
        return client;
    }
    WebClient* joinWeb(const QString& name)
    {
        WebClient* client = openWeb();
        EXPECT_TRUE(settle([&] { return client->seat() != 0; }));
        client->send(toserver::logininfo(client->seat(), QStringLiteral("2.2.4"), name));
        const QString announced =
            QStringLiteral("%1+%2+%3").arg(cmd::newplayerinfo).arg(client->seat()).arg(name);
        EXPECT_TRUE(settle([&] { return client->received.contains(announced); }))
            << client->received.join(QLatin1Char('\n')).toStdString();
        return client;
    }
    // What the server answers a raw request, once it has answered or closed.
    QByteArray ask(const QByteArray& request)
    {
        RawHttp http(webPort);
        http.send(request);
        // Until the head and as much body as it announces (none for HEAD) are in, or it closed.
        const bool head = request.startsWith("HEAD ");
        settle([&] {
            const qsizetype end = http.answer.indexOf("\r\n\r\n");
            if (http.closed)
                return true;
            if (end < 0)
                return false;
            const QRegularExpressionMatch length =
                QRegularExpression(QStringLiteral("(?i)content-length: *(\\d+)"))
                    .match(QString::fromLatin1(http.answer.left(end)));
            return head || !length.hasMatch() ||
                   http.answer.size() >= end + 4 + length.captured(1).toLongLong();
        });
        return http.answer;
    }

    quint16 webPort = 0;
    qint64 webClockMs = 0;
    std::vector<std::unique_ptr<WebClient>> webClients;
};

TEST_F(WebPort, ABrowserPlaysBesideAGamePortPlayerAndEachSeesTheOther)
{
    ProtoClient* ann = join("Ann");
    WebClient* web = joinWeb("Wes");
    ASSERT_EQ(web->seat(), 2);
    // Ann saw the browser player arrive as any other; the browser was told of Ann.
    EXPECT_TRUE(settle([&] { return ann->received().contains("CMD_newplayerinfo+2+Wes"); }));
    EXPECT_FALSE(web->named(cmd::existingplayers).filter("Ann").isEmpty() &&
                 web->named(cmd::newplayerinfo).filter("Ann").isEmpty());
    // Capability words as from any client of this version: this one is given a rejoin token.
    web->send(toserver::features(2, {QStringLiteral("rejoin")}));
    EXPECT_TRUE(settle([&] { return !web->named(cmd::rejointoken).isEmpty(); }));

    web->send(toserver::chat(2, QStringLiteral("hällo ✏️"), QStringLiteral("clBlack")));
    ann->send(toserver::chat(1, QStringLiteral("hi"), QStringLiteral("clRed")));
    const QString fromWeb = QStringLiteral("CMD_chat+Wes chats: hällo ✏️|clBlack");
    const QString fromAnn = QStringLiteral("CMD_chat+Ann chats: hi|clRed");
    EXPECT_TRUE(settle([&] {
        return ann->received().contains(fromWeb) && web->received.contains(fromAnn) &&
               web->received.contains(fromWeb);
    }));

    // Ann draws first, then the browser.
    startGame(false, 20, 60);
    tickToDeal();
    ann->send(toserver::moveit(1, QStringLiteral("clBlack"), QStringLiteral("3"), 10, 20));
    EXPECT_TRUE(settle([&] { return !web->named(cmd::moveit).isEmpty(); }));
    EXPECT_EQ(web->named(cmd::moveit), QStringList({"CMD_moveit+1+clBlack+3+10+20"}));
    tickToTimeOut();
    tickThroughBreak();
    tickToDeal();
    ASSERT_EQ(server->game().drawer, 2);
    web->send(toserver::moveit(2, QStringLiteral("clRed"), QStringLiteral("5"), 30, 40));
    web->send(
        toserver::draw(2, QStringLiteral("clRed"), QStringLiteral("5"), QStringLiteral("+31,41+32,42")));
    EXPECT_TRUE(settle([&] { return !ann->messagesNamed(cmd::draw).isEmpty(); }));
    EXPECT_EQ(ann->messagesNamed(cmd::moveit).last(), QStringLiteral("CMD_moveit+2+clRed+5+30+40"));
    EXPECT_EQ(ann->messagesNamed(cmd::draw), QStringList({"CMD_draw+2+clRed+5++31,41+32,42+"}));

    // What a game-port player would be refused, the browser is refused: speaking for another
    // seat, removing a player while not the game master.
    const qsizetype chatsBefore = ann->messagesNamed(cmd::chat).size();
    web->send(toserver::chat(1, QStringLiteral("as Ann"), QStringLiteral("clBlack")));
    web->send(toserver::kickhim(2, 1));
    barrier(ann);
    EXPECT_EQ(ann->messagesNamed(cmd::chat).size(), chatsBefore + 1); // the barrier alone
    EXPECT_TRUE(server->players().occupied(1));
    EXPECT_FALSE(ann->wasClosed());

    // Leaving is a departure as any other.
    web->socket().close();
    EXPECT_TRUE(settle([&] { return ann->received().contains("CMD_playerdisconnected+2+Wes"); }));
}

// The game port's admission holds for browsers: one address's cap counts both kinds of
// connection, and a browser that does not log in is closed at the deadline.
TEST_F(WebPort, ABrowserCountsAgainstItsAddressAndMustLogInInTime)
{
    qint64 now = 0;
    server->setLoginClock([&] { return now; });
    server->setMaxPerAddress(2);
    join("Ann");
    WebClient* silent = openWeb();
    ASSERT_TRUE(settle([&] { return silent->seat() == 2; }));
    WebClient* over = openWeb();
    EXPECT_TRUE(settle([&] { return over->closed; }));
    EXPECT_EQ(over->received, QStringList({"CMD_full+"}));

    now = LoginDeadline::kLimitMs - 1;
    server->checkLoginDeadline();
    EXPECT_FALSE(silent->closed);
    now = LoginDeadline::kLimitMs;
    server->checkLoginDeadline();
    EXPECT_TRUE(settle([&] { return silent->closed; }));
    EXPECT_FALSE(server->players().occupied(2));
}

TEST_F(WebPort, AWebSocketFromAnotherSiteOrWithoutOriginIsRefused)
{
    struct Case
    {
        QString origin;
        bool admitted;
    };
    const QString own = page();
    for (const Case& c : {Case{QStringLiteral("http://evil.example"), false},
                          Case{QStringLiteral("http://127.0.0.1.evil.example:%1").arg(webPort), false},
                          Case{QStringLiteral("http://127.0.0.1:%1").arg(webPort + 1), false},
                          Case{QString(""), false}, Case{own, true},
                          // The page as a proxy in front serves it.
                          Case{QStringLiteral("https://127.0.0.1:%1").arg(webPort), true}}) {
        SCOPED_TRACE(c.origin.toStdString());
        WebClient* client = openWeb(c.origin);
        if (c.admitted) {
            EXPECT_TRUE(settle([&] { return client->seat() != 0; }));
        } else {
            EXPECT_TRUE(settle([&] { return client->closed; }));
            EXPECT_TRUE(client->received.isEmpty());
            EXPECT_TRUE(server->players().occupiedSeats().isEmpty());
        }
    }
}

TEST_F(WebPort, ABrowsersMessageOverTheLimitOrABinaryFrameCutsItOff)
{
    QStringList cut;
    QObject::connect(server->events(), &ServerEvents::cutOff,
                     [&](int, const QString&, const QString& limit) { cut << limit; });
    struct Case
    {
        std::function<void(QWebSocket&)> send;
        QString limit; // empty: stays
    };
    const auto chatOf = [](qsizetype bytes) {
        const QString prefix = QStringLiteral("CMD_chat+1+");
        return prefix + QString(bytes - prefix.size(), QLatin1Char('a'));
    };
    for (const Case& c :
         {Case{[&](QWebSocket& s) { s.sendTextMessage(chatOf(64 * 1024)); }, QString()},
          Case{[&](QWebSocket& s) { s.sendTextMessage(chatOf(64 * 1024 + 1)); },
               QStringLiteral("message longer than the limit")},
          Case{[](QWebSocket& s) { s.sendBinaryMessage("CMD_pass+1"); }, QStringLiteral("binary frame")}}) {
        SCOPED_TRACE(c.limit.toStdString());
        cut.clear();
        WebClient* client = joinWeb("Wes");
        c.send(client->socket());
        if (c.limit.isEmpty()) {
            // Taken as a chat line: the sender is told it was cut to the longest line.
            EXPECT_TRUE(settle([&] { return !client->named(cmd::chat).isEmpty(); }));
            EXPECT_FALSE(client->closed);
            client->socket().close();
        } else {
            EXPECT_TRUE(settle([&] { return client->closed; }));
            EXPECT_EQ(cut, QStringList({c.limit}));
        }
        ASSERT_TRUE(settle([&] { return server->players().occupiedSeats().isEmpty(); }));
    }
}

// The opening and the frames byte by byte, as a browser sends them and as none should.
TEST_F(WebPort, AWebSocketOpeningIsAnsweredAndEachBrokenRuleClosesWithItsCode)
{
    const auto opening = [&](const QByteArray& key, const QByteArray& version, const QByteArray& connection) {
        return "GET /ws HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(webPort) +
               "\r\nUpgrade: websocket\r\nConnection: " + connection + "\r\nOrigin: " + page().toLatin1() +
               "\r\nSec-WebSocket-Key: " + key + "\r\nSec-WebSocket-Version: " + version + "\r\n\r\n";
    };
    const QByteArray key = "dGhlIHNhbXBsZSBub25jZQ==";
    struct Refused
    {
        QByteArray request;
        QByteArray status;
    };
    for (const Refused& c :
         {Refused{opening(key, "8", "Upgrade"), "426"}, Refused{opening("c2hvcnQ=", "13", "Upgrade"), "400"},
          Refused{opening("not base64 at all!!!!!!=", "13", "Upgrade"), "400"},
          Refused{opening(key, "13", "keep-alive"), "400"}}) {
        SCOPED_TRACE(c.request.toStdString());
        const QByteArray answer = ask(c.request);
        EXPECT_TRUE(answer.startsWith("HTTP/1.1 " + c.status + ' ')) << answer.left(200).toStdString();
        EXPECT_EQ(answer.contains("Sec-WebSocket-Version: 13\r\n"), c.status == "426");
    }
    EXPECT_TRUE(server->players().occupiedSeats().isEmpty());

    QStringList cut;
    QObject::connect(server->events(), &ServerEvents::cutOff,
                     [&](int, const QString&, const QString& limit) { cut << limit; });
    const QByteArray chat = "CMD_chat+1+hi";
    struct Case
    {
        const char* name;
        QByteArray frames;
        quint16 closeCode;
        QString limit; // the cut-off's name; empty: none
        QByteArray pong;
    };
    for (const Case& c : {
             Case{"ping, then close",
                  clientFrame(0x89, "p1") + clientFrame(0x88, closeBody(1000)),
                  1000,
                  {},
                  "p1"},
             Case{"close without a code", clientFrame(0x88, ""), 1005, {}, {}},
             Case{"binary", clientFrame(0x82, chat), 1003, QStringLiteral("binary frame"), {}},
             Case{"over the limit",
                  clientFrame(0x81, QByteArray(WebListener::kMaxMessageBytes + 1, 'a')),
                  1009,
                  QStringLiteral("message longer than the limit"),
                  {}},
             Case{"unmasked", clientFrame(0x81, chat, false), 1002, {}, {}},
             Case{"not UTF-8", clientFrame(0x81, "CMD_chat+1+\xc0\xaf"), 1007, {}, {}},
             Case{"a ping of 126 bytes", clientFrame(0x89, QByteArray(126, 'p')), 1002, {}, {}},
         }) {
        SCOPED_TRACE(c.name);
        cut.clear();
        RawHttp raw(webPort);
        // The frames come with the opening, in one write: what follows the opening is read too.
        raw.send(opening(key, "13", "keep-alive, Upgrade") + c.frames);
        ASSERT_TRUE(settle([&] { return raw.closed; })) << raw.answer.left(300).toStdString();
        const qsizetype headEnd = raw.answer.indexOf("\r\n\r\n") + 4;
        const QByteArray head = raw.answer.left(headEnd);
        EXPECT_TRUE(head.startsWith("HTTP/1.1 101 Switching Protocols\r\n"));
        for (const char* header : {"Upgrade: websocket\r\n", "Connection: Upgrade\r\n",
                                   "Sec-WebSocket-Accept: s3pPLMBiTxaQ9kYGzzhZRbK+xOo=\r\n",
                                   "Content-Security-Policy: default-src 'self'\r\n",
                                   "X-Content-Type-Options: nosniff\r\n", "Referrer-Policy: no-referrer\r\n"})
            EXPECT_TRUE(head.contains(header)) << header;
        const QList<ServerFrame> frames = serverFramesOf(QByteArrayView(raw.answer).sliced(headEnd));
        ASSERT_FALSE(frames.isEmpty());
        // Seated as any connection: told its seat first.
        EXPECT_EQ(frames.first().first, 0x81);
        EXPECT_TRUE(frames.first().payload.startsWith("CMD_sendlogininfo+"));
        EXPECT_EQ(frames.last().first, 0x88);
        const QByteArray code = frames.last().payload.left(2);
        EXPECT_EQ(code.isEmpty() ? 1005 : (quint8(code[0]) << 8 | quint8(code[1])), c.closeCode);
        const bool ponged = std::any_of(frames.begin(), frames.end(), [&](const ServerFrame& frame) {
            return frame.first == 0x8A && frame.payload == c.pong;
        });
        EXPECT_EQ(ponged, !c.pong.isNull());
        EXPECT_EQ(cut, c.limit.isEmpty() ? QStringList() : QStringList({c.limit}));
        ASSERT_TRUE(settle([&] { return server->players().occupiedSeats().isEmpty(); }));
    }
}

TEST_F(WebPort, OnlyGetAndHeadOfTheEmbeddedFilesAreServed)
{
    struct Case
    {
        QByteArray request;
        QByteArray status;
        QByteArray contentType; // empty: no body to check
    };
    const QByteArray html = "text/html; charset=utf-8";
    for (const Case& c : {
             Case{"GET / HTTP/1.1\r\nHost: x\r\n\r\n", "200", html},
             Case{"GET /index.html?x=1 HTTP/1.1\r\nHost: x\r\n\r\n", "200", html},
             Case{"GET /r/Friday%20game HTTP/1.1\r\nHost: x\r\n\r\n", "200", html},
             Case{"GET /app.js HTTP/1.0\r\n\r\n", "200", "text/javascript; charset=utf-8"},
             Case{"HEAD / HTTP/1.1\r\nHost: x\r\n\r\n", "200", {}},
             Case{"POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n", "405", {}},
             Case{"PUT /app.js HTTP/1.1\r\nHost: x\r\n\r\n", "405", {}},
             Case{"OPTIONS * HTTP/1.1\r\nHost: x\r\n\r\n", "405", {}},
             Case{"GET /nothing.js HTTP/1.1\r\nHost: x\r\n\r\n", "404", {}},
             Case{"GET /../web/client/index.html HTTP/1.1\r\n\r\n", "404", {}},
             Case{"GET /%2e%2e/%2E%2E/etc/passwd HTTP/1.1\r\n\r\n", "404", {}},
             Case{"GET /r/..%2f..%2fetc HTTP/1.1\r\n\r\n", "404", {}},
             Case{"GET /.%2e/index.html HTTP/1.1\r\n\r\n", "404", {}},
             Case{"GET /%5c..%5cindex.html HTTP/1.1\r\n\r\n", "404", {}},
             Case{"GET //etc/passwd HTTP/1.1\r\n\r\n", "404", {}},
             Case{"GET /index.html%00.js HTTP/1.1\r\n\r\n", "404", {}},
             Case{"GET /%zz HTTP/1.1\r\n\r\n", "404", {}},
             Case{"GET /ws HTTP/1.1\r\nHost: x\r\n\r\n", "404", {}},
             Case{"GET / HTTP/2.0\r\n\r\n", "400", {}},
             Case{"GET / HTTP/1.1\r\nBad Header\r\n\r\n", "400", {}},
             Case{"GET / HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello", "400", {}},
         }) {
        SCOPED_TRACE(c.request.toStdString());
        const QByteArray answer = ask(c.request);
        ASSERT_TRUE(answer.startsWith("HTTP/1.1 " + c.status + ' ')) << answer.left(200).toStdString();
        const QByteArray head = answer.left(answer.indexOf("\r\n\r\n") + 4);
        for (const char* header : {"Content-Security-Policy: default-src 'self'\r\n",
                                   "X-Content-Type-Options: nosniff\r\n", "Referrer-Policy: no-referrer\r\n"})
            EXPECT_TRUE(head.contains(header)) << header;
        const QByteArray length = head.mid(head.indexOf("Content-Length: ") + 16).split('\r').first();
        if (c.request.startsWith("HEAD")) {
            EXPECT_EQ(answer.size(), head.size()); // the length of a body that is not sent
        } else {
            EXPECT_EQ(answer.size() - head.size(), length.toInt());
        }
        if (!c.contentType.isEmpty()) {
            EXPECT_TRUE(head.contains("Content-Type: " + c.contentType + "\r\n"));
        }
    }
}

TEST_F(WebPort, AConnectionStaysForTheNextRequestUnlessItSaysClose)
{
    RawHttp http(webPort);
    http.send("GET / HTTP/1.1\r\nHost: x\r\n\r\nHEAD /app.js HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_TRUE(settle([&] { return http.answer.count("HTTP/1.1 200 OK") == 2; }));
    EXPECT_FALSE(http.closed);
    http.send("GET /app.js HTTP/1.1\r\nConnection: close\r\n\r\n");
    EXPECT_TRUE(settle([&] { return http.closed; }));
    EXPECT_EQ(http.answer.count("HTTP/1.1 200 OK"), 3);
    EXPECT_TRUE(http.answer.contains("Connection: close\r\n"));
}

TEST_F(WebPort, AHeadOverEightKibibytesOrLateIsClosed)
{
    // Exactly at the limit it is answered; one byte more and it is not.
    const QByteArray start = "GET / HTTP/1.1\r\nX-Pad: ";
    for (const qsizetype size : {web::kMaxHeadBytes, qsizetype(web::kMaxHeadBytes + 1)}) {
        SCOPED_TRACE(size);
        const QByteArray request = start + QByteArray(size - start.size() - 4, 'p') + "\r\n\r\n";
        ASSERT_EQ(request.size(), size);
        const QByteArray answer = ask(request);
        EXPECT_EQ(answer.startsWith("HTTP/1.1 200"), size == web::kMaxHeadBytes);
    }
    // A head that never ends: closed at 10 s after the connection came, not before; a connection
    // that has been answered gets 10 s more for its next request.
    webClockMs = 1000;
    RawHttp slow(webPort);
    RawHttp answered(webPort);
    ASSERT_TRUE(settle([&] { return server->webListener()->httpConnections() == 2; }));
    slow.send("GET / HTTP/1.1\r\nHost: x\r\n");
    webClockMs = 5000;
    answered.send("GET / HTTP/1.1\r\n\r\n");
    ASSERT_TRUE(settle([&] { return answered.answer.contains("200 OK"); }));
    webClockMs = 1000 + WebListener::kHeadTimeoutMs - 1;
    server->webListener()->checkDeadlines();
    runTimersDueNow();
    EXPECT_FALSE(slow.closed);
    webClockMs = 1000 + WebListener::kHeadTimeoutMs;
    server->webListener()->checkDeadlines();
    EXPECT_TRUE(settle([&] { return slow.closed; }));
    EXPECT_FALSE(answered.closed);
    webClockMs = 5000 + WebListener::kHeadTimeoutMs;
    server->webListener()->checkDeadlines();
    EXPECT_TRUE(settle([&] { return answered.closed; }));
}

TEST_F(WebPort, OneAddressHoldsAtMostThirtyTwoHttpConnections)
{
    std::vector<std::unique_ptr<RawHttp>> held;
    for (int i = 0; i < WebListener::kMaxPerAddress; ++i)
        held.push_back(std::make_unique<RawHttp>(webPort));
    ASSERT_TRUE(
        settle([&] { return server->webListener()->httpConnections() == WebListener::kMaxPerAddress; }));
    RawHttp over(webPort);
    EXPECT_TRUE(settle([&] { return over.closed; }));
    EXPECT_EQ(server->webListener()->httpConnections(), WebListener::kMaxPerAddress);
    // A place given back is the next connection's.
    held.front()->socket.close();
    ASSERT_TRUE(
        settle([&] { return server->webListener()->httpConnections() < WebListener::kMaxPerAddress; }));
    RawHttp next(webPort);
    next.send("GET / HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(settle([&] { return next.answer.startsWith("HTTP/1.1 200"); }));
}

TEST_F(WebPort, TlsServesHttpsAndWssWithTheGivenCertificate)
{
    QTemporaryDir dir;
    const QString cert = dir.filePath("cert.pem");
    const QString key = dir.filePath("key.pem");
    QProcess openssl;
    openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert,
                              "-days", "1", "-subj", "/CN=127.0.0.1"});
    ASSERT_TRUE(openssl.waitForFinished(30000) && openssl.exitCode() == 0);
    QString error;
    const std::optional<WebTls> tls = WebTls::load(cert, key, &error);
    ASSERT_TRUE(tls) << error.toStdString();
    EXPECT_FALSE(WebTls::load(cert, cert, &error));

    server = std::make_unique<GameServer>();
    server->setPortName(QStringLiteral("0"));
    server->setManualTimers(true);
    server->setMaxPerAddress(0);
    server->startListening();
    server->listenWeb(0, *tls);
    webPort = server->webPort();

    QSslSocket https;
    QByteArray answer;
    QObject::connect(&https, &QSslSocket::readyRead, [&] { answer += https.readAll(); });
    https.setPeerVerifyMode(QSslSocket::VerifyNone);
    https.connectToHostEncrypted(QStringLiteral("127.0.0.1"), webPort);
    https.write("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_TRUE(settle([&] { return answer.contains("</html>"); }));
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200 OK\r\n"));

    // The page's origin is https now; a plain-http origin is another site.
    WebClient plain(page());
    plain.open(QStringLiteral("wss://127.0.0.1:%1/ws").arg(webPort));
    EXPECT_TRUE(settle([&] { return plain.closed; }));
    WebClient secure(QStringLiteral("https://127.0.0.1:%1").arg(webPort));
    secure.open(QStringLiteral("wss://127.0.0.1:%1/ws").arg(webPort));
    EXPECT_TRUE(settle([&] { return secure.seat() == 1; }));
}

} // namespace
} // namespace pictova::test
