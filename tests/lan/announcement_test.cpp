#include "lan/announcement.h"
#include "messaging/version.h"

#include <QList>
#include <gtest/gtest.h>

using namespace pictova::lan;

namespace {

Announcement sample()
{
    return Announcement{QStringLiteral("Ann"), 7772, 3, 7, true, QStringLiteral("2.2.4")};
}

QByteArray datagramWith(const QByteArray& fields)
{
    return QByteArray(kAnnouncementTag) + '\n' + fields;
}

const QByteArray kValidFields = "name=Ann\nport=7772\nplayers=3\nfree=7\nrunning=1\nversion=2.2.4\n";

// The valid datagram with one field's line replaced.
QByteArray withField(const QByteArray& key, const QByteArray& line)
{
    QList<QByteArray> lines = kValidFields.split('\n');
    for (QByteArray& l : lines)
        if (l.startsWith(key + '='))
            l = line;
    return datagramWith(lines.join('\n'));
}

bool parses(const QByteArray& datagram)
{
    return parseAnnouncement(datagram).has_value();
}

} // namespace

TEST(Announcement, BuildsTheDocumentedTextAndReadsItBack)
{
    const auto datagram = buildAnnouncement(sample());
    ASSERT_TRUE(datagram);
    EXPECT_EQ(*datagram, datagramWith(kValidFields));
    EXPECT_EQ(parseAnnouncement(*datagram), sample());
}

TEST(Announcement, RoundTripsEveryLimitAndNonAsciiNames)
{
    const QString widest = QString(32, QChar(0x4E2D));
    QString emoji;
    for (int i = 0; i < 32; ++i)
        emoji += QString::fromUcs4(U"\U0001F3A8", 1); // 32 characters, 64 UTF-16 units, 128 bytes
    for (const Announcement& a : {
             Announcement{QString(), 1, 0, 0, false, QStringLiteral("1")},
             Announcement{widest, 65535, 15, 15, true, QString(16, u'9')},
             Announcement{emoji, 7772, 15, 0, false, QStringLiteral("2.2.4+lan_1~rc-2")},
             Announcement{QStringLiteral("Zoë & <b>Ann</b>|clRed"), 7772, 1, 14, true,
                          QString::fromLatin1(pictova::kVersion)},
         }) {
        const auto datagram = buildAnnouncement(a);
        ASSERT_TRUE(datagram) << a.hostName.toStdString();
        EXPECT_LE(datagram->size(), kMaxDatagramSize);
        EXPECT_EQ(parseAnnouncement(*datagram), a);
    }
}

TEST(Announcement, EachFieldAtItsLimitAndOnePast)
{
    const QByteArray name32 = "name=" + QByteArray(32, 'n');
    EXPECT_TRUE(parses(withField("name", name32)));
    EXPECT_FALSE(parses(withField("name", name32 + 'n')));
    // Counted in characters, not bytes: 32 three-byte characters fit, 33 do not.
    const QByteArray wide = QString(32, QChar(0x4E2D)).toUtf8();
    EXPECT_TRUE(parses(withField("name", "name=" + wide)));
    EXPECT_FALSE(parses(withField("name", "name=" + wide + QString(QChar(0x4E2D)).toUtf8())));

    EXPECT_TRUE(parses(withField("version", "version=" + QByteArray(16, 'v'))));
    EXPECT_FALSE(parses(withField("version", "version=" + QByteArray(17, 'v'))));
    EXPECT_FALSE(parses(withField("version", "version=")));

    EXPECT_TRUE(parses(withField("port", "port=1")));
    EXPECT_TRUE(parses(withField("port", "port=65535")));
    EXPECT_FALSE(parses(withField("port", "port=0")));
    EXPECT_FALSE(parses(withField("port", "port=65536")));
    EXPECT_FALSE(parses(withField("port", "port=99999")));
    EXPECT_FALSE(parses(withField("port", "port=007772"))); // six digits
    for (const QByteArray key : {"players", "free"}) {
        EXPECT_TRUE(parses(withField(key, key + "=0")));
        EXPECT_TRUE(parses(withField(key, key + "=15")));
        EXPECT_FALSE(parses(withField(key, key + "=16")));
        EXPECT_FALSE(parses(withField(key, key + "=-1")));
        EXPECT_FALSE(parses(withField(key, key + "=+1")));
        EXPECT_FALSE(parses(withField(key, key + "= 1")));
        EXPECT_FALSE(parses(withField(key, key + "=")));
        EXPECT_FALSE(parses(withField(key, key + "=1x")));
        EXPECT_FALSE(parses(withField(key, key + "=4294967299"))); // wraps to 3 in 32 bits
    }
    EXPECT_TRUE(parses(withField("running", "running=0")));
    EXPECT_FALSE(parses(withField("running", "running=2")));
    EXPECT_FALSE(parses(withField("running", "running=true")));

    // The builder refuses what the parser would.
    Announcement a = sample();
    a.hostName = QString(33, u'n');
    EXPECT_FALSE(buildAnnouncement(a));
    a = sample();
    a.players = 16;
    EXPECT_FALSE(buildAnnouncement(a));
    a = sample();
    a.freeSeats = -1;
    EXPECT_FALSE(buildAnnouncement(a));
    a = sample();
    a.port = 0;
    EXPECT_FALSE(buildAnnouncement(a));
    a = sample();
    a.version = QStringLiteral("2.2.4 beta");
    EXPECT_FALSE(buildAnnouncement(a));
}

