#pragma once

#include "chat/chatcontext.h"
#include "messaging/errors.h"
#include "messaging/framing.h"
#include "messaging/wire.h"

#include <QStringList>

namespace pictova::test {

// Stands in for the game window: a log-in state, a seat, and a send that records every framed
// message (cut at the terminator the way the server's framer cuts them).
struct SentMessages
{
    bool loggedin = true;
    int seat = 3;
    bool connected = true;
    QList<QByteArray> raw;

    ChatContext context()
    {
        return ChatContext{[this] { return loggedin; }, [this] { return seat; },
                           [this](const QByteArray& bytes) {
                               if (!connected)
                                   throw ESockException(QStringLiteral("Send - Socket Not Connected"));
                               raw << bytes;
                           }};
    }

    // The messages as the server would see them, without terminators.
    QStringList messages() const
    {
        MessageFramer framer;
        QList<QByteArray> cut;
        for (const QByteArray& bytes : raw)
            framer.feed(bytes, cut);
        QStringList texts;
        for (const QByteArray& message : cut)
            texts << fromWire(message);
        return texts;
    }
};

// Collects what would go to the error box.
struct ErrorBox
{
    QStringList shown;
    ErrorBox()
    {
        setErrorReporter([this](const QString& text) { shown << text; });
    }
    ~ErrorBox() { setErrorReporter({}); }
};

} // namespace pictova::test
