#pragma once

#include <functional>

namespace pictova::test {

// Runs the event loop until `condition` holds or `timeoutMs` passes; returns the condition.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000);

// Runs the event loop until a timer started now without delay has fired: whatever had come due
// by then (posted events, timers whose time was up) has run. What has not run by then was not due.
void runTimersDueNow();

} // namespace pictova::test
