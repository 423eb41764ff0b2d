// CTime and CTimeSpan over the C library's calendar functions and the platform's clock.
#include "afxtime.h"

#include <climits>
#include <cstdint>
#include <mutex>
#include <optional>

namespace {

constexpr __int64 kSecondsPerDay = 86'400;
constexpr __int64 kSecondsPerHour = 3'600;
constexpr __int64 kSecondsPerMinute = 60;
constexpr __int64 kUnixEpochTicks = 116444736000000000;
constexpr __int64 kTicksPerSecond = 10'000'000;

// Two's-complement wrap-around, where plain signed overflow would be undefined.
__int64 wrappingAdd(__int64 a, __int64 b)
{
    return static_cast<__int64>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}

__int64 wrappingSubtract(__int64 a, __int64 b)
{
    return static_cast<__int64>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}

// localtime, gmtime and mktime share the C library's static state; the framework calls them one
// at a time.
std::mutex &calendarLock()
{
    static std::mutex lock;
    return lock;
}

std::optional<std::tm> localFields(__int64 time)
{
    const auto t = static_cast<std::time_t>(time);
    std::lock_guard guard(calendarLock());
    const std::tm *fields = std::localtime(&t);
    return fields ? std::optional<std::tm>(*fields) : std::nullopt;
}

std::optional<std::tm> utcFields(__int64 time)
{
    const auto t = static_cast<std::time_t>(time);
    std::lock_guard guard(calendarLock());
    const std::tm *fields = std::gmtime(&t);
    return fields ? std::optional<std::tm>(*fields) : std::nullopt;
}

__int64 secondsFromLocalFields(std::tm fields)
{
    std::lock_guard guard(calendarLock());
    return std::mktime(&fields);
}

// One local calendar field plus `offset` (1900 for the year, 1 for month and weekday), or 0.
int localField(__int64 time, int std::tm::*field, int offset = 0)
{
    const std::optional<std::tm> fields = localFields(time);
    return fields ? (*fields).*field + offset : 0;
}

std::tm *copyTo(const std::optional<std::tm> &fields, std::tm *ptm)
{
    if (!ptm || !fields)
        return nullptr;
    *ptm = *fields;
    return ptm;
}

// Seconds since 1970 of a UTC file time, rounded down so that moments before 1970 stay in their
// own second.
__int64 secondsSince1970(const FILETIME &ft)
{
    const auto ticks =
        static_cast<__int64>((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) |
                             ft.dwLowDateTime);
    const __int64 sinceEpoch = ticks - kUnixEpochTicks;
    const __int64 seconds = sinceEpoch / kTicksPerSecond;
    return sinceEpoch % kTicksPerSecond < 0 ? seconds - 1 : seconds;
}

}  // namespace

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_timeSpan(lDays * kSecondsPerDay + nHours * kSecondsPerHour + nMins * kSecondsPerMinute +
                 nSecs)
{
}

LONGLONG CTimeSpan::GetDays() const { return m_timeSpan / kSecondsPerDay; }
LONGLONG CTimeSpan::GetTotalHours() const { return m_timeSpan / kSecondsPerHour; }
LONGLONG CTimeSpan::GetTotalMinutes() const { return m_timeSpan / kSecondsPerMinute; }

int CTimeSpan::GetHours() const
{
    return static_cast<int>(GetTotalHours() - GetDays() * 24);
}

int CTimeSpan::GetMinutes() const
{
    return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60);
}

int CTimeSpan::GetSeconds() const
{
    return static_cast<int>(m_timeSpan - GetTotalMinutes() * kSecondsPerMinute);
}

CTimeSpan CTimeSpan::operator+(CTimeSpan other) const
{
    return wrappingAdd(m_timeSpan, other.m_timeSpan);
}

CTimeSpan CTimeSpan::operator-(CTimeSpan other) const
{
    return wrappingSubtract(m_timeSpan, other.m_timeSpan);
}

