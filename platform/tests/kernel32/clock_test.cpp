#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include <time.h>

#include "vkshost.h"
#include "vkstest.h"
#include "vkstime.h"
#include "windows.h"

using namespace vkstest;

namespace {

std::uint64_t monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

}  // namespace

TEST(GetLocalTime, ReadsTheFixedClockWithItsTrueDayOfWeek)
{
    vkstest::ScopedLocalTime now(record(2024, 7, 15, 12, 34, 56, 789, 99));
    SYSTEMTIME st{};
    GetLocalTime(&st);
    EXPECT_EQ(fields(record(2024, 7, 15, 12, 34, 56, 789, 1)), fields(st));
}

TEST(GetSystemTime, IsTheFixedLocalTimePlusTheBias)
{
    const struct {
        const char *name;
        LONG bias;
        SYSTEMTIME local;
        SYSTEMTIME utc;
    } kCases[] = {
        {"UTC+9", -540, record(2024, 7, 15, 12), record(2024, 7, 15, 3, 0, 0, 0, 1)},
        {"UTC-5", 300, record(2024, 7, 15, 12), record(2024, 7, 15, 17, 0, 0, 0, 1)},
        {"UTC-5:30", 330, record(2024, 7, 15, 12), record(2024, 7, 15, 17, 30, 0, 0, 1)},
        {"back into the old year", -540, record(2024, 1, 1, 2, 0, 0, 250),
         record(2023, 12, 31, 17, 0, 0, 250, 0)},
        {"on into the new year", 300, record(2023, 12, 31, 22, 15),
         record(2024, 1, 1, 3, 15, 0, 0, 1)},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        vkstest::ScopedLocalTime now(row.local);
        SYSTEMTIME utc{};
        GetSystemTime(&utc);
        EXPECT_EQ(fields(row.utc), fields(utc));
    }
}

TEST(GetSystemTime, FollowsTheHostZonesDaylightStateAtTheFixedMoment)
{
    ScopedHostZone host(kNewYork);
    const struct {
        const char *name;
        SYSTEMTIME local;
        SYSTEMTIME utc;
    } kCases[] = {
        {"summer", record(2024, 7, 15, 12), record(2024, 7, 15, 16, 0, 0, 0, 1)},
        {"winter", record(2024, 1, 15, 12), record(2024, 1, 15, 17, 0, 0, 0, 1)},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedLocalTime now(row.local);
        SYSTEMTIME utc{};
        GetSystemTime(&utc);
        EXPECT_EQ(fields(row.utc), fields(utc));
    }
}

TEST(LocalFileTime, AppliesTheBiasInEffectNowToEveryDate)
{
    ScopedHostZone host(kNewYork);
    const struct {
        const char *name;
        SYSTEMTIME now;
        std::uint64_t utc;
        std::uint64_t local;
    } kCases[] = {
        // UTC 2024-12-15 12:00 becomes 08:00 while summer time is in effect.
        {"winter date in summer", record(2024, 7, 1), 133787376000000000ull,
         133787232000000000ull},
        // UTC 2024-07-15 12:00 becomes 07:00 while standard time is in effect.
        {"summer date in winter", record(2024, 1, 1), 133655184000000000ull,
         133655004000000000ull},
    };
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedLocalTime now(row.now);
        const FILETIME utc = fileTime(row.utc);
        FILETIME local{}, back{};
        ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
        EXPECT_EQ(row.local, ticks(local));
        ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
        EXPECT_EQ(row.utc, ticks(back));
    }
}

TEST(VksHostSetLocalTime, IgnoresARecordThatNamesNoMoment)
{
    vkstest::ScopedLocalTime now(record(2024, 7, 15, 12));
    const SYSTEMTIME february30 = record(2024, 2, 30, 12);
    SetLastError(0xdeadbeef);
    VksHostSetLocalTime(&february30);
    EXPECT_EQ(0xdeadbeef, GetLastError());
    SYSTEMTIME st{};
    GetLocalTime(&st);
    EXPECT_EQ(fields(record(2024, 7, 15, 12, 0, 0, 0, 1)), fields(st));
}

