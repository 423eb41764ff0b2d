// afxtime.h: CTime and CTimeSpan, the framework's moments and durations in whole seconds.
#pragma once

#include <compare>
#include <ctime>

#include "afxdefs.h"

// A signed count of seconds. Arithmetic wraps round on overflow instead of failing.
class AFX_CORE_CLASS CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(__int64 seconds) : m_timeSpan(seconds) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    // Whole units, truncated toward zero; the parts (hours 0-23, minutes and seconds 0-59) carry
    // the span's sign, so a span of -90 seconds is -1 minute and -30 seconds.
    LONGLONG GetDays() const;
    LONGLONG GetTotalHours() const;
    int GetHours() const;
    LONGLONG GetTotalMinutes() const;
    int GetMinutes() const;
    __int64 GetTotalSeconds() const { return m_timeSpan; }
    int GetSeconds() const;

    CTimeSpan operator+(CTimeSpan other) const;
    CTimeSpan operator-(CTimeSpan other) const;
    CTimeSpan &operator+=(CTimeSpan other);
    CTimeSpan &operator-=(CTimeSpan other);

    friend bool operator==(const CTimeSpan &, const CTimeSpan &) = default;
    friend auto operator<=>(const CTimeSpan &, const CTimeSpan &) = default;

private:
    __int64 m_timeSpan = 0;
};

// A moment as seconds since 1970-01-01 00:00:00 UTC. The framework's era covers 1970 to
// 2038-01-19 (a signed 32-bit count); the value is kept in 64 bits, and the calendar getters work
// wherever the C library's local time does. Calendar fields are local time in the C library's
// time zone, which the platform keeps in step with its own bias.
class AFX_CORE_CLASS CTime {
public:
    CTime() = default;
    CTime(__int64 time) : m_time(time) {}
    // Local calendar fields (month 1-12) through mktime, which also normalises fields out of
    // range. nDST: 0 standard time, > 0 daylight time, < 0 let the C library decide. A year
    // before 1900, or fields mktime cannot place, give the time -1.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    // The record's fields as local time, milliseconds and day of week ignored; a year before
    // 1900 gives the time 0.
    CTime(const SYSTEMTIME &sysTime, int nDST = -1);
    // A UTC file time, moved to local time with the bias in effect now and then read as the
    // record above. A file time without a calendar form gives the time 0.
    CTime(const FILETIME &fileTime, int nDST = -1);

    // The current time: the host's fixed clock when one is set, else the system clock.
    static CTime GetCurrentTime();

    __int64 GetTime() const { return m_time; }

    // Fill *ptm with the local or UTC calendar fields and return ptm; null when ptm is null or
    // the C library cannot represent the time.
    struct tm *GetLocalTm(struct tm *ptm) const;
    struct tm *GetGmtTm(struct tm *ptm) const;
    // The local calendar fields, milliseconds 0. FALSE, with the record untouched, when the time
    // has no local calendar form within the record's years (1601 to 30827).
    BOOL GetAsSystemTime(SYSTEMTIME &timeDest) const;

    // Local calendar fields; each is 0 when the time has no local calendar form.
    int GetYear() const;
    int GetMonth() const;      // 1-12
    int GetDay() const;        // 1-31
    int GetHour() const;       // 0-23
    int GetMinute() const;     // 0-59
    int GetSecond() const;     // 0-59
    int GetDayOfWeek() const;  // 1 (Sunday) to 7 (Saturday)

    CTimeSpan operator-(CTime other) const;
    CTime operator+(CTimeSpan span) const;
    CTime operator-(CTimeSpan span) const;
    CTime &operator+=(CTimeSpan span);
    CTime &operator-=(CTimeSpan span);

    friend bool operator==(const CTime &, const CTime &) = default;
    friend auto operator<=>(const CTime &, const CTime &) = default;

private:
    __int64 m_time = 0;
};
