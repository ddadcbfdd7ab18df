#pragma once

#include <QMap>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

namespace pictova::soak {

// A headless game host in its own process (pictova-bot --serve --count 0), so that its memory
// and CPU can be measured apart from the players.
class HostProcess : public QObject
{
    Q_OBJECT
public:
    explicit HostProcess(QObject* parent = nullptr);
    ~HostProcess() override;

    // Starts `botPath` with --serve on an ephemeral port plus `extraArgs`; waits for the port.
    bool start(const QString& botPath, const QStringList& extraArgs = {});
    void stop();

    quint16 port() const { return m_port; }
    qint64 pid() const { return m_process.processId(); }
    bool isRunning() const { return m_process.state() == QProcess::Running; }

    // The host's own table of occupied seats (seat to name); nothing when it does not answer.
    std::optional<QMap<int, QString>> querySeats(int timeoutMs = 5000);
    // The heap in use that the host reported with its last seat table, in bytes; -1 before.
    qint64 lastHeapBytes() const { return m_heapBytes; }
    // What the host wrote to its error stream: the count of lines and the last few.
    qint64 errorLines() const { return m_errorLines; }
    QStringList lastErrors() const { return m_lastErrors; }

private:
    void readOutput();
    void readErrors();

    QProcess m_process;
    quint16 m_port = 0;
    QByteArray m_outBuffer;
    QByteArray m_errBuffer;
    QStringList m_replies;
    qint64 m_errorLines = 0;
    qint64 m_heapBytes = -1;
    QStringList m_lastErrors;
};

// Parses the host's "host seats 1=Ann 2=Bob; queued 0; drawing 0" line.
std::optional<QMap<int, QString>> parseHostSeats(const QString& line);

} // namespace pictova::soak
