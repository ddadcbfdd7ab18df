// Many rooms on one pictova-server, against one server process per room, in one run. Three parts:
//
//  1. Busy rooms of 8 players: the drawer moves its pen 60 times a second and sends the points as
//     the desktop board does (a batch at 11 points, when its oldest point is 16 ms old, or when
//     the pen lifts after a two-second stroke); every guesser sends a chat line or a guess a
//     second. The rooms double until the stroke relay's p99 (the drawer's send to each other
//     player's receipt) passes 20 ms or --max-rooms is reached. Each step prints the rooms, the
//     rooms per server thread, p50/p99, the server's CPU and the generator's own. The same steps
//     then run against N processes of --compare-server, each with its one game (the default
//     room).
//  2. Idle connections: --idle connections (10,000 unless given) logged in to rooms of 10 and
//     silent; the server's resident memory before and after.
//  3. Flood isolation: --flood-rooms busy rooms, one of them watched; its p99, then again while
//     another room floods (its drawer sending as fast as the socket takes, its guessers chatting
//     as fast as they can).
//
//   bench_rooms [--server PATH] [--compare-server PATH] [--seconds S] [--max-rooms N] [--growth F]
//               [--threads N] [--idle N] [--flood-rooms K] [--flood-once] [--no-compare]
//
// --growth 1.5 takes finer steps (1, 2, 3, 5, 8, ...) than the doubling it does unless told.
// The game asks an idle player for no keep-alive: what the server sends one is read and dropped.
// --threads is passed on to a server whose --help offers it (the machine's cores unless given);
// --flood-once leaves the flooders the server cuts off unreplaced (they are replaced by new ones
// that join the room by its code otherwise, so that the flood lasts the whole measurement).
//
// The players are one thread of non-blocking sockets on epoll (the flood has a second), parsing
// no more than the stroke relay needs, so that the server rather than the players is measured as far as a
// small machine allows; the generator's CPU is printed beside the server's so that the reader can judge.
// Every connection comes from an address of its own in 127.0.0.0/8, so the per-address caps of the server
// stay on and never meet the benchmark. Nothing goes anywhere but the loopback. Figures only: nothing here
// passes or fails.
#include "bench/benchsupport.h"
#include "board/boardcontroller.h"
#include "messaging/catalogue.h"
#include "messaging/protocol.h"
#include "messaging/version.h"
#include "rooms/roomgate.h"
#include "tools/soak/procstats.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <optional>
#include <queue>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace pictova;
using namespace pictova::bench;

namespace {

constexpr int kBusyPlayers = 8;
constexpr int kIdlePlayers = 10;
constexpr int64_t kMs = 1'000'000;
constexpr int64_t kSecond = 1000 * kMs;
constexpr int kMouseHz = 60;
constexpr int64_t kMouseNs = kSecond / kMouseHz;
constexpr int kStrokePoints = 2 * kMouseHz; // two seconds of drawing, then the pen lifts
constexpr int64_t kBatchAgeNs = BoardController::kBatchAgeMs * kMs;
constexpr int kBatchPoints = BoardController::kBatchPoints;
constexpr double kP99LimitMs = 20;
// Sends remembered per room for matching receipts: 17 s of strokes at 60 a second.
constexpr int kRing = 1024;
// Rooms set up at once: a wave of connections the listen queue takes without dropping any.
constexpr int kRoomsPerWave = 40;
constexpr char kEnd = '\xff';

int64_t monoNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * kSecond + ts.tv_nsec;
}

