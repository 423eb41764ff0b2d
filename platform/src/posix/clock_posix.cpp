#if !defined(__unix__)
#error "clock_posix.cpp is the POSIX clock; build the platform's Windows files instead"
#endif

#include "posix/clock_posix.h"

#include <cstdlib>
#include <ctime>

#include <time.h>

namespace vks::detail::posix {

std::uint64_t monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u +
           static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u;
}

RealTime realTimeNow()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return {static_cast<std::int64_t>(now.tv_sec), static_cast<std::int32_t>(now.tv_nsec)};
}

std::int32_t utcOffsetNow()
{
    const time_t now = time(nullptr);
    tm local{};
    if (!localtime_r(&now, &local))
        return 0;
    return static_cast<std::int32_t>(local.tm_gmtoff);
}

std::optional<std::int32_t> utcOffsetAtLocal(int year, int month, int day, int hour, int minute,
                                             int second)
{
    tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    // -1 is also a valid moment (one second before 1970), so the fields tell success apart.
    local.tm_wday = -1;
    mktime(&local);
    if (local.tm_wday < 0)
        return std::nullopt;
    return static_cast<std::int32_t>(local.tm_gmtoff);
}

std::optional<std::string> timeZoneVariable()
{
    if (const char *value = std::getenv("TZ"))
        return std::string(value);
    return std::nullopt;
}

void setTimeZoneVariable(const std::optional<std::string> &value)
{
    if (value)
        setenv("TZ", value->c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

}  // namespace vks::detail::posix
