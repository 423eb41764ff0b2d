#include "time/timestamp.h"

TutTimestamp::TutTimestamp(unsigned int year, unsigned int month, unsigned int day,
                           unsigned int hour, unsigned int minutes, unsigned int seconds)
    : TutDate(year, month, day, hour, minutes, seconds, 0)
{
}

ULONG TutTimestamp::year() const { return GetYear(); }
ULONG TutTimestamp::month() const { return GetMonth(); }
ULONG TutTimestamp::day() const { return GetDay(); }
ULONG TutTimestamp::hour() const { return GetHour(); }
ULONG TutTimestamp::minutes() const { return GetMinute(); }
ULONG TutTimestamp::seconds() const { return GetSecond(); }

// The present moment is taken once: reading the clock again for each field could compare the
// year of one moment with the month of the next, across midnight of a month's last day.
int utisPastTime(SYSTEMTIME date, SYSTEMTIME time, int useTime)
{
    const CTime now = CTime::GetCurrentTime();
    const int given[] = {date.wYear, date.wMonth, date.wDay};
    const int present[] = {now.GetYear(), now.GetMonth(), now.GetDay()};
    for (int i = 0; i < 3; ++i) {
        if (given[i] != present[i])
            return given[i] < present[i] ? 1 : 0;
    }
    if (!useTime)
        return 0;
    if (time.wHour != now.GetHour())
        return time.wHour < now.GetHour() ? 1 : 0;
    return time.wMinute <= now.GetMinute() ? 1 : 0;
}
