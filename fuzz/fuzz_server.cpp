// The server: requests from several connections fed through its framing, queue and dispatcher,
// with drain steps and turn-timer ticks between them. The connections are the server's own
// socketless test connections, so every byte takes the path a socket's bytes take. After each
// step the player table and the game state are checked against what must always hold.

#include "fuzz/fuzzsupport.h"
#include "fuzz/protocolfields.h"
#include "messaging/catalogue.h"
#include "messaging/version.h"
#include "messaging/wire.h"
#include "server/gameserver.h"
#include "server/logindeadline.h"
#include "server/playernames.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <set>

using namespace pictova;

namespace {

// Short lists of short phrases, so a guess can find them; a few entries are there to trip the
// judging (blanks at either end, doubled blanks, letters other than a..z, other scripts,
// punctuation on its own and inside a word).
WordLists fuzzLists()
{
    WordLists lists;
    lists[0] = {"fan", "big dog", "cat"};
    lists[1] = {"run", "jump high"};
    lists[2] = {"a b", "x-ray vision", " lead"};
    lists[3] = {"rock  roll", "pop"};
    lists[4] = {"jaws", "the end "};
    lists[5] = {"news", "wouldn't it", "bread & butter"};
    lists[6] = {"tea", "caf\u00e9 au lait", "\u03b3\u03ac\u03c4\u03b1 \U0001F408"};
    return lists;
}

const QStringList kWords = {"FAN",       "BIG",  "DOG", "CAT",     "RUN",       "JUMP",
                            "HIGH",      "A",    "B",   "X-RAY",   "VISION",    "LEAD",
                            "ROCK",      "ROLL", "POP", "JAWS",    "THE",       "END",
                            "NEWS",      "TEA",  "",    " ",       "_",         "WOULDNT",
                            "IT!",       "BRED", "&",   "BUTTERS", "CAF\u00c9", "\u0393\u0386\u03a4\u0391",
                            "\U0001F408"};

const QStringList& kClientCommands = toClientCommands();
const QStringList& kOwnPeerCommands = ownPeerToClientCommands();

// The limits on what waits from one connection, low enough that a few messages reach them: at
// the real limits every input that found them spent its time draining hundreds of messages.
constexpr int kQueueLimit = 12;
constexpr int kByteLimit = 4096;

QString text(FuzzedDataProvider& input, size_t max = 24)
{
    return fromWire(QByteArray::fromStdString(input.ConsumeRandomLengthString(max)));
}

QString seatField(FuzzedDataProvider& input, int own)
{
    return input.ConsumeIntegralInRange<int>(0, 7) == 0 ? fuzz::rangedNumber(input, 1, PlayerTable::kSeats)
                                                        : QString::number(own);
}

// Now and then a word of a phrase, which must not reach anyone while it is drawn.
QString lineWithWords(FuzzedDataProvider& input)
{
    QStringList words;
    const int count = input.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < count; ++i)
        words << (input.ConsumeBool() ? kWords[input.ConsumeIntegralInRange<qsizetype>(0, kWords.size() - 1)]
                                      : text(input, 8));
    return words.join(QLatin1Char(' '));
}

const std::vector<const protocol::Message*> kRequests = fuzz::messagesGoing(protocol::Direction::ToServer);

// One request of the protocol table as a client would compose it, mostly in its own name.
QString request(FuzzedDataProvider& input, int own)
{
    const qsizetype pick = input.ConsumeIntegralInRange<qsizetype>(0, qsizetype(kRequests.size()));
    if (pick == qsizetype(kRequests.size()))
        // Names that only clients know, other letter case, no "+" at all.
        return input.ConsumeBool() ? QStringLiteral("CMD_nextplayer+1+0+_ ") : text(input);
    const protocol::Message& m = *kRequests[size_t(pick)];
    QStringList fields{seatField(input, own)};
    for (size_t i = 1; i < m.request.size(); ++i) {
        const protocol::Field& field = m.request[i];
        if (m.id == protocol::Id::logininfo && i == 1 && input.ConsumeBool())
            fields << QString::fromLatin1(kVersion);
        else if (field.kind == protocol::Kind::Text && m.rate != protocol::Rate::Serving)
            fields << lineWithWords(input) +
                          (m.rate == protocol::Rate::Chat
                               ? QLatin1Char('|') +
                                     fuzz::fieldText(input, protocol::Field{"colour", protocol::Kind::Colour})
                               : QString());
        else if (field.kind == protocol::Kind::FeatureWords && input.ConsumeBool())
            fields << feature::ours().join(QLatin1Char(','));
        else
            fields << fuzz::fieldText(input, field);
    }
    // A seat-only request with something after it.
    if (m.request.size() == 1 && input.ConsumeIntegralInRange<int>(0, 3) == 0)
        fields << text(input, 6);
    return m.qName() + QLatin1Char('+') + fields.join(QLatin1Char('+'));
}

