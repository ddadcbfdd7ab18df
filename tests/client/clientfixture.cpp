#include "tests/client/clientfixture.h"

#include "chat/chatlog.h"
#include "client/seatpanelview.h"
#include "client/spylist.h"
#include "messaging/wire.h"
#include "shell/apppaths.h"
#include "shell/gamestartform.h"

namespace pictova::test {

void ClientFixture::SetUp()
{
    ASSERT_TRUE(m_data.isValid());
    overrideDataFolder(m_data.path());
    qputenv("PICTOVA_NO_SOUND", "1");
    m_chat = std::make_unique<Tchat>();
    m_chat->setProperty("noParams", true);
    m_spylist = std::make_unique<Tspylist>();
    m_startform = std::make_unique<Tgamestartform>();
    SecondaryWindows windows;
    windows.spylist = m_spylist.get();
    windows.gamestartform = m_startform.get();
    m_chat->attachWindows(windows);
    m_chat->session().setManualDrain(true);
    m_chat->session().setSendOverride([this](const QByteArray& bytes) { m_sent << bytes; });
    m_chat->show();
}

void ClientFixture::TearDown()
{
    m_chat.reset();
    overrideDataFolder(QString());
}

void ClientFixture::receive(const QStringList& entries)
{
    for (const QString& entry : entries)
        m_chat->session().queueEntry(entry);
    while (m_chat->session().pendingEntries() > 0)
        m_chat->session().processsocktimer();
    // A frame passes: the seats and the chat log show what the messages changed.
    m_chat->seatPanel().flush();
    m_chat->view().mainchat->flush();
}

void ClientFixture::logIn(int seat, const QString& name)
{
    m_chat->session().setLoginName(name);
    receive({QStringLiteral("CMD_sendlogininfo+%1").arg(seat),
             QStringLiteral("CMD_newplayerinfo+%1+%2").arg(seat).arg(name)});
    m_sent.clear();
}

QStringList ClientFixture::sentEntries() const
{
    QStringList entries;
    for (const QByteArray& bytes : m_sent)
        for (const QByteArray& part : bytes.split('\xff'))
            if (!part.isEmpty())
                entries << fromWire(part);
    return entries;
}

QStringList ClientFixture::chatLines() const
{
    m_chat->view().mainchat->flush(); // as the next frame shows it
    return m_chat->view().mainchat->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString ClientFixture::lastChatLine() const
{
    return chatLines().value(chatLines().size() - 1);
}

} // namespace pictova::test
