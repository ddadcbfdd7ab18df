#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace pictova {
class ServerEvents;
}

namespace pictova::serverapp {

// A peer's text made safe for a one-line log entry: quoted, with quotes, backslashes, control
// and direction characters escaped, so a name can neither break a line nor fake another entry.
QString quoted(const QString& text);

// Writes one line per event a server's administrator wants to see. No time stamps: the
// journal, or whatever collects the output, adds its own.
class EventLog : public QObject
{
    Q_OBJECT
public:
    using Writer = std::function<void(const QString& line)>;

    EventLog(ServerEvents& events, Writer write, QObject* parent = nullptr);
    // The log of room `code`: every line begins with "room <code>: ".
    EventLog(ServerEvents& events, const QString& room, Writer write, QObject* parent = nullptr);

    void listening(quint16 port, const QString& name);
    void stopping(const QString& why);
    void stopped();

private:
    Writer m_write;
};

} // namespace pictova::serverapp
