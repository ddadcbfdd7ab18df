#include "lan/announcer.h"
#include "lan/gamebrowser.h"
#include "lan/laninterfaces.h"
#include "messaging/version.h"
#include "tests/support/waitfor.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace pictova::lan;
using pictova::test::waitFor;

namespace {

const QHostAddress kLoopback(QHostAddress::LocalHost);

QByteArray announcementOf(const QString& name, quint16 port, int players = 1)
{
    return *buildAnnouncement(
        Announcement{name, port, players, 15 - players, false, QStringLiteral("2.2.4")});
}

// A browser fed by hand, on a clock the test moves.
struct DrivenBrowser
{
    qint64 now = 100000;
    GameBrowser browser;
    QSignalSpy changed{&browser, &GameBrowser::gamesChanged};

    // The ports the browser tried, each with its answer still to give; nothing goes on the network.
    std::vector<std::pair<quint16, std::function<void(GameBrowser::PortAnswer)>>> tries;

    DrivenBrowser()
    {
        browser.setClock([this] { return now; });
        browser.setProbe(
            [this](const QHostAddress&, quint16 port, auto done) { tries.emplace_back(port, done); });
    }
    // Answers every try, the ones the answers lead to as well; `accepting` answers, others refuse.
    void answerTries(quint16 accepting)
    {
        while (!tries.empty()) {
            auto [port, done] = tries.back();
            tries.pop_back();
            done(port == accepting ? GameBrowser::PortAnswer::Accepted : GameBrowser::PortAnswer::Refused);
        }
    }
};

QHostAddress peer(int n)
{
    return QHostAddress(QStringLiteral("10.1.%1.%2").arg(n / 250).arg(n % 250 + 1));
}

} // namespace

TEST(GameBrowser, AnnouncerIsFoundOverUdpOnLoopback)
{
    GameBrowser browser;
    ASSERT_TRUE(browser.start(kLoopback, 0)) << browser.errorString().toStdString();
    QSignalSpy changed(&browser, &GameBrowser::gamesChanged);

    Announcer announcer;
    announcer.setDestination(kLoopback, browser.localPort());
    announcer.setInterval(60 * 60 * 1000); // only the datagrams the test asks for
    announcer.setGameInfo(QStringLiteral("Ann"), 7772, 2, 8, false);
    ASSERT_TRUE(announcer.start()) << announcer.errorString().toStdString();
    ASSERT_TRUE(waitFor([&] { return browser.games().size() == 1; }));
    const FoundGame found = browser.games().constFirst();
    EXPECT_EQ(found.hostName, QStringLiteral("Ann"));
    EXPECT_EQ(found.address, kLoopback);
    EXPECT_EQ(found.port, 7772);
    EXPECT_EQ(found.players, 2);
    EXPECT_EQ(found.freeSeats, 8);
    EXPECT_FALSE(found.running);
    EXPECT_EQ(found.version, QString::fromLatin1(pictova::kVersion));
    EXPECT_EQ(changed.size(), 1);

    // The same game from the same address is updated in place, not listed twice.
    announcer.setGameInfo(QStringLiteral("Ann"), 7772, 3, 7, true);
    EXPECT_EQ(announcer.announceNow(), 1);
    ASSERT_TRUE(waitFor([&] { return browser.games().constFirst().running; }));
    EXPECT_EQ(browser.games().size(), 1);
    EXPECT_EQ(browser.games().constFirst().players, 3);
    EXPECT_EQ(changed.size(), 2);

    announcer.stop();
    EXPECT_FALSE(announcer.isActive());
    EXPECT_EQ(announcer.announceNow(), 0);
    // A browser that stops listening lists nothing it can no longer hear.
    browser.stop();
    EXPECT_TRUE(browser.games().isEmpty());
    EXPECT_EQ(changed.size(), 3);
}

