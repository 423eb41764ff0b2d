#include <cstdint>
#include <tuple>

#include <gtest/gtest.h>

#include "vkstest.h"
#include "vkstime.h"
#include "windows.h"

using namespace vkstest;

namespace {

constexpr std::uint64_t kUntouched = 0x0123456789ABCDEFull;
constexpr std::uint64_t kAllOnes = ~std::uint64_t{0};
constexpr std::uint64_t kLargest = 0x7FFFFFFFFFFFFFFFull;

// Calendar moments with their tick counts and days of the week (0 = Sunday), worked out by hand
// from the day count since 1601-01-01.
struct Moment {
    const char *name;
    SYSTEMTIME fields;
    std::uint64_t ticks;
};

const Moment kMoments[] = {
    {"first moment, a Monday", record(1601, 1, 1, 0, 0, 0, 0, 1), 0},
    {"nine hours in", record(1601, 1, 1, 9, 0, 0, 0, 1), 324000000000ull},
    {"1900-03-01 after a February of 28 days", record(1900, 3, 1, 0, 0, 0, 0, 4),
     94405824000000000ull},
    {"1970 epoch, a Thursday", record(1970, 1, 1, 0, 0, 0, 0, 4), 116444736000000000ull},
    {"DOS epoch", record(1980, 1, 1, 0, 0, 0, 0, 2), 119600064000000000ull},
    {"leap day 2000", record(2000, 2, 29, 12, 34, 56, 789, 2), 125963012967890000ull},
    {"2001-03-01", record(2001, 3, 1, 0, 0, 0, 0, 4), 126278784000000000ull},
    {"end of the 32-bit era", record(2038, 1, 19, 3, 14, 7, 0, 2), 137919572470000000ull},
    {"last DOS moment", record(2107, 12, 31, 23, 59, 58, 0, 6), 159992927980000000ull},
    {"last accepted record", record(30827, 12, 31, 23, 59, 59, 999, 5), 9223149887999990000ull},
    {"largest value, a Thursday", record(30828, 9, 14, 2, 48, 5, 477, 4), kLargest},
};

}  // namespace

TEST(SystemTimeToFileTime, CountsTicksSince1601)
{
    for (const Moment &row : kMoments) {
        if (row.ticks == kLargest)
            continue;  // its sub-millisecond ticks have no calendar field
        SCOPED_TRACE(row.name);
        FILETIME ft = fileTime(kUntouched);
        ASSERT_TRUE(SystemTimeToFileTime(&row.fields, &ft));
        EXPECT_EQ(row.ticks, ticks(ft));
    }
}

TEST(SystemTimeToFileTime, IgnoresTheDayOfWeek)
{
    const SYSTEMTIME wrongDay = record(2000, 2, 29, 12, 34, 56, 789, 99);
    FILETIME ft{};
    ASSERT_TRUE(SystemTimeToFileTime(&wrongDay, &ft));
    EXPECT_EQ(125963012967890000ull, ticks(ft));
}

TEST(SystemTimeToFileTime, RejectsFieldsOutOfRangeAndLeavesTheOutput)
{
    const struct {
        const char *name;
        SYSTEMTIME fields;
    } kInvalid[] = {
        {"year before 1601", record(1600, 12, 31, 23, 59, 59, 999)},
        {"year after 30827", record(30828, 1, 1)},
        {"month 0", record(2000, 0, 1)},
        {"month 13", record(2000, 13, 1)},
        {"day 0", record(2000, 1, 0)},
        {"January 32", record(2000, 1, 32)},
        {"April 31", record(2000, 4, 31)},
        {"September 31", record(2000, 9, 31)},
        {"February 30 of a leap year", record(2000, 2, 30)},
        {"February 29 of 1900", record(1900, 2, 29)},
        {"February 29 of 2001", record(2001, 2, 29)},
        {"hour 24", record(2000, 1, 1, 24)},
        {"minute 60", record(2000, 1, 1, 0, 60)},
        {"second 60", record(2000, 1, 1, 0, 0, 60)},
        {"1000 milliseconds", record(2000, 1, 1, 0, 0, 0, 1000)},
        {"all fields at their largest", record(0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
                                               0xFFFF, 0xFFFF)},
    };
    for (const auto &row : kInvalid) {
        SCOPED_TRACE(row.name);
        FILETIME ft = fileTime(kUntouched);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(SystemTimeToFileTime(&row.fields, &ft));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_EQ(kUntouched, ticks(ft));
    }
}

