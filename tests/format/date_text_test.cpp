#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/date_text.h"
#include "format/time_text.h"
#include "intl_settings.h"

using formattest::IntlSettings;

namespace {

// 5 March 2002 at 14:07:09, the moment of every row unless the row gives a time of day.
TutTimestamp at(unsigned int hour = 14, unsigned int minute = 7, unsigned int second = 9)
{
    return TutTimestamp(2002, 3, 5, hour, minute, second);
}

std::string timeText(const TutTimestamp &moment)
{
    char buffer[17];
    EXPECT_EQ(1, vks::detail::buildTimeString(moment, buffer, sizeof buffer));
    return buffer;
}

}  // namespace

TEST(TutWinStringDate, FollowsTheShortDate)
{
    const struct {
        const char *name;
        std::vector<std::string> lines;
        TutTimestamp moment;
        const char *text;
    } rows[] = {
        {"defaults: m/d/yy", {}, at(), "3/5/02"},
        {"dd.MM.yyyy", {"sShortDate=dd.MM.yyyy"}, at(), "05.03.2002"},
        {"yyyy/MM/dd", {"sShortDate=yyyy/MM/dd"}, at(), "2002/03/05"},
        {"d/M: the year last", {"sShortDate=d/M"}, at(), "5/3/02"},
        {"MMM d yy", {"sShortDate=MMM d yy"}, at(), "3 5 02"},
        {"two-digit fields need no zero", {"sShortDate=dd.MM.yyyy"},
         TutTimestamp(1999, 12, 31, 0, 0, 0), "31.12.1999"},
        {"empty separators", {"sShortDate=yyyy\x94\x4eM\x8c\x8e" "d"}, at(), "200235"},
        {"the widest", {"sShortDate=MM/dd/yyyy"}, TutTimestamp(2107, 12, 31, 23, 59, 59),
         "12/31/2107"},
        {"a five-digit year is cut at 10 characters", {"sShortDate=yyyy/MM/dd"},
         TutTimestamp(30827, 12, 31, 0, 0, 0), "30827/12/3"},
        {"a five-digit year without its century", {}, TutTimestamp(30827, 12, 31, 0, 0, 0),
         "12/31/827"},
        {"a value without calendar fields", {}, TutTimestamp(TutDate::Max()), "0/0/"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings(row.lines);
        EXPECT_STREQ(row.text, TutWinStringDate(row.moment));
    }
}

TEST(TutWinStringDate, KeepsTheTextOfItsConstruction)
{
    IntlSettings settings({"sShortDate=dd.MM.yyyy"});
    const TutWinStringDate built(at());
    TutWinStringDate assigned(TutTimestamp(1999, 1, 1, 0, 0, 0));
    assigned = built;
    settings.rewrite({});
    TutWinString::updateWinIniCache();
    EXPECT_STREQ("05.03.2002", built);
    EXPECT_STREQ("05.03.2002", assigned);
    EXPECT_STREQ("3/5/02", TutWinStringDate(at()));
}

TEST(BuildTimeString, FollowsTheClockSettings)
{
    const struct {
        const char *name;
        std::vector<std::string> lines;
        TutTimestamp moment;
        const char *text;
    } rows[] = {
        {"defaults: 12-hour clock, designator after", {}, at(), "2:07:09PM"},
        {"24-hour clock with leading zero", {"iTime=1", "iTLZero=1"}, at(), "14:07:09"},
        {"24-hour clock, morning, leading zero", {"iTime=1", "iTLZero=1"}, at(9, 5, 0),
         "09:05:00"},
        {"24-hour clock, morning, no leading zero", {"iTime=1", "iTLZero=0"}, at(9, 5, 0),
         "9:05:00"},
        {"designator first", {"iTimePrefix=1"}, at(), "PM2:07:09"},
        {"24-hour clock writes no designator at all", {"iTime=1", "iTimePrefix=1"}, at(),
         "14:07:09"},
        {"midnight is 12 in the morning", {}, at(0, 0, 0), "12:00:00AM"},
        {"noon is 12 in the afternoon", {}, at(12, 0, 0), "12:00:00PM"},
        {"the last minute of the day", {}, at(23, 59, 59), "11:59:59PM"},
        {"12-hour clock with leading zero", {"iTLZero=1"}, at(1, 0, 0), "01:00:00AM"},
        {"another separator", {"sTime=."}, at(), "2.07.09PM"},
        {"double-byte designators", {"s1159=\x8c\xdf\x91\x4f", "s2359=\x8c\xdf\x8c\xe3"},
         at(), "2:07:09\x8c\xdf\x8c\xe3"},
        {"an 8-character designator fills the 17 bytes", {"s2359=ABCDEFGH", "iTimePrefix=1"},
         at(12, 59, 59), "ABCDEFGH12:59:59"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings(row.lines);
        EXPECT_EQ(row.text, timeText(row.moment));
    }
}

TEST(BuildTimeString, RefusesABufferBelow17Bytes)
{
    IntlSettings defaults;
    char buffer[17];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(0, vks::detail::buildTimeString(at(), buffer, 16));
    EXPECT_EQ(std::string(17, '#'), std::string(buffer, sizeof buffer));
    EXPECT_EQ(0, vks::detail::buildTimeString(at(), nullptr, 17));
}