TEST(GameBrowser, AnnouncerRepeatsOnItsInterval)
{
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(kLoopback, 0));
    Announcer announcer;
    announcer.setDestination(kLoopback, listener.localPort());
    announcer.setInterval(10);
    announcer.setGameInfo(QStringLiteral("Ann"), 7772, 1, 9, false);
    ASSERT_TRUE(announcer.start());
    QList<QByteArray> received;
    ASSERT_TRUE(waitFor([&] {
        while (listener.hasPendingDatagrams()) {
            QByteArray datagram(1024, '\0');
            datagram.truncate(listener.readDatagram(datagram.data(), datagram.size()));
            received.append(datagram);
        }
        return received.size() >= 3;
    }));
    for (const QByteArray& datagram : received)
        EXPECT_EQ(parseAnnouncement(datagram), announcer.announcement());
}

TEST(GameBrowser, AnnouncerSendsNothingWithoutAPort)
{
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(kLoopback, 0));
    Announcer announcer;
    announcer.setDestination(kLoopback, listener.localPort());
    ASSERT_TRUE(announcer.start());
    EXPECT_EQ(announcer.announceNow(), 0);
    announcer.setGameInfo(QString(40, u'x'), 7772, 99, -3, false);
    EXPECT_EQ(announcer.announcement().hostName, QString(32, u'x'));
    EXPECT_EQ(announcer.announcement().players, 15);
    EXPECT_EQ(announcer.announcement().freeSeats, 0);
    EXPECT_EQ(announcer.announceNow(), 1);
    ASSERT_TRUE(waitFor([&] { return listener.hasPendingDatagrams(); }));
    // The first datagram on the socket is the one with a port: none went out before.
    QByteArray datagram(1024, '\0');
    datagram.truncate(listener.readDatagram(datagram.data(), datagram.size()));
    EXPECT_EQ(parseAnnouncement(datagram)->port, 7772);
}

TEST(GameBrowser, OversizedAndGarbageDatagramsOnTheSocketChangeNothing)
{
    GameBrowser browser;
    ASSERT_TRUE(browser.start(kLoopback, 0));
    QSignalSpy changed(&browser, &GameBrowser::gamesChanged);
    QUdpSocket sender;
    // A valid announcement padded past the limit with a field the parser would skip.
    const QByteArray valid = announcementOf(QStringLiteral("Big"), 1000);
    const QByteArray oversized = valid + "x-pad=" + QByteArray(513 - valid.size() - 7, 'p') + '\n';
    ASSERT_EQ(oversized.size(), 513);
    sender.writeDatagram(oversized, kLoopback, browser.localPort());
    sender.writeDatagram(valid + QByteArray(60000, 'p'), kLoopback, browser.localPort());
    sender.writeDatagram("\xff\xfe garbage", kLoopback, browser.localPort());
    sender.writeDatagram(QByteArray(), kLoopback, browser.localPort());
    // Loopback datagrams from one socket arrive in order: once this one is listed, the rest were read.
    sender.writeDatagram(announcementOf(QStringLiteral("Ann"), 7772), kLoopback, browser.localPort());
    ASSERT_TRUE(waitFor([&] { return !browser.games().isEmpty(); }));
    ASSERT_EQ(browser.games().size(), 1);
    EXPECT_EQ(browser.games().constFirst().hostName, QStringLiteral("Ann"));
    EXPECT_EQ(changed.size(), 1);
}

TEST(GameBrowser, AGameVanishesOneTickAfterSixSecondsOfSilence)
{
    DrivenBrowser d;
    const qint64 start = d.now;
    d.browser.receive(announcementOf(QStringLiteral("Ann"), 7772), peer(1));
    ASSERT_EQ(d.browser.games().size(), 1);

    // A repeated announcement restarts the six seconds without a change signal.
    d.now = start + 4000;
    d.browser.receive(announcementOf(QStringLiteral("Ann"), 7772), peer(1));
    EXPECT_EQ(d.changed.size(), 1);
    d.now = start + 4000 + GameBrowser::kExpiryMs;
    d.browser.expire();
    EXPECT_EQ(d.browser.games().size(), 1);
    EXPECT_EQ(d.changed.size(), 1);
    d.now += 1;
    d.browser.expire();
    EXPECT_TRUE(d.browser.games().isEmpty());
    EXPECT_EQ(d.changed.size(), 2);
}

