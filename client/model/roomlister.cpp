#include "client/model/roomlister.h"

#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "rooms/roomcode.h"
#include "rooms/roomgate.h"

namespace pictova {

RoomListReader::State RoomListReader::feed(const QByteArray& bytes)
{
    if (m_state != State::Reading)
        return m_state;
    QList<QByteArray> messages;
    if (!m_framer.feed(bytes, messages))
        return m_state = State::Broken;
    for (const QByteArray& message : messages) {
        const QString entry = fromWire(message);
        const QString name = entry.section(QLatin1Char('+'), 0, 0);
        const QString payload = entry.section(QLatin1Char('+'), 1);
        if (name == protocol::message(protocol::Id::roomlistend).qName())
            return m_state = State::Ended;
        if (name == cmd::sendlogininfo)
            return m_state = State::NoRooms;
        if (name != protocol::message(protocol::Id::roomlisted).qName() || m_rooms.size() >= kMaxRooms)
            continue;
        const std::optional<protocol::Values> fields =
            protocol::decode(protocol::Id::roomlisted, protocol::Direction::ToClient, payload);
        const std::optional<QString> code = fields ? rooms::parseCode(fields->at(0).text) : std::nullopt;
        if (code)
            m_rooms.append(
                {*code, fields->at(3).text.left(kMaxNameLength), fields->at(1).number, fields->at(2).flag});
    }
    return m_state;
}

void RoomListReader::reset()
{
    m_framer.reset();
    m_rooms.clear();
    m_state = State::Reading;
}

RoomLister::RoomLister(QObject* parent) : QObject(parent)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(kTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] { finish(tr("No answer from %1.").arg(m_target)); });
}

void RoomLister::list(const QString& host, quint16 port)
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
    }
    m_reader.reset();
    m_target = QStringLiteral("%1:%2").arg(host).arg(port);
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &RoomLister::readArrived);
    connect(m_socket, &QTcpSocket::disconnected, this,
            [this] { finish(tr("%1 closed the connection before its list ended.").arg(m_target)); });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] {
        if (m_socket->error() != QAbstractSocket::RemoteHostClosedError)
            finish(tr("%1 cannot be reached (%2).").arg(m_target, m_socket->errorString()));
    });
    m_socket->connectToHost(host, port);
    m_socket->write(rooms::RoomGate::listRequest());
    m_timeout.start();
}

void RoomLister::readArrived()
{
    switch (m_reader.feed(m_socket->readAll())) {
    case RoomListReader::State::Reading:
        return;
    case RoomListReader::State::Ended:
        finish({});
        return;
    case RoomListReader::State::NoRooms:
        finish(tr("%1 has no rooms: it plays one game only.").arg(m_target));
        return;
    case RoomListReader::State::Broken:
        finish(tr("%1 sent something that is not a list of rooms.").arg(m_target));
        return;
    }
}

void RoomLister::finish(const QString& failure)
{
    if (!m_socket)
        return;
    m_timeout.stop();
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
    if (failure.isEmpty())
        emit listed(m_reader.rooms());
    else
        emit failed(failure);
}

} // namespace pictova
