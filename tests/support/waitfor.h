#pragma once

#include <functional>

namespace pictova::test {

// Runs the event loop until `condition` holds or `timeoutMs` passes; returns the condition.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000);

// Runs the event loop for a while (to let things that should NOT happen have their chance).
void pump(int ms);

} // namespace pictova::test
