// Internal: the clock and time zone the time functions read, host-controlled or the host's own.
#pragma once

#include <cstdint>

#include "windows.h"

namespace vks::detail {

// The local time a host fixed with VksHostSetLocalTime, a valid record. False when the clock runs.
bool fixedLocalTime(SYSTEMTIME &local);

// The host's running clock: UTC in 100-ns ticks since 1601-01-01.
std::uint64_t hostUtcTicks();

// Seconds to add to UTC to get local time, as in effect now: the fixed bias when one is set,
// else the host zone's offset at the current moment (the fixed local time when there is one).
std::int32_t utcOffsetNow();

// The fixed tick count when one is set, else the host's milliseconds since start, cut to 32 bits.
DWORD tickCountNow();

// Who hears, outside the clock's lock, that a host or a test set the tick count (the message
// queues, whose waits for a timer read it again). One listener; null for none.
void setTickCountListener(void (*listener)());

}  // namespace vks::detail
