// Time helpers shared by the suites: calendar records, file-time values and a pinned host zone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "windows.h"

namespace vkstest {

inline SYSTEMTIME record(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0,
                         WORD second = 0, WORD milliseconds = 0, WORD dayOfWeek = 0)
{
    return {year, month, dayOfWeek, day, hour, minute, second, milliseconds};
}

// All eight fields, so a failure prints them.
inline auto fields(const SYSTEMTIME &t)
{
    return std::tuple(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds,
                      t.wDayOfWeek);
}

inline FILETIME fileTime(std::uint64_t ticks)
{
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

inline std::uint64_t ticks(const FILETIME &ft)
{
    return (std::uint64_t{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
}

// A zone with daylight saving that needs no zone database: UTC-5, and UTC-4 from March to
// November.
constexpr const char *kNewYork = "EST5EDT,M3.2.0,M11.1.0";

// Sets the process's own time zone (TZ) for the test's lifetime, as a host system would have
// it; null: no TZ at all.
class ScopedHostZone {
public:
    explicit ScopedHostZone(const char *tzOrNull);
    ~ScopedHostZone();
    ScopedHostZone(const ScopedHostZone &) = delete;
    ScopedHostZone &operator=(const ScopedHostZone &) = delete;

private:
    std::optional<std::string> previous_;
};

}  // namespace vkstest
