#include "bench/benchsupport.h"

#include "messaging/catalogue.h"
#include "messaging/version.h"
#include "messaging/wire.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTcpServer>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace pictova::bench {

qint64 nowNs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.nsecsElapsed();
}

QString siblingProgram(const QString& name)
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {here.filePath(name), here.filePath(QStringLiteral("../") + name)})
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    return name;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void prepareInProcessWindows(const QString& dataFolder)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("PICTOVA_NO_SOUND", "1");
    qputenv("PICTOVA_DATA_DIR", dataFolder.toLocal8Bit());
}

QProcessEnvironment gameEnvironment(const QString& root, quint16 port)
{
    QDir(root).mkpath(QStringLiteral("run"));
    QDir(root).mkpath(QStringLiteral("data"));
    QFile::setPermissions(root + QStringLiteral("/run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("PICTOVA_NO_SOUND"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/run"));
    env.insert(QStringLiteral("PICTOVA_DATA_DIR"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("PICTOVA_PORT"), QString::number(port));
    env.insert(QStringLiteral("PICTOVA_LOBBY_URL"), QStringLiteral("http://127.0.0.1:1/lobby/setup.exe"));
    return env;
}

Summary summarise(std::vector<qint64> samplesNs)
{
    Summary summary;
    summary.count = static_cast<qsizetype>(samplesNs.size());
    if (samplesNs.empty())
        return summary;
    std::sort(samplesNs.begin(), samplesNs.end());
    auto at = [&](double q) {
        const size_t index =
            std::min(samplesNs.size() - 1, static_cast<size_t>(q * (samplesNs.size() - 1) + 0.5));
        return samplesNs[index] / 1e6;
    };
    summary.p50 = at(0.50);
    summary.p99 = at(0.99);
    summary.max = samplesNs.back() / 1e6;
    summary.mean = std::accumulate(samplesNs.begin(), samplesNs.end(), 0.0) / samplesNs.size() / 1e6;
    return summary;
}

QString describe(const Summary& s)
{
    return QStringLiteral("n %1, p50 %2 ms, p99 %3 ms, max %4 ms, mean %5 ms")
        .arg(s.count)
        .arg(s.p50, 0, 'f', 2)
        .arg(s.p99, 0, 'f', 2)
        .arg(s.max, 0, 'f', 2)
        .arg(s.mean, 0, 'f', 2);
}

Peer::Peer(QObject* parent) : QObject(parent)
{
    // As the game's own transport does; BENCH_NAGLE=1 shows what the delay costs without it.
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        if (!qEnvironmentVariableIsSet("BENCH_NAGLE"))
            m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    });
    connect(&m_socket, &QTcpSocket::readyRead, this, [this] {
        const QByteArray bytes = m_socket.readAll();
        const qint64 arrived = nowNs();
        m_bytes += bytes.size();
        QList<QByteArray> messages;
        m_framer.feed(bytes, messages);
        for (const QByteArray& message : messages) {
            const QString text = fromWire(message);
            if (keep)
                kept << text;
            if (m_handler)
                m_handler(text, arrived);
        }
    });
}

bool Peer::join(quint16 port, const QString& name)
{
    m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    const QString seatPrefix = cmd::sendlogininfo + QLatin1Char('+');
    auto find = [this](const QString& prefix) {
        for (const QString& message : kept)
            if (message.startsWith(prefix))
                return message;
        return QString();
    };
    if (!waitUntil([&] { return !find(seatPrefix).isEmpty(); }, 5000))
        return false;
    m_seat = find(seatPrefix).mid(seatPrefix.size()).toInt();
    send(toserver::logininfo(m_seat, QString::fromLatin1(kVersion), name));
    const QString joined = QStringLiteral("%1+%2+").arg(cmd::newplayerinfo).arg(m_seat);
    return waitUntil([&] { return !find(joined).isEmpty(); }, 5000);
}

void Peer::send(const QByteArray& bytes)
{
    m_socket.write(bytes);
    m_socket.flush();
}

} // namespace pictova::bench
