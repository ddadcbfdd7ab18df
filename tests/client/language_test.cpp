// The language this copy reads goes to this program's server with its features, and the server's
// own lines come back in it; a change in the middle of a game is announced at once.
#include "client/model/clientsession.h"
#include "messaging/catalogue.h"
#include "server/gameserver.h"
#include "server/relay.h"
#include "tests/support/waitfor.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace pictova;
using pictova::test::waitFor;

TEST(SessionLanguage, TheServerWritesItsLinesInTheLanguageTheSessionAnnounces)
{
    ClientSession session;
    EXPECT_EQ(session.language(), feature::languageFor(QLocale::system().name()));
    session.setLanguage("fr-CA");
    EXPECT_EQ(session.language(), "fr");
    QStringList lines;
    session.routeToView(cmd::chat, [&](const QString& payload) { lines << payload; });

    GameServer server;
    server.setPortName("0");
    server.startListening();
    session.setLoginName("Zoé");
    session.startJoin("127.0.0.1", server.listeningPort());
    ASSERT_TRUE(waitFor([&] { return !server.rejoins().featuresOf(1).isEmpty(); }));
    EXPECT_EQ(server.rejoins().featuresOf(1), feature::ours() + QStringList{"lang-fr"});

    const QString longLine(Relay::kMaxLineLength + 1, QLatin1Char('x'));
    const auto cutNotice = [&] {
        lines.clear();
        session.send(toserver::chat(1, longLine, "clBlack"));
        // The sender is told first, then everyone gets the line as cut.
        EXPECT_TRUE(waitFor([&] { return lines.size() == 2; }));
        return lines.value(0);
    };
    EXPECT_EQ(cutNotice(), "Serveur : Ta ligne dépassait 400 caractères et a été coupée.|clBlue");

    session.setLanguage("pt_PT");
    ASSERT_TRUE(waitFor([&] { return server.rejoins().featuresOf(1).contains("lang-pt-br"); }));
    EXPECT_EQ(cutNotice(), "Servidor: Sua linha tinha mais de 400 caracteres e foi cortada.|clBlue");
    session.setLanguage("en");
    ASSERT_TRUE(waitFor([&] { return server.rejoins().featuresOf(1).contains("lang-en"); }));
    EXPECT_EQ(cutNotice(), "Server: Your line was longer than 400 characters and was cut.|clBlue");
    // A new announcement replaced the old one whole: the token came once and stays.
    EXPECT_EQ(server.rejoins().featuresOf(1), feature::ours() + QStringList{"lang-en"});
}
