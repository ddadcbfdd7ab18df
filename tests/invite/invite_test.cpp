#include "invite/invitelink.h"
#include "invite/qrimage.h"
#include "invite/view/invitepanel.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace pictova;

TEST(Invite, TheLinkNamesTheLanAddressAndTheWebPort)
{
    const auto a = [](const char* text) { return QHostAddress(QString::fromLatin1(text)); };
    EXPECT_EQ(inviteLink(a("192.168.1.20"), 7780), "http://192.168.1.20:7780/");
    EXPECT_EQ(inviteLink(a("fe80::1"), 7788, true), "https://[fe80::1]:7788/");
    // Private ranges first, the loopback and link-local never, the loopback when nothing else.
    EXPECT_EQ(preferredLanAddress({a("127.0.0.1"), a("169.254.3.4"), a("203.0.113.5"), a("10.1.2.3")}),
              a("10.1.2.3"));
    EXPECT_EQ(preferredLanAddress({a("::1"), a("203.0.113.5")}), a("203.0.113.5"));
    EXPECT_EQ(preferredLanAddress({a("127.0.0.1"), a("fe80::1")}), QHostAddress(QHostAddress::LocalHost));
}

// Where a reader looks first: the three finder patterns, dark rings 7 modules wide.
TEST(Invite, TheCodeHasItsFinderPatternsQuietZoneAndFitsTheLink)
{
    const QString link = QStringLiteral("http://192.168.1.20:7780/");
    const int modules = qrModules(link);
    ASSERT_GE(modules, 21);
    const int size = 3;
    const QImage image = qrImage(link, size);
    ASSERT_EQ(image.width(), (modules + 8) * size);
    const auto dark = [&](int x, int y) { return qGray(image.pixel((x + 4) * size, (y + 4) * size)) < 128; };
    for (auto [x0, y0] : {std::pair{0, 0}, std::pair{modules - 7, 0}, std::pair{0, modules - 7}}) {
        EXPECT_TRUE(dark(x0, y0) && dark(x0 + 6, y0 + 6) && dark(x0 + 3, y0 + 3));
        EXPECT_FALSE(dark(x0 + 1, y0 + 1));
    }
    EXPECT_EQ(qGray(image.pixel(size, size)), 255); // quiet zone
    EXPECT_TRUE(qrImage(QString(8000, QLatin1Char('x'))).isNull());
}

TEST(Invite, ThePanelCopiesTheLinkAndSaysWhenThereIsNone)
{
    InvitePanel panel;
    auto* copy = panel.findChild<QPushButton*>(QStringLiteral("copyInviteLink"));
    auto* code = panel.findChild<QLabel*>(QStringLiteral("inviteCode"));
    EXPECT_FALSE(copy->isEnabled());
    panel.setLink(QStringLiteral("http://10.0.0.2:7780/"));
    copy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "http://10.0.0.2:7780/");
    EXPECT_FALSE(code->pixmap().isNull());
}
