#include "chat/chatlog.h"
#include "chat/received.h"
#include "messaging/catalogue.h"
#include "messaging/wire.h"

#include <QTextBlock>
#include <gtest/gtest.h>

using namespace pictova;

namespace {
constexpr ColourValue kWhite = rgbColour(255, 255, 255);

// The payload of a relayed line, taken from the message the server builds.
QString relayedPayload(const QByteArray& message)
{
    QString text = fromWire(message);
    text.chop(1); // terminator
    return text.mid(text.indexOf(QLatin1Char('+')) + 1);
}
} // namespace

TEST(ReceivedChatLine, ColourComesFromTheTextAfterTheFirstBar)
{
    const ShownLine named =
        receivedChatLine(relayedPayload(toclient::chat(QStringLiteral("Ann"), QStringLiteral("a+b|clRed"))));
    EXPECT_EQ(named.text, QStringLiteral("Ann chats: a+b"));
    EXPECT_EQ(named.colour, rgbColour(255, 0, 0));

    EXPECT_EQ(receivedChatLine(QStringLiteral("Ann waves|CLMAROON")).colour, rgbColour(0x80, 0, 0));
    EXPECT_EQ(receivedChatLine(QStringLiteral("Ann waves|$000000FF")).colour, rgbColour(255, 0, 0));
    EXPECT_EQ(receivedChatLine(QStringLiteral("Ann waves|255")).colour, rgbColour(255, 0, 0));
}

TEST(ReceivedChatLine, MissingOrUnreadableColourShowsWhite)
{
    const ShownLine bad = receivedChatLine(QStringLiteral("Ann chats: hi|blackish"));
    EXPECT_EQ(bad.text, QStringLiteral("Ann chats: hi"));
    EXPECT_EQ(bad.colour, kWhite);

    const ShownLine none = receivedChatLine(QStringLiteral("Ann chats: hi"));
    EXPECT_EQ(none.text, QStringLiteral("Ann chats: hi"));
    EXPECT_EQ(none.colour, kWhite);

    EXPECT_EQ(receivedChatLine(QStringLiteral("x|")).colour, kWhite);
    EXPECT_EQ(receivedChatLine(QString()).text, QString());

    // A "|" typed into the text cuts the line there, and what follows is no colour.
    const ShownLine cut = receivedChatLine(QStringLiteral("Ann chats: a|b|clMaroon"));
    EXPECT_EQ(cut.text, QStringLiteral("Ann chats: a"));
    EXPECT_EQ(cut.colour, kWhite);
}

TEST(ChatReceived, AppendsTheLineToTheLog)
{
    ChatLog log;
    chatReceived(log, QStringLiteral("Ann chats: hello|clNavy"));
    chatReceived(log, QStringLiteral("Bob says: Nice Try!|nonsense"));
    log.flush();
    EXPECT_EQ(log.toPlainText(), QStringLiteral("Ann chats: hello\nBob says: Nice Try!\n"));
    const QTextCharFormat first = log.document()->firstBlock().begin().fragment().charFormat();
    EXPECT_EQ(first.foreground().color(), QColor(0, 0, 0x80));
    EXPECT_GE(first.fontWeight(), QFont::Bold);
    const QTextCharFormat second = log.document()->findBlockByNumber(1).begin().fragment().charFormat();
    EXPECT_EQ(second.foreground().color(), QColor(Qt::white));
}