TEST(SystemTimeToFileTime, RejectsMissingPointers)
{
    const SYSTEMTIME valid = record(2000, 1, 1);
    FILETIME ft{};
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(SystemTimeToFileTime(nullptr, &ft));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(SystemTimeToFileTime(&valid, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(FileTimeToSystemTime, GivesTheCalendarFieldsAndDayOfWeek)
{
    for (const Moment &row : kMoments) {
        SCOPED_TRACE(row.name);
        const FILETIME ft = fileTime(row.ticks);
        SYSTEMTIME st{};
        ASSERT_TRUE(FileTimeToSystemTime(&ft, &st));
        EXPECT_EQ(fields(row.fields), fields(st));
    }
}

TEST(FileTimeToSystemTime, TruncatesSubMillisecondTicks)
{
    const FILETIME ft = fileTime(125963012967890000ull + 9999);
    SYSTEMTIME st{};
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &st));
    EXPECT_EQ(fields(record(2000, 2, 29, 12, 34, 56, 789, 2)), fields(st));
}

TEST(FileTimeToSystemTime, RejectsValuesWithTheTopBitSet)
{
    const SYSTEMTIME untouched = record(1234, 5, 6, 7, 8, 9, 10, 11);
    const std::uint64_t kTopBitSet[] = {0x8000000000000000ull, 0x8000000000000001ull,
                                        0xC000000000000000ull, kAllOnes};
    for (std::uint64_t value : kTopBitSet) {
        SCOPED_TRACE(value);
        const FILETIME ft = fileTime(value);
        SYSTEMTIME st = untouched;
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(FileTimeToSystemTime(&ft, &st));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_EQ(fields(untouched), fields(st));
    }
}

TEST(FileTime, RoundTripsThroughSystemTime)
{
    // Whole milliseconds on both sides of month ends, a century and leap days.
    const std::uint64_t kValues[] = {
        0,
        10'000,
        94405823999990000ull,   // 1900-02-28 23:59:59.999
        125963012967890000ull,  // 2000-02-29 12:34:56.789
        126278783999990000ull,  // 2001-02-28 23:59:59.999
        159992928000000000ull,  // 2108-01-01
        9223149887999990000ull, // 30827-12-31 23:59:59.999
    };
    for (std::uint64_t value : kValues) {
        SCOPED_TRACE(value);
        const FILETIME in = fileTime(value);
        SYSTEMTIME st{};
        ASSERT_TRUE(FileTimeToSystemTime(&in, &st));
        FILETIME out{};
        ASSERT_TRUE(SystemTimeToFileTime(&st, &out));
        EXPECT_EQ(value, ticks(out));
    }
}

TEST(DosDateTimeToFileTime, ReadsTheDosWords)
{
    const struct {
        const char *name;
        WORD date, time;
        std::uint64_t ticks;
    } kValid[] = {
        {"first DOS moment", 0x0021, 0x0000, 119600064000000000ull},
        {"last DOS moment", 0xFF9F, 0xBF7D, 159992927980000000ull},
        {"leap day 2000 at 12:34:56", 0x285D, 0x645C, 125963012960000000ull},
    };
    for (const auto &row : kValid) {
        SCOPED_TRACE(row.name);
        FILETIME ft = fileTime(kUntouched);
        ASSERT_TRUE(DosDateTimeToFileTime(row.date, row.time, &ft));
        EXPECT_EQ(row.ticks, ticks(ft));
    }
}

TEST(DosDateTimeToFileTime, RejectsInvalidWordsWithoutSettingAnError)
{
    const struct {
        const char *name;
        WORD date, time;
    } kInvalid[] = {
        {"date word 0", 0x0000, 0x0000},
        {"month 0", 0x0001, 0x0000},
        {"month 13", 0x01A1, 0x0000},
        {"month 15", 0x01E1, 0x0000},
        {"day 0", 0x0020, 0x0000},
        {"April 31", 0x009F, 0x0000},
        {"February 30 of 2000", 0x285E, 0x0000},
        {"February 29 of 1981", 0x025D, 0x0000},
        {"hour 24", 0x0021, 0xC000},
        {"hour 31", 0x0021, 0xF800},
        {"minute 60", 0x0021, 0x0780},
        {"60 seconds", 0x0021, 0x001E},
        {"62 seconds", 0x0021, 0x001F},
    };
    for (const auto &row : kInvalid) {
        SCOPED_TRACE(row.name);
        FILETIME ft = fileTime(kUntouched);
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(DosDateTimeToFileTime(row.date, row.time, &ft));
        EXPECT_EQ(0xdeadbeef, GetLastError());
        EXPECT_EQ(kUntouched, ticks(ft));
    }
}

TEST(FileTimeToDosDateTime, WritesTheDosWordsWithinBothBounds)
{
    const struct {
        const char *name;
        std::uint64_t ticks;
        WORD date, time;
    } kValid[] = {
        {"first DOS moment", 119600064000000000ull, 0x0021, 0x0000},
        {"last tick of 2107", 159992927999999999ull, 0xFF9F, 0xBF7D},
        {"leap day 2000 at 12:34:56.789", 125963012967890000ull, 0x285D, 0x645C},
        {"odd second 12:34:57 halves to 56", 125963012970000000ull, 0x285D, 0x645C},
    };
    for (const auto &row : kValid) {
        SCOPED_TRACE(row.name);
        const FILETIME ft = fileTime(row.ticks);
        WORD date = 0xAAAA, time = 0xBBBB;
        ASSERT_TRUE(FileTimeToDosDateTime(&ft, &date, &time));
        EXPECT_EQ(row.date, date);
        EXPECT_EQ(row.time, time);
    }
}

TEST(FileTimeToDosDateTime, FailsOutsideTheDosRangeAndLeavesTheWords)
{
    const struct {
        const char *name;
        std::uint64_t ticks;
    } kOutside[] = {
        {"last tick of 1979", 119600063999999999ull},
        {"1601", 0},
        {"first moment of 2108, not wrapped to 1980", 159992928000000000ull},
        {"largest value", kLargest},
        {"top bit set", 0x8000000000000000ull},
    };
    for (const auto &row : kOutside) {
        SCOPED_TRACE(row.name);
        const FILETIME ft = fileTime(row.ticks);
        WORD date = 0xAAAA, time = 0xBBBB;
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(FileTimeToDosDateTime(&ft, &date, &time));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
        EXPECT_EQ(0xAAAA, date);
        EXPECT_EQ(0xBBBB, time);
    }
}

TEST(CompareFileTime, ComparesAsUnsignedSixtyFourBitValues)
{
    const struct {
        const char *name;
        std::uint64_t a, b;
        LONG expected;
    } kCases[] = {
        {"equal", 125963012967890000ull, 125963012967890000ull, 0},
        {"one tick earlier", 125963012967889999ull, 125963012967890000ull, -1},
        {"one tick later", 125963012967890001ull, 125963012967890000ull, 1},
        {"high word decides over the low word", 0x00000000FFFFFFFFull, 0x0000000100000000ull,
         -1},
        {"top bit set is the greatest", 0x8000000000000000ull, kLargest, 1},
        {"all ones against zero", kAllOnes, 0, 1},
        {"zero against all ones", 0, kAllOnes, -1},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        const FILETIME a = fileTime(row.a), b = fileTime(row.b);
        EXPECT_EQ(row.expected, CompareFileTime(&a, &b));
    }
}

TEST(LocalFileTime, MovesByTheFixedBias)
{
    // UTC 2024-07-15 12:00:00.
    constexpr std::uint64_t kUtc = 133655184000000000ull;
    const struct {
        const char *name;
        LONG bias;
        std::uint64_t local;
    } kZones[] = {
        {"UTC+9", -540, 133655508000000000ull},   // 21:00
        {"UTC-5", 300, 133655004000000000ull},    // 07:00
        {"UTC-5:30", 330, 133654986000000000ull}, // 06:30
        {"UTC", 0, kUtc},
    };
    for (const auto &row : kZones) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        const FILETIME utc = fileTime(kUtc);
        FILETIME local = fileTime(kUntouched);
        ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
        EXPECT_EQ(row.local, ticks(local));
        FILETIME back = fileTime(kUntouched);
        ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
        EXPECT_EQ(kUtc, ticks(back));
    }
}

TEST(LocalFileTime, RoundTripsExactlyEvenAtTheEndsOfTheRange)
{
    vkstest::ScopedTimeZoneBias zone(-540);
    const std::uint64_t kEnds[] = {0, kLargest, 0x8000000000000000ull, kAllOnes};
    for (std::uint64_t value : kEnds) {
        SCOPED_TRACE(value);
        const FILETIME utc = fileTime(value);
        FILETIME local{}, back{};
        ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
        ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
        EXPECT_EQ(value, ticks(back));
    }
}

TEST(LocalFileTime, RejectsMissingPointers)
{
    const FILETIME in{};
    FILETIME out{};
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(FileTimeToLocalFileTime(nullptr, &out));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(FileTimeToLocalFileTime(&in, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(LocalFileTimeToFileTime(nullptr, &out));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(LocalFileTimeToFileTime(&in, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}
