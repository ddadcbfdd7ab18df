// Our client in a server's rooms: it asks for a room before anything else, learns its code and
// link, lists a server's rooms, and reads why a room is refused.
#include "client/gamechooser.h"
#include "client/gamewindow.h"
#include "client/model/clientsession.h"
#include "client/model/roomlister.h"
#include "invite/view/invitedialog.h"
#include "invite/view/invitepanel.h"
#include "rooms/roomdirectory.h"
#include "server/roomfront.h"
#include "shell/apppaths.h"
#include "shell/playtogetherdialogs.h"
#include "tests/support/waitfor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace pictova;
using pictova::test::waitFor;
using rooms::RoomDirectory;

namespace {
class RoomJoin : public ::testing::Test
{
protected:
    void SetUp() override
    {
        defaultRoom.setMaxPerAddress(0);
        front.setRoomSetup([](GameServer& room, const QString&) { room.setMaxPerAddress(0); });
        front.setListenAddress(QHostAddress::LocalHost);
        front.setPortName(QStringLiteral("0"));
        front.startListening();
    }

    struct Player
    {
        ClientSession session;
        std::optional<QString> failure;
        bool joined = false;
    };
    Player* start(const QString& name, const RoomAsk& ask, quint16 port = 0)
    {
        auto& player = players.emplace_back(std::make_unique<Player>());
        Player* p = player.get();
        QObject::connect(&p->session, &ClientSession::joinFailed,
                         [p](JoinProblem, const QString& text) { p->failure = text; });
        QObject::connect(&p->session, &ClientSession::joined, [p] { p->joined = true; });
        p->session.setLoginName(name);
        p->session.setRoomAsk(ask);
        p->session.startJoin(QStringLiteral("127.0.0.1"), port ? port : front.listeningPort());
        EXPECT_TRUE(waitFor([p] { return p->joined || p->failure; }));
        return p;
    }

    GameServer defaultRoom;
    RoomFront front{defaultRoom};
    std::vector<std::unique_ptr<Player>> players;
};
} // namespace

TEST_F(RoomJoin, APrivateRoomIsMadeJoinedByItsCodeAndKeptOutOfTheList)
{
    Player* ann = start(QStringLiteral("Ann"), RoomAsk::create(QStringLiteral("Ann's table"), false));
    ASSERT_TRUE(ann->joined) << ann->failure.value_or(QString()).toStdString();
    const QString code = ann->session.roomCode();
    ASSERT_EQ(code.size(), 5);
    EXPECT_EQ(ann->session.roomName(), QStringLiteral("Ann's table"));
    EXPECT_FALSE(ann->session.roomListed());
    EXPECT_EQ(ann->session.roomLink(),
              QStringLiteral("pictova://127.0.0.1:%1/%2").arg(front.listeningPort()).arg(code));
    EXPECT_TRUE(ann->session.serverFeatures().contains(feature::rooms));
    EXPECT_TRUE(ann->session.roomWebLink().isEmpty()); // the server has no web port

    Player* bob = start(QStringLiteral("Bob"), RoomAsk::join(code.toLower()));
    ASSERT_TRUE(bob->joined);
    EXPECT_EQ(bob->session.roomCode(), code);
    EXPECT_TRUE(waitFor([&] { return front.room(code)->players().at(2).name == QStringLiteral("Bob"); }));
    EXPECT_EQ(defaultRoom.players().seatcount(), 0);

    Player* cat = start(QStringLiteral("Cat"), RoomAsk::create(QStringLiteral("Open table"), true));
    ASSERT_TRUE(cat->joined);
    RoomLister lister;
    std::optional<QList<ListedRoom>> listed;
    QObject::connect(&lister, &RoomLister::listed, [&](const QList<ListedRoom>& rooms) { listed = rooms; });
    lister.list(QStringLiteral("127.0.0.1"), front.listeningPort());
    ASSERT_TRUE(waitFor([&] { return listed.has_value(); }));
    ASSERT_EQ(listed->size(), 1);
    EXPECT_EQ(listed->first().code, cat->session.roomCode());
    EXPECT_EQ(listed->first().name, QStringLiteral("Open table"));
    EXPECT_EQ(listed->first().players, 1);
    EXPECT_FALSE(listed->first().running);

    // No room asked for: the server's own game, as ever.
    Player* dan = start(QStringLiteral("Dan"), {});
    ASSERT_TRUE(dan->joined);
    EXPECT_TRUE(dan->session.roomCode().isEmpty());
    EXPECT_TRUE(waitFor([&] { return defaultRoom.players().at(1).name == QStringLiteral("Dan"); }));
}

