#pragma once

#include "bench/benchsupport.h"

namespace pictova::bench {

// What this machine's loopback gives any relay, to read the game's relay against.

// One byte out to an echo and back, one at a time: to an echo in this process, or
// (`otherProcess`) in one of its own. Back to back neither side ever goes idle; `paceMs` apart,
// as a drawer's strokes come, each byte also pays for waking an idle core, as every stroke does.
// `sharedCores` false places the other process as placeApart does.
Summary loopbackRoundTrip(int rounds, bool otherProcess, int paceMs = 0, bool sharedCores = true);

// A relay of nothing but relaying: a process of its own, without Qt or a game, that waits in
// poll() on every connection and writes what the first sends to each of the `recipients`
// others, one write each, as a relay must. This process sends a message of `messageBytes` every
// `paceMs` and times its arrival at every recipient, read through Qt's sockets as the players
// read. This is the floor any relay of this shape stands on.
Summary bareRelay(int seconds, int recipients, int paceMs, int messageBytes, bool sharedCores);

} // namespace pictova::bench
