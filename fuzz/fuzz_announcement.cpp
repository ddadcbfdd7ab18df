// The local-network announcement: any datagram from anyone on the network. Parsing never fails
// loudly, what it accepts is within every limit and builds back to the same announcement, and a
// game browser fed a stream of such datagrams from many senders over a moving clock stays within
// its caps and lists only valid games.

#include "fuzz/fuzzsupport.h"
#include "lan/announcement.h"
#include "lan/gamebrowser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QSet>

using namespace pictova;
using namespace pictova::lan;

namespace {

void checkParse(const QByteArray& datagram)
{
    const std::optional<Announcement> announcement = parseAnnouncement(datagram);
    if (!announcement)
        return;
    FUZZ_CHECK(datagram.size() <= kMaxDatagramSize);
    FUZZ_CHECK(isValidAnnouncement(*announcement));
    FUZZ_CHECK(announcement->hostName.toUcs4().size() <= kMaxNameLength);
    FUZZ_CHECK(announcement->version.size() <= kMaxVersionLength);
    const std::optional<QByteArray> rebuilt = buildAnnouncement(*announcement);
    FUZZ_CHECK(rebuilt.has_value());
    FUZZ_CHECK(rebuilt->size() <= kMaxDatagramSize);
    FUZZ_CHECK(parseAnnouncement(*rebuilt) == announcement);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startCoreApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The whole input as one datagram, where the seeds are complete announcements.
    checkParse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    // The same bytes as a stream of datagrams from up to 256 senders to one browser.
    FuzzedDataProvider input(data, size);
    qint64 now = 0;
    GameBrowser browser;
    browser.setClock([&now] { return now; });
    // A full list tries the listed ports: answered here at once, never over the network.
    browser.setProbe([](const QHostAddress&, quint16 port, auto done) {
        done(port % 3 == 0   ? GameBrowser::PortAnswer::Accepted
             : port % 3 == 1 ? GameBrowser::PortAnswer::Refused
                             : GameBrowser::PortAnswer::Silent);
    });
    while (input.remaining_bytes() > 0) {
        const auto op = input.ConsumeIntegral<uint8_t>();
        if (op % 16 == 0) {
            now += input.ConsumeIntegralInRange<int>(0, 8000);
            browser.expire();
            continue;
        }
        now += input.ConsumeIntegralInRange<int>(0, 300);
        const QHostAddress sender(quint32(0x0A000000u + input.ConsumeIntegral<uint8_t>()));
        const std::string bytes = input.ConsumeRandomLengthString(2 * kMaxDatagramSize);
        const QByteArray datagram = QByteArray::fromStdString(bytes);
        checkParse(datagram);
        browser.receive(datagram, sender);

        const QList<FoundGame> games = browser.games();
        FUZZ_CHECK(games.size() <= GameBrowser::kMaxGames);
        QSet<QString> keys;
        for (const FoundGame& game : games) {
            FUZZ_CHECK(isValidAnnouncement(Announcement{game.hostName, game.port, game.players,
                                                        game.freeSeats, game.running, game.version}));
            FUZZ_CHECK((game.address.toIPv4Address() & 0xFFFFFF00u) == 0x0A000000u);
            const QString key = game.address.toString() + u':' + QString::number(game.port);
            FUZZ_CHECK(!keys.contains(key));
            keys.insert(key);
        }
    }
    // Silence longer than the expiry empties the list.
    now += GameBrowser::kExpiryMs + 1;
    browser.expire();
    FUZZ_CHECK(browser.games().isEmpty());
    return 0;
}
