#include "tools/soak/hostprocess.h"
#include "tools/soak/eventwait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>

namespace pictova::soak {

namespace {
constexpr int kKeptErrors = 8;

} // namespace

HostProcess::HostProcess(QObject* parent) : QObject(parent)
{
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &HostProcess::readOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &HostProcess::readErrors);
}

HostProcess::~HostProcess()
{
    stop();
}

bool HostProcess::start(const QString& botPath, const QStringList& extraArgs)
{
    QStringList args = {QStringLiteral("--serve"), QStringLiteral("--count"), QStringLiteral("0"),
                        QStringLiteral("--quiet")};
    args << extraArgs << QStringLiteral("127.0.0.1") << QStringLiteral("0");
    m_process.start(botPath, args);
    if (!m_process.waitForStarted(5000))
        return false;
    return waitUntil([this] { return m_port != 0 || m_process.state() != QProcess::Running; }, 10000) &&
           m_port != 0;
}

void HostProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // The host ends when its standard input closes.
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

void HostProcess::readOutput()
{
    m_outBuffer += m_process.readAllStandardOutput();
    for (qsizetype end = m_outBuffer.indexOf('\n'); end >= 0; end = m_outBuffer.indexOf('\n')) {
        const QString line = QString::fromUtf8(m_outBuffer.left(end)).trimmed();
        m_outBuffer.remove(0, end + 1);
        static const QRegularExpression serving(QStringLiteral("^serving on port (\\d+)$"));
        if (const auto match = serving.match(line); match.hasMatch())
            m_port = static_cast<quint16>(match.captured(1).toUInt());
        else if (line.startsWith(QLatin1String("host seats")))
            m_replies << line;
    }
}

void HostProcess::readErrors()
{
    // Read as it comes: a host that reports many peer errors must not fill a pipe and stall.
    m_errBuffer += m_process.readAllStandardError();
    for (qsizetype end = m_errBuffer.indexOf('\n'); end >= 0; end = m_errBuffer.indexOf('\n')) {
        ++m_errorLines;
        m_lastErrors << QString::fromUtf8(m_errBuffer.left(end));
        if (m_lastErrors.size() > kKeptErrors)
            m_lastErrors.removeFirst();
        m_errBuffer.remove(0, end + 1);
    }
    if (m_errBuffer.size() > 64 * 1024)
        m_errBuffer.clear();
}

std::optional<QMap<int, QString>> HostProcess::querySeats(int timeoutMs)
{
    if (!isRunning())
        return std::nullopt;
    m_replies.clear();
    m_process.write("host\n");
    if (!waitUntil([this] { return !m_replies.isEmpty(); }, timeoutMs))
        return std::nullopt;
    const QString reply = m_replies.takeFirst();
    static const QRegularExpression heap(QStringLiteral("; heap (\\d+)"));
    if (const auto match = heap.match(reply); match.hasMatch())
        m_heapBytes = match.captured(1).toLongLong();
    return parseHostSeats(reply);
}

std::optional<QMap<int, QString>> parseHostSeats(const QString& line)
{
    if (!line.startsWith(QLatin1String("host seats")))
        return std::nullopt;
    const QString seats = line.mid(10).section(QLatin1Char(';'), 0, 0);
    QMap<int, QString> table;
    for (const QString& item : seats.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int seat = item.section(QLatin1Char('='), 0, 0).toInt(&ok);
        if (!ok)
            return std::nullopt;
        table.insert(seat, item.section(QLatin1Char('='), 1));
    }
    return table;
}

} // namespace pictova::soak
