#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "afxtime.h"
#include "vkstest.h"
#include "vkstime.h"

using namespace vkstest;

namespace {

constexpr __int64 kInt64Max = std::numeric_limits<__int64>::max();
constexpr __int64 kInt64Min = std::numeric_limits<__int64>::min();

// 2024-07-15 12:00:00 UTC, a Monday.
constexpr __int64 kJuly15Noon = 1721044800;

}  // namespace

TEST(CTimeSpan, SplitsIntoSignedParts)
{
    const struct {
        const char *name;
        __int64 seconds;
        LONGLONG days;
        int hours, minutes, secs;
        LONGLONG totalHours, totalMinutes;
    } kSpans[] = {
        {"zero", 0, 0, 0, 0, 0, 0, 0},
        {"1 d 2 h 3 min 4 s", 93784, 1, 2, 3, 4, 26, 1563},
        {"one second short of a day", 86399, 0, 23, 59, 59, 23, 1439},
        {"minus 90 seconds", -90, 0, 0, -1, -30, 0, -1},
        {"minus a day and a second", -86401, -1, 0, 0, -1, -24, -1440},
        {"beyond 32 bits", 10'000'000'000, 115740, 17, 46, 40, 2777777, 166666666},
    };
    for (const auto &row : kSpans) {
        SCOPED_TRACE(row.name);
        const CTimeSpan span(row.seconds);
        EXPECT_EQ(row.seconds, span.GetTotalSeconds());
        EXPECT_EQ(row.days, span.GetDays());
        EXPECT_EQ(row.hours, span.GetHours());
        EXPECT_EQ(row.minutes, span.GetMinutes());
        EXPECT_EQ(row.secs, span.GetSeconds());
        EXPECT_EQ(row.totalHours, span.GetTotalHours());
        EXPECT_EQ(row.totalMinutes, span.GetTotalMinutes());
    }
}

TEST(CTimeSpan, AddsUpDaysHoursMinutesAndSeconds)
{
    const struct {
        const char *name;
        LONG days;
        int hours, minutes, seconds;
        __int64 total;
    } kParts[] = {
        {"all parts", 1, 2, 3, 4, 93784},
        {"25 hours are not cut to a day", 0, 25, 0, 0, 90000},
        {"a negative day", -1, 0, 0, 0, -86400},
        {"mixed signs", 0, 0, -1, 30, -30},
        {"largest day count, past 32 bits", 2147483647, 0, 0, 0, 185542587100800},
    };
    for (const auto &row : kParts) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.total, CTimeSpan(row.days, row.hours, row.minutes, row.seconds)
                                 .GetTotalSeconds());
    }
}

TEST(CTimeSpan, ArithmeticAndOrder)
{
    EXPECT_EQ(CTimeSpan(150), CTimeSpan(100) + CTimeSpan(50));
    EXPECT_EQ(CTimeSpan(-50), CTimeSpan(100) - CTimeSpan(150));
    CTimeSpan span(10);
    span += CTimeSpan(5);
    EXPECT_EQ(CTimeSpan(15), span);
    span -= CTimeSpan(20);
    EXPECT_EQ(CTimeSpan(-5), span);

    EXPECT_LT(CTimeSpan(-1), CTimeSpan(0));
    EXPECT_GT(CTimeSpan(kInt64Max), CTimeSpan(kInt64Min));
    EXPECT_LE(CTimeSpan(7), CTimeSpan(7));
    EXPECT_NE(CTimeSpan(7), CTimeSpan(8));
}

TEST(CTimeSpan, WrapsRoundInsteadOfOverflowing)
{
    EXPECT_EQ(kInt64Min, (CTimeSpan(kInt64Max) + CTimeSpan(1)).GetTotalSeconds());
    EXPECT_EQ(kInt64Max, (CTimeSpan(kInt64Min) - CTimeSpan(1)).GetTotalSeconds());
}

TEST(CTime, ReadsCalendarFieldsAsLocalTime)
{
    const struct {
        const char *name;
        LONG bias;
        int year, month, day, hour, minute, second;
        __int64 time;
    } kCases[] = {
        {"1970 epoch in UTC", 0, 1970, 1, 1, 0, 0, 0, 0},
        {"1970 epoch in UTC+9", -540, 1970, 1, 1, 9, 0, 0, 0},
        {"leap day 2000", 0, 2000, 2, 29, 12, 34, 56, 951827696},
        {"last second of the era", 0, 2038, 1, 19, 3, 14, 7, 2147483647},
        {"UTC+9", -540, 2024, 7, 15, 21, 0, 0, kJuly15Noon},
        {"UTC-5", 300, 2024, 7, 15, 7, 0, 0, kJuly15Noon},
        {"UTC-5:30", 330, 2024, 7, 15, 6, 30, 0, kJuly15Noon},
        {"January 32 runs on into February", 0, 2024, 1, 32, 0, 0, 0, 1706745600},
        {"February 30 runs on into March", 0, 2024, 2, 30, 12, 0, 0, 1709294400},
        {"year 1899 is refused", 0, 1899, 12, 31, 23, 59, 59, -1},
        {"year 0 is refused", 0, 0, 1, 1, 0, 0, 0, -1},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        EXPECT_EQ(row.time, CTime(row.year, row.month, row.day, row.hour, row.minute, row.second)
                                .GetTime());
    }
}

