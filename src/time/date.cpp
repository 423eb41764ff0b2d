#include "time/date.h"

namespace {

constexpr FILETIME fileTimeOf(ULONGLONG ticks)
{
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

// The platform rejects 1000 ms and more; the date value reads them as 0, and never looks at the
// day of the week.
TutDate fromCalendar(SYSTEMTIME calendar)
{
    calendar.wDayOfWeek = 0;
    if (calendar.wMilliseconds >= 1000)
        calendar.wMilliseconds = 0;
    FILETIME converted;
    if (!SystemTimeToFileTime(&calendar, &converted))
        return TutDate();
    return TutDate(converted);
}

TutDate fromDosWords(unsigned short dosDate, unsigned short dosTime)
{
    FILETIME converted;
    if (!DosDateTimeToFileTime(dosDate, dosTime, &converted))
        return TutDate();
    return TutDate(converted);
}

SYSTEMTIME calendarOf(CTime const &time)
{
    SYSTEMTIME calendar{};
    calendar.wYear = static_cast<WORD>(time.GetYear());
    calendar.wMonth = static_cast<WORD>(time.GetMonth());
    calendar.wDay = static_cast<WORD>(time.GetDay());
    calendar.wHour = static_cast<WORD>(time.GetHour());
    calendar.wMinute = static_cast<WORD>(time.GetMinute());
    calendar.wSecond = static_cast<WORD>(time.GetSecond());
    return calendar;
}

int compare(TutDate const &left, TutDate const &right)
{
    return CompareFileTime(&left, &right);
}

}  // namespace

// Computed from the calendar once and written as ticks, so that the limits are constants that
// no other static object of the library can see unbuilt.
constinit TutDate const TutDate::m_dateDosMin(fileTimeOf(119600064000000000ull));
constinit TutDate const TutDate::m_dateDosMax(fileTimeOf(159992927990000000ull));

TutDate::TutDate(SYSTEMTIME const &systemTime) : TutDate(fromCalendar(systemTime)) {}

TutDate::TutDate(unsigned short dosDate, unsigned short dosTime)
    : TutDate(fromDosWords(dosDate, dosTime))
{
}

TutDate::TutDate(CTime const &time) : TutDate(fromCalendar(calendarOf(time))) {}

TutDate::TutDate(unsigned int year, unsigned int month, unsigned int day, unsigned int hour,
                 unsigned int minute, unsigned int second, unsigned int milliseconds)
{
    SYSTEMTIME calendar{};
    calendar.wYear = static_cast<WORD>(year);
    calendar.wMonth = static_cast<WORD>(month);
    calendar.wDay = static_cast<WORD>(day);
    calendar.wHour = static_cast<WORD>(hour);
    calendar.wMinute = static_cast<WORD>(minute);
    calendar.wSecond = static_cast<WORD>(second);
    calendar.wMilliseconds = static_cast<WORD>(milliseconds);
    *this = fromCalendar(calendar);
}

void TutDate::SetTime(SYSTEMTIME const &systemTime)
{
    *this = TutDate(systemTime);
}

void TutDate::SetTime(CTime const &time)
{
    *this = TutDate(time);
}

void TutDate::SetTime(unsigned short dosDate, unsigned short dosTime)
{
    *this = TutDate(dosDate, dosTime);
}

void TutDate::LoadLocalTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    SetTime(now);
}

int TutDate::GetSystemTime(SYSTEMTIME &systemTime) const
{
    SYSTEMTIME calendar;
    if (!FileTimeToSystemTime(this, &calendar))
        return 0;
    systemTime = calendar;
    return 1;
}

int TutDate::GetSystemTime(SYSTEMTIME *systemTime) const
{
    return systemTime ? GetSystemTime(*systemTime) : 0;
}

TutDate::operator SYSTEMTIME() const
{
    SYSTEMTIME calendar{};
    GetSystemTime(calendar);
    return calendar;
}

unsigned int TutDate::GetYear() const { return static_cast<SYSTEMTIME>(*this).wYear; }
unsigned int TutDate::GetMonth() const { return static_cast<SYSTEMTIME>(*this).wMonth; }
unsigned int TutDate::GetDay() const { return static_cast<SYSTEMTIME>(*this).wDay; }
unsigned int TutDate::GetHour() const { return static_cast<SYSTEMTIME>(*this).wHour; }
unsigned int TutDate::GetMinute() const { return static_cast<SYSTEMTIME>(*this).wMinute; }
unsigned int TutDate::GetSecond() const { return static_cast<SYSTEMTIME>(*this).wSecond; }
unsigned int TutDate::GetMilliseconds() const
{
    return static_cast<SYSTEMTIME>(*this).wMilliseconds;
}
unsigned int TutDate::GetDayOfWeek() const { return static_cast<SYSTEMTIME>(*this).wDayOfWeek; }

unsigned short TutDate::DosDate() const
{
    WORD date = 0;
    WORD time = 0;
    return FileTimeToDosDateTime(this, &date, &time) ? date : 0;
}

unsigned short TutDate::DosTime() const
{
    WORD date = 0;
    WORD time = 0;
    return FileTimeToDosDateTime(this, &date, &time) ? time : 0;
}

TutDate::operator CTime() const
{
    SYSTEMTIME calendar = *this;
    return CTime(calendar.wYear, calendar.wMonth, calendar.wDay, calendar.wHour, calendar.wMinute,
                 calendar.wSecond, 0);
}

int TutDate::ConvertToUTC()
{
    FILETIME utc;
    if (!LocalFileTimeToFileTime(this, &utc))
        return 0;
    *this = TutDate(utc);
    return 1;
}

int TutDate::ConvertToLocal()
{
    FILETIME local;
    if (!FileTimeToLocalFileTime(this, &local))
        return 0;
    *this = TutDate(local);
    return 1;
}

int TutDate::isEqual(TutDate const &other) const
{
    return compare(*this, other) == 0;
}

int TutDate::isGreater(TutDate const &other) const
{
    return compare(*this, other) > 0;
}

TutDate TutDate::Min()
{
    return TutDate();
}

TutDate TutDate::Max()
{
    return TutDate(fileTimeOf(~0ull));
}

int operator==(TutDate const &left, TutDate const &right) { return compare(left, right) == 0; }
int operator!=(TutDate const &left, TutDate const &right) { return compare(left, right) != 0; }
int operator<(TutDate const &left, TutDate const &right) { return compare(left, right) < 0; }
int operator>(TutDate const &left, TutDate const &right) { return compare(left, right) > 0; }
int operator<=(TutDate const &left, TutDate const &right) { return compare(left, right) <= 0; }
int operator>=(TutDate const &left, TutDate const &right) { return compare(left, right) >= 0; }

CTimeSpan GetTimeDifference(TutDate first, TutDate second)
{
    // The framework's FILETIME constructor reads the value as UTC and lets mktime decide
    // daylight saving time for each date; the milliseconds go there, one date at a time.
    CTime const firstTime(static_cast<FILETIME const &>(first), -1);
    CTime const secondTime(static_cast<FILETIME const &>(second), -1);
    if (firstTime > secondTime)
        return firstTime - secondTime;
    if (secondTime > firstTime)
        return secondTime - firstTime;
    return CTimeSpan(0);
}
