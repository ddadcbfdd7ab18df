// The server's own lines in the language each client announced: every notice in a game of a
// first-version client and clients of ours reading English, German, French, Spanish and
// Brazilian Portuguese, and the table they come from.
#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "server/notices.h"
#include "server/relay.h"
#include "tests/server/serverfixture.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>
#include <span>

using namespace pictova;
using namespace pictova::test;

namespace {

TEST(NoticeTable, EveryNoticeIsWrittenOnceInEveryLanguage)
{
    ASSERT_EQ(feature::languages().size(), notices::kLanguages);
    QSet<int> ids;
    for (const notices::Notice& notice : notices::all()) {
        EXPECT_FALSE(ids.contains(int(notice.id)));
        ids.insert(int(notice.id));
        const QString english = QString::fromUtf8(notice.texts.front());
        for (int language = 0; language < notices::kLanguages; ++language) {
            const QByteArray utf8(notice.texts.at(language));
            const QString text = QString::fromUtf8(utf8);
            SCOPED_TRACE(text.toStdString());
            EXPECT_FALSE(text.trimmed().isEmpty());
            EXPECT_EQ(text.toUtf8(), utf8);
            // A "|" would start the line's colour; the value goes where English puts it.
            EXPECT_FALSE(text.contains(QLatin1Char('|')));
            EXPECT_EQ(text.count(QLatin1String("%1")), english.count(QLatin1String("%1")));
            if (language > 0) {
                EXPECT_NE(text, english);
            }
        }
    }
    EXPECT_EQ(ids.size(), int(notices::Id::IsBack) + 1);
    for (const char* line : notices::serverLine())
        EXPECT_EQ(QString::fromUtf8(line).count(QLatin1String("%1")), 1);
}

TEST(NoticeTable, ALanguageIsAnnouncedByAFeatureWordAndRead)
{
    const struct
    {
        const char* tag;
        const char* language;
        const char* word;
    } cases[] = {{"de-AT", "de", "lang-de"},       {"fr_CA", "fr", "lang-fr"},
                 {"es", "es", "lang-es"},          {"pt", "pt-BR", "lang-pt-br"},
                 {"pt_PT", "pt-BR", "lang-pt-br"}, {"en-GB", "en", "lang-en"},
                 {"nl", "en", "lang-en"},          {"", "en", "lang-en"}};
    for (const auto& c : cases) {
        EXPECT_EQ(feature::languageFor(c.tag), c.language) << c.tag;
        EXPECT_EQ(feature::languageWord(c.language), c.word);
        EXPECT_EQ(feature::announcedLanguage({feature::rejoin, c.word}), c.language);
        EXPECT_TRUE(parse::featureWords(feature::ours().join(',') + ',' + c.word)) << c.word;
    }
    EXPECT_EQ(feature::announcedLanguage({}), "en");
    EXPECT_EQ(feature::announcedLanguage({"lang-xx", "lang-fr"}), "fr");
}

class ServerNotices : public ServerFixture
{
protected:
    struct Reader
    {
        const char* name;
        const char* word; // nullptr: a first-version client, announcing nothing
        const char* language;
        ProtoClient* client = nullptr;
        QString token;
    };

    void SetUp() override
    {
        ServerFixture::SetUp();
        server->setRejoinClock([this] { return now; });
        server->setWordLists(listsOf(QStringLiteral("zebra crossing")));
        for (Reader& reader : readers) {
            reader.client = join(reader.name);
            if (reader.word)
                announce(reader);
        }
        startGame(false, 20, 60);
        tickToDeal();
        ASSERT_EQ(server->game().drawer, seatOf(readers[0].client));
        clearAll();
    }

    // Announces what this program's client announces, its language with it.
    void announce(Reader& reader)
    {
        send(reader.client,
             toserver::features(seatOf(reader.client),
                                feature::ours() + QStringList{QString::fromLatin1(reader.word)}));
        reader.token = reader.client->waitForMessage(cmd::rejointoken + '+').section('+', 1);
    }

    void chat(ProtoClient* client, const QString& text)
    {
        send(client, toserver::chat(seatOf(client), text, QStringLiteral("clNavy")));
    }

    // The server's lines a client got since the last clear, barrier lines and players' lines left out.
    static QStringList notices(const ProtoClient* client)
    {
        QStringList lines;
        for (const QString& message : log(client))
            if ((message.startsWith(cmd::chat + '+') && !message.contains(" chats: ")) ||
                message.startsWith(cmd::action + '+'))
                lines << message;
        return lines;
    }

