// The lines pictova-server writes for each event.
#include "server/serverevents.h"
#include "serverapp/eventlog.h"

#include <gtest/gtest.h>

namespace pictova::serverapp {
namespace {

TEST(EventLog, OneLinePerEvent)
{
    ServerEvents events;
    QStringList lines;
    EventLog log(events, [&](const QString& line) { lines << line; });
    log.listening(7772, QString());
    log.listening(7772, QStringLiteral("Friday"));
    emit events.connected(2, QStringLiteral("10.1.2.3"));
    emit events.loggedIn(2, QStringLiteral("Bob"), QStringLiteral("10.1.2.3"));
    emit events.gameStarted(1, true, 20, 120);
    emit events.gameStarted(1, false, 30, 60);
    emit events.gameWon(QStringLiteral("Ann"));
    emit events.cutOff(2, QStringLiteral("10.1.2.3"), QStringLiteral("sends faster than it is served"));
    emit events.departed(2, QStringLiteral("Bob"), QStringLiteral("10.1.2.3"), Departure::CutOff);
    emit events.departed(3, QString(), QStringLiteral("10.1.2.4"), Departure::TimedOut);
    emit events.departed(4, QStringLiteral("Dee"), QStringLiteral("10.1.2.5"), Departure::Removed);
    emit events.departed(5, QStringLiteral("Eve"), QStringLiteral("10.1.2.6"), Departure::Disconnected);
    emit events.refusedFull(QStringLiteral("10.1.2.7"));
    EXPECT_EQ(lines, QStringList({
                         "listening on port 7772",
                         "listening on port 7772 as \"Friday\"",
                         "connection from 10.1.2.3 on seat 2",
                         "login seat 2 \"Bob\" from 10.1.2.3",
                         "game started by seat 1 (team, play to 20, 120 s)",
                         "game started by seat 1 (no teams, play to 30, 60 s)",
                         "winner \"Ann\"",
                         "connection from 10.1.2.3 cut off: sends faster than it is served",
                         "left seat 2 \"Bob\": cut off",
                         "left seat 3 (no log-in) from 10.1.2.4: timed out",
                         "left seat 4 \"Dee\": removed",
                         "left seat 5 \"Eve\": disconnected",
                         "connection from 10.1.2.7 refused: all seats taken",
                     }));
}

// A name is a peer's text: it must not break the line nor pass for another entry.
TEST(EventLog, PeerTextCannotForgeALine)
{
    EXPECT_EQ(quoted(QStringLiteral("Bob\"\nleft seat 1 \"Ann\\")),
              QStringLiteral("\"Bob\\\"\\x0aleft seat 1 \\\"Ann\\\\\""));
    EXPECT_EQ(quoted(QString::fromUtf8("Zoë\u2028x\x7f")), QString::fromUtf8("\"Zoë\\x2028x\\x7f\""));
    EXPECT_EQ(quoted(QString()), QStringLiteral("\"\""));
    EXPECT_EQ(quoted(QString::fromUtf8("\u202eAnn\u2066\u2069\x1b[2J\u009b")),
              QStringLiteral("\"\\x202eAnn\\x2066\\x2069\\x1b[2J\\x9b\""));
}

} // namespace
} // namespace pictova::serverapp
