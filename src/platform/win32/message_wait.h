#pragma once

#include <cstdint>

namespace talvoren::win32 {

// The relative due time, in 100-nanosecond steps (negative), of a wait of `amount` units:
// 0 milliseconds, 1 seconds, 2 minutes, 3 hours; any other unit value is the multiplier itself.
int64_t waitDueTime(int amount, int unit);

// Waits that long while dispatching window events, on a waitable timer. An amount of 0 gives a
// timer that is due at once, so the wait returns without dispatching anything. False, at once,
// when the timer cannot be made or the wait itself fails.
bool waitPumpingMessages(int amount, int unit);

}  // namespace talvoren::win32
