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

// What a server sends on a list connection, read as it arrives: the rooms so far, and whether the
// list ended, the server turned out to have no rooms, or it sent something that is no list. Once
// it is no longer reading, further bytes change nothing.
class RoomListReader
{
public:
    enum class State { Reading, Ended, NoRooms, Broken };
    // More rows than any server of ours lists are not kept.
    static constexpr int kMaxRooms = 1000;
    static constexpr int kMaxNameLength = 64;

    State feed(const QByteArray& bytes);
    State state() const { return m_state; }
    const QList<ListedRoom>& rooms() const { return m_rooms; }
    void reset();

private:
    MessageFramer m_framer;
    QList<ListedRoom> m_rooms;
    State m_state = State::Reading;
};

// Asks a server for its listed rooms over a connection of its own (CMD_room+list), which the
// server closes after the list. A server without rooms gives a seat instead: that is no list.
class RoomLister : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 8000;

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
    RoomListReader m_reader;
    QString m_target;
    QTimer m_timeout;
};

} // namespace pictova