// The whole generator's CPU time, or with `thread` the calling thread's alone.
double selfCpuSeconds(bool thread = false)
{
    rusage usage{};
    getrusage(thread ? RUSAGE_THREAD : RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool startsWith(const char* p, size_t n, const std::string& prefix)
{
    return n >= prefix.size() && std::memcmp(p, prefix.data(), prefix.size()) == 0;
}

// ---- servers ------------------------------------------------------------------------------

struct Server
{
    pid_t pid = -1;
    uint16_t port = 0;
};

pid_t spawnWithOutput(const QStringList& command, const QString& outputFile)
{
    std::vector<QByteArray> words;
    for (const QString& word : command)
        words.push_back(word.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray path = outputFile.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 1, path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// What a server program's --help offers, so that another build is passed only what it knows.
QString helpOf(const QString& program, const QString& folder)
{
    const QString file = folder + QStringLiteral("/help.txt");
    const pid_t pid = spawnWithOutput({program, QStringLiteral("--help")}, file);
    if (pid < 0)
        return {};
    int status = 0;
    waitpid(pid, &status, 0);
    QFile text(file);
    return text.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(text.readAll()) : QString();
}

std::optional<Server> startServer(const QString& program, const QStringList& args, const QString& logFile)
{
    Server server;
    server.pid =
        spawnWithOutput(QStringList{program, QStringLiteral("--port"), QStringLiteral("0")} + args, logFile);
    if (server.pid < 0)
        return std::nullopt;
    // Start-up only: the log names the port it took.
    const QByteArray marker = "listening on port ";
    for (int i = 0; i < 500; ++i) {
        QFile log(logFile);
        if (log.open(QIODevice::ReadOnly)) {
            const QByteArray text = log.readAll();
            if (const qsizetype at = text.indexOf(marker); at >= 0 && text.indexOf('\n', at) > at) {
                server.port =
                    static_cast<uint16_t>(text.mid(at + marker.size()).split('\n').value(0).toUInt());
                return server;
            }
        }
        int status = 0;
        if (waitpid(server.pid, &status, WNOHANG) == server.pid)
            break;
        usleep(20000);
    }
    QFile log(logFile);
    if (log.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "bench_rooms: the server did not start: %s\n", log.readAll().constData());
    kill(server.pid, SIGKILL);
    waitpid(server.pid, nullptr, 0);
    return std::nullopt;
}

void stopServers(std::vector<Server>& servers)
{
    for (const Server& server : servers)
        kill(server.pid, SIGTERM);
    for (const Server& server : servers)
        waitpid(server.pid, nullptr, 0);
    servers.clear();
}

double cpuSecondsOf(const std::vector<Server>& servers)
{
    double total = 0;
    for (const Server& server : servers)
        total += std::max(0.0, soak::readProcStats(server.pid).cpuSeconds);
    return total;
}

// CPU seconds of each thread of the servers, by thread id: whether one thread holds the others
// up shows when the busiest is near a whole core while the process is not.
std::map<long, double> threadCpuOf(const std::vector<Server>& servers)
{
    std::map<long, double> threads;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    for (const Server& server : servers) {
        const QString folder = QStringLiteral("/proc/%1/task").arg(server.pid);
        for (const QString& task : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile stat(folder + QLatin1Char('/') + task + QStringLiteral("/stat"));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray text = stat.readAll();
            // The fields after the command name, which may hold blanks: utime and stime.
            const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 12)
                threads[task.toLong()] = (fields.at(11).toLongLong() + fields.at(12).toLongLong()) / ticks;
        }
    }
    return threads;
}

// ---- players ------------------------------------------------------------------------------

enum class Kind { Busy, Idle, Flood };

struct Conn
{
    int fd = -1;
    int room = -1;
    int seat = 0;
    bool loggedIn = false;
    bool closed = false;
    bool wantsOut = false;
    std::string in, out;
    std::string refusal;
    // A flooding sender goes round this block of whole messages as fast as the socket takes it.
    const std::string* flood = nullptr;
    size_t floodAt = 0;
    bool floodsOnceIn = false; // a flooder that took the place of one the server cut off
};

struct Room
{
    Kind kind = Kind::Busy;
    uint16_t port = 0;
    std::vector<int> members; // connections; the first is the game master
    QString code;             // empty in the default room
    int drawerSeat = 0;
    int drawer = -1;
    bool dealt = false;
    bool running = false;
    bool measured = false;
    // The drawer's pen and the batch the board would be holding.
    int x = 260, y = 180, points = 0;
    QString batch;
    int batchPoints = 0;
    int64_t oldestAt = 0;
    uint32_t batchGeneration = 0;
    uint32_t seq = 0;
    std::vector<uint32_t> ringSeq = std::vector<uint32_t>(kRing, UINT32_MAX);
    std::vector<int64_t> ringAt = std::vector<int64_t>(kRing, 0);
    int64_t strokesSent = 0; // while recording
    std::vector<int> lines;  // per member: lines sent
};

struct Event
{
    int64_t at;
    int room;
    int member; // -1: the mouse, -2: the batch's age, else a guesser's line
    uint32_t generation;
    bool operator>(const Event& other) const { return at > other.at; }
};

struct Step
{
    Summary relay;
    int64_t expected = 0;
    double serverCpu = 0, busiestServerThread = 0, generatorCpu = 0, measuringThreadCpu = 0; // % of one core
    int held = 0; // measured rooms with every player still connected at the end
};

class Generator
{
public:
    Generator()
    {
        m_epoll = epoll_create1(EPOLL_CLOEXEC);
        m_draw = cmd::draw.toStdString() + '+';
        m_moveit = cmd::moveit.toStdString() + '+';
        m_seatGiven = cmd::sendlogininfo.toStdString() + '+';
        m_joined = cmd::newplayerinfo.toStdString() + '+';
        m_pick = cmd::pickCategory.toStdString() + '+';
        m_dealt = cmd::givedraweranswer.toStdString();
        m_full = cmd::full.toStdString();
        m_inRoom = "CMD_inroom+";
        m_refused = "CMD_roomrefused+";
        m_buffer.resize(256 * 1024);
    }
    ~Generator()
    {
        closeAll();
        close(m_epoll);
    }

    // Opens `count` rooms of `players` on `portOf(i)`; made with a room request when `named`,
    // otherwise in the server's default room. Busy and flooding rooms start their game and draw.
    // Returns the connections that failed, with the first reason.
    std::pair<int, std::string> addRooms(Kind kind, int count, int players, bool named,
                                         const std::function<uint16_t(int)>& portOf)
    {
        int failed = 0;
        std::string reason;
        for (int done = 0; done < count; done += kRoomsPerWave) {
            const int wave = std::min(kRoomsPerWave, count - done);
            const auto [f, r] = addWave(kind, wave, players, named, portOf, done);
            failed += f;
            if (reason.empty())
                reason = r;
        }
        return {failed, reason};
    }

    // Runs the players for `seconds` and returns what the measured rooms' strokes took.
    Step measure(double seconds, const std::vector<Server>& servers)
    {
        runFor(500 * kMs); // every guesser has started
        m_samples.clear();
        for (Room& room : m_rooms)
            room.strokesSent = 0;
        m_recording = m_collecting = true;
        const double serverBefore = cpuSecondsOf(servers), selfBefore = selfCpuSeconds(),
                     threadBefore = selfCpuSeconds(true);
        const std::map<long, double> serverThreadsBefore = threadCpuOf(servers);
        const int64_t start = monoNs();
        runFor(static_cast<int64_t>(seconds * kSecond));
        m_recording = false;
        const double elapsed = (monoNs() - start) / 1e9;
        Step step;
        step.serverCpu = 100 * (cpuSecondsOf(servers) - serverBefore) / elapsed;
        for (const auto& [thread, used] : threadCpuOf(servers)) {
            const auto before = serverThreadsBefore.find(thread);
            const double since = used - (before == serverThreadsBefore.end() ? 0 : before->second);
            step.busiestServerThread = std::max(step.busiestServerThread, 100 * since / elapsed);
        }
        step.generatorCpu = 100 * (selfCpuSeconds() - selfBefore) / elapsed;
        step.measuringThreadCpu = 100 * (selfCpuSeconds(true) - threadBefore) / elapsed;
        runFor(300 * kMs); // the last sends arrive
        m_collecting = false;
        for (const Room& room : m_rooms)
            if (room.measured) {
                step.expected += room.strokesSent * (room.members.size() - 1);
                step.held += std::none_of(room.members.begin(), room.members.end(),
                                          [&](int c) { return m_conns[c].closed; });
            }
        step.relay = summarise(std::move(m_samples));
        m_samples = {};
        return step;
    }

    void runFor(int64_t ns)
    {
        const int64_t until = monoNs() + ns;
        while (monoNs() < until)
            turn(until);
    }

    std::vector<Room>& rooms() { return m_rooms; }
    int loggedIn() const
    {
        return static_cast<int>(std::count_if(m_conns.begin(), m_conns.end(),
                                              [](const Conn& c) { return c.loggedIn && !c.closed; }));
    }

    void closeAll()
    {
        for (Conn& c : m_conns)
            if (!c.closed)
                close(c.fd);
        m_conns.clear();
        m_rooms.clear();
        m_events = {};
    }

private:
    std::pair<int, std::string> addWave(Kind kind, int count, int players, bool named,
                                        const std::function<uint16_t(int)>& portOf, int offset)
    {
        const int first = static_cast<int>(m_rooms.size());
        for (int i = 0; i < count; ++i) {
            Room room;
            room.kind = kind;
            room.port = portOf(offset + i);
            room.lines.assign(players, 0);
            m_rooms.push_back(std::move(room));
            const QByteArray request =
                named ? rooms::RoomGate::createRequest(false, QStringLiteral("bench %1").arg(first + i))
                      : QByteArray();
            open(first + i, request);
        }
        auto roomsFrom = [&](auto&& each) {
            for (int r = first; r < static_cast<int>(m_rooms.size()); ++r)
                if (!each(m_rooms[r]))
                    return false;
            return true;
        };
        auto settled = [&](const Conn& c) { return c.seat > 0 || c.closed; };
        constexpr int64_t kWait = 30 * kSecond;
        // The game master first, so that it holds the room's first seat.
        runUntil([&] { return roomsFrom([&](Room& room) { return settled(m_conns[room.members[0]]); }); },
                 kWait);
        for (int r = first; r < static_cast<int>(m_rooms.size()); ++r) {
            logIn(m_rooms[r].members[0]);
            for (int m = 1; m < players; ++m)
                open(r, named ? rooms::RoomGate::joinRequest(m_rooms[r].code) : QByteArray());
        }
        runUntil(
            [&] {
                return roomsFrom([&](Room& room) {
                    return std::all_of(room.members.begin(), room.members.end(),
                                       [&](int c) { return settled(m_conns[c]); });
                });
            },
            kWait);
        for (int r = first; r < static_cast<int>(m_rooms.size()); ++r)
            for (int m = 1; m < players; ++m)
                logIn(m_rooms[r].members[m]);
        auto everyoneIn = [&](Room& room) {
            return std::all_of(room.members.begin(), room.members.end(),
                               [&](int c) { return m_conns[c].loggedIn || m_conns[c].closed; });
        };
        runUntil([&] { return roomsFrom(everyoneIn); }, kWait);
        int failed = 0;
        std::string reason;
        for (int r = first; r < static_cast<int>(m_rooms.size()); ++r)
            for (int c : m_rooms[r].members)
                if (!m_conns[c].loggedIn || m_conns[c].closed) {
                    ++failed;
                    if (reason.empty())
                        reason = m_conns[c].refusal.empty() ? "no seat or log-in" : m_conns[c].refusal;
                }
        if (kind == Kind::Idle || failed > 0)
            return {failed, reason};

        for (int r = first; r < static_cast<int>(m_rooms.size()); ++r) {
            const Conn& master = m_conns[m_rooms[r].members[0]];
            send(m_rooms[r].members[0],
                 toserver::startgame(master.seat, false, QString::number(protocol::kMaxPlayTo),
                                     QString::number(protocol::kMaxTurnSeconds)));
        }
        // The server asks the turn's drawer for a category; the drawer answers at once.
        runUntil([&] { return roomsFrom([](Room& room) { return room.drawerSeat > 0; }); }, kWait);
        for (int r = first; r < static_cast<int>(m_rooms.size()); ++r) {
            Room& room = m_rooms[r];
            if (room.dealt)
                continue;
            for (int c : room.members)
                if (m_conns[c].seat == room.drawerSeat)
                    send(c, toserver::pickCategory(room.drawerSeat, 0));
        }
        runUntil([&] { return roomsFrom([](Room& room) { return room.dealt; }); }, kWait);
        const int64_t now = monoNs();
        for (int r = first; r < static_cast<int>(m_rooms.size()); ++r) {
            Room& room = m_rooms[r];
            if (!room.dealt) {
                ++failed;
                reason = "no turn to draw";
                continue;
            }
            room.running = true;
            if (kind == Kind::Flood) {
                startFlood(room);
                continue;
            }
            // Players move and type out of step with each other.
            m_events.push({now + static_cast<int64_t>(m_random() % kMouseNs), r, -1, 0});
            for (size_t m = 0; m < room.members.size(); ++m)
                if (room.members[m] != room.drawer)
                    m_events.push(
                        {now + static_cast<int64_t>(m_random() % kSecond), r, static_cast<int>(m), 0});
        }
        return {failed, reason};
    }

    void open(int room, const QByteArray& first)
    {
        const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const int on = 1;
        // The port is chosen at connect, per destination, so thousands of source addresses do not
        // run out of local ports.
        setsockopt(fd, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &on, sizeof on);
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on); // as the game's transport does
        // Every connection from an address of its own: 127.10.0.1 onwards, all loopback.
        static std::atomic<uint32_t> addresses{0}; // shared by the flood's thread
        const uint32_t n = addresses++;
        sockaddr_in source{};
        source.sin_family = AF_INET;
        source.sin_addr.s_addr =
            htonl((127u << 24) | ((10 + n / 62500) << 16) | ((n / 250 % 250 + 1) << 8) | (n % 250 + 1));
        sockaddr_in target{};
        target.sin_family = AF_INET;
        target.sin_port = htons(m_rooms[room].port);
        target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int index = static_cast<int>(m_conns.size());
        Conn conn;
        conn.fd = fd;
        conn.room = room;
        conn.out = first.toStdString();
        conn.wantsOut = true;
        if (bind(fd, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0 ||
            (connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0 && errno != EINPROGRESS)) {
            conn.refusal = std::string("connect: ") + std::strerror(errno);
            conn.closed = true;
            close(fd);
        } else {
            epoll_event event{};
            event.events = EPOLLIN | EPOLLOUT;
            event.data.u32 = static_cast<uint32_t>(index);
            epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &event);
        }
        m_conns.push_back(std::move(conn));
        m_rooms[room].members.push_back(index);
    }

    void logIn(int c)
    {
        Conn& conn = m_conns[c];
        if (conn.seat > 0 && !conn.closed)
            send(c, toserver::logininfo(conn.seat, QString::fromLatin1(kVersion),
                                        QStringLiteral("P%1x%2").arg(conn.room).arg(c)));
    }

    void send(int c, const QByteArray& bytes)
    {
        Conn& conn = m_conns[c];
        if (conn.closed)
            return;
        if (!conn.out.empty()) {
            conn.out.append(bytes.constData(), bytes.size());
            return;
        }
        const ssize_t n = write(conn.fd, bytes.constData(), bytes.size());
        const size_t written = n > 0 ? static_cast<size_t>(n) : 0;
        if (written < static_cast<size_t>(bytes.size())) {
            conn.out.assign(bytes.constData() + written, bytes.size() - written);
            watchOut(c, true);
        }
    }

    void watchOut(int c, bool on)
    {
        Conn& conn = m_conns[c];
        if (conn.wantsOut == on)
            return;
        conn.wantsOut = on;
        epoll_event event{};
        event.events = on ? EPOLLIN | EPOLLOUT : EPOLLIN;
        event.data.u32 = static_cast<uint32_t>(c);
        epoll_ctl(m_epoll, EPOLL_CTL_MOD, conn.fd, &event);
    }

    void drop(Conn& conn)
    {
        if (conn.closed)
            return;
        conn.closed = true;
        close(conn.fd);
        // The server cuts off a flooder; another takes its place, so the flood lasts.
        if (conn.flood || conn.floodsOnceIn) {
            ++m_floodCut;
            if (m_replaceFlooders)
                m_reopen.push_back(conn.room);
        }
    }

    void writable(int c)
    {
        Conn& conn = m_conns[c];
        while (!conn.out.empty()) {
            const ssize_t n = write(conn.fd, conn.out.data(), conn.out.size());
            if (n <= 0) {
                if (n < 0 && errno != EAGAIN)
                    drop(conn);
                return;
            }
            conn.out.erase(0, static_cast<size_t>(n));
        }
        if (conn.flood && m_rooms[conn.room].running) {
            const std::string& block = *conn.flood;
            for (;;) {
                const ssize_t n = write(conn.fd, block.data() + conn.floodAt, block.size() - conn.floodAt);
                if (n <= 0)
                    return;
                conn.floodAt = (conn.floodAt + static_cast<size_t>(n)) % block.size();
                m_floodBytes += n;
            }
        }
        watchOut(c, false);
    }

    void readable(int c)
    {
        Conn& conn = m_conns[c];
        // A flooder's input is read only so that the server can go on writing to it.
        const bool discard = conn.flood != nullptr;
        for (;;) {
            const ssize_t n = read(conn.fd, m_buffer.data(), m_buffer.size());
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
                if (conn.refusal.empty())
                    conn.refusal = "closed by the server";
                drop(conn);
                return;
            }
            if (n < 0)
                return;
            if (discard)
                continue;
            const int64_t now = monoNs();
            conn.in.append(m_buffer.data(), static_cast<size_t>(n));
            size_t start = 0;
            for (;;) {
                const void* end = std::memchr(conn.in.data() + start, kEnd, conn.in.size() - start);
                if (!end)
                    break;
                const size_t stop = static_cast<const char*>(end) - conn.in.data();
                message(c, conn.in.data() + start, stop - start, now);
                start = stop + 1;
            }
            conn.in.erase(0, start);
            if (conn.in.size() > 1024 * 1024) { // no message of the game is this long
                conn.refusal = "a message without end";
                drop(conn);
                return;
            }
        }
    }

    void message(int c, const char* p, size_t n, int64_t now)
    {
        Conn& conn = m_conns[c];
        Room& room = m_rooms[conn.room];
        const bool draw = startsWith(p, n, m_draw);
        if (draw || startsWith(p, n, m_moveit)) {
            if (!m_collecting || !room.measured || c == room.drawer)
                return;
            // The colour, after the seat, carries the send's number: "$00XXXXXX".
            const char* seat = p + (draw ? m_draw.size() : m_moveit.size());
            const char* plus = static_cast<const char*>(std::memchr(seat, '+', p + n - seat));
            if (!plus || p + n - plus < 10 || plus[1] != '$')
                return;
            uint32_t seq = 0;
            for (const char* h = plus + 2; h < plus + 10; ++h)
                seq = seq * 16 + static_cast<uint32_t>(*h <= '9' ? *h - '0' : (*h | 0x20) - 'a' + 10);
            const int slot = static_cast<int>(seq % kRing);
            if (room.ringSeq[slot] == seq && room.ringAt[slot] > 0)
                m_samples.push_back(now - room.ringAt[slot]);
            return;
        }
        auto number = [&](const std::string& prefix) {
            return std::atoi(std::string(p + prefix.size(), n - prefix.size()).c_str());
        };
        if (conn.floodsOnceIn) {
            if (startsWith(p, n, m_seatGiven)) {
                conn.seat = number(m_seatGiven);
                logIn(c);
            } else if (startsWith(p, n, m_joined) && conn.seat > 0 && number(m_joined) == conn.seat) {
                conn.floodsOnceIn = false;
                floodLines(c);
            }
            return;
        }
        if (room.running)
            return;
        if (startsWith(p, n, m_seatGiven)) {
            conn.seat = number(m_seatGiven);
        } else if (startsWith(p, n, m_inRoom)) {
            const std::string rest(p + m_inRoom.size(), n - m_inRoom.size());
            room.code = QString::fromStdString(rest.substr(0, rest.find('+')));
        } else if (startsWith(p, n, m_refused) || startsWith(p, n, m_full)) {
            conn.refusal = std::string(p, n);
        } else if (startsWith(p, n, m_joined) && conn.seat > 0 && number(m_joined) == conn.seat) {
            conn.loggedIn = true;
        } else if (startsWith(p, n, m_pick)) {
            room.drawerSeat = number(m_pick);
        } else if (startsWith(p, n, m_dealt)) {
            // Only the drawer is told the answer.
            room.drawerSeat = conn.seat;
            room.drawer = c;
            room.dealt = true;
        }
    }

    QString nextColour(Room& room)
    {
        const uint32_t seq = ++room.seq & 0xFFFFFF;
        const int slot = static_cast<int>(seq % kRing);
        room.ringSeq[slot] = seq;
        room.ringAt[slot] = m_recording ? monoNs() : 0;
        if (m_recording)
            ++room.strokesSent;
        return QStringLiteral("$%1").arg(seq, 8, 16, QLatin1Char('0')).toUpper();
    }

    void sendBatch(Room& room)
    {
        ++room.batchGeneration;
        if (room.batchPoints == 0)
            return;
        const QByteArray message =
            toserver::draw(room.drawerSeat, nextColour(room), QStringLiteral("3"), room.batch);
        room.batch.clear();
        room.batchPoints = 0;
        send(room.drawer, message);
    }

    // One point of the mouse, and the batch as the desktop board keeps it.
    void mouse(Room& room, int64_t now)
    {
        if (room.points % kStrokePoints == 0)
            send(room.drawer,
                 toserver::moveit(room.drawerSeat, nextColour(room), QStringLiteral("3"), room.x, room.y));
        room.x = std::clamp(room.x + static_cast<int>(m_random() % 13) - 6, 0, 532);
        room.y = std::clamp(room.y + static_cast<int>(m_random() % 13) - 6, 0, 368);
        room.batch += QLatin1Char('+') + QString::number(room.x) + QLatin1Char(',') + QString::number(room.y);
        if (room.batchPoints++ == 0) {
            room.oldestAt = now;
            m_events.push(
                {now + kBatchAgeNs, static_cast<int>(&room - m_rooms.data()), -2, room.batchGeneration});
        }
        const bool lifts = ++room.points % kStrokePoints == 0;
        if (room.batchPoints >= kBatchPoints || lifts || now - room.oldestAt >= kBatchAgeNs)
            sendBatch(room);
    }

    void line(Room& room, int member)
    {
        const int c = room.members[member];
        const int n = ++room.lines[member];
        const QString text = QStringLiteral("zq%1x%2").arg(member).arg(n);
        send(c, n % 2 ? toserver::chat(m_conns[c].seat, text, QStringLiteral("clBlack"))
                      : toserver::answer(m_conns[c].seat, text));
    }

    void startFlood(Room& room)
    {
        if (m_floodStrokes.empty()) {
            std::string strokes =
                toserver::moveit(room.drawerSeat, QStringLiteral("clRed"), QStringLiteral("3"), 10, 10)
                    .toStdString();
            QString points;
            for (int i = 0; i < kBatchPoints; ++i)
                points += QStringLiteral("+%1,%2").arg(10 + i).arg(10 + i);
            const std::string batch =
                toserver::draw(room.drawerSeat, QStringLiteral("clRed"), QStringLiteral("3"), points)
                    .toStdString();
            while (strokes.size() < 64 * 1024)
                strokes += batch;
            m_floodStrokes = strokes;
        }
        for (int c : room.members) {
            if (c == room.drawer) {
                m_conns[c].flood = &m_floodStrokes;
                watchOut(c, true);
            } else {
                floodLines(c);
            }
        }
    }

    void floodLines(int c)
    {
        Conn& conn = m_conns[c];
        std::string& lines = m_floodLines[conn.seat];
        while (lines.size() < 16 * 1024)
            lines +=
                toserver::chat(conn.seat, QStringLiteral("flood"), QStringLiteral("clRed")).toStdString();
        conn.flood = &lines;
        watchOut(c, true);
    }

    void reopenFlooders()
    {
        std::vector<int> rooms;
        rooms.swap(m_reopen);
        for (int r : rooms) {
            if (!m_rooms[r].running)
                continue;
            open(r, rooms::RoomGate::joinRequest(m_rooms[r].code));
            m_conns.back().floodsOnceIn = true;
        }
    }

public:
    // How the flood went: its bytes written, and the flooders the server cut off.
    int64_t floodBytes() const { return m_floodBytes; }
    int floodCut() const { return m_floodCut; }
    void setReplaceFlooders(bool replace) { m_replaceFlooders = replace; }
    void stopFlood()
    {
        for (Room& room : m_rooms)
            if (room.kind == Kind::Flood)
                room.running = false;
    }

private:
    void fire(const Event& event)
    {
        Room& room = m_rooms[event.room];
        if (!room.running || m_conns[room.drawer].closed)
            return;
        if (event.member == -1) {
            // The point belongs to the moment the mouse moved, however late this loop came round.
            mouse(room, event.at);
            m_events.push({event.at + kMouseNs, event.room, -1, 0});
        } else if (event.member == -2) {
            if (event.generation == room.batchGeneration)
                sendBatch(room);
        } else {
            line(room, event.member);
            m_events.push({event.at + kSecond, event.room, event.member, 0});
        }
    }

    void turn(int64_t until)
    {
        if (!m_reopen.empty())
            reopenFlooders();
        int64_t now = monoNs();
        while (!m_events.empty() && m_events.top().at <= now) {
            const Event event = m_events.top();
            m_events.pop();
            fire(event);
        }
        const int64_t next = m_events.empty() ? until : std::min(until, m_events.top().at);
        const int timeoutMs = static_cast<int>(std::clamp<int64_t>((next - now + kMs - 1) / kMs, 0, 50));
        epoll_event events[512];
        const int count = epoll_wait(m_epoll, events, 512, timeoutMs);
        for (int i = 0; i < count; ++i) {
            const int c = static_cast<int>(events[i].data.u32);
            if (m_conns[c].closed)
                continue;
            if (events[i].events & EPOLLOUT)
                writable(c);
            if (!m_conns[c].closed && (events[i].events & (EPOLLIN | EPOLLHUP | EPOLLERR)))
                readable(c);
        }
    }

    bool runUntil(const std::function<bool()>& done, int64_t timeout)
    {
        const int64_t until = monoNs() + timeout;
        while (!done()) {
            if (monoNs() >= until)
                return false;
            turn(until);
        }
        return true;
    }

    int m_epoll = -1;
    std::vector<Conn> m_conns;
    std::vector<Room> m_rooms;
    std::priority_queue<Event, std::vector<Event>, std::greater<>> m_events;
    std::vector<qint64> m_samples;
    bool m_recording = false, m_collecting = false;
    std::mt19937 m_random{42};
    std::vector<char> m_buffer;
    std::string m_draw, m_moveit, m_seatGiven, m_joined, m_pick, m_dealt, m_full, m_inRoom, m_refused;
    std::string m_floodStrokes;
    std::vector<int> m_reopen;
    bool m_replaceFlooders = true;
    int64_t m_floodBytes = 0;
    int m_floodCut = 0;
    std::map<int, std::string> m_floodLines;
};

// ---- the parts ----------------------------------------------------------------------------

struct Options
{
    QString server, compareServer;
    double seconds = 5;
    int maxRooms = 1024;
    double growth = 2; // each step's rooms times this
    int threads = 0;
    int idle = 10000;
    int floodRooms = 8;
    bool compare = true;
    bool floodOnce = false; // flooders the server cuts off are not replaced
    std::string filesLimit; // what became of the open-files limit
};

struct ServerKind
{
    QString program;
    bool rooms = false, threads = false, webPort = false;
};

ServerKind probe(const QString& program, const QString& folder)
{
    const QString help = helpOf(program, folder);
    return {program, help.contains(QStringLiteral("--max-rooms")), help.contains(QStringLiteral("--threads")),
            help.contains(QStringLiteral("--web-port"))};
}

class Bench
{
public:
    Bench(const Options& options, const QString& folder) : m_options(options), m_folder(folder)
    {
        m_cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        m_threads = options.threads > 0 ? options.threads : m_cores;
    }

    // The server of rooms, with the thread count it was given (1 when it takes none).
    std::optional<Server> startRooms(const ServerKind& kind, int maxRooms, int& threads)
    {
        QStringList args;
        if (kind.webPort)
            args << QStringLiteral("--web-port") << QStringLiteral("0");
        args << QStringLiteral("--max-rooms") << QString::number(std::max(1000, maxRooms));
        threads = 1;
        if (kind.threads) {
            args << QStringLiteral("--threads") << QString::number(m_threads);
            threads = std::max(1, m_threads);
        }
        return startServer(kind.program, args, logFile());
    }

    QString logFile() { return m_folder + QStringLiteral("/server-%1.log").arg(++m_logs); }

    // Measures every room the generator holds and prints the step; false once the p99 has passed
    // the limit. A step past it is measured again before the rooms stop growing: on a machine
    // shared with other work, one stall of the whole machine is enough to lift a p99.
    bool measureStep(Generator& generator, int rooms, int cores, const std::vector<Server>& servers) const
    {
        for (Room& room : generator.rooms())
            room.measured = true;
        for (const char* note : {"", " again"}) {
            const Step step = generator.measure(m_options.seconds, servers);
            printStep(rooms, cores, step, note);
            if (step.relay.p99 <= kP99LimitMs)
                return true;
        }
        return false;
    }

    // `cores`: what the rooms are shared among (server threads, or the machine's cores).
    static void printStep(int rooms, int cores, const Step& step, const char* note)
    {
        std::printf(
            "  %5d busy rooms held%s, %6.1f a core%s: stroke relay p50 %7.2f ms, p99 %7.2f ms (%lld "
            "of %lld deliveries); server CPU %5.0f %% (busiest thread %3.0f %%), generator CPU %4.0f %%\n",
            step.held, step.held == rooms ? "" : qPrintable(QStringLiteral(" (%1 asked for)").arg(rooms)),
            static_cast<double>(step.held) / cores, note, step.relay.p50, step.relay.p99,
            static_cast<long long>(step.relay.count), static_cast<long long>(step.expected), step.serverCpu,
            step.busiestServerThread, step.generatorCpu);
        std::fflush(stdout);
    }

    std::vector<int> steps() const
    {
        std::vector<int> steps;
        for (int rooms = 1; rooms < m_options.maxRooms;
             rooms = std::max(rooms + 1, static_cast<int>(rooms * m_options.growth + 0.5)))
            steps.push_back(rooms);
        steps.push_back(m_options.maxRooms);
        return steps;
    }

    void busyRooms(const ServerKind& kind)
    {
        int threads = 1;
        std::vector<Server> servers;
        if (auto server = startRooms(kind, m_options.maxRooms, threads))
            servers.push_back(*server);
        else
            return;
        std::printf("\n1. Busy rooms of %d on one process: %s, %s\n", kBusyPlayers, qPrintable(kind.program),
                    kind.threads ? qPrintable(QStringLiteral("--threads %1").arg(threads))
                                 : "which takes no --threads: one event loop");
        std::printf("   (rooms a core: rooms / %d server thread%s; the machine has %d cores)\n", threads,
                    threads == 1 ? "" : "s", m_cores);
        Generator generator;
        int held = 0;
        for (const int rooms : steps()) {
            const uint16_t port = servers.front().port;
            const auto [failed, reason] = generator.addRooms(Kind::Busy, rooms - held, kBusyPlayers, true,
                                                             [port](int) { return port; });
            held = rooms;
            if (failed > 0) {
                std::printf("  %d connections were not let in (%s); stopping\n", failed, reason.c_str());
                break;
            }
            if (!measureStep(generator, rooms, threads, servers))
                break;
        }
        generator.closeAll();
        stopServers(servers);
    }

    void processPerRoom(const ServerKind& kind)
    {
        std::printf("\n1b. The same rooms, one process each of %s (the default room; rooms a core: "
                    "processes / %d cores)\n",
                    qPrintable(kind.program), m_cores);
        Generator generator;
        std::vector<Server> servers;
        QStringList args;
        if (kind.webPort)
            args << QStringLiteral("--web-port") << QStringLiteral("0");
        if (kind.threads)
            args << QStringLiteral("--threads") << QStringLiteral("1");
        for (const int rooms : steps()) {
            const int first = static_cast<int>(servers.size());
            while (static_cast<int>(servers.size()) < rooms) {
                const auto server = startServer(kind.program, args, logFile());
                if (!server)
                    break;
                servers.push_back(*server);
            }
            if (static_cast<int>(servers.size()) < rooms) {
                std::printf("  only %zu server processes started; stopping\n", servers.size());
                break;
            }
            const auto [failed, reason] = generator.addRooms(Kind::Busy, rooms - first, kBusyPlayers, false,
                                                             [&](int i) { return servers[first + i].port; });
            if (failed > 0) {
                std::printf("  %d connections were not let in (%s); stopping\n", failed, reason.c_str());
                break;
            }
            if (!measureStep(generator, rooms, m_cores, servers))
                break;
        }
        generator.closeAll();
        stopServers(servers);
    }

    void idleConnections(const ServerKind& kind)
    {
        rlimit files{};
        getrlimit(RLIMIT_NOFILE, &files);
        int connections = m_options.idle;
        std::printf("\n2. Idle connections: %s\n", m_options.filesLimit.c_str());
        const long room = static_cast<long>(files.rlim_cur) - 200;
        if (room < connections) {
            std::printf("   the limit does not reach %d connections: %ld instead\n", connections, room);
            connections = static_cast<int>(std::max(0L, room));
        }
        const int rooms = (connections + kIdlePlayers - 1) / kIdlePlayers;
        int threads = 1;
        std::vector<Server> servers;
        if (auto server = startRooms(kind, rooms + 10, threads))
            servers.push_back(*server);
        else
            return;
        Generator generator;
        generator.runFor(300 * kMs);
        const qint64 before = soak::readProcStats(servers.front().pid).rssKiB;
        const uint16_t port = servers.front().port;
        // Rooms of 10; the last one takes what is left.
        const int full = connections / kIdlePlayers;
        auto [failed, reason] =
            generator.addRooms(Kind::Idle, full, kIdlePlayers, true, [port](int) { return port; });
        if (connections % kIdlePlayers) {
            const auto [f, r] = generator.addRooms(Kind::Idle, 1, connections % kIdlePlayers, true,
                                                   [port](int) { return port; });
            failed += f;
            if (reason.empty())
                reason = r;
        }
        generator.runFor(1000 * kMs); // the server settles
        const qint64 after = soak::readProcStats(servers.front().pid).rssKiB;
        const int held = generator.loggedIn();
        std::printf("   %d connections logged in to %d rooms (%d not: %s), server threads %d\n", held, rooms,
                    failed, failed ? reason.c_str() : "-", threads);
        std::printf("   server RSS before %.1f MB, after %.1f MB: %.1f MB for the connections, %.1f KiB each "
                    "(goal: under 300 MB)\n",
                    before / 1024.0, after / 1024.0, (after - before) / 1024.0,
                    held ? static_cast<double>(after - before) / held : 0.0);
        std::fflush(stdout);
        generator.closeAll();
        stopServers(servers);
    }

    void floodIsolation(const ServerKind& kind)
    {
        int threads = 1;
        std::vector<Server> servers;
        if (auto server = startRooms(kind, m_options.floodRooms + 10, threads))
            servers.push_back(*server);
        else
            return;
        std::printf("\n3. Flood isolation: %d busy rooms, the first watched, server threads %d\n",
                    m_options.floodRooms, threads);
        Generator generator;
        const uint16_t port = servers.front().port;
        auto portOf = [port](int) { return port; };
        if (const auto [failed, reason] =
                generator.addRooms(Kind::Busy, m_options.floodRooms, kBusyPlayers, true, portOf);
            failed > 0) {
            std::printf("   %d connections were not let in (%s)\n", failed, reason.c_str());
        } else {
            generator.rooms().front().measured = true;
            const Step quiet = generator.measure(m_options.seconds, servers);
            printWatched("without a flood", quiet);
            // The flood has a thread of its own, so that its writes never hold up the receipts
            // measured.
            std::atomic<bool> flooding{false}, stop{false};
            int64_t floodBytes = 0;
            int floodCut = 0;
            std::thread flooder([&] {
                Generator flood;
                flood.setReplaceFlooders(!m_options.floodOnce);
                flood.addRooms(Kind::Flood, 1, kBusyPlayers, true, portOf);
                flooding = true;
                while (!stop)
                    flood.runFor(20 * kMs);
                flood.stopFlood();
                floodBytes = flood.floodBytes();
                floodCut = flood.floodCut();
            });
            while (!flooding)
                generator.runFor(10 * kMs);
            const Step flooded = generator.measure(m_options.seconds, servers);
            stop = true;
            flooder.join();
            printWatched("another room flooding", flooded);
            std::printf("   the flood: %.1f MB written in all; the server cut off %d flooders%s\n",
                        floodBytes / 1e6, floodCut,
                        m_options.floodOnce
                            ? ", none replaced"
                            : ", each replaced by a new one that joined the room and flooded chat lines");
            std::printf("   the watched room's p99 moved by %+.2f ms (goal: at most 1 ms)\n",
                        flooded.relay.p99 - quiet.relay.p99);
        }
        generator.closeAll();
        stopServers(servers);
    }

    static void printWatched(const char* label, const Step& step)
    {
        std::printf(
            "   %-22s watched room: p50 %.2f ms, p99 %.2f ms, max %.2f ms (%lld of %lld deliveries); "
            "server CPU %.0f %% (busiest thread %.0f %%), generator CPU %.0f %% (its measuring thread "
            "%.0f %%)\n",
            label, step.relay.p50, step.relay.p99, step.relay.max, static_cast<long long>(step.relay.count),
            static_cast<long long>(step.expected), step.serverCpu, step.busiestServerThread,
            step.generatorCpu, step.measuringThreadCpu);
        std::fflush(stdout);
    }

private:
    Options m_options;
    QString m_folder;
    int m_cores = 1;
    int m_threads = 1;
    int m_logs = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    Options options;
    auto take = [&](const QString& name) -> std::optional<QString> {
        const qsizetype at = args.indexOf(name);
        if (at < 0 || at + 1 >= args.size())
            return std::nullopt;
        const QString value = args.at(at + 1);
        args.remove(at, 2);
        return value;
    };
    options.server =
        take(QStringLiteral("--server")).value_or(siblingProgram(QStringLiteral("pictova-server")));
    options.compareServer = take(QStringLiteral("--compare-server")).value_or(options.server);
    options.seconds =
        std::max(1.0, take(QStringLiteral("--seconds")).value_or(QStringLiteral("5")).toDouble());
    options.maxRooms =
        std::clamp(take(QStringLiteral("--max-rooms")).value_or(QStringLiteral("1024")).toInt(), 1, 100000);
    options.growth =
        std::clamp(take(QStringLiteral("--growth")).value_or(QStringLiteral("2")).toDouble(), 1.0, 16.0);
    options.threads = take(QStringLiteral("--threads")).value_or(QStringLiteral("0")).toInt();
    options.idle = std::max(0, take(QStringLiteral("--idle")).value_or(QStringLiteral("10000")).toInt());
    options.floodRooms =
        std::max(0, take(QStringLiteral("--flood-rooms")).value_or(QStringLiteral("8")).toInt());
    options.compare = args.removeAll(QStringLiteral("--no-compare")) == 0;
    options.floodOnce = args.removeAll(QStringLiteral("--flood-once")) > 0;
    if (!args.isEmpty()) {
        std::fprintf(
            stderr,
            "usage: bench_rooms [--server PATH] [--compare-server PATH] [--seconds S] [--max-rooms N] "
            "[--growth F]\n"
            "                   [--threads N] [--idle N] [--flood-rooms K] [--flood-once] [--no-compare]\n");
        return 2;
    }
    // The generator and each server hold one descriptor a connection; the servers inherit the limit.
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    const bool raised = setrlimit(RLIMIT_NOFILE, &files) == 0;
    getrlimit(RLIMIT_NOFILE, &files);
    options.filesLimit =
        QStringLiteral("open files limit %1 to %2 (hard limit %3)")
            .arg(raised ? QStringLiteral("raised") : QStringLiteral("could not be raised, stays"))
            .arg(files.rlim_cur)
            .arg(files.rlim_max)
            .toStdString();
    // The generator writes to sockets the server may have closed.
    signal(SIGPIPE, SIG_IGN);
    // Nothing is announced; should a server try, it stays on the loopback.
    qputenv("PICTOVA_LAN_INTERFACE", "lo");
    QTemporaryDir folder;
    const ServerKind server = probe(options.server, folder.path());
    if (!server.rooms) {
        std::fprintf(stderr, "bench_rooms: %s has no rooms (no --max-rooms in its --help)\n",
                     qPrintable(options.server));
        return 1;
    }
    Bench bench(options, folder.path());
    std::printf("bench_rooms: %.1f s a step; rooms of %d: a drawer at %d pen moves a second in batches of at "
                "most %d points or %lld ms, a line a second from each guesser\n",
                options.seconds, kBusyPlayers, kMouseHz, kBatchPoints,
                static_cast<long long>(kBatchAgeNs / kMs));
    bench.busyRooms(server);
    if (options.compare)
        bench.processPerRoom(probe(options.compareServer, folder.path()));
    if (options.idle > 0)
        bench.idleConnections(server);
    if (options.floodRooms > 0)
        bench.floodIsolation(server);
    return 0;
}
