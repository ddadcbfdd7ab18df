#pragma once

#include "messaging/framing.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpSocket>

namespace pictova::test {

// A scripted protocol peer for tests: connects over TCP, records every message it receives
// (without terminators, in order) and sends raw bytes.
class ProtoClient : public QObject
{
    Q_OBJECT
public:
    explicit ProtoClient(QObject* parent = nullptr);

    bool connectTo(quint16 port, int timeoutMs = 3000);
    void send(const QByteArray& bytes);
    void sendMessage(const QString& entry); // adds the terminator
    void close();
    void abort();

    bool isConnected() const;
    bool wasClosed() const { return m_closed; }
    const QStringList& received() const { return m_received; }
    QByteArray rawReceived() const { return m_raw; }
    void clearReceived();

    // Waits for a message that starts with `prefix`; returns it, or an empty string on timeout.
    QString waitForMessage(const QString& prefix, int timeoutMs = 3000);
    bool waitForClose(int timeoutMs = 3000);
    // Messages received so far whose command name is `name`.
    QStringList messagesNamed(const QString& name) const;
    int seat() const { return m_seat; }

    // Connects, waits for the seat, logs in with `name` and waits for its own join notice.
    bool joinAs(quint16 port, const QString& name, const QString& version = QStringLiteral("2.2.4"));

private:
    QTcpSocket m_socket;
    MessageFramer m_framer;
    QStringList m_received;
    QByteArray m_raw;
    bool m_closed = false;
    int m_seat = 0;
};

} // namespace pictova::test
