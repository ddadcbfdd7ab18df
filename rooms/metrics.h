#pragma once

#include <QByteArray>
#include <QString>
#include <map>

namespace pictova::rooms {

// What an operator's Prometheus scrapes: the server's gauges and counters, written in the text
// exposition format (version 0.0.4).
struct ServerMetrics
{
    qint64 rooms = 0;
    qint64 players = 0;
    qint64 connections = 0;
    qint64 messagesIn = 0; // counters since the start
    qint64 messagesOut = 0;
    qint64 bytesIn = 0;
    qint64 bytesOut = 0;
    std::map<QString, qint64> refusedByCause; // e.g. "full", "per-address", "room-cap"
};

QByteArray prometheusText(const ServerMetrics& metrics);

} // namespace pictova::rooms
