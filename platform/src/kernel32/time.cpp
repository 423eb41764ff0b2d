// File times, calendar records, DOS date words, local time and the tick count.
#include <cstdint>

#include "kernel32/clock.h"
#include "vksboundary.h"
#include "windows.h"

namespace {

using Ticks = std::uint64_t;

constexpr Ticks kTicksPerMillisecond = 10'000;
constexpr Ticks kTicksPerSecond = 1000 * kTicksPerMillisecond;
constexpr Ticks kTicksPerDay = 86'400 * kTicksPerSecond;
constexpr Ticks kTopBit = Ticks{1} << 63;

constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;
constexpr int kFirstDosYear = 1980;
constexpr int kLastDosYear = 2107;

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// The day-of-week field plays no part, as on Windows.
bool isValidRecord(const SYSTEMTIME &t)
{
    return t.wYear >= kFirstYear && t.wYear <= kLastYear && t.wMonth >= 1 && t.wMonth <= 12 &&
           t.wDay >= 1 && t.wDay <= daysInMonth(t.wYear, t.wMonth) && t.wHour <= 23 &&
           t.wMinute <= 59 && t.wSecond <= 59 && t.wMilliseconds <= 999;
}

// Days counted from 0000-03-01 of the proleptic Gregorian calendar, so that a leap day ends a
// year; years here are never negative.
constexpr std::int64_t daysFromMarchZero(std::int64_t year, int month, int day)
{
    year -= month <= 2;
    const std::int64_t era = year / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

constexpr std::int64_t kDay1601 = daysFromMarchZero(kFirstYear, 1, 1);

Ticks ticksOf(const SYSTEMTIME &t)
{
    const auto days = static_cast<Ticks>(daysFromMarchZero(t.wYear, t.wMonth, t.wDay) - kDay1601);
    const Ticks seconds = t.wHour * 3600u + t.wMinute * 60u + t.wSecond;
    return days * kTicksPerDay + seconds * kTicksPerSecond + t.wMilliseconds * kTicksPerMillisecond;
}

// `ticks` has its top bit clear, so the year stays within 30828.
SYSTEMTIME recordOf(Ticks ticks)
{
    const auto days = static_cast<std::int64_t>(ticks / kTicksPerDay);
    const Ticks inDay = ticks % kTicksPerDay;

    const std::int64_t sinceMarchZero = days + kDay1601;
    const std::int64_t era = sinceMarchZero / 146097;
    const std::int64_t dayOfEra = sinceMarchZero - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;

    SYSTEMTIME t;
    t.wYear = static_cast<WORD>(yearOfEra + era * 400 + (month <= 2));
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    // 1601-01-01 was a Monday.
    t.wDayOfWeek = static_cast<WORD>((days + 1) % 7);
    t.wHour = static_cast<WORD>(inDay / (3600 * kTicksPerSecond));
    t.wMinute = static_cast<WORD>(inDay / (60 * kTicksPerSecond) % 60);
    t.wSecond = static_cast<WORD>(inDay / kTicksPerSecond % 60);
    t.wMilliseconds = static_cast<WORD>(inDay / kTicksPerMillisecond % 1000);
    return t;
}

Ticks ticksOf(const FILETIME &ft)
{
    return (Ticks{ft.dwHighDateTime} << 32) | ft.dwLowDateTime;
}

FILETIME fileTimeOf(Ticks ticks)
{
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// The local offset as ticks to add (modulo 2^64, so that the two directions undo each other
// exactly on every input).
Ticks localOffsetTicks()
{
    return static_cast<Ticks>(static_cast<std::int64_t>(vks::detail::utcOffsetNow())) *
           kTicksPerSecond;
}

Ticks localNowTicks()
{
    SYSTEMTIME fixed;
    if (vks::detail::fixedLocalTime(fixed))
        return ticksOf(fixed);
    return vks::detail::hostUtcTicks() + localOffsetTicks();
}

Ticks utcNowTicks()
{
    SYSTEMTIME fixed;
    if (vks::detail::fixedLocalTime(fixed))
        return ticksOf(fixed) - localOffsetTicks();
    return vks::detail::hostUtcTicks();
}

// A fixed local time in the first hours of 1601 has no UTC form (the subtraction wraps); the
// calendar's first moment stands in for it.
SYSTEMTIME recordOfClock(Ticks ticks)
{
    return recordOf(ticks & kTopBit ? 0 : ticks);
}

BOOL invalidParameter()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

}  // namespace

BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME *lpSystemTime, LPFILETIME lpFileTime)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpSystemTime || !lpFileTime || !isValidRecord(*lpSystemTime))
            return invalidParameter();
        *lpFileTime = fileTimeOf(ticksOf(*lpSystemTime));
        return TRUE;
    });
}

