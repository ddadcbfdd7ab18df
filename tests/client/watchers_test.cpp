#include "tests/client/clientfixture.h"

#include "client/spylist.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

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
    GameView& v() { return m_chat->view(); }
};
} // namespace

TEST_F(Watchers, JustWatchAsksAndTheTickFollowsTheServer)
{
    v().JustWatch1->trigger();
    EXPECT_FALSE(v().JustWatch1->isChecked());
    EXPECT_EQ(sentEntries(), QStringList{"CMD_justwatch+2+1"});
    receive("CMD_justwatching+2+1");
    EXPECT_TRUE(v().JustWatch1->isChecked());
    EXPECT_TRUE(v().image_eyes[2]->isVisible());
    EXPECT_EQ(lastChatLine(), "Me is just watching");
    v().JustWatch1->trigger();
    EXPECT_EQ(sentEntries().last(), "CMD_justwatch+2+2");
    receive("CMD_justwatching+2+2");
    EXPECT_FALSE(v().JustWatch1->isChecked());
    EXPECT_FALSE(v().image_eyes[2]->isVisible());
    EXPECT_EQ(lastChatLine(), "Me now playing again");

    receive({"CMD_justwatching+7+1", "CMD_justwatching+12+1", "CMD_startgame+1+false+20+120"});
    EXPECT_FALSE(v().image_eyes[7]->isVisible());
}

TEST_F(Watchers, SpiesCannotUseJustWatch)
{
    m_chat->model().setMySeat(11);
    m_chat->session().watchers().JustWatch1Click();
    EXPECT_TRUE(m_sent.isEmpty());
}

TEST_F(Watchers, SeatMenuIsGreyedForPlayersAndRemovalNeedsAnOccupiedSeat)
{
    m_chat->label_playername1ContextPopup(7);
    EXPECT_FALSE(v().removefromgame1->isEnabled());
    EXPECT_FALSE(v().SettoJustWatch1->isEnabled());
    // The game master's menu: seat 1 has left, so seat 2 is the lowest a player holds.
    receive("CMD_playerdisconnected+1+Ann");
    m_chat->label_playername1ContextPopup(5);
    EXPECT_FALSE(v().removefromgame1->isEnabled());
    EXPECT_TRUE(v().SettoJustWatch1->isEnabled());
    EXPECT_TRUE(v().UnsetJustWatch1->isEnabled());
    m_chat->label_playername1ContextPopup(7);
    EXPECT_TRUE(v().removefromgame1->isEnabled());
    EXPECT_EQ(v().label_playername[1]->contextMenuPolicy(), Qt::DefaultContextMenu);
}

TEST_F(Watchers, HostRequestsCarryTheRememberedSeat)
{
    m_chat->model().setHosting(true);
    m_chat->model().setMySeat(1);
    m_chat->label_playername1ContextPopup(7);
    v().SettoJustWatch1->trigger();
    v().UnsetJustWatch1->trigger();
    m_chat->label_playername1ContextPopup(4);
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
    m_spylist->setRemovalEnabled(true);
    receive("CMD_newplayerinfo+12+Bob");
    m_sent.clear();
    m_spylist->popup_kickhimClick();
    EXPECT_TRUE(m_sent.isEmpty());
    m_spylist->show();
    const QRect row = m_spylist->listbox_spys()->visualItemRect(m_spylist->listbox_spys()->item(0));
    m_spylist->listbox_spysMouseMove(row.center());
    EXPECT_EQ(m_spylist->hoveredIndex(), 0);
    m_spylist->popup_kickhimClick();
    EXPECT_EQ(sentEntries(), QStringList{"CMD_kickhim+1+12+"});
    receive("CMD_playerdisconnected+12+Bob");
    m_spylist->popup_kickhimClick();
    EXPECT_EQ(m_sent.size(), 1);
}