    qint64 now = 1000000;
    // Seat 1 is a first-version copy and draws first; the others guess.
    Reader readers[6] = {{"Old", nullptr, "en", nullptr, {}},   {"Eng", "lang-en", "en", nullptr, {}},
                         {"Ger", "lang-de", "de", nullptr, {}}, {"Fre", "lang-fr", "fr", nullptr, {}},
                         {"Spa", "lang-es", "es", nullptr, {}}, {"Bra", "lang-pt-br", "pt-BR", nullptr, {}}};
};

// Each reader sets off the notices that concern only itself and reads them in its language; the
// notices for everyone reach each in its own. The first version's lines stay byte for byte.
TEST_F(ServerNotices, EachClientReadsTheServersLinesInItsOwnLanguage)
{
    using notices::Id;
    const auto expect = [](const Reader& reader, Id id, const QString& value = QString()) {
        return fromWire(notices::message(id, QString::fromLatin1(reader.language), value).chopped(1));
    };
    const QString longLine(Relay::kMaxLineLength + 1, QLatin1Char('x'));
    const struct
    {
        Id id;
        QString value;
        std::function<void(ProtoClient*)> setOff;
    } own[] = {
        {Id::CloseGuess, "ZEBRO", [this](ProtoClient* c) { guess(c, "zebro"); }},
        {Id::LineCut, QString::number(Relay::kMaxLineLength), [&](ProtoClient* c) { chat(c, longLine); }},
        {Id::TakenAsGuess, "", [this](ProtoClient* c) { chat(c, "crossing?"); }},
    };
    for (const auto& row : own) {
        for (Reader& reader : std::span(readers).subspan(1)) {
            clearAll();
            row.setOff(reader.client);
            barrier();
            for (const Reader& other : readers)
                EXPECT_EQ(notices(other.client), other.client == reader.client
                                                     ? QStringList{expect(other, row.id, row.value)}
                                                     : QStringList())
                    << other.name << " after " << reader.name << " set off notice " << int(row.id);
        }
    }

    // A burst of lines past the limit, told once it is over.
    server->setChatLimit({1, 10});
    clearAll();
    clockMs = 1000;
    for (Reader& reader : std::span(readers).subspan(1)) {
        chat(reader.client, "one");
        chat(reader.client, "two");
    }
    clockMs = 11000;
    server->checkLineLimits();
    barrier();
    for (const Reader& reader : std::span(readers).subspan(1))
        EXPECT_EQ(notices(reader.client), QStringList{expect(reader, Id::SlowDown, "1")}) << reader.name;
    EXPECT_EQ(notices(readers[0].client), QStringList());
    server->setChatLimit({});

    // Bra drops and comes back with its token: everyone is told, each in its own language.
    Reader& bra = readers[5];
    const QString token = bra.token;
    ASSERT_FALSE(token.isEmpty());
    now += 10000;
    const int seat = seatOf(bra.client);
    bra.client->abort();
    ASSERT_TRUE(settle([&] { return !server->players().occupied(seat); }));
    bra.client = join(bra.name);
    announce(bra);
    clearAll();
    send(bra.client, toserver::rejoin(seatOf(bra.client), token));
    barrier();
    for (const Reader& reader : readers)
        EXPECT_EQ(notices(reader.client), QStringList{expect(reader, Id::IsBack, "Bra")}) << reader.name;
    EXPECT_EQ(notices(readers[0].client), QStringList{"CMD_action+Bra is back.|clGreen"});
    EXPECT_EQ(notices(readers[2].client), QStringList{"CMD_action+Bra ist zurück.|clGreen"});

    // Each takes its turn to draw, and as the drawer may not say the answer.
    QStringList withheld;
    for (Reader& reader : readers) {
        while (server->game().phase != Phase::Drawing || server->game().drawer != seatOf(reader.client)) {
            if (server->game().phase == Phase::Drawing)
                tickToTimeOut();
            if (server->game().phase == Phase::Break)
                tickThroughBreak();
            tickToDeal();
        }
        clearAll();
        chat(reader.client, "zebra");
        barrier();
        for (const Reader& other : readers)
            EXPECT_EQ(notices(other.client), other.client == reader.client
                                                 ? QStringList{expect(reader, Id::AnswerWithheld)}
                                                 : QStringList())
                << other.name << " while " << reader.name << " draws";
        withheld << notices(reader.client);
    }

    // The first version's lines as it has always read them, and some of the others.
    EXPECT_EQ(withheld.mid(0, 2),
              QStringList({"CMD_chat+Server: Your line held a word of the answer and was not sent.|clBlue",
                           "CMD_chat+Server: Your line held a word of the answer and was not sent.|clBlue"}));
    EXPECT_EQ(withheld.value(3),
              "CMD_chat+Serveur : Ta ligne contenait un mot de la réponse et n’a pas été envoyée.|clBlue");
    EXPECT_EQ(withheld.value(4),
              "CMD_chat+Servidor: Tu línea tenía una palabra de la respuesta y no se envió.|clBlue");

    // Ger is left alone and waits.
    ProtoClient* ger = readers[2].client;
    clearAll(ger);
    for (Reader& reader : readers)
        if (reader.client != ger)
            leave(reader.client);
    tick(60 + GameFlow::kDrawingExtraTicks + GameFlow::kBreakTicks + 3 * (GameFlow::kPickTicks + 1));
    barrier(ger);
    EXPECT_EQ(notices(ger), QStringList{"CMD_chat+Server: Warte auf einen zweiten Spieler.|clBlue"});
}

} // namespace
