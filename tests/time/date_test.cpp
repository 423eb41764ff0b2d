#include "time/date.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "vkstest.h"

void PrintTo(const TutDate &date, std::ostream *out)
{
    *out << "TutDate{0x" << std::hex << date.dwHighDateTime << ":" << date.dwLowDateTime
         << std::dec << "}";
}

namespace {

constexpr std::uint64_t kDosFirstTicks = 119600064000000000ull;  // 1980-01-01 00:00:00
constexpr std::uint64_t kDosLastTicks = 159992927990000000ull;   // 2107-12-31 23:59:59

std::uint64_t ticksOf(const TutDate &date)
{
    return (std::uint64_t{date.dwHighDateTime} << 32) | date.dwLowDateTime;
}

TutDate dateOfTicks(std::uint64_t ticks)
{
    return TutDate(FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)});
}

SYSTEMTIME calendar(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0,
                    WORD second = 0, WORD milliseconds = 0, WORD dayOfWeek = 0)
{
    return SYSTEMTIME{year, month, dayOfWeek, day, hour, minute, second, milliseconds};
}

// Pins the C run time's zone to a POSIX rule, which needs no zone database on the machine.
class ScopedTz {
public:
    explicit ScopedTz(const char *rule)
    {
        if (const char *previous = std::getenv("TZ"))
            previous_ = previous;
        hadPrevious_ = std::getenv("TZ") != nullptr;
        setenv("TZ", rule, 1);
        tzset();
    }
    ~ScopedTz()
    {
        if (hadPrevious_)
            setenv("TZ", previous_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::string previous_;
    bool hadPrevious_ = false;
};

constexpr const char *kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

TEST(TutDate, ZeroStandsForNoDate)
{
    EXPECT_EQ(0u, ticksOf(TutDate()));
    EXPECT_EQ(0u, ticksOf(TutDate::Min()));
    EXPECT_EQ(0u, ticksOf(TutDate(2001, 2, 30, 0, 0, 0, 0)));
    EXPECT_EQ(~0ull, ticksOf(TutDate::Max()));
}

TEST(TutDate, HasTheLayoutOfAFileTime)
{
    TutDate date = dateOfTicks(0x0123456789ABCDEFull);
    const FILETIME *asFileTime = &date;
    EXPECT_EQ(0x89ABCDEFu, asFileTime->dwLowDateTime);
    EXPECT_EQ(0x01234567u, asFileTime->dwHighDateTime);
    SYSTEMTIME fields;
    ASSERT_TRUE(FileTimeToSystemTime(&date, &fields));
}

TEST(TutDate, BuildsFromCalendarRecords)
{
    const struct {
        const char *name;
        SYSTEMTIME fields;
        std::uint64_t ticks;
    } rows[] = {
        {"first moment of the calendar", calendar(1601, 1, 1), 0},
        {"one millisecond", calendar(1601, 1, 1, 0, 0, 0, 1), 10000},
        {"first DOS moment", calendar(1980, 1, 1), kDosFirstTicks},
        {"last DOS moment", calendar(2107, 12, 31, 23, 59, 59), kDosLastTicks},
        {"leap day 2000", calendar(2000, 2, 29, 12, 0, 0, 500), 125962992005000000},
        {"with milliseconds", calendar(2002, 3, 7, 14, 5, 9, 250), 126599835092500000},
        {"1000 ms read as 0", calendar(2002, 3, 7, 14, 5, 9, 1000), 126599835090000000},
        {"1500 ms read as 0", calendar(2002, 3, 7, 14, 5, 9, 1500), 126599835090000000},
        {"day of week ignored", calendar(2002, 3, 7, 14, 5, 9, 250, 99), 126599835092500000},
        {"month 0", calendar(2002, 0, 7), 0},
        {"month 13", calendar(2002, 13, 7), 0},
        {"day 0", calendar(2002, 3, 0), 0},
        {"February 30", calendar(2001, 2, 30), 0},
        {"February 29 of 2001", calendar(2001, 2, 29), 0},
        {"February 29 of 1900", calendar(1900, 2, 29), 0},
        {"April 31", calendar(2001, 4, 31), 0},
        {"hour 24", calendar(2001, 4, 1, 24), 0},
        {"minute 60", calendar(2001, 4, 1, 0, 60), 0},
        {"second 60", calendar(2001, 4, 1, 0, 0, 60), 0},
        {"year 1600", calendar(1600, 12, 31), 0},
        {"year 30828", calendar(30828, 1, 1), 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.ticks, ticksOf(TutDate(row.fields)));
        TutDate replaced = TutDate::Max();
        replaced.SetTime(row.fields);
        EXPECT_EQ(row.ticks, ticksOf(replaced));
    }
}

TEST(TutDate, SevenNumbersAreCutTo16BitsEach)
{
    const struct {
        const char *name;
        unsigned int year, month, day, hour, minute, second, milliseconds;
        std::uint64_t ticks;
    } rows[] = {
        {"plain", 2002, 3, 7, 14, 5, 9, 250, 126599835092500000},
        {"year above 16 bits", 0x10000 + 2002, 3, 7, 14, 5, 9, 250, 126599835092500000},
        {"month above 16 bits", 2002, 0x10003, 7, 14, 5, 9, 250, 126599835092500000},
        {"milliseconds 0x10000 + 250", 2002, 3, 7, 14, 5, 9, 0x10000 + 250, 126599835092500000},
        {"milliseconds 1500", 2002, 3, 7, 14, 5, 9, 1500, 126599835090000000},
        {"hour 0x10018 is 24", 2002, 3, 7, 0x10018, 5, 9, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TutDate date(row.year, row.month, row.day, row.hour, row.minute, row.second,
                     row.milliseconds);
        EXPECT_EQ(row.ticks, ticksOf(date));
    }
}

TEST(TutDate, GivesItsCalendarFields)
{
    const struct {
        const char *name;
        std::uint64_t ticks;
        SYSTEMTIME fields;
        std::uint64_t builtBack;  // from the record
    } rows[] = {
        {"zero is a Monday", 0, calendar(1601, 1, 1, 0, 0, 0, 0, 1), 0},
        {"leap day 2000", 125962992005000000, calendar(2000, 2, 29, 12, 0, 0, 500, 2),
         125962992005000000},
        {"last DOS moment", kDosLastTicks, calendar(2107, 12, 31, 23, 59, 59, 0, 6), kDosLastTicks},
        {"sub-millisecond ticks dropped", 126599835092509999,
         calendar(2002, 3, 7, 14, 5, 9, 250, 4), 126599835092500000},
        // Its year lies beyond the last one a calendar record may be built from.
        {"largest calendar value", 0x7FFFFFFFFFFFFFFF,
         calendar(30828, 9, 14, 2, 48, 5, 477, 4), 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TutDate date = dateOfTicks(row.ticks);
        SYSTEMTIME byReference{};
        SYSTEMTIME byPointer{};
        EXPECT_NE(0, date.GetSystemTime(byReference));
        EXPECT_NE(0, date.GetSystemTime(&byPointer));
        SYSTEMTIME converted = date;
        for (const SYSTEMTIME *got : {&byReference, &byPointer, &converted}) {
            EXPECT_EQ(row.fields.wYear, got->wYear);
            EXPECT_EQ(row.fields.wMonth, got->wMonth);
            EXPECT_EQ(row.fields.wDay, got->wDay);
            EXPECT_EQ(row.fields.wDayOfWeek, got->wDayOfWeek);
            EXPECT_EQ(row.fields.wHour, got->wHour);
            EXPECT_EQ(row.fields.wMinute, got->wMinute);
            EXPECT_EQ(row.fields.wSecond, got->wSecond);
            EXPECT_EQ(row.fields.wMilliseconds, got->wMilliseconds);
        }
        EXPECT_EQ(row.fields.wYear, date.GetYear());
        EXPECT_EQ(row.fields.wMonth, date.GetMonth());
        EXPECT_EQ(row.fields.wDay, date.GetDay());
        EXPECT_EQ(row.fields.wHour, date.GetHour());
        EXPECT_EQ(row.fields.wMinute, date.GetMinute());
        EXPECT_EQ(row.fields.wSecond, date.GetSecond());
        EXPECT_EQ(row.fields.wMilliseconds, date.GetMilliseconds());
        EXPECT_EQ(row.fields.wDayOfWeek, date.GetDayOfWeek());
        EXPECT_EQ(row.builtBack, ticksOf(TutDate(converted)));
    }
}

TEST(TutDate, ValuesWithTheTopBitSetHaveNoCalendarForm)
{
    for (std::uint64_t ticks : {~0ull, 0x8000000000000000ull}) {
        SCOPED_TRACE(ticks);
        TutDate date = dateOfTicks(ticks);
        SYSTEMTIME untouched = calendar(1999, 12, 31, 23, 59, 59, 999, 5);
        EXPECT_EQ(0, date.GetSystemTime(untouched));
        EXPECT_EQ(1999, untouched.wYear);
        EXPECT_EQ(999, untouched.wMilliseconds);
        EXPECT_EQ(0, date.GetSystemTime(&untouched));
        SYSTEMTIME converted = date;
        EXPECT_EQ(0, converted.wYear);
        EXPECT_EQ(0, converted.wMonth);
        EXPECT_EQ(0, converted.wDay);
        EXPECT_EQ(0u, date.GetYear());
        EXPECT_EQ(0u, date.GetDayOfWeek());
        EXPECT_EQ(0, date.DosDate());
        EXPECT_EQ(0, date.DosTime());
    }
    EXPECT_EQ(0, TutDate(2002, 3, 7, 0, 0, 0, 0).GetSystemTime(nullptr));
}

TEST(TutDate, GivesDosWordsInsideTheDosRangeOnly)
{
    const struct {
        const char *name;
        TutDate date;
        WORD dosDate, dosTime;
    } rows[] = {
        {"first DOS moment", TutDate(1980, 1, 1, 0, 0, 0, 0), 0x0021, 0x0000},
        {"last DOS moment", TutDate(2107, 12, 31, 23, 59, 59, 999), 0xFF9F, 0xBF7D},
        {"even second", TutDate(2002, 3, 7, 10, 0, 4, 0), 0x2C67, 0x5002},
        {"odd second halved", TutDate(2002, 3, 7, 10, 0, 5, 0), 0x2C67, 0x5002},
        {"day before the range", TutDate(1979, 12, 31, 23, 59, 59, 999), 0, 0},
        {"day after the range", TutDate(2108, 1, 1, 0, 0, 0, 0), 0, 0},
        {"no date", TutDate(), 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.dosDate, row.date.DosDate());
        EXPECT_EQ(row.dosTime, row.date.DosTime());
    }
}

TEST(TutDate, BuildsFromDosWords)
{
    const struct {
        const char *name;
        WORD dosDate, dosTime;
        TutDate expected;
    } rows[] = {
        {"first DOS moment", 0x0021, 0x0000, TutDate(1980, 1, 1, 0, 0, 0, 0)},
        {"last DOS moment", 0xFF9F, 0xBF7D, TutDate(2107, 12, 31, 23, 59, 58, 0)},
        {"an afternoon", 0x2C67, 0x5002, TutDate(2002, 3, 7, 10, 0, 4, 0)},
        {"date word 0", 0x0000, 0x0000, TutDate()},
        {"month 13", (22 << 9) | (13 << 5) | 7, 0, TutDate()},
        {"day 0", (22 << 9) | (3 << 5), 0, TutDate()},
        {"February 30", (22 << 9) | (2 << 5) | 30, 0, TutDate()},
        {"February 29 of 2001", (21 << 9) | (2 << 5) | 29, 0, TutDate()},
        {"hour 24", 0x2C67, 24 << 11, TutDate()},
        {"minute 60", 0x2C67, 60 << 5, TutDate()},
        {"60 seconds", 0x2C67, 30, TutDate()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ticksOf(row.expected), ticksOf(TutDate(row.dosDate, row.dosTime)));
        TutDate replaced = TutDate::Max();
        replaced.SetTime(row.dosDate, row.dosTime);
        EXPECT_EQ(ticksOf(row.expected), ticksOf(replaced));
    }
}

TEST(TutDate, DosWordsRoundTripEvenSeconds)
{
    const TutDate dates[] = {TutDate(1980, 1, 1, 0, 0, 0, 0), TutDate(1999, 12, 31, 23, 59, 58, 0),
                             TutDate(2000, 2, 29, 12, 30, 0, 0),
                             TutDate(2107, 12, 31, 23, 59, 58, 0)};
    for (const TutDate &date : dates) {
        SCOPED_TRACE(date.GetYear());
        EXPECT_EQ(ticksOf(date), ticksOf(TutDate(date.DosDate(), date.DosTime())));
    }
}

TEST(TutDate, TheDosLimitsAreTheEndsOfTheDosRange)
{
    EXPECT_EQ(kDosFirstTicks, ticksOf(TutDate::m_dateDosMin));
    EXPECT_EQ(kDosLastTicks, ticksOf(TutDate::m_dateDosMax));
    EXPECT_EQ(0x0021, TutDate::m_dateDosMin.DosDate());
    EXPECT_EQ(0xFF9F, TutDate::m_dateDosMax.DosDate());
    EXPECT_EQ(0xBF7D, TutDate::m_dateDosMax.DosTime());
}

TEST(TutDate, ComparesAsUnsignedValues)
{
    const struct {
        const char *name;
        TutDate left, right;
        int equal, less;
    } rows[] = {
        {"equal", dateOfTicks(5), dateOfTicks(5), 1, 0},
        {"earlier", dateOfTicks(5), dateOfTicks(6), 0, 1},
        {"later", dateOfTicks(6), dateOfTicks(5), 0, 0},
        {"high word decides before low word", dateOfTicks(0x1FFFFFFFFull),
         dateOfTicks(0x200000000ull), 0, 1},
        {"top bit set is the greatest", TutDate::Max(), dateOfTicks(0x7FFFFFFFFFFFFFFFull), 0, 0},
        {"zero is the least", TutDate::Min(), dateOfTicks(1), 0, 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const int greater = !row.equal && !row.less;
        EXPECT_EQ(row.equal, row.left == row.right);
        EXPECT_EQ(!row.equal, row.left != row.right);
        EXPECT_EQ(row.less, row.left < row.right);
        EXPECT_EQ(greater, row.left > row.right);
        EXPECT_EQ(row.less || row.equal, row.left <= row.right);
        EXPECT_EQ(greater || row.equal, row.left >= row.right);
        EXPECT_EQ(row.equal, row.left.isEqual(row.right));
        EXPECT_EQ(greater, row.left.isGreater(row.right));
    }
}

TEST(TutDate, ReadsTheLocalClockWithMilliseconds)
{
    vkstest::ScopedLocalTime clock(calendar(2002, 3, 7, 14, 5, 9, 250, 4));
    TutDate date = TutDate::Max();
    date.LoadLocalTime();
    EXPECT_EQ(126599835092500000u, ticksOf(date));
}

TEST(TutDate, MovesBetweenLocalTimeAndUtcWithTheCurrentBias)
{
    const struct {
        const char *name;
        LONG bias;
        TutDate local, utc;
    } rows[] = {
        {"Tokyo", -540, TutDate(2002, 3, 7, 18, 0, 0, 250), TutDate(2002, 3, 7, 9, 0, 0, 250)},
        {"five hours west", 300, TutDate(2002, 3, 7, 22, 0, 0, 0), TutDate(2002, 3, 8, 3, 0, 0, 0)},
        {"half-hour zone", -330, TutDate(2002, 1, 1, 5, 0, 0, 0),
         TutDate(2001, 12, 31, 23, 30, 0, 0)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        TutDate date = row.local;
        EXPECT_NE(0, date.ConvertToUTC());
        EXPECT_EQ(ticksOf(row.utc), ticksOf(date));
        EXPECT_NE(0, date.ConvertToLocal());
        EXPECT_EQ(ticksOf(row.local), ticksOf(date));
    }
}

TEST(TutDate, ConvertsToCTimeAsLocalStandardTime)
{
    const struct {
        const char *name;
        const char *zone;
        TutDate date;
        __int64 seconds;
    } rows[] = {
        {"UTC, milliseconds dropped", "UTC0", TutDate(2002, 3, 7, 14, 5, 9, 999), 1015509909},
        {"Tokyo", "JST-9", TutDate(2002, 3, 7, 23, 5, 9, 0), 1015509909},
        {"central Europe in winter", kCentralEurope, TutDate(2002, 1, 15, 12, 0, 0, 0), 1011092400},
        // Summer fields are still read as standard time, one hour off the clock on the wall.
        {"central Europe in summer", kCentralEurope, TutDate(2002, 7, 1, 12, 0, 0, 0), 1025521200},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ScopedTz zone(row.zone);
        CTime converted = row.date;
        EXPECT_EQ(row.seconds, static_cast<__int64>(converted.GetTime()));
    }
}

TEST(TutDate, BuildsFromTheLocalFieldsOfACTime)
{
    const struct {
        const char *name;
        LONG bias;
        __int64 seconds;
        TutDate expected;
    } rows[] = {
        {"UTC", 0, 1015509909, TutDate(2002, 3, 7, 14, 5, 9, 0)},
        {"Tokyo", -540, 1015509909, TutDate(2002, 3, 7, 23, 5, 9, 0)},
        {"five hours west", 300, 1015509909, TutDate(2002, 3, 7, 9, 5, 9, 0)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        CTime time(row.seconds);
        EXPECT_EQ(ticksOf(row.expected), ticksOf(TutDate(time)));
        TutDate replaced = TutDate::Max();
        replaced.SetTime(time);
        EXPECT_EQ(ticksOf(row.expected), ticksOf(replaced));
        // And back, in a zone without daylight saving.
        CTime back = replaced;
        EXPECT_EQ(row.seconds, static_cast<__int64>(back.GetTime()));
    }
}

TEST(TutDate, TimeDifferenceCutsEachDateToItsSecond)
{
    vkstest::ScopedTimeZoneBias zone(-540);
    // Dates of 7 March 2002 unless the row says otherwise.
    const auto march7 = [](unsigned hour, unsigned minute, unsigned second, unsigned ms) {
        return TutDate(2002, 3, 7, hour, minute, second, ms);
    };
    const struct {
        const char *name;
        TutDate first, second;
        LONGLONG seconds;
    } rows[] = {
        {".900 to 1.100", march7(10, 0, 0, 900), march7(10, 0, 1, 100), 1},
        {".100 to 1.900", march7(10, 0, 0, 100), march7(10, 0, 1, 900), 1},
        {"same second", march7(10, 0, 0, 100), march7(10, 0, 0, 900), 0},
        {"equal dates", march7(10, 0, 0, 0), march7(10, 0, 0, 0), 0},
        {"a day and an hour", march7(10, 0, 0, 0), TutDate(2002, 3, 8, 11, 0, 0, 0), 90000},
        {"across a year end", TutDate(2001, 12, 31, 23, 59, 59, 0),
         TutDate(2002, 1, 1, 0, 0, 0, 0), 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.seconds, GetTimeDifference(row.first, row.second).GetTotalSeconds());
        EXPECT_EQ(row.seconds, GetTimeDifference(row.second, row.first).GetTotalSeconds());
    }
}

}  // namespace
