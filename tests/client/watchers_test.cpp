#include "client/gamemenus.h"
#include "client/gameviews.h"
#include "client/seatpanelview.h"
#include "client/windowactions.h"
#include "tests/client/clientfixture.h"

#include "client/spectatorlist.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

using namespace pictova;
using pictova::test::ClientFixture;

namespace {
class Watchers : public ClientFixture
{
protected:
    void SetUp() override
    {
        ClientFixture::SetUp();
        logIn(2, "Me");
        receive({"CMD_existingplayers+1+Ann", "CMD_existingplayers+7+Gus"});
        m_sent.clear();
    }
    GameViews& v() { return m_chat->views(); }

    // Right-clicks the seat's name: whether the seat menu opened, and whether it offered a vote.
    std::pair<bool, bool> rightClick(int seat)
    {
        QLabel* name = v().seatPanel().nameLabel(seat);
        QContextMenuEvent click(QContextMenuEvent::Mouse, name->rect().center(),
                                name->mapToGlobal(name->rect().center()));
        QCoreApplication::sendEvent(name, &click);
        QMenu* menu = m_chat->menus().seatMenu();
        const std::pair<bool, bool> shown{menu->isVisible(),
                                          menu->isVisible() && m_chat->menus().voteToRemove()->isVisible()};
        menu->hide();
        return shown;
    }
};
} // namespace

TEST_F(Watchers, JustWatchAsksAndTheTickFollowsTheServer)
{
    m_chat->menus().justWatch()->trigger();
    EXPECT_FALSE(m_chat->menus().justWatch()->isChecked());
    EXPECT_EQ(sentEntries(), QStringList{"CMD_justwatch+2+1"});
    receive("CMD_justwatching+2+1");
    EXPECT_TRUE(m_chat->menus().justWatch()->isChecked());
    EXPECT_TRUE(v().seatPanel().eyes(2)->isVisible());
    EXPECT_EQ(lastChatLine(), "Me is just watching");
    m_chat->menus().justWatch()->trigger();
    EXPECT_EQ(sentEntries().last(), "CMD_justwatch+2+2");
    receive("CMD_justwatching+2+2");
    EXPECT_FALSE(m_chat->menus().justWatch()->isChecked());
    EXPECT_FALSE(v().seatPanel().eyes(2)->isVisible());
    EXPECT_EQ(lastChatLine(), "Me now playing again");

    receive({"CMD_justwatching+7+1", "CMD_justwatching+12+1", "CMD_startgame+1+false+20+120"});
    EXPECT_FALSE(v().seatPanel().eyes(7)->isVisible());
}

TEST_F(Watchers, SpiesCannotUseJustWatch)
{
    m_chat->model().setMySeat(11);
    m_chat->session().watchers().onJustWatch();
    EXPECT_TRUE(m_sent.isEmpty());
}

TEST_F(Watchers, SeatMenuIsGreyedForPlayersAndRemovalNeedsAnOccupiedSeat)
{
    m_chat->actions().prepareSeatMenu(7);
    EXPECT_FALSE(m_chat->menus().removeFromGame()->isEnabled());
    EXPECT_FALSE(m_chat->menus().setToJustWatch()->isEnabled());
    // The game master's menu: seat 1 has left, so seat 2 is the lowest a player holds.
    receive("CMD_playerdisconnected+1+Ann");
    m_chat->actions().prepareSeatMenu(5);
    EXPECT_FALSE(m_chat->menus().removeFromGame()->isEnabled());
    EXPECT_TRUE(m_chat->menus().setToJustWatch()->isEnabled());
    EXPECT_TRUE(m_chat->menus().unsetJustWatch()->isEnabled());
    m_chat->actions().prepareSeatMenu(7);
    EXPECT_TRUE(m_chat->menus().removeFromGame()->isEnabled());
    // Seat 1's name has no menu outside a listed room.
    EXPECT_EQ(rightClick(1), std::make_pair(false, false));
}

// In a listed room the players may vote out anyone else, the game master in seat 1 included.
TEST_F(Watchers, InAListedRoomEveryOtherPlayersSeatOffersAVote)
{
    m_chat->model().setMySeat(0);
    m_chat->session().setRoomAsk(RoomAsk::join(QStringLiteral("K7QXD")));
    receive({"CMD_inroom+K7QXD+true+0+Open", "CMD_sendlogininfo+2", "CMD_features+rooms,vote-kick",
             "CMD_newplayerinfo+2+Me"});
    ASSERT_TRUE(m_chat->session().roomListed());
    struct Case
    {
        int seat;
        bool menu;
        bool vote;
    };
    for (const Case& c :
         {Case{1, true, true}, Case{2, true, false}, Case{7, true, true}, Case{5, true, false}})
        EXPECT_EQ(rightClick(c.seat), std::make_pair(c.menu, c.vote)) << c.seat;
    rightClick(1);
    m_chat->menus().voteToRemove()->trigger();
    EXPECT_EQ(sentEntries().filter(QStringLiteral("CMD_votekick")), QStringList{"CMD_votekick+2+1"});
}

TEST_F(Watchers, HostRequestsCarryTheRememberedSeat)
{
    m_chat->model().setHosting(true);
    m_chat->model().setMySeat(1);
    m_chat->actions().prepareSeatMenu(7);
    m_chat->menus().setToJustWatch()->trigger();
    m_chat->menus().unsetJustWatch()->trigger();
    m_chat->actions().prepareSeatMenu(4);
    m_chat->session().watchers().kicking(4);
    EXPECT_EQ(sentEntries(), (QStringList{"CMD_justwatch+7+1", "CMD_justwatch+7+2", "CMD_kickhim+1+4+"}));
    m_chat->model().setMySeat(2);
    m_chat->session().watchers().kicking(4);
    EXPECT_EQ(m_sent.size(), 3);
}

TEST_F(Watchers, SpyListRemovalActsOnTheLineUnderThePointerOnly)
{
    m_chat->model().setHosting(true);
    m_chat->model().setMySeat(1);
    m_spectators->setRemovalEnabled(true);
    receive("CMD_newplayerinfo+12+Bob");
    m_sent.clear();
    m_spectators->removeHovered();
    EXPECT_TRUE(m_sent.isEmpty());
    m_spectators->show();
    const QRect row = m_spectators->list()->visualItemRect(m_spectators->list()->item(0));
    m_spectators->hoverAt(row.center());
    EXPECT_EQ(m_spectators->hoveredIndex(), 0);
    m_spectators->removeHovered();
    EXPECT_EQ(sentEntries(), QStringList{"CMD_kickhim+1+12+"});
    receive("CMD_playerdisconnected+12+Bob");
    m_spectators->removeHovered();
    EXPECT_EQ(m_sent.size(), 1);
}