TEST(GameBrowser, GamesAreKeyedBySenderAndPortAndSorted)
{
    DrivenBrowser d;
    d.browser.receive(announcementOf(QStringLiteral("zed"), 7772), peer(1));
    d.browser.receive(announcementOf(QStringLiteral("Bob"), 7773), peer(1));
    d.browser.receive(announcementOf(QStringLiteral("amy"), 7772), peer(2));
    d.browser.receive(announcementOf(QStringLiteral("Zed"), 7772, 4), peer(1)); // renamed, same game
    const QList<FoundGame> games = d.browser.games();
    ASSERT_EQ(games.size(), 3);
    EXPECT_EQ(games[0].hostName, QStringLiteral("amy"));
    EXPECT_EQ(games[1].hostName, QStringLiteral("Bob"));
    EXPECT_EQ(games[2].hostName, QStringLiteral("Zed"));
    EXPECT_EQ(games[2].players, 4);
    EXPECT_EQ(d.changed.size(), 4);

    // Garbage from a listed sender leaves its game as it was.
    d.browser.receive("PICTOVA-LAN 1\nname=evil\n", peer(2));
    d.browser.receive(QByteArray(), peer(2));
    d.browser.receive(announcementOf(QStringLiteral("amy"), 7772), QHostAddress());
    EXPECT_EQ(d.browser.games(), games);
    EXPECT_EQ(d.changed.size(), 4);
}

TEST(GameBrowser, ListsAtMost64Games)
{
    DrivenBrowser d;
    for (int n = 0; n < GameBrowser::kMaxGames; ++n) {
        d.now += 1;
        d.browser.receive(announcementOf(QStringLiteral("g%1").arg(n), 7772), peer(n));
    }
    ASSERT_EQ(d.browser.games().size(), 64);
    EXPECT_EQ(d.changed.size(), 64);
    // Full: the ports are tried, a few at a time, only now.
    EXPECT_EQ(d.tries.size(), static_cast<size_t>(GameBrowser::kMaxProbes));

    // With no port answered yet, a new game takes the place of the one heard least recently.
    d.browser.receive(announcementOf(QStringLiteral("g0"), 7772, 5), peer(0));
    d.browser.receive(announcementOf(QStringLiteral("late"), 7772), peer(64));
    ASSERT_EQ(d.browser.games().size(), 64);
    const auto listed = [&](const QString& name) {
        return std::ranges::count_if(d.browser.games(),
                                     [&](const FoundGame& game) { return game.hostName == name; });
    };
    EXPECT_EQ(listed("late"), 1);
    EXPECT_EQ(listed("g1"), 0);
    EXPECT_EQ(listed("g0"), 1);
}

TEST(GameBrowser, AListFilledByFakesStillTakesAGameThatStartsLater)
{
    DrivenBrowser d;
    // Forty senders, five ports each, announcing as often as they may.
    const auto fakes = [&] {
        for (int n = 0; n < 40; ++n)
            for (quint16 port = 9001; port <= 9005; ++port)
                d.browser.receive(announcementOf(QStringLiteral("Real"), port), peer(n));
    };
    const auto realListed = [&] {
        return std::ranges::count_if(d.browser.games(),
                                     [](const FoundGame& game) { return game.port == 7772; });
    };
    for (int second = 0; second < 3; ++second) {
        fakes();
        d.answerTries(7772);
        d.now += 1000;
    }
    ASSERT_EQ(d.browser.games().size(), GameBrowser::kMaxGames);
    for (int second = 0; second < 10; ++second) {
        if (second % 2 == 0)
            d.browser.receive(announcementOf(QStringLiteral("Real"), 7772), peer(200));
        fakes();
        d.answerTries(7772);
        d.now += 1000;
        if (second > 0) {
            EXPECT_EQ(realListed(), 1) << second;
        }
    }
}