CTimeSpan &CTimeSpan::operator+=(CTimeSpan other) { return *this = *this + other; }
CTimeSpan &CTimeSpan::operator-=(CTimeSpan other) { return *this = *this - other; }

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
    : m_time(-1)
{
    // INT_MIN as a month cannot be made zero-based; no other field needs shifting.
    if (nYear < 1900 || nMonth == INT_MIN)
        return;
    std::tm fields{};
    fields.tm_year = nYear - 1900;
    fields.tm_mon = nMonth - 1;
    fields.tm_mday = nDay;
    fields.tm_hour = nHour;
    fields.tm_min = nMin;
    fields.tm_sec = nSec;
    fields.tm_isdst = nDST;
    m_time = secondsFromLocalFields(fields);
}

CTime::CTime(const SYSTEMTIME &sysTime, int nDST)
{
    if (sysTime.wYear >= 1900)
        *this = CTime(sysTime.wYear, sysTime.wMonth, sysTime.wDay, sysTime.wHour, sysTime.wMinute,
                      sysTime.wSecond, nDST);
}

CTime::CTime(const FILETIME &fileTime, int nDST)
{
    FILETIME local;
    SYSTEMTIME fields;
    if (FileTimeToLocalFileTime(&fileTime, &local) && FileTimeToSystemTime(&local, &fields))
        *this = CTime(fields, nDST);
}

CTime CTime::GetCurrentTime()
{
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    FILETIME now;
    if (!SystemTimeToFileTime(&utc, &now))
        return CTime();
    return secondsSince1970(now);
}

std::tm *CTime::GetLocalTm(std::tm *ptm) const { return copyTo(localFields(m_time), ptm); }
std::tm *CTime::GetGmtTm(std::tm *ptm) const { return copyTo(utcFields(m_time), ptm); }

BOOL CTime::GetAsSystemTime(SYSTEMTIME &timeDest) const
{
    const std::optional<std::tm> fields = localFields(m_time);
    if (!fields || fields->tm_year < 1601 - 1900 || fields->tm_year > 30827 - 1900)
        return FALSE;
    timeDest.wYear = static_cast<WORD>(fields->tm_year + 1900);
    timeDest.wMonth = static_cast<WORD>(fields->tm_mon + 1);
    timeDest.wDayOfWeek = static_cast<WORD>(fields->tm_wday);
    timeDest.wDay = static_cast<WORD>(fields->tm_mday);
    timeDest.wHour = static_cast<WORD>(fields->tm_hour);
    timeDest.wMinute = static_cast<WORD>(fields->tm_min);
    timeDest.wSecond = static_cast<WORD>(fields->tm_sec);
    timeDest.wMilliseconds = 0;
    return TRUE;
}

int CTime::GetYear() const { return localField(m_time, &std::tm::tm_year, 1900); }
int CTime::GetMonth() const { return localField(m_time, &std::tm::tm_mon, 1); }
int CTime::GetDay() const { return localField(m_time, &std::tm::tm_mday); }
int CTime::GetHour() const { return localField(m_time, &std::tm::tm_hour); }
int CTime::GetMinute() const { return localField(m_time, &std::tm::tm_min); }
int CTime::GetSecond() const { return localField(m_time, &std::tm::tm_sec); }
int CTime::GetDayOfWeek() const { return localField(m_time, &std::tm::tm_wday, 1); }

CTimeSpan CTime::operator-(CTime other) const { return wrappingSubtract(m_time, other.m_time); }
CTime CTime::operator+(CTimeSpan span) const
{
    return wrappingAdd(m_time, span.GetTotalSeconds());
}
CTime CTime::operator-(CTimeSpan span) const
{
    return wrappingSubtract(m_time, span.GetTotalSeconds());
}
CTime &CTime::operator+=(CTimeSpan span) { return *this = *this + span; }
CTime &CTime::operator-=(CTimeSpan span) { return *this = *this - span; }
