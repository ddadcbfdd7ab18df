// The command line of pictova-server.
#include "serverapp/options.h"

#include <gtest/gtest.h>

namespace pictova::serverapp {
namespace {

using Action = ServerOptions::Action;

TEST(ServerOptions, DefaultsAndEveryOption)
{
    const ServerOptions none = parseOptions({});
    EXPECT_EQ(none.action, Action::Serve);
    EXPECT_EQ(none.port, 7772);
    EXPECT_TRUE(none.name.isEmpty());
    EXPECT_FALSE(none.announce);

    const ServerOptions all = parseOptions({"--port", "65535", "--name", "Friday game", "--announce"});
    EXPECT_EQ(all.action, Action::Serve);
    EXPECT_EQ(all.port, 65535);
    EXPECT_EQ(all.name, QStringLiteral("Friday game"));
    EXPECT_TRUE(all.announce);
    EXPECT_EQ(parseOptions({"--port=0"}).port, 0);
    EXPECT_EQ(parseOptions({"--name=A"}).name, QStringLiteral("A"));

    EXPECT_EQ(none.chatLimit, (LineLimit{5, 3}));
    EXPECT_EQ(none.guessLimit, (LineLimit{10, 3}));
    const ServerOptions limits = parseOptions({"--chat-limit", "1000/3600", "--guess-limit=0"});
    EXPECT_EQ(limits.action, Action::Serve);
    EXPECT_EQ(limits.chatLimit, (LineLimit{1000, 3600}));
    EXPECT_TRUE(limits.guessLimit.isOff());
    EXPECT_TRUE(parseOptions({"--chat-limit", "0/3"}).chatLimit.isOff());
    EXPECT_TRUE(helpText().contains(QStringLiteral("--guess-limit")));
    EXPECT_EQ(none.maxPerAddress, 4);
    EXPECT_EQ(parseOptions({"--max-per-address", "0"}).maxPerAddress, 0);
    EXPECT_EQ(parseOptions({"--max-per-address=15"}).maxPerAddress, 15);
    EXPECT_TRUE(helpText().contains(QStringLiteral("--max-per-address")));
    EXPECT_EQ(none.maxRooms, 1000);
    EXPECT_EQ(none.maxTotalPerAddress, 30);
    EXPECT_FALSE(none.metricsAddress);
    const ServerOptions rooms =
        parseOptions({"--max-rooms", "0", "--max-total-per-address=100000", "--metrics", "[::1]:9100"});
    EXPECT_EQ(rooms.action, Action::Serve);
    EXPECT_EQ(rooms.maxRooms, 0);
    EXPECT_EQ(rooms.maxTotalPerAddress, 100000);
    EXPECT_EQ(rooms.metricsAddress, QHostAddress(QHostAddress::LocalHostIPv6));
    EXPECT_EQ(rooms.metricsPort, 9100);
    EXPECT_FALSE(none.roomThreads);
    EXPECT_EQ(parseOptions({"--threads", "0"}).roomThreads, 0);
    EXPECT_EQ(parseOptions({"--threads=256"}).roomThreads, 256);
    for (const char* option : {"--max-rooms", "--max-total-per-address", "--metrics", "--threads"})
        EXPECT_TRUE(helpText().contains(QLatin1String(option))) << option;
    EXPECT_FALSE(none.webPort);
    EXPECT_EQ(parseOptions({"--web-port", "0"}).webPort, quint16(0));
    const ServerOptions tls = parseOptions({"--web-port=443", "--tls-cert", "c.pem", "--tls-key", "k.pem"});
    EXPECT_EQ(tls.webPort, quint16(443));
    EXPECT_EQ(tls.tlsCert + tls.tlsKey, QStringLiteral("c.pemk.pem"));
    EXPECT_TRUE(helpText().contains(QStringLiteral("--tls-cert")));

    EXPECT_EQ(parseOptions({"--port", "1", "--help"}).action, Action::Help);
    EXPECT_EQ(parseOptions({"-h"}).action, Action::Help);
    EXPECT_EQ(parseOptions({"--version"}).action, Action::Version);
    EXPECT_TRUE(helpText().contains(QStringLiteral("--announce")));
}

TEST(ServerOptions, BadArgumentsFailWithOneLine)
{
    for (const QStringList& arguments :
         QList<QStringList>{{"--port"},
                            {"--port", "65536"},
                            {"--port", "-1"},
                            {"--port", "seven"},
                            {"--port", ""},
                            {"--name"},
                            {"--name", "  "},
                            {"--name", QString(33, QLatin1Char('n'))},
                            {"--name", "two\nlines"},
                            {"--frobnicate"},
                            {"7772"},
                            {"--announce=yes"},
                            {"--"},
                            {"-port", "1"},
                            {"--port="},
                            {"--chat-limit"},
                            {"--chat-limit", "5"},
                            {"--chat-limit", "1001/3"},
                            {"--guess-limit", "5/3601"},
                            {"--guess-limit", "-1/3"},
                            {"--guess-limit", "5/3/1"},
                            {"--max-per-address"},
                            {"--max-per-address", "16"},
                            {"--max-per-address", "-1"},
                            {"--max-rooms", "100001"},
                            {"--max-rooms", "-1"},
                            {"--max-total-per-address"},
                            {"--threads", "257"},
                            {"--threads", "-1"},
                            {"--metrics", "9100"},
                            {"--metrics", "nowhere:9100"},
                            {"--metrics", "127.0.0.1:65536"},
                            {"--web-port", "65536"},
                            {"--web-port"},
                            {"--tls-cert", "c.pem"},
                            {"--tls-key", "k.pem"},
                            {"--tls-cert", "c.pem", "--tls-key", "k.pem", "--web-port", "0"}}) {
        const ServerOptions options = parseOptions(arguments);
        EXPECT_EQ(options.action, Action::Fail) << arguments.join(' ').toStdString();
        EXPECT_FALSE(options.error.isEmpty());
        EXPECT_FALSE(options.error.contains(QLatin1Char('\n')));
    }
    // The longest name allowed passes.
    EXPECT_EQ(parseOptions({"--name", QString(32, QLatin1Char('n'))}).action, Action::Serve);
}

TEST(ServerOptions, WordsTakesAFolder)
{
    EXPECT_TRUE(parseOptions({}).wordsFolder.isEmpty());
    EXPECT_EQ(parseOptions({"--words", "/srv/words"}).wordsFolder, QStringLiteral("/srv/words"));
    EXPECT_EQ(parseOptions({"--words=my words"}).wordsFolder, QStringLiteral("my words"));
    for (const QStringList& arguments : QList<QStringList>{{"--words"}, {"--words", ""}, {"--words="}})
        EXPECT_EQ(parseOptions(arguments).action, Action::Fail) << arguments.join(' ').toStdString();
    EXPECT_TRUE(helpText().contains(QStringLiteral("--words DIR")));
}

TEST(ServerOptions, WordsLanguageTakesTheCodeOfABuiltInLanguage)
{
    EXPECT_EQ(parseOptions({}).wordsLanguage, QStringLiteral("en"));
    for (const char* code : {"en", "de", "fr", "es", "pt_BR"}) {
        const ServerOptions options = parseOptions({"--words-language", code});
        EXPECT_EQ(options.action, Action::Serve) << code;
        EXPECT_EQ(options.wordsLanguage, QString::fromLatin1(code));
        EXPECT_TRUE(helpText().contains(QLatin1String(code))) << code;
    }
    EXPECT_EQ(parseOptions({"--words-language=es", "--words", "/srv/words"}).wordsLanguage,
              QStringLiteral("es"));
    for (const QStringList& arguments : QList<QStringList>{{"--words-language"},
                                                           {"--words-language", "pt"},
                                                           {"--words-language", "ES"},
                                                           {"--words-language", ""},
                                                           {"--words-language=xx"}}) {
        const ServerOptions options = parseOptions(arguments);
        EXPECT_EQ(options.action, Action::Fail) << arguments.join(' ').toStdString();
        EXPECT_TRUE(
            options.error.startsWith(QStringLiteral("--words-language needs one of en, de, fr, es, pt_BR")))
            << options.error.toStdString();
    }
    EXPECT_TRUE(helpText().contains(QStringLiteral("--words-language CODE")));
}

} // namespace
} // namespace pictova::serverapp
