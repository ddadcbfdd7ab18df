// The album: the drawer's stroke messages as a guesser's window receives them, whatever they
// hold, then the turn's end. The album keeps the turn, and its replay must make exactly the
// pixels the board shows; the record never passes its cap.

#include "album/album.h"
#include "album/albumrecorder.h"
#include "album/replaytimeline.h"
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "client/gamewindow.h"
#include "client/spectatorlist.h"
#include "fuzz/fuzzsupport.h"
#include "fuzz/strokepayload.h"
#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "shell/apppaths.h"
#include "shell/gamestartform.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QTemporaryDir>

using namespace pictova;

namespace {

constexpr int kMySeat = 2;

struct Client
{
    QTemporaryDir data{fuzz::scratchTemplate()};
    SpectatorList spectators;
    GameStartForm startform;
    GameWindow chat;

    Client()
    {
        overrideDataFolder(data.path());
        chat.setProperty("noParams", true);
        SecondaryWindows windows;
        windows.spectators = &spectators;
        windows.gamestartform = &startform;
        chat.attachWindows(windows);
        chat.session().setManualDrain(true);
        chat.session().setSendOverride([](const QByteArray&) {});
        receive({QStringLiteral("CMD_sendlogininfo+%1").arg(kMySeat),
                 QStringLiteral("CMD_newplayerinfo+2+Me"), "CMD_existingplayers+1+Ann",
                 "CMD_startgame+1+false+20+120"});
    }

    void receive(const QStringList& entries)
    {
        for (const QString& entry : entries)
            chat.session().queueEntry(entry);
        while (chat.session().pendingEntries() > 0)
            chat.session().processsocktimer();
    }
};

Client* client = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startGuiApplication(argc, argv);
    client = new Client;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    client->receive({"CMD_pickcatagory+1", "CMD_nextplayer+1+0+___ "});
    QStringList messages;
    while (input.remaining_bytes() > 0) {
        static const QString kinds[] = {cmd::moveit, cmd::clearmain, cmd::draw, cmd::draw};
        const QString& command = kinds[input.ConsumeIntegralInRange<int>(0, 3)];
        messages << command + QLatin1Char('+') + fuzz::strokePayloadFrom(input, kMySeat);
    }
    client->receive(messages);
    FUZZ_CHECK(client->chat.albumRecorder().currentRecord().bytes() <= drawing::TurnDrawing::kByteCap);
    client->receive({"CMD_correctanswer+2+2+1+1+FAN"});

    const Album& album = client->chat.album();
    FUZZ_CHECK(album.size() >= 1 && album.size() <= Album::kMaxEntries);
    const AlbumEntry& entry = album.entries().back();
    FUZZ_CHECK(entry.board() == client->chat.canvas()->backup());
    ReplayTimeline replay(entry.strokes(), entry.board().size());
    replay.runToEnd();
    FUZZ_CHECK(replay.image() == entry.board());
    return 0;
}
