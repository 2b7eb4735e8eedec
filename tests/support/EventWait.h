#pragma once
// Waits on a running event loop until a condition holds. QTest::qWaitFor sleeps 10 ms between its
// rounds of events, which turns a transfer of a thousand short exchanges into half a minute of sleeping.
#include <functional>

// True as soon as done() holds, false when timeoutMs passed first.
bool WaitUntil(const std::function<bool()> &done, int timeoutMs = 5000);
