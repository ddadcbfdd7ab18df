#pragma once

#include "messaging/framing.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

namespace pictova {

// One listed room as a server's list shows it.
struct ListedRoom
{
    QString code;
    QString name;
    int players = 0;
    bool running = false;
};

// Asks a server for its listed rooms over a connection of its own (CMD_room+list), which the
// server closes after the list. A server without rooms gives a seat instead: that is no list.
class RoomLister : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 8000;
    // More rows than any server of ours lists are not kept.
    static constexpr int kMaxRooms = 1000;

    explicit RoomLister(QObject* parent = nullptr);

    // Starts again from nothing; what an earlier call would still report is dropped.
    void list(const QString& host, quint16 port);
    void setTimeoutMs(int ms) { m_timeout.setInterval(ms); }

signals:
    void listed(const QList<pictova::ListedRoom>& rooms);
    // Why there is no list, for the player.
    void failed(const QString& reason);

private:
    void readArrived();
    void finish(const QString& failure);

    QTcpSocket* m_socket = nullptr;
    MessageFramer m_framer;
    QList<ListedRoom> m_rooms;
    QString m_target;
    QTimer m_timeout;
};

} // namespace pictova
