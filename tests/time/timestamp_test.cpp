#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../format/intl_settings.h"
#include "time/timestamp.h"
#include "vkstest.h"

using formattest::IntlSettings;

namespace {

SYSTEMTIME dateRecord(WORD year, WORD month, WORD day)
{
    // The time of day here must play no part.
    return {year, month, 0, day, 23, 59, 59, 999};
}

SYSTEMTIME timeRecord(WORD hour, WORD minute)
{
    // Nor the date and seconds here.
    return {1990, 1, 1, 1, hour, minute, 59, 999};
}

// The local clock fixed at 5 March 2002, 14:07:30.500, in a zone without daylight saving.
class FixedClock {
public:
    FixedClock() : bias_(-540), clock_(SYSTEMTIME{2002, 3, 2, 5, 14, 7, 30, 500}) {}

private:
    vkstest::ScopedTimeZoneBias bias_;
    vkstest::ScopedLocalTime clock_;
};

}  // namespace

TEST(TutTimestamp, GivesTheFieldsOfItsValue)
{
    const TutTimestamp moment(2002, 3, 5, 14, 7, 9);
    EXPECT_EQ(2002u, moment.year());
    EXPECT_EQ(3u, moment.month());
    EXPECT_EQ(5u, moment.day());
    EXPECT_EQ(14u, moment.hour());
    EXPECT_EQ(7u, moment.minutes());
    EXPECT_EQ(9u, moment.seconds());
    EXPECT_EQ(0u, moment.GetMilliseconds());

    const TutTimestamp invalid(2001, 2, 30, 0, 0, 0);
    EXPECT_TRUE(invalid == TutDate());
    const TutTimestamp copied{TutDate(moment)};
    EXPECT_TRUE(copied == moment);
}

TEST(TutTimestamp, TextsNeedTheirBufferSizes)
{
    IntlSettings defaults;
    const TutTimestamp moment(2002, 3, 5, 14, 7, 9);
    const struct {
        const char *name;
        int (TutTimestamp::*text)(char *, int) const;
        int size;
        int result;
        const char *written;  // null: nothing written
    } rows[] = {
        {"date in 10 bytes", &TutTimestamp::dateString, 10, 0, nullptr},
        {"date in 11 bytes", &TutTimestamp::dateString, 11, 1, "3/5/02"},
        {"time in 16 bytes", &TutTimestamp::timeString, 16, 0, nullptr},
        {"time in 17 bytes", &TutTimestamp::timeString, 17, 1, "2:07:09PM"},
        {"both in 28 bytes", &TutTimestamp::dateTimeString, 28, 0, nullptr},
        {"both in 29 bytes, two blanks between", &TutTimestamp::dateTimeString, 29, 1,
         "3/5/02  2:07:09PM"},
        {"a negative size", &TutTimestamp::dateTimeString, -1, 0, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(row.result, (moment.*row.text)(buffer, row.size));
        if (row.written)
            EXPECT_STREQ(row.written, buffer);
        else
            EXPECT_EQ(std::string(sizeof buffer, '#'), std::string(buffer, sizeof buffer));
    }
}

TEST(TutTimestamp, TheWidestTextsFillTheirBuffersExactly)
{
    IntlSettings widest({"sShortDate=dd.MM.yyyy", "s2359=ABCDEFGH", "iTLZero=1"});
    const TutTimestamp moment(2002, 3, 5, 14, 7, 9);
    char date[11], time[17], both[29];
    ASSERT_EQ(1, moment.dateString(date, sizeof date));
    ASSERT_EQ(1, moment.timeString(time, sizeof time));
    ASSERT_EQ(1, moment.dateTimeString(both, sizeof both));
    EXPECT_STREQ("05.03.2002", date);
    EXPECT_STREQ("02:07:09ABCDEFGH", time);
    EXPECT_STREQ("05.03.2002  02:07:09ABCDEFGH", both);
}

TEST(UtIsPastTime, ComparesWithThePresentMinute)
{
    FixedClock clock;
    const struct {
        const char *name;
        SYSTEMTIME date;
        SYSTEMTIME time;
        int useTime;
        int past;
    } rows[] = {
        {"yesterday, time ignored", dateRecord(2002, 3, 4), timeRecord(23, 59), 0, 1},
        {"yesterday, time counted", dateRecord(2002, 3, 4), timeRecord(23, 59), 1, 1},
        {"tomorrow, time ignored", dateRecord(2002, 3, 6), timeRecord(0, 0), 0, 0},
        {"tomorrow, time counted", dateRecord(2002, 3, 6), timeRecord(0, 0), 1, 0},
        {"today without the time is not past", dateRecord(2002, 3, 5), timeRecord(0, 0), 0, 0},
        {"today at the present minute", dateRecord(2002, 3, 5), timeRecord(14, 7), 1, 1},
        {"today at the next minute", dateRecord(2002, 3, 5), timeRecord(14, 8), 1, 0},
        {"today at an earlier minute", dateRecord(2002, 3, 5), timeRecord(14, 6), 1, 1},
        {"today at an earlier hour", dateRecord(2002, 3, 5), timeRecord(13, 59), 1, 1},
        {"today at a later hour", dateRecord(2002, 3, 5), timeRecord(15, 0), 1, 0},
        {"an earlier month with a later day", dateRecord(2002, 2, 28), timeRecord(0, 0), 1, 1},
        {"a later month with an earlier day", dateRecord(2002, 4, 1), timeRecord(0, 0), 1, 0},
        {"last year's end", dateRecord(2001, 12, 31), timeRecord(23, 59), 1, 1},
        {"next year's start", dateRecord(2003, 1, 1), timeRecord(0, 0), 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.past, utisPastTime(row.date, row.time, row.useTime));
    }
}
