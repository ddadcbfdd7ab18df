#pragma once

#include "tools/soak/eventwait.h"

#include "messaging/framing.h"

#include <QByteArray>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTcpSocket>
#include <functional>
#include <vector>

namespace pictova::bench {

// Nanoseconds on one monotonic clock shared by everything in the benchmark process.
qint64 nowNs();

// Runs the event loop until `condition` holds or `timeoutMs` passes; returns the condition.
using soak::pumpFor;
using soak::waitUntil;

// Where the other programs are: beside this one, or one folder up (benchmarks live in bench/).
QString siblingProgram(const QString& name);

// A port nobody listens on right now.
quint16 freePort();
// The environment for running the game program headless and apart from any other copy: the
// offscreen platform (unless QT_QPA_PLATFORM says otherwise), no sound, its own runtime and data
// folders under `root`, its own game port, and a lobby address that fails at once.
QProcessEnvironment gameEnvironment(const QString& root, quint16 port);
// The same for game windows made in this process, with their data in `dataFolder`. Call before
// the application object is made.
void prepareInProcessWindows(const QString& dataFolder);

// p50, p99 and max of a sample, in milliseconds from nanoseconds.
struct Summary
{
    qsizetype count = 0;
    double p50 = 0, p99 = 0, max = 0, mean = 0;
};
Summary summarise(std::vector<qint64> samplesNs);
QString describe(const Summary& summary);

// A protocol peer: one TCP connection to the game server that records what arrives, with the
// arrival time, and sends framed messages.
class Peer : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(const QString& message, qint64 arrivedNs)>;

    explicit Peer(QObject* parent = nullptr);

    // Connects, waits for its seat, logs in as `name` and waits for its own join notice.
    bool join(quint16 port, const QString& name);
    void send(const QByteArray& bytes);
    void setHandler(Handler handler) { m_handler = std::move(handler); }

    int seat() const { return m_seat; }
    qint64 bytesReceived() const { return m_bytes; }
    bool isConnected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    // Every message received while `keep` is set (joining needs them; long runs turn it off).
    QStringList kept;
    bool keep = true;

private:
    QTcpSocket m_socket;
    MessageFramer m_framer;
    Handler m_handler;
    qint64 m_bytes = 0;
    int m_seat = 0;
};

} // namespace pictova::bench
