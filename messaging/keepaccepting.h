#pragma once

class QTcpServer;

namespace pictova {

// Qt stops a listener for good when an accept fails for want of a file descriptor (too many
// open connections): from then on the port would take no one, long after the crowd has gone.
// This makes the listener try again a moment later, and says so on the error output at most
// once a minute.
void keepAccepting(QTcpServer* server);

} // namespace pictova