// Everything the server sends is one whole message of a command some client handles: a
// first-version client, or only this program's own.
void checkSent(const GameServer& server, int seat, const QByteArray& bytes)
{
    FUZZ_CHECK(server.players().occupied(seat));
    FUZZ_CHECK(bytes.endsWith(kTerminator));
    FUZZ_CHECK(bytes.indexOf(kTerminator) == bytes.size() - 1);
    const QString entry = fromWire(bytes.chopped(1));
    const qsizetype plus = entry.indexOf(QLatin1Char('+'));
    FUZZ_CHECK(plus > 0);
    FUZZ_CHECK(kClientCommands.contains(entry.left(plus)) || kOwnPeerCommands.contains(entry.left(plus)));
}

struct Model
{
    int seatcount = 0;
    std::set<int> live; // seats of our connections that the server has not closed
    qint64 now = 0;     // the log-in deadline's clock
    std::map<int, qint64> connectedAt;
};

enum class Step { Connect, Close, Feed, Drain, Tick, Deadline };

void checkTable(const GameServer& server, Model& model, Step step)
{
    const PlayerTable& players = server.players();
    const GameState& game = server.game();
    FUZZ_CHECK(server.seatcount() >= model.seatcount && server.seatcount() <= PlayerTable::kSeats);
    model.seatcount = server.seatcount();

    std::set<ConnectionId> connections;
    for (int seat = 0; seat <= PlayerTable::kSeats + 1; ++seat) {
        const tplayer& player = players.at(seat);
        const bool beyond = seat == 0 || seat > server.seatcount();
        if (beyond)
            FUZZ_CHECK(!player.connected);
        // A team's points reach its empty seats too, but a game of single players starts every
        // seat at 0 and only seats in play score.
        if (beyond && (seat == 0 || seat > PlayerTable::kSeats || (game.gamerunning && !game.teamgame)))
            FUZZ_CHECK(player.score == 0);
        if (!player.connected) {
            // No seat both free and named, nor free and benched.
            FUZZ_CHECK(player.name.isEmpty() && !player.watching && player.connection == 0);
            // Only the server's own closing, or the peer's, frees a seat.
            if (model.live.count(seat)) {
                FUZZ_CHECK(step != Step::Connect && step != Step::Tick);
                model.live.erase(seat);
            }
        } else {
            FUZZ_CHECK(PlayerTable::isSeat(seat));
            FUZZ_CHECK(model.live.count(seat)); // nobody sits down without connecting
            FUZZ_CHECK(player.connection != 0 && connections.insert(player.connection).second);
            // Past the deadline only connections that logged in keep their seats.
            if (step == Step::Deadline && !player.loggedIn)
                FUZZ_CHECK(model.now - model.connectedAt[seat] < LoginDeadline::kLimitMs);
        }
    }
    // Names as seated: never blank, never long, never two alike.
    std::set<QString> names;
    for (int seat : players.occupiedSeats()) {
        const tplayer& player = players.at(seat);
        if (!player.loggedIn)
            continue;
        FUZZ_CHECK(!player.name.trimmed().isEmpty() &&
                   player.name.toUcs4().size() <= playernames::kMaxLength);
        FUZZ_CHECK(names.insert(player.name).second);
    }

    FUZZ_CHECK(game.drawer == 0 || PlayerTable::isBoardSeat(game.drawer));
    FUZZ_CHECK(game.gamerunning == (game.phase != Phase::None));
    FUZZ_CHECK(server.roundtimeEnabled() == (game.phase != Phase::None));
    FUZZ_CHECK(server.drawingLog().bytes() <= drawing::TurnDrawing::kByteCap);
    // Every stroke that may still be taken back begins with a press the log holds.
    const drawing::TurnDrawing& drawing = server.drawingLog();
    FUZZ_CHECK(drawing.undoable() >= 0 && drawing.undoable() <= undo::kMaxStrokes);
    qsizetype presses = 0;
    for (const drawing::Mark& mark : drawing.marks())
        presses += mark.isPress() && mark.text.startsWith(cmd::moveit + QLatin1Char('+')) ? 1 : 0;
    FUZZ_CHECK(drawing.undoable() <= presses);
    FUZZ_CHECK(server.queuedRequests() <= PlayerTable::kSeats * (kQueueLimit + 1));
    if (game.phase == Phase::Drawing) {
        // The hint shows the phrase with only unfound characters hidden, plus one blank.
        FUZZ_CHECK(game.hint.size() == game.phrase.size() + 1 && game.hint.endsWith(QLatin1Char(' ')));
        for (qsizetype i = 0; i < game.phrase.size(); ++i)
            FUZZ_CHECK(game.hint[i] == game.phrase[i] || game.hint[i] == QLatin1Char('_'));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startCoreApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    GameServer server;
    server.setManualTimers(true);
    server.setQueueLimits(kQueueLimit, kByteLimit);
    server.setWordLists(fuzzLists());
    server.setRandomSeed(input.ConsumeIntegral<quint32>());
    const bool solo = input.ConsumeBool();
    server.setSoloGameSource([solo] { return solo; });
    server.setTestSink([&server](int seat, const QByteArray& bytes) { checkSent(server, seat, bytes); });
    Model model;
    server.setLoginClock([&model] { return model.now; });
    server.setUndoClock([&model] { return model.now; });
    // The limits on chat lines and guesses count on the same clock as the log-in deadline.
    server.setLineLimitClock([&model] { return model.now; });

    while (input.remaining_bytes() > 0) {
        const auto op = input.ConsumeIntegral<uint8_t>();
        const std::vector<int> live(model.live.begin(), model.live.end());
        const int seat = live.empty() ? 0 : live[op % live.size()];
        Step step = Step::Feed;
        switch ((op >> 4) % 8) {
        case 0: {
            step = Step::Connect;
            // The lowest free seat, or a new one above all others, or none when all are taken.
            std::optional<int> expected;
            for (int s = 1; s <= PlayerTable::kSeats && !expected; ++s)
                if (!model.live.count(s))
                    expected = s;
            const std::optional<int> given = server.attachTestConnection();
            FUZZ_CHECK(given == expected);
            if (given) {
                model.live.insert(*given);
                model.connectedAt[*given] = model.now;
            }
            break;
        }
        case 1:
            step = Step::Close;
            if (seat)
                server.closeTestConnection(seat);
            break;
        case 2: // raw bytes in any cut, or more than the server takes from one peer
            if (!seat)
                break;
            switch (input.ConsumeIntegralInRange<int>(0, 7)) {
            case 0:
                server.feedTestConnection(seat, QByteArray(MessageFramer::kFragmentCap - 1 +
                                                               input.ConsumeIntegralInRange<int>(0, 2),
                                                           'x'));
                break;
            case 1: // right at the limit on waiting messages
                server.feedTestConnection(
                    seat, QByteArray(kQueueLimit - 1 + input.ConsumeIntegralInRange<int>(0, 2), kTerminator));
                break;
            case 2: { // right at the limit on waiting bytes, in four messages
                const int each = kByteLimit / 4 - 1 + input.ConsumeIntegralInRange<int>(0, 2);
                server.feedTestConnection(seat, (QByteArray(each, 'y') + kTerminator).repeated(4));
                break;
            }
            default:
                server.feedTestConnection(seat,
                                          QByteArray::fromStdString(input.ConsumeRandomLengthString(64)));
                break;
            }
            break;
        case 3:
        case 4: { // well-formed requests, one or a burst
            if (!seat)
                break;
            QByteArray bytes;
            const int count = input.ConsumeIntegralInRange<int>(1, 3);
            for (int i = 0; i < count; ++i)
                bytes += toWire(request(input, seat)) + kTerminator;
            server.feedTestConnection(seat, bytes);
            break;
        }
        case 5: // one tick of the drain timer, or one single entry
            step = Step::Drain;
            if (input.ConsumeBool())
                server.drainTick();
            else
                server.socktimerTimer();
            break;
        case 6:
            step = Step::Drain;
            while (server.drainTick()) {
            }
            break;
        default: {
            if (input.ConsumeIntegralInRange<int>(0, 3) == 0) {
                // Time passes for the log-in deadline, to just before it, at it or well past.
                step = Step::Deadline;
                static const qint64 kSteps[] = {1, 999, LoginDeadline::kLimitMs - 1, LoginDeadline::kLimitMs};
                model.now += kSteps[input.ConsumeIntegralInRange<int>(0, 3)];
                server.checkLoginDeadline();
                break;
            }
            step = Step::Tick;
            static const int kTicks[] = {1, 1, 3, 11, 15, 45};
            for (int i = kTicks[input.ConsumeIntegralInRange<int>(0, 5)]; i > 0; --i)
                server.roundtimeTimer();
            break;
        }
        }
        checkTable(server, model, step);
    }
    return 0;
}