TEST(GameBrowser, HearsASenderAtMostFiveTimesASecond)
{
    DrivenBrowser d;
    const qint64 start = d.now;
    // Each datagram is a game of its own, so every admitted one shows in the list.
    for (quint16 port = 1; port <= 5; ++port)
        d.browser.receive(announcementOf(QStringLiteral("g"), port), peer(1));
    EXPECT_EQ(d.browser.games().size(), 5);
    d.browser.receive(announcementOf(QStringLiteral("g"), 6), peer(1));
    EXPECT_EQ(d.browser.games().size(), 5);
    // Another sender is not held back by the first.
    d.browser.receive(announcementOf(QStringLiteral("g"), 6), peer(2));
    EXPECT_EQ(d.browser.games().size(), 6);

    d.now = start + 999;
    d.browser.receive(announcementOf(QStringLiteral("g"), 7), peer(1));
    EXPECT_EQ(d.browser.games().size(), 6);
    d.now = start + 1000;
    d.browser.receive(announcementOf(QStringLiteral("g"), 7), peer(1));
    EXPECT_EQ(d.browser.games().size(), 7);

    // Garbage uses up a sender's allowance too.
    d.now = start + 2000;
    for (int i = 0; i < 5; ++i)
        d.browser.receive("garbage", peer(3));
    d.browser.receive(announcementOf(QStringLiteral("g"), 1), peer(3));
    EXPECT_EQ(d.browser.games().size(), 7);
}

TEST(LanInterfaces, ARestrictionPicksOneInterfaceOrNone)
{
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    const QNetworkInterface loopback = QNetworkInterface::interfaceFromName(QStringLiteral("lo"));
    if (!loopback.isValid() || !loopback.flags().testFlag(QNetworkInterface::IsUp))
        GTEST_SKIP() << "no loopback interface named lo";
    for (const QString& restriction :
         {QStringLiteral("lo"), QStringLiteral(" lo "), QStringLiteral("127.0.0.1")}) {
        const QList<QNetworkInterface> chosen = lanInterfaces(restriction, all);
        ASSERT_EQ(chosen.size(), 1) << restriction.toStdString();
        EXPECT_EQ(chosen.constFirst().name(), QStringLiteral("lo"));
    }
    EXPECT_TRUE(lanInterfaces(QStringLiteral("no-such-interface"), all).isEmpty());
    EXPECT_TRUE(lanInterfaces(QStringLiteral("192.0.2.1"), all).isEmpty());
    for (const QNetworkInterface& chosen : lanInterfaces(QString(), all))
        EXPECT_TRUE(chosen.flags().testFlags(QNetworkInterface::CanMulticast | QNetworkInterface::IsUp |
                                             QNetworkInterface::IsRunning));
}

TEST(LanInterfaces, AnUnmatchedRestrictionNeitherAnnouncesNorListens)
{
    qputenv(kInterfaceVariable, "no-such-interface");
    Announcer announcer;
    announcer.setGameInfo(QStringLiteral("Ann"), 7772, 1, 9, false);
    EXPECT_FALSE(announcer.start());
    EXPECT_FALSE(announcer.isActive());
    EXPECT_EQ(announcer.announceNow(), 0);
    EXPECT_TRUE(announcer.errorString().contains(QStringLiteral("no-such-interface")));
    GameBrowser browser;
    EXPECT_FALSE(browser.start());
    EXPECT_TRUE(browser.errorString().contains(QStringLiteral("no-such-interface")));
    qunsetenv(kInterfaceVariable);
}