TEST(CTime, PassesTheDaylightFlagToTheCLibrary)
{
    ScopedHostZone host(kNewYork);
    const struct {
        const char *name;
        int month, dst;
        __int64 time;
    } kCases[] = {
        {"summer, library decides: daylight time", 7, -1, 1721059200},  // 16:00 UTC
        {"summer, standard time claimed", 7, 0, 1721062800},            // 17:00 UTC
        {"winter, library decides: standard time", 1, -1, 1705338000},  // 17:00 UTC
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.time, CTime(2024, row.month, 15, 12, 0, 0, row.dst).GetTime());
    }
}

TEST(CTime, FieldsBeyondAnyDateGiveMinusOne)
{
    vkstest::ScopedTimeZoneBias zone(0);
    const int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    EXPECT_EQ(-1, CTime(2024, kMin, kMin, kMin, kMin, kMin).GetTime());
    EXPECT_EQ(-1, CTime(kMax, kMax, kMax, kMax, kMax, kMax).GetTime());
}

TEST(CTime, FromSystemTimeIgnoresMillisecondsAndDayOfWeek)
{
    vkstest::ScopedTimeZoneBias zone(-540);
    const struct {
        const char *name;
        SYSTEMTIME fields;
        __int64 time;
    } kCases[] = {
        {"21:00 local", record(2024, 7, 15, 21, 0, 0, 999, 6), kJuly15Noon},
        {"year 1900", record(1900, 1, 1, 9), -2208988800},
        {"year 1899 gives 0, not -1", record(1899, 12, 31, 23, 59, 59), 0},
        {"year 1601 gives 0", record(1601, 1, 1), 0},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.time, CTime(row.fields).GetTime());
    }
}

TEST(CTime, FromFileTimeReadsUtcThroughTheCurrentBias)
{
    const struct {
        const char *name;
        LONG bias;
        std::uint64_t ticks;
        __int64 time;
    } kCases[] = {
        {"UTC+9, milliseconds dropped", -540, 133655184005000000ull, kJuly15Noon},
        {"UTC-5:30", 330, 133655184000000000ull, kJuly15Noon},
        {"1970 epoch", 0, 116444736000000000ull, 0},
        {"before 1900 gives 0", 0, 0, 0},
        {"top bit set gives 0", 0, 0x8000000000000000ull, 0},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        EXPECT_EQ(row.time, CTime(fileTime(row.ticks)).GetTime());
    }
}

TEST(CTime, FromFileTimeMixesTodaysBiasWithTheDatesDaylightState)
{
    // In winter the bias now is UTC-5, so UTC 12:00 on 15 July becomes 07:00 local; mktime then
    // reads 07:00 as summer time, which is 11:00 UTC, an hour away from the moment given.
    ScopedHostZone host(kNewYork);
    vkstest::ScopedLocalTime now(record(2024, 1, 15, 12));
    EXPECT_EQ(1721041200, CTime(fileTime(133655184000000000ull)).GetTime());
    EXPECT_EQ(1721044800, CTime(fileTime(133655184000000000ull), 0).GetTime());
}

TEST(CTime, GivesLocalCalendarFields)
{
    const struct {
        const char *name;
        LONG bias;
        __int64 time;
        SYSTEMTIME local;  // wDayOfWeek 0 for Sunday
    } kCases[] = {
        {"1970 epoch in UTC+9, a Thursday", -540, 0, record(1970, 1, 1, 9, 0, 0, 0, 4)},
        {"leap day 2000, a Tuesday", 0, 951827696, record(2000, 2, 29, 12, 34, 56, 0, 2)},
        {"leap day in UTC-5", 300, 951827696, record(2000, 2, 29, 7, 34, 56, 0, 2)},
        {"into March in UTC+12", -720, 951827696, record(2000, 3, 1, 0, 34, 56, 0, 3)},
        {"a Sunday", 0, 1720958400, record(2024, 7, 14, 12, 0, 0, 0, 0)},
        {"last second of the era", 0, 2147483647, record(2038, 1, 19, 3, 14, 7, 0, 2)},
        {"UTC-5:30", 330, kJuly15Noon, record(2024, 7, 15, 6, 30, 0, 0, 1)},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        const CTime time(row.time);
        EXPECT_EQ(std::tuple(int{row.local.wYear}, int{row.local.wMonth}, int{row.local.wDay},
                             int{row.local.wHour}, int{row.local.wMinute}, int{row.local.wSecond},
                             row.local.wDayOfWeek + 1),
                  std::tuple(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(),
                             time.GetMinute(), time.GetSecond(), time.GetDayOfWeek()));
        SYSTEMTIME st = record(1, 2, 3, 4, 5, 6, 7, 8);
        ASSERT_TRUE(time.GetAsSystemTime(st));
        EXPECT_EQ(fields(row.local), fields(st));
        std::tm tm{};
        ASSERT_EQ(&tm, time.GetLocalTm(&tm));
        EXPECT_EQ(row.local.wHour, tm.tm_hour);
    }
}