BOOL WINAPI FileTimeToSystemTime(const FILETIME *lpFileTime, LPSYSTEMTIME lpSystemTime)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpFileTime || !lpSystemTime || (ticksOf(*lpFileTime) & kTopBit))
            return invalidParameter();
        *lpSystemTime = recordOf(ticksOf(*lpFileTime));
        return TRUE;
    });
}

BOOL WINAPI DosDateTimeToFileTime(WORD wFatDate, WORD wFatTime, LPFILETIME lpFileTime)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        SYSTEMTIME t{};
        t.wYear = static_cast<WORD>(kFirstDosYear + (wFatDate >> 9));
        t.wMonth = (wFatDate >> 5) & 0x0F;
        t.wDay = wFatDate & 0x1F;
        t.wHour = wFatTime >> 11;
        t.wMinute = (wFatTime >> 5) & 0x3F;
        t.wSecond = static_cast<WORD>((wFatTime & 0x1F) * 2);
        // Like Windows, a failure here leaves the last error alone.
        if (!lpFileTime || !isValidRecord(t))
            return FALSE;
        *lpFileTime = fileTimeOf(ticksOf(t));
        return TRUE;
    });
}

BOOL WINAPI FileTimeToDosDateTime(const FILETIME *lpFileTime, LPWORD lpFatDate, LPWORD lpFatTime)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpFileTime || !lpFatDate || !lpFatTime || (ticksOf(*lpFileTime) & kTopBit))
            return invalidParameter();
        const SYSTEMTIME t = recordOf(ticksOf(*lpFileTime));
        // Both ends of the seven-bit year, rather than wrapping 2108 round to 1980.
        if (t.wYear < kFirstDosYear || t.wYear > kLastDosYear)
            return invalidParameter();
        *lpFatDate = static_cast<WORD>(((t.wYear - kFirstDosYear) << 9) | (t.wMonth << 5) | t.wDay);
        *lpFatTime = static_cast<WORD>((t.wHour << 11) | (t.wMinute << 5) | (t.wSecond / 2));
        return TRUE;
    });
}

BOOL WINAPI LocalFileTimeToFileTime(const FILETIME *lpLocalFileTime, LPFILETIME lpFileTime)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpLocalFileTime || !lpFileTime)
            return invalidParameter();
        *lpFileTime = fileTimeOf(ticksOf(*lpLocalFileTime) - localOffsetTicks());
        return TRUE;
    });
}

BOOL WINAPI FileTimeToLocalFileTime(const FILETIME *lpFileTime, LPFILETIME lpLocalFileTime)
{
    return vks::atWin32Boundary<BOOL>(FALSE, [&]() -> BOOL {
        if (!lpFileTime || !lpLocalFileTime)
            return invalidParameter();
        *lpLocalFileTime = fileTimeOf(ticksOf(*lpFileTime) + localOffsetTicks());
        return TRUE;
    });
}

LONG WINAPI CompareFileTime(const FILETIME *lpFileTime1, const FILETIME *lpFileTime2)
{
    return vks::atWin32Boundary<LONG>(0, [&]() -> LONG {
        // A missing operand counts as the smaller, rather than being read.
        if (!lpFileTime1 || !lpFileTime2)
            return -1;
        const Ticks a = ticksOf(*lpFileTime1);
        const Ticks b = ticksOf(*lpFileTime2);
        return a < b ? -1 : a > b ? 1 : 0;
    });
}

void WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime)
{
    vks::atWin32BoundaryVoid([&] {
        if (lpSystemTime)
            *lpSystemTime = recordOfClock(localNowTicks());
    });
}

void WINAPI GetSystemTime(LPSYSTEMTIME lpSystemTime)
{
    vks::atWin32BoundaryVoid([&] {
        if (lpSystemTime)
            *lpSystemTime = recordOfClock(utcNowTicks());
    });
}

DWORD WINAPI GetTickCount(void)
{
    return vks::atWin32Boundary<DWORD>(0, [&]() -> DWORD {
        return vks::detail::tickCountNow();
    });
}
