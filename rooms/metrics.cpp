#include "rooms/metrics.h"

namespace pictova::rooms {

namespace {
void metric(QByteArray& out, const char* name, const char* type, const char* help, qint64 value)
{
    out += QByteArray("# HELP ") + name + ' ' + help + "\n# TYPE " + name + ' ' + type + '\n';
    out += QByteArray(name) + ' ' + QByteArray::number(value) + '\n';
}

// A label value may hold only what the format allows unescaped; causes are ours, but say so.
QByteArray labelValue(const QString& text)
{
    QByteArray value;
    for (char c : text.toUtf8()) {
        if (c == '\\' || c == '"')
            value += '\\';
        if (c == '\n')
            value += "\\n";
        else
            value += c;
    }
    return value;
}
} // namespace

QByteArray prometheusText(const ServerMetrics& m)
{
    QByteArray out;
    metric(out, "pictova_rooms", "gauge", "Rooms open, the default room included.", m.rooms);
    metric(out, "pictova_players", "gauge", "Players logged in across all rooms.", m.players);
    metric(out, "pictova_connections", "gauge", "Open connections, logged in or not.", m.connections);
    metric(out, "pictova_messages_received_total", "counter", "Messages received from clients.",
           m.messagesIn);
    metric(out, "pictova_messages_sent_total", "counter", "Messages sent to clients.", m.messagesOut);
    metric(out, "pictova_received_bytes_total", "counter", "Bytes received from clients.", m.bytesIn);
    metric(out, "pictova_sent_bytes_total", "counter", "Bytes sent to clients.", m.bytesOut);
    out += "# HELP pictova_refused_connections_total Connections refused, by cause.\n"
           "# TYPE pictova_refused_connections_total counter\n";
    for (const auto& [cause, count] : m.refusedByCause)
        out += "pictova_refused_connections_total{cause=\"" + labelValue(cause) + "\"} " +
               QByteArray::number(count) + '\n';
    return out;
}

} // namespace pictova::rooms