TEST(CTime, GmtFieldsIgnoreTheZone)
{
    vkstest::ScopedTimeZoneBias zone(-540);
    std::tm tm{};
    ASSERT_EQ(&tm, CTime(kJuly15Noon).GetGmtTm(&tm));
    EXPECT_EQ(std::tuple(124, 6, 15, 12, 0, 0, 1),
              std::tuple(tm.tm_year, tm.tm_mon, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                         tm.tm_wday));
    EXPECT_EQ(nullptr, CTime(kJuly15Noon).GetGmtTm(nullptr));
    EXPECT_EQ(nullptr, CTime(kJuly15Noon).GetLocalTm(nullptr));
}

TEST(CTime, TimesWithoutACalendarFormGiveNoFields)
{
    vkstest::ScopedTimeZoneBias zone(0);
    const struct {
        const char *name;
        __int64 time;
    } kCases[] = {
        {"past the C library's years", kInt64Max},
        {"before them", kInt64Min},
        {"past the record's years (about 31.7 million)", 1'000'000'000'000'000},
        {"before 1601", -11644473601},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        const CTime time(row.time);
        const SYSTEMTIME untouched = record(1, 2, 3, 4, 5, 6, 7, 8);
        SYSTEMTIME st = untouched;
        EXPECT_FALSE(time.GetAsSystemTime(st));
        EXPECT_EQ(fields(untouched), fields(st));
    }
    const CTime unreadable(kInt64Max);
    std::tm tm{};
    EXPECT_EQ(nullptr, unreadable.GetLocalTm(&tm));
    EXPECT_EQ(std::tuple(0, 0, 0, 0, 0, 0, 0),
              std::tuple(unreadable.GetYear(), unreadable.GetMonth(), unreadable.GetDay(),
                         unreadable.GetHour(), unreadable.GetMinute(), unreadable.GetSecond(),
                         unreadable.GetDayOfWeek()));
}

TEST(CTime, CurrentTimeReadsTheFixedClock)
{
    const struct {
        const char *name;
        LONG bias;
        SYSTEMTIME local;
    } kCases[] = {
        {"UTC+9", -540, record(2024, 7, 15, 21, 0, 0, 750)},
        {"UTC-5:30", 330, record(2024, 7, 15, 6, 30, 0, 0)},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        vkstest::ScopedLocalTime now(row.local);
        const CTime current = CTime::GetCurrentTime();
        EXPECT_EQ(kJuly15Noon, current.GetTime());
        EXPECT_EQ(row.local.wHour, current.GetHour());
    }
}

TEST(CTime, CurrentTimeFollowsTheSystemClockWhenNotFixed)
{
    const std::time_t before = std::time(nullptr);
    const __int64 now = CTime::GetCurrentTime().GetTime();
    const std::time_t after = std::time(nullptr);
    EXPECT_LE(before, now);
    EXPECT_GE(after, now);
}

TEST(CTime, ArithmeticWithSpansAndOrder)
{
    EXPECT_EQ(CTimeSpan(600), CTime(1000) - CTime(400));
    EXPECT_EQ(CTimeSpan(-600), CTime(400) - CTime(1000));
    EXPECT_EQ(CTime(87400), CTime(1000) + CTimeSpan(1, 0, 0, 0));
    EXPECT_EQ(CTime(940), CTime(1000) - CTimeSpan(0, 0, 1, 0));
    CTime time(1000);
    time += CTimeSpan(5);
    EXPECT_EQ(CTime(1005), time);
    time -= CTimeSpan(10);
    EXPECT_EQ(CTime(995), time);
    EXPECT_EQ(CTime(kInt64Min), CTime(kInt64Max) + CTimeSpan(1));

    EXPECT_LT(CTime(0), CTime(1));
    EXPECT_GE(CTime(1), CTime(1));
    EXPECT_NE(CTime(), CTime(-1));
    EXPECT_EQ(CTime(), CTime(0));
}

TEST(CTime, RoundTripsThroughSystemTime)
{
    const __int64 kTimes[] = {0, 951827696, kJuly15Noon, 2147483647};
    for (LONG bias : {LONG{-540}, LONG{0}, LONG{330}}) {
        vkstest::ScopedTimeZoneBias zone(bias);
        for (__int64 value : kTimes) {
            SCOPED_TRACE(testing::Message() << "bias " << bias << ", time " << value);
            SYSTEMTIME st{};
            ASSERT_TRUE(CTime(value).GetAsSystemTime(st));
            EXPECT_EQ(value, CTime(st).GetTime());
        }
    }
}