TEST_F(RoomJoin, ARefusedRoomSaysWhyAndAServerWithoutRoomsSaysSo)
{
    Player* lost = start(QStringLiteral("Eve"), RoomAsk::join(QStringLiteral("ZZZZZ")));
    EXPECT_FALSE(lost->joined);
    EXPECT_EQ(lost->failure, RoomDirectory::explain(RoomDirectory::Refusal::Unknown));

    GameServer plain;
    plain.setPortName(QStringLiteral("0"));
    plain.setListenAddress(QHostAddress::LocalHost);
    plain.startListening();
    Player* old = start(QStringLiteral("Fay"), RoomAsk::join(QStringLiteral("K7QXD")), plain.listeningPort());
    EXPECT_FALSE(old->joined);
    EXPECT_EQ(
        old->failure,
        QStringLiteral("127.0.0.1:%1 has no rooms: it plays one game only.").arg(plain.listeningPort()));

    RoomLister lister;
    std::optional<QString> failed;
    QObject::connect(&lister, &RoomLister::failed, [&](const QString& reason) { failed = reason; });
    lister.list(QStringLiteral("127.0.0.1"), plain.listeningPort());
    ASSERT_TRUE(waitFor([&] { return failed.has_value(); }));
    EXPECT_TRUE(failed->contains(QStringLiteral("has no rooms")));
}

TEST_F(RoomJoin, TheJoinDialogListsAServersRoomsAndJoinsOneByCodeOrMakesOne)
{
    front.listenWeb(0);
    QTemporaryDir data;
    overrideDataFolder(data.path());
    qputenv("PICTOVA_NO_SOUND", "1");
    GameWindow window;
    window.setProperty("noParams", true);
    window.show();
    GameChooser* chooser = window.gameChooser();
    const QString address = QStringLiteral("127.0.0.1:%1").arg(front.listeningPort());

    chooser->openJoinDialog();
    JoinDialog* dialog = chooser->joinDialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("playerName"))->setText(QStringLiteral("Gus"));
    dialog->findChild<QComboBox*>(QStringLiteral("address"))->setEditText(address);
    dialog->findChild<QLineEdit*>(QStringLiteral("newRoomName"))->setText(QStringLiteral("Gus's room"));
    dialog->findChild<QCheckBox*>(QStringLiteral("newRoomListed"))->setChecked(true);
    dialog->findChild<QPushButton*>(QStringLiteral("createRoomButton"))->click();
    ASSERT_TRUE(waitFor(
        [&] { return !window.session().roomCode().isEmpty() && window.session().model().loggedIn(); }));
    const QString code = window.session().roomCode();
    EXPECT_TRUE(front.directory().room(code)->listed);
    // Browsers are invited to the room on the server's own web port, as the server named it.
    window.findChild<QAction*>(QStringLiteral("InvitePlayers1"))->trigger();
    const auto* invite = window.findChild<InviteDialog*>();
    ASSERT_NE(invite, nullptr);
    EXPECT_EQ(invite->panel()->link(),
              QStringLiteral("http://127.0.0.1:%1/r/%2").arg(front.webPort()).arg(code));
    EXPECT_TRUE(invite->panel()->isVisible());

    Player* hal = start(QStringLiteral("Hal"), {});
    ASSERT_TRUE(hal->joined);
    chooser->openJoinDialog();
    dialog->findChild<QComboBox*>(QStringLiteral("address"))->setEditText(address);
    dialog->findChild<QPushButton*>(QStringLiteral("listRoomsButton"))->click();
    auto* rooms = dialog->findChild<QTreeWidget*>(QStringLiteral("serverRooms"));
    ASSERT_TRUE(waitFor([&] { return rooms->topLevelItemCount() == 1; }));
    EXPECT_EQ(rooms->topLevelItem(0)->text(0), QStringLiteral("Gus's room"));
    EXPECT_EQ(rooms->topLevelItem(0)->text(3), code);
    // A link typed brings its own server, whatever the address field says.
    dialog->findChild<QComboBox*>(QStringLiteral("address"))->setEditText(QString());
    dialog->findChild<QLineEdit*>(QStringLiteral("roomCode"))
        ->setText(QStringLiteral("pictova://127.0.0.1:%1/%2").arg(front.listeningPort()).arg(code.toLower()));
    dialog->findChild<QPushButton*>(QStringLiteral("joinButton"))->click();
    ASSERT_TRUE(
        waitFor([&] { return window.session().model().loggedIn() && window.session().roomCode() == code; }));
    EXPECT_TRUE(waitFor([&] { return front.directory().room(code)->players == 1; }));
    overrideDataFolder(QString());
}