TEST(Announcement, NamesCarryNoLineBreaksOrControlsAndOnlyValidUtf8)
{
    EXPECT_FALSE(parses(withField("name", "name=A\rB")));
    EXPECT_FALSE(parses(withField("name", QByteArray("name=A\0B", 8))));
    EXPECT_FALSE(parses(withField("name", "name=A\x7f")));
    EXPECT_FALSE(parses(withField("name", "name=A\xc2\x85")));     // next line, a C1 control
    EXPECT_FALSE(parses(withField("name", "name=A\xe2\x80\xa8"))); // line separator
    EXPECT_FALSE(parses(withField("name", "name=\xff\xfe")));
    EXPECT_FALSE(parses(withField("name", "name=\xc0\xaf")));     // overlong "/"
    EXPECT_FALSE(parses(withField("name", "name=\xed\xa0\x80"))); // a surrogate
    EXPECT_FALSE(parses(withField("name", "name=\xe4\xb8")));     // cut inside a character
    EXPECT_TRUE(parses(withField("name", "name=a=b")));           // only the first '=' splits
}

TEST(Announcement, RefusesAnythingButTheWholeFormat)
{
    const QByteArray valid = datagramWith(kValidFields);
    // Every cut short of the whole datagram is refused: no field may be missing, the end is marked.
    for (qsizetype cut = 0; cut < valid.size(); ++cut)
        EXPECT_FALSE(parses(valid.first(cut))) << cut;

    EXPECT_FALSE(parses(QByteArray()));
    EXPECT_FALSE(parses("PICTOVA-LAN 2\n" + kValidFields));
    EXPECT_FALSE(parses("pictova-lan 1\n" + kValidFields));
    EXPECT_FALSE(parses("\xef\xbb\xbf" + valid));                    // a byte-order mark in front
    EXPECT_FALSE(parses(datagramWith("name=Bob\n" + kValidFields))); // a key twice
    EXPECT_FALSE(parses(datagramWith(kValidFields + "port=1\n")));
    EXPECT_FALSE(parses(datagramWith(kValidFields + "\n")));         // an empty line
    EXPECT_FALSE(parses(datagramWith(kValidFields + "nonsense\n"))); // a line without '='
    EXPECT_FALSE(parses(datagramWith(kValidFields + "=1\n")));       // an empty key
    EXPECT_FALSE(parses(datagramWith(kValidFields + "Seats=1\n")));  // keys are lower case
    EXPECT_FALSE(parses(QByteArray(valid).replace('\n', "\r\n")));

    // Fields of a later sender are skipped, in any order.
    EXPECT_EQ(parseAnnouncement(datagramWith("colour=teal\n" + kValidFields + "mode=teams\n")), sample());

    // The web client's port, when there is one, goes after the six fields; a reader of the six
    // alone (any field it does not know skipped, as above) reads the same game.
    Announcement withWeb = sample();
    withWeb.webPort = 7780;
    const QByteArray web = *buildAnnouncement(withWeb);
    EXPECT_EQ(web, *buildAnnouncement(sample()) + "web=7780\n");
    EXPECT_EQ(parseAnnouncement(web), withWeb);
    for (const QByteArray bad : {"web=0\n", "web=65536\n", "web=x\n", "web=1\nweb=1\n"})
        EXPECT_FALSE(parses(datagramWith(kValidFields + bad))) << bad.constData();
}

TEST(Announcement, ReadsAtMost512Bytes)
{
    const QByteArray valid = datagramWith(kValidFields);
    const QByteArray padding = "x-pad=";
    const QByteArray at512 =
        valid + padding + QByteArray(512 - valid.size() - padding.size() - 1, 'p') + '\n';
    ASSERT_EQ(at512.size(), 512);
    EXPECT_EQ(parseAnnouncement(at512), sample());
    const QByteArray at513 = valid + padding + QByteArray(512 - valid.size() - padding.size(), 'p') + '\n';
    EXPECT_FALSE(parses(at513));
    EXPECT_FALSE(parses(valid + QByteArray(64 * 1024, 'p')));
}

TEST(Announcement, FitHostNameMakesAnyNameAnnounceable)
{
    EXPECT_EQ(fitHostName(QStringLiteral("Ann")), QStringLiteral("Ann"));
    EXPECT_EQ(fitHostName(QStringLiteral("A\nB\tC")), QStringLiteral("A B C"));
    EXPECT_EQ(fitHostName(QString(40, u'x')), QString(32, u'x'));
    // A character outside the basic plane is never cut in half.
    QString emoji;
    for (int i = 0; i < 40; ++i)
        emoji += QString::fromUcs4(U"\U0001F3A8", 1);
    EXPECT_EQ(fitHostName(emoji), emoji.left(64));
    const QString lone = QString(QChar(0xD800)) + u'x';
    EXPECT_EQ(fitHostName(lone), QString(QChar(QChar::ReplacementCharacter)) + u'x');
    for (const QString& name : {QString(40, u'x'), emoji, lone, QStringLiteral("\x01\x02")}) {
        Announcement a = sample();
        a.hostName = fitHostName(name);
        const auto datagram = buildAnnouncement(a);
        ASSERT_TRUE(datagram);
        EXPECT_EQ(parseAnnouncement(*datagram), a);
    }
}
