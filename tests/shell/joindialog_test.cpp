// The join dialog's list of games found on the local network.
#include "lan/gamebrowser.h"
#include "shell/playtogetherdialogs.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace pictova;

TEST(JoinDialog, EachGameShowsItsAddressBesideItsName)
{
    JoinDialog dialog(nullptr);
    // Anyone may announce any name: two games of one name differ only by where they are.
    const QList<lan::FoundGame> games{{"Ann", QHostAddress("192.0.2.7"), 7772, 1, 14, false, "2.2.4"},
                                      {"Ann", QHostAddress("192.0.2.9"), 7772, 1, 14, false, "2.2.4"},
                                      {"", QHostAddress("192.0.2.8"), 7800, 1, 14, false, "2.2.4"}};
    dialog.showGames(games);
    auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("foundGames"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Ann (192.0.2.7)"));
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("Ann (192.0.2.9)"));
    EXPECT_EQ(list->topLevelItem(2)->text(0), QStringLiteral("192.0.2.8:7800"));
}
