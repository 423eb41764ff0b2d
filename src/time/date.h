// TutDate: one moment, to the tenth of a microsecond, held exactly as a platform FILETIME.
#pragma once

#include "windows.h"

#include "afxtime.h"

// The value is an unsigned count of 100 ns ticks since 1601-01-01 00:00:00 and carries no time
// zone: whether it is local time or UTC is the caller's convention. The library's own sources of
// dates (the local clock, DOS words, CTime) give local time. The value 0 means "no date": it is
// the default, Min() and the result of every failed conversion. Nothing here throws.
//
// The object is a FILETIME and nothing else (no other member, nothing virtual), so a TutDate may
// be handed to any platform function that takes a FILETIME, and copies are plain 8-byte copies.
class AFX_EXT_CLASS TutDate : public FILETIME {
public:
    // 0.
    constexpr TutDate() : FILETIME{0, 0} {}
    constexpr TutDate(FILETIME const &fileTime) : FILETIME(fileTime) {}
    constexpr TutDate(TutDate const &) = default;
    constexpr TutDate &operator=(TutDate const &) = default;

    // The calendar fields of the record. Its day of week is ignored and milliseconds of 1000 or
    // more count as 0; fields that form no valid moment (month 0 or 13, 2001-02-30, hour 24,
    // minute or second 60, a year before 1601 or after 30827) give 0.
    TutDate(SYSTEMTIME const &systemTime);
    // A DOS date word and time word, as in a FAT directory entry; an invalid pair gives 0.
    TutDate(unsigned short dosDate, unsigned short dosTime);
    // The CTime's local calendar fields to the second; milliseconds 0.
    TutDate(CTime const &time);
    // Calendar fields; each is cut to 16 bits, then read as the calendar record above.
    TutDate(unsigned int year, unsigned int month, unsigned int day, unsigned int hour,
            unsigned int minute, unsigned int second, unsigned int milliseconds);

    // Each replaces the value by what the constructor with the same argument gives.
    void SetTime(SYSTEMTIME const &systemTime);
    void SetTime(CTime const &time);
    void SetTime(unsigned short dosDate, unsigned short dosTime);

    // The current local time of the system clock, milliseconds included.
    void LoadLocalTime();

    // Fill the calendar record; nonzero on success. A value with the top bit set (Max() among
    // them) has no calendar form: the result is 0 and the record is left as it was.
    int GetSystemTime(SYSTEMTIME &systemTime) const;
    int GetSystemTime(SYSTEMTIME *systemTime) const;
    // The calendar record; all fields zero for a value that has none.
    operator SYSTEMTIME() const;

    // One field of the calendar record: month 1-12, day 1-31, hour 0-23, day of week 0 (Sunday)
    // to 6. Zero for a value without a calendar form.
    unsigned int GetYear() const;
    unsigned int GetMonth() const;
    unsigned int GetDay() const;
    unsigned int GetHour() const;
    unsigned int GetMinute() const;
    unsigned int GetSecond() const;
    unsigned int GetMilliseconds() const;
    unsigned int GetDayOfWeek() const;

    // The DOS date and time words; 0 outside 1980-01-01 to 2107-12-31 23:59:59. The time word
    // holds seconds halved, so an odd second is lost.
    unsigned short DosDate() const;
    unsigned short DosTime() const;

    // The calendar fields read as local standard time (daylight saving taken as not in effect);
    // milliseconds are dropped. Meaningful from 1970 to January 2038 only. Write
    // `CTime time = date;`: `CTime time(date)` takes CTime's FILETIME constructor instead, which
    // reads the value as UTC.
    operator CTime() const;

    // Move the value from local time to UTC or back, in place, with the time-zone bias in
    // effect now (not the one in effect at the date). Nonzero on success; on failure the value
    // is unchanged and the result is 0.
    int ConvertToUTC();
    int ConvertToLocal();

    // 1 or 0, comparing the unsigned 64-bit values.
    int isEqual(TutDate const &other) const;
    int isGreater(TutDate const &other) const;

    // 0 and all 64 bits set.
    static TutDate Min();
    static TutDate Max();

    // The earliest and the latest moment a DOS date and time can express:
    // 1980-01-01 00:00:00 and 2107-12-31 23:59:59.
    static TutDate const m_dateDosMin;
    static TutDate const m_dateDosMax;
};

static_assert(sizeof(TutDate) == sizeof(FILETIME), "TutDate must keep the layout of a FILETIME");

// 1 or 0: the usual strict and non-strict orders of the two values.
AFX_EXT_API int operator==(TutDate const &left, TutDate const &right);
AFX_EXT_API int operator!=(TutDate const &left, TutDate const &right);
AFX_EXT_API int operator<(TutDate const &left, TutDate const &right);
AFX_EXT_API int operator>(TutDate const &left, TutDate const &right);
AFX_EXT_API int operator<=(TutDate const &left, TutDate const &right);
AFX_EXT_API int operator>=(TutDate const &left, TutDate const &right);

// The distance between two moments in whole seconds, never negative. Each date is read as UTC,
// moved to local time with the current bias and cut to its whole second before the two are
// subtracted; the C run time decides daylight saving for each date itself. Meaningful from 1970
// to January 2038 only.
AFX_EXT_API CTimeSpan GetTimeDifference(TutDate first, TutDate second);
