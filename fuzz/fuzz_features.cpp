// The capability message and the rejoin token, on both ends. The parsers agree with the rules
// written out plainly here, what they accept builds and parses back to itself, and a server and
// a client fed the bytes either take the list whole or change nothing.

#include "client/model/clientsession.h"
#include "fuzz/fuzzsupport.h"
#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "server/gameserver.h"

#include <QCoreApplication>
#include <QEvent>
#include <memory>

using namespace pictova;

namespace {

bool wordChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-';
}

// The rules of a feature list, the obvious way.
bool validList(const QString& text)
{
    if (text.isEmpty())
        return true;
    const QStringList words = text.split(QLatin1Char(','));
    if (words.size() > feature::kMaxFeatureWords)
        return false;
    for (const QString& word : words) {
        if (word.isEmpty() || word.size() > feature::kMaxFeatureWordLength)
            return false;
        for (QChar c : word)
            if (!wordChar(c))
                return false;
    }
    return true;
}

bool validToken(const QString& text)
{
    if (text.size() != parse::kRejoinTokenLength)
        return false;
    for (QChar c : text)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    return true;
}

// The payload of a framed message, without its name and terminator.
QString payloadOf(const QByteArray& framed, const QString& name)
{
    const QString text = fromWire(framed.left(framed.size() - 1));
    return text.mid(name.size() + 1);
}

void checkParsers(const QString& text)
{
    const std::optional<QStringList> words = parse::featureWords(text);
    FUZZ_CHECK(words.has_value() == validList(text));
    if (words) {
        FUZZ_CHECK(words->size() <= feature::kMaxFeatureWords);
        FUZZ_CHECK(words->join(QLatin1Char(',')).size() <= text.size());
        FUZZ_CHECK(parse::featureWords(payloadOf(toclient::features(*words), cmd::features)) == words);
        const QString afterSeat = payloadOf(toserver::features(7, *words), cmd::features).section('+', 1);
        FUZZ_CHECK(parse::featureWords(afterSeat) == words);
    }
    const std::optional<QString> token = parse::rejoinToken(text);
    FUZZ_CHECK(token.has_value() == validToken(text));
    if (token)
        FUZZ_CHECK(parse::rejoinToken(payloadOf(toclient::rejointoken(*token), cmd::rejointoken)) == token);
}

GameServer* server()
{
    static std::unique_ptr<GameServer> instance = [] {
        auto made = std::make_unique<GameServer>();
        made->setManualTimers(true);
        made->setTestSink([](int, const QByteArray&) {});
        return made;
    }();
    return instance.get();
}

void checkServer(const QByteArray& bytes)
{
    GameServer* s = server();
    const std::optional<int> seat = s->attachTestConnection();
    FUZZ_CHECK(seat.has_value());
    s->feedTestConnection(*seat, toserver::logininfo(*seat, QStringLiteral("2.2.4"), QStringLiteral("F")));
    s->feedTestConnection(*seat, toserver::features(*seat, {feature::rejoin}));
    while (s->socktimerTimer()) {
    }
    const QStringList before = s->rejoins().featuresOf(*seat);
    const QString text = fromWire(bytes);
    s->feedTestConnection(*seat, frameEntry(composeMessage(cmd::features, {QString::number(*seat), text})));
    s->feedTestConnection(*seat, frameEntry(composeMessage(cmd::rejoin, {QString::number(*seat), text})));
    while (s->socktimerTimer()) {
    }
    const std::optional<QStringList> words = parse::featureWords(text);
    FUZZ_CHECK(s->rejoins().featuresOf(*seat) == (words ? *words : before));
    FUZZ_CHECK(s->rejoins().keptCount() <= RejoinKeeper::kMaxKept);
    s->closeTestConnection(*seat);
}

void checkClient(const QByteArray& bytes)
{
    ClientSession session;
    QList<QByteArray> sent;
    session.setSendOverride([&](const QByteArray& out) { sent << out; });
    session.setManualDrain(true);
    const QString text = fromWire(bytes);
    session.queueEntry(QStringLiteral("CMD_sendlogininfo+2"));
    session.queueEntry(composeMessage(cmd::features, {text}));
    session.queueEntry(composeMessage(cmd::rejointoken, {text}));
    while (session.processsocktimer()) {
    }
    const std::optional<QStringList> words = parse::featureWords(text);
    FUZZ_CHECK(session.serverFeatures() == (words ? *words : QStringList()));
    // An answer only to a list that parsed, and only once.
    FUZZ_CHECK(sent.size() == (words ? 2 : 1));
    const bool tokenTaken = words && words->contains(feature::rejoin) && parse::rejoinToken(text);
    FUZZ_CHECK(session.rejoinToken() == (tokenTaken ? text : QString()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startCoreApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The terminator ends a message on the wire; what follows it is another message.
    const QByteArray message =
        bytes.left(bytes.indexOf(kTerminator) < 0 ? bytes.size() : bytes.indexOf(kTerminator));
    checkParsers(QString::fromLatin1(bytes));
    checkParsers(QString::fromUtf8(bytes));
    checkServer(message);
    checkClient(message);
    // Objects a session leaves for deletion go now, not at exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