TEST(GetSystemTime, RunsWithTheHostClockOnceReleased)
{
    { vkstest::ScopedLocalTime now(record(1999, 12, 31, 23, 59, 59)); }
    using namespace std::chrono;
    constexpr std::uint64_t kUnixEpochTicks = 116444736000000000ull;
    const auto toTicks = [&](system_clock::time_point t) {
        return kUnixEpochTicks + static_cast<std::uint64_t>(
                                     duration_cast<milliseconds>(t.time_since_epoch()).count()) *
                                     10'000;
    };
    const std::uint64_t before = toTicks(system_clock::now());
    SYSTEMTIME st{};
    GetSystemTime(&st);
    const std::uint64_t after = toTicks(system_clock::now());
    FILETIME ft{};
    ASSERT_TRUE(SystemTimeToFileTime(&st, &ft));
    EXPECT_LE(before, ticks(ft));
    EXPECT_GE(after, ticks(ft));
}

TEST(GetTickCount, ReportsTheFixedCountThenTheHostsAgain)
{
    {
        vkstest::ScopedTickCount ticks(0xFFFFFFF0u);
        EXPECT_EQ(0xFFFFFFF0u, GetTickCount());
        ticks.set(5);
        EXPECT_EQ(5u, GetTickCount());
    }
    // The host's count is the uptime clock in milliseconds, cut to 32 bits.
    const auto before = static_cast<DWORD>(monotonicMilliseconds());
    const DWORD seen = GetTickCount();
    const auto after = static_cast<DWORD>(monotonicMilliseconds());
    EXPECT_LE(static_cast<DWORD>(seen - before), static_cast<DWORD>(after - before));
}

TEST(VksHostSetTimeZoneBias, PinsTheCLibrarysLocalTime)
{
    const struct {
        const char *name;
        LONG bias;
        int year, month, day, hour, minute;  // local time at the 1970 epoch
        long gmtOffset;
    } kZones[] = {
        {"UTC+9", -540, 1970, 1, 1, 9, 0, 32400},
        {"UTC-5", 300, 1969, 12, 31, 19, 0, -18000},
        {"UTC-5:30", 330, 1969, 12, 31, 18, 30, -19800},
        {"UTC+5:45", -345, 1970, 1, 1, 5, 45, 20700},
        {"UTC-12", 720, 1969, 12, 31, 12, 0, -43200},
        {"UTC", 0, 1970, 1, 1, 0, 0, 0},
    };
    ScopedHostZone host(kNewYork);
    for (const auto &row : kZones) {
        SCOPED_TRACE(row.name);
        vkstest::ScopedTimeZoneBias zone(row.bias);
        const time_t epoch = 0;
        tm local{};
        ASSERT_NE(nullptr, localtime_r(&epoch, &local));
        EXPECT_EQ(std::tuple(row.year, row.month, row.day, row.hour, row.minute),
                  std::tuple(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                             local.tm_min));
        EXPECT_EQ(row.gmtOffset, local.tm_gmtoff);
        EXPECT_EQ(0, local.tm_isdst);
        local.tm_isdst = -1;
        EXPECT_EQ(0, mktime(&local));
    }
}

TEST(VksHostSetTimeZoneBias, NullGivesBackTheHostsZone)
{
    const struct {
        const char *name;
        const char *hostTz;
    } kHosts[] = {{"TZ set", "<+03>-3"}, {"TZ unset", nullptr}};
    for (const auto &row : kHosts) {
        SCOPED_TRACE(row.name);
        ScopedHostZone host(row.hostTz);
        const LONG tokyo = -540, newYork = 300;
        VksHostSetTimeZoneBias(&tokyo);
        VksHostSetTimeZoneBias(&newYork);
        VksHostSetTimeZoneBias(nullptr);
        const char *tz = std::getenv("TZ");
        if (row.hostTz)
            EXPECT_STREQ(row.hostTz, tz);
        else
            EXPECT_EQ(nullptr, tz);
    }
}

TEST(LocalFileTime, FollowsTheHostZoneWithoutAFixedBias)
{
    ScopedHostZone host("<+03>-3");
    const FILETIME utc = fileTime(133655184000000000ull);  // 2024-07-15 12:00
    FILETIME local{};
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    EXPECT_EQ(133655292000000000ull, ticks(local));       // 15:00
}

TEST(VksHostSetTimeZoneBias, IgnoresABiasOfADayOrMore)
{
    vkstest::ScopedTimeZoneBias zone(-540);
    for (LONG absurd : {LONG{1440}, LONG{-1440}, LONG{INT32_MAX}, LONG{INT32_MIN}}) {
        SCOPED_TRACE(absurd);
        VksHostSetTimeZoneBias(&absurd);
        const FILETIME utc = fileTime(0);
        FILETIME local{};
        ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
        EXPECT_EQ(324000000000ull, ticks(local));  // nine hours
    }
}
