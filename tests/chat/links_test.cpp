#include "chat/links.h"

#include <gtest/gtest.h>

using namespace pictova;

namespace {
// The link found with the pointer on the first occurrence of `inside` in `line`.
std::optional<LinkSpan> linkOver(const QString& line, const QString& inside)
{
    return linkAt(line, line.indexOf(inside));
}
} // namespace

TEST(LinkAt, FindsEachKindOfLinkAndTrimsTrailingPunctuation)
{
    const QString line = QStringLiteral("see http://example.com/path.), ftp://files.org/dir/ "
                                        "mailto:bob@x.org, news:comp.games! www.a.b?");
    EXPECT_EQ(linkOver(line, QStringLiteral("example"))->text, QStringLiteral("http://example.com/path"));
    EXPECT_EQ(linkOver(line, QStringLiteral("files"))->text, QStringLiteral("ftp://files.org/dir/"));
    EXPECT_EQ(linkOver(line, QStringLiteral("bob"))->text, QStringLiteral("mailto:bob@x.org"));
    EXPECT_EQ(linkOver(line, QStringLiteral("comp"))->text, QStringLiteral("news:comp.games"));
    EXPECT_EQ(linkOver(line, QStringLiteral("www"))->text, QStringLiteral("www.a.b"));
    EXPECT_EQ(linkOver(line, QStringLiteral("example"))->start, 4);
    EXPECT_FALSE(linkOver(line, QStringLiteral("see")));
}

TEST(LinkAt, FirstPrefixInListOrderWinsAndTheLinkStartsInsideTheWord)
{
    const QString line = QStringLiteral("x www.site.com/http://other.net y");
    const auto link = linkOver(line, QStringLiteral("site"));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->text, QStringLiteral("http://other.net"));
    EXPECT_EQ(link->start, line.indexOf(QStringLiteral("http")));

    const QString wrapped = QStringLiteral("(see:HTTP://Up.Case/Path)");
    const auto upper = linkAt(wrapped, 2);
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->text, QStringLiteral("HTTP://Up.Case/Path")); // as written in the log
}

TEST(LinkAt, LinksNoLongerThanTheirPrefixDoNotCount)
{
    EXPECT_FALSE(linkAt(QStringLiteral("http://"), 2));
    EXPECT_FALSE(linkAt(QStringLiteral("http://..!"), 2));
    EXPECT_FALSE(linkAt(QStringLiteral("www."), 1));
    EXPECT_FALSE(linkAt(QStringLiteral("mailto:,"), 1));
    // A too-short first prefix does not fall back to a later one.
    EXPECT_FALSE(linkAt(QStringLiteral("www.x.comhttp://"), 1));
    ASSERT_TRUE(linkAt(QStringLiteral("www.x"), 1));
    EXPECT_EQ(linkAt(QStringLiteral("news:a"), 1)->text, QStringLiteral("news:a"));
}

TEST(LinkAt, WordsEndAtBlanksAndLineBreaksAndPositionsOutsideAreSafe)
{
    const QString line = QStringLiteral("a\nhttp://x.y\r\nb");
    EXPECT_EQ(linkAt(line, 4)->text, QStringLiteral("http://x.y"));
    EXPECT_FALSE(linkAt(line, 0));
    EXPECT_FALSE(linkAt(line, line.size()));
    EXPECT_FALSE(linkAt(line, -1));
    EXPECT_FALSE(linkAt(line, line.size() + 1));
    EXPECT_FALSE(linkAt(QString(), 0));
    EXPECT_FALSE(linkAt(QStringLiteral("   "), 1));
    // Characters outside a-z, 0-9 and "/" end a link, accented letters included.
    EXPECT_EQ(linkAt(QStringLiteral("http://x.y\u00BB\u00E9"), 3)->text, QStringLiteral("http://x.y"));
}

TEST(UrlToOpen, OpensWebFtpMailAndNewsButNotLocalOrShellLinks)
{
    EXPECT_EQ(urlToOpen(QStringLiteral("http://Example.com/A"))->toString(),
              QStringLiteral("http://example.com/A"));
    EXPECT_EQ(urlToOpen(QStringLiteral("WWW.Example.com/A"))->toString(),
              QStringLiteral("http://www.example.com/A"));
    EXPECT_EQ(urlToOpen(QStringLiteral("ftp://files.org/dir/"))->scheme(), QStringLiteral("ftp"));
    EXPECT_EQ(urlToOpen(QStringLiteral("mailto:bob@x.org"))->scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(urlToOpen(QStringLiteral("news:comp.games"))->scheme(), QStringLiteral("news"));
    EXPECT_FALSE(urlToOpen(QStringLiteral("file:///etc/passwd")));
    EXPECT_FALSE(urlToOpen(QStringLiteral("FILE://c/windows")));
    EXPECT_FALSE(urlToOpen(QStringLiteral("gopher://old.net")));
    EXPECT_FALSE(urlToOpen(QStringLiteral("telnet://host")));
    EXPECT_FALSE(urlToOpen(QStringLiteral("javascript:alert(1)")));
    EXPECT_FALSE(urlToOpen(QStringLiteral("http://[broken")));
}
