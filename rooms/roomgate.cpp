#include "rooms/roomgate.h"

#include "messaging/wire.h"
#include "rooms/roomcode.h"
#include "rooms/roomdirectory.h"

namespace pictova::rooms {

namespace {
const QByteArray kPrefix = QByteArrayLiteral("CMD_room+");

QByteArray framed(const QString& text)
{
    return text.toUtf8() + kTerminator;
}
} // namespace

const RoomGate::Decision& RoomGate::feed(const QByteArray& bytes)
{
    if (decided()) {
        m_decision.passOn += bytes;
        return m_decision;
    }
    m_pending += bytes;
    const qsizetype end = m_pending.indexOf(kTerminator);
    // Too long to be our request, however the bytes came: the default room reads it as any
    // message (and cuts it off if it must).
    if ((end < 0 ? m_pending.size() : end) > kMaxRequest) {
        m_decision.choice = Choice::DefaultRoom;
        m_decision.passOn = m_pending;
        return m_decision;
    }
    if (end < 0) {
        // Not our request: the default room reads it.
        const qsizetype known = qMin(m_pending.size(), kPrefix.size());
        if (m_pending.left(known) != kPrefix.left(known)) {
            m_decision.choice = Choice::DefaultRoom;
            m_decision.passOn = m_pending;
        }
        return m_decision;
    }
    decideFrom(m_pending.left(end), m_pending.mid(end + 1));
    return m_decision;
}

const RoomGate::Decision& RoomGate::tick(qint64 nowMs)
{
    if (!decided() && nowMs - m_openedAtMs >= kHoldMs) {
        m_decision.choice = Choice::DefaultRoom;
        m_decision.passOn = m_pending;
    }
    return m_decision;
}

void RoomGate::decideFrom(const QByteArray& message, const QByteArray& rest)
{
    if (!message.startsWith(kPrefix)) {
        m_decision.choice = Choice::DefaultRoom;
        m_decision.passOn = m_pending;
        return;
    }
    m_decision.passOn = rest;
    const QString text = QString::fromUtf8(message.mid(kPrefix.size()));
    const QStringList fields = text.split(QLatin1Char('+'));
    const QString verb = fields.value(0);
    m_decision.choice = Choice::Malformed;
    if (verb == QLatin1String("join") && fields.size() == 2) {
        if (const std::optional<QString> code = parseCode(fields[1])) {
            m_decision.choice = Choice::Join;
            m_decision.code = *code;
        }
    } else if (verb == QLatin1String("create") && fields.size() >= 3) {
        const QString visibility = fields[1];
        if (visibility == QLatin1String("listed") || visibility == QLatin1String("private")) {
            m_decision.choice = Choice::Create;
            m_decision.listed = visibility == QLatin1String("listed");
            // The name is the rest and may hold "+".
            m_decision.name = text.section(QLatin1Char('+'), 2).left(RoomDirectory::kMaxNameLength);
        }
    } else if (verb == QLatin1String("list") && fields.size() == 1) {
        m_decision.choice = Choice::List;
    }
}

QByteArray RoomGate::joinRequest(const QString& code)
{
    return framed(QStringLiteral("CMD_room+join+") + code);
}

QByteArray RoomGate::createRequest(bool listed, const QString& name)
{
    return framed(QStringLiteral("CMD_room+create+%1+%2")
                      .arg(listed ? QStringLiteral("listed") : QStringLiteral("private"), name));
}

QByteArray RoomGate::listRequest()
{
    return framed(QStringLiteral("CMD_room+list"));
}

} // namespace pictova::rooms
