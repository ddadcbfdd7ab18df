#pragma once

#include "server/notices.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace pictova {

class PlayerTable;

// Where the game logic sends its messages. Only seats whose connection is live are addressed,
// always in seat order; the transport behind it is the connections' business.
class Outbox
{
public:
    using SendOne = std::function<void(int seat, const QByteArray& bytes)>;
    // The language a seat's client reads (feature::languages()); English until set.
    using LanguageOf = std::function<QString(int seat)>;

    Outbox(const PlayerTable& players, SendOne sendOne) : m_players(players), m_sendOne(std::move(sendOne)) {}

    void sendTo(int seat, const QByteArray& bytes) const;
    void sendAll(const QByteArray& bytes) const;
    void sendAllBut(int seat, const QByteArray& bytes) const;

    void setLanguageOf(LanguageOf languageOf) { m_languageOf = std::move(languageOf); }
    // A line of the server's own, to each addressee in its own language.
    void sendNotice(int seat, notices::Id id, const QString& value = QString()) const;
    void sendNoticeToAll(notices::Id id, const QString& value = QString()) const;

private:
    const PlayerTable& m_players;
    SendOne m_sendOne;
    LanguageOf m_languageOf;

    QString languageOf(int seat) const;
};

} // namespace pictova
