// Internal: the few host clock and time-zone calls, without POSIX types.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vks::detail::posix {

// Milliseconds of a clock that never steps back (the host's uptime clock).
std::uint64_t monotonicMilliseconds();

// The host's calendar clock: seconds and nanoseconds since 1970-01-01 00:00:00 UTC.
struct RealTime {
    std::int64_t seconds;
    std::int32_t nanoseconds;
};
RealTime realTimeNow();

// Seconds to add to UTC to get local time, as the C library's local zone has it now.
std::int32_t utcOffsetNow();

// The same offset at the moment the local calendar fields name (month 1-12), with the C
// library deciding daylight saving time. Empty when the fields name no moment it can represent.
std::optional<std::int32_t> utcOffsetAtLocal(int year, int month, int day, int hour, int minute,
                                             int second);

// The TZ environment variable (empty: unset), and setting it with the C library told at once.
std::optional<std::string> timeZoneVariable();
void setTimeZoneVariable(const std::optional<std::string> &value);

}  // namespace vks::detail::posix
