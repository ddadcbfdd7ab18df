// The client: server messages fed to the real game window, offscreen, through its receive queue
// and command table, with a few of the player's own actions between them. Whatever the server
// sends, the window must not crash, must keep its lists bounded and must only ever send the
// server whole messages.

#include "chat/chatlog.h"
#include "client/answerpanel.h"
#include "client/gamestarter.h"
#include "client/gameviews.h"
#include "client/gamewindow.h"
#include "client/spectatorlist.h"
#include "client/windowactions.h"
#include "fuzz/fuzzsupport.h"
#include "fuzz/protocolfields.h"
#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "shell/apppaths.h"
#include "shell/gamestartform.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace pictova;

namespace {

struct Client
{
    SpectatorList spectators;
    GameStartForm startform;
    GameWindow chat;
    QList<QByteArray> sent;

    Client()
    {
        chat.setProperty("noParams", true);
        SecondaryWindows windows;
        windows.spectators = &spectators;
        windows.gamestartform = &startform;
        chat.attachWindows(windows);
        chat.session().setManualDrain(true);
        chat.session().setSendOverride([this](const QByteArray& bytes) { sent << bytes; });
    }
};

Client* client = nullptr;

// Every message of the protocol table a server sends: the first version's and this program's own
// (the removal notice, the break of a catch-up and the rest).
const std::vector<const protocol::Message*> kMessages = fuzz::messagesGoing(protocol::Direction::ToClient);

QString text(FuzzedDataProvider& input, size_t max = 24)
{
    return fromWire(QByteArray::fromStdString(input.ConsumeRandomLengthString(max)));
}

// One field: mostly a seat-sized number, else a limit, a word the handlers look for, or anything.
QString field(FuzzedDataProvider& input)
{
    static const QStringList tokens = {
        "-1", "0",     "2147483647", "-2147483648", "99999", "true",        "false",        "1",
        "2",  "clRed", "$00FF00",    "_ _ _ ",      "FAN",   "<b>bold</b>", "http://x.y/z", "10,20"};
    switch (input.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
        return tokens[input.ConsumeIntegralInRange<qsizetype>(0, tokens.size() - 1)];
    case 1:
        return text(input);
    default:
        return QString::number(input.ConsumeIntegralInRange<int>(-1, 16));
    }
}

QString message(FuzzedDataProvider& input)
{
    if (input.ConsumeIntegralInRange<int>(0, 9) == 0)
        return text(input, 64);
    const protocol::Message& m = *kMessages[input.ConsumeIntegralInRange<size_t>(0, kMessages.size() - 1)];
    QStringList fields;
    if (input.ConsumeIntegralInRange<int>(0, 4) == 0) {
        // Any number of fields, whatever they hold.
        const int count = input.ConsumeIntegralInRange<int>(0, 12);
        for (int i = 0; i < count; ++i)
            fields << field(input);
    } else {
        for (const protocol::Field& f : m.notice)
            fields << fuzz::fieldText(input, f);
    }
    return m.qName() + QLatin1Char('+') + fields.join(QLatin1Char('+'));
}

// The player's own actions, which act on whatever the server's messages made of the window.
void playerAction(FuzzedDataProvider& input)
{
    GameWindow& chat = client->chat;
    switch (input.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
        chat.session().pass();
        break;
    case 1:
        chat.actions().chooseCategory(input.ConsumeIntegralInRange<int>(-1, 7));
        break;
    case 2:
        chat.views().answerPanel().field()->setText(text(input));
        chat.actions().enterGuess();
        break;
    case 3:
        chat.session().toggleJustWatch();
        break;
    case 4:
        chat.actions().prepareSeatMenu(input.ConsumeIntegralInRange<int>(0, 11));
        chat.session().watchers().onRemoveFromGame();
        break;
    default:
        chat.starter().startGame();
        break;
    }
}

void checkWindow()
{
    GameWindow& chat = client->chat;
    // One line per spectator seat at most, and the other lists stay within their limits.
    FUZZ_CHECK(client->spectators.entries().size() <= kHighestSeat - kPlayerSeats);
    FUZZ_CHECK(chat.views().answerPanel().guesses()->count() <= 500);
    FUZZ_CHECK(chat.views().chatLog().lineCount() <= 10000);
    // A message box per message would bury the screen: the same notice is shown once.
    QStringList shown;
    for (QMessageBox* box : chat.findChildren<QMessageBox*>())
        if (box->isVisible()) {
            FUZZ_CHECK(!shown.contains(box->text()));
            shown << box->text();
        }
    // Whatever the window sends is whole messages; only the log-in carries an extra terminator.
    for (const QByteArray& bytes : client->sent) {
        FUZZ_CHECK(bytes.endsWith(kTerminator));
        const QByteArray body = bytes.chopped(1);
        FUZZ_CHECK(!body.contains(kTerminator) ||
                   (body.startsWith("CMD_logininfo+") && body.indexOf(kTerminator) == body.size() - 1));
    }
    client->sent.clear();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startGuiApplication(argc, argv);
    fuzz::captureReportedErrors();
    static QTemporaryDir data(fuzz::scratchTemplate());
    overrideDataFolder(data.path());
    client = new Client;
    client->chat.show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    GameWindow& chat = client->chat;
    // Each input starts from a window that has not logged in yet, as a new connection would.
    GameModel& model = chat.model();
    model.setMySeat(0);
    model.setLoggedIn(false);
    model.setDrawer(0);
    model.setTurnCaption({});
    model.setHosting(input.ConsumeBool());
    chat.session().setLoginName(QStringLiteral("Me"));
    if (!chat.isVisible())
        chat.show();
    // A log kept across inputs would sit at its cap, and laying out thousands of lines made each
    // input slow while testing nothing new: the cap has its own tests.
    chat.views().chatLog().clearLog();

    while (input.remaining_bytes() > 0) {
        if (input.ConsumeIntegralInRange<int>(0, 7) == 0) {
            playerAction(input);
        } else {
            const int burst = input.ConsumeIntegralInRange<int>(1, 3);
            for (int i = 0; i < burst; ++i)
                chat.session().queueEntry(message(input));
            while (chat.session().pendingEntries() > 0)
                chat.session().processsocktimer();
        }
        checkWindow();
    }
    // Let the window lay itself out and paint what it was sent.
    QApplication::processEvents();
    fuzz::takeReportedErrors();
    checkWindow();
    return 0;
}
