#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/number_text.h"
#include "format/win_string.h"
#include "intl_settings.h"

using formattest::IntlSettings;

namespace {

// The library reads win.ini when it is loaded, before any test code runs and before the suite
// maps its own drive C, so drive C would be the user's data folder, made on that first use.
// Naming a folder that cannot exist (nothing can lie below /dev/null) keeps the load away from
// the user's files; the suite's environment replaces the name before the first test. This runs
// from the executable's pre-initialisation array, ahead of every library's static objects.
void keepTheLoadAwayFromTheUsersFolders(int, char **, char **)
{
    setenv("VKS_DRIVE_C", "/dev/null/no-drive-c", 0);
}

[[gnu::section(".preinit_array"), gnu::used]] void (*const preinitHook)(int, char **, char **) =
    keepTheLoadAwayFromTheUsersFolders;

}  // namespace

TEST(TutWinString, IsFilledWhenTheLibraryLoads)
{
    // Whatever the file held at load, a filled cache places all three date fields.
    const int places = TutWinString::getMonthPosition() * 100 +
                       TutWinString::getDayPosition() * 10 + TutWinString::getYearPosition();
    EXPECT_TRUE(places == 123 || places == 132 || places == 213 || places == 231 ||
                places == 312 || places == 321)
        << places;
    EXPECT_FALSE(TutWinString::getLongestDate().isEmpty());
}

TEST(TutWinString, IsReadOncePerProcessUntilUpdated)
{
    IntlSettings settings({"sThousand=.", "sShortDate=dd.MM.yyyy", "iTime=1"});
    settings.rewrite({"sThousand=;", "sShortDate=yy/M/d", "iTime=0"});
    EXPECT_STREQ(".", TutWinString::getThousandSeparator());
    EXPECT_EQ(TutWinString::SECOND, TutWinString::getMonthPosition());
    EXPECT_EQ(1, TutWinString::getTime24HourMode());
    EXPECT_STREQ("1.000", TutWinStringNumber(1000));

    TutWinString::updateWinIniCache();
    EXPECT_STREQ(";", TutWinString::getThousandSeparator());
    EXPECT_EQ(TutWinString::THIRD, TutWinString::getDayPosition());
    EXPECT_EQ(0, TutWinString::getTime24HourMode());
    EXPECT_STREQ("1;000", TutWinStringNumber(1000));
}

TEST(TutWinString, NumbersAndFlags)
{
    const struct {
        const char *name;
        std::vector<std::string> lines;
        unsigned int digits;
        int leadingZero, hours24, prefix, hoursLeadingZero;
    } rows[] = {
        {"all missing: the defaults", {}, 2, 0, 0, 0, 0},
        {"iDigits above 9 gives 9", {"iDigits=12"}, 9, 0, 0, 0, 0},
        {"iDigits 0 stays 0", {"iDigits=0"}, 0, 0, 0, 0, 0},
        {"iDigits negative is above 9 unsigned", {"iDigits=-1"}, 9, 0, 0, 0, 0},
        {"iDigits within range", {"iDigits=3"}, 3, 0, 0, 0, 0},
        {"iDigits empty takes the default", {"iDigits="}, 2, 0, 0, 0, 0},
        {"flags of exactly 1",
         {"iLZero=1", "iTime=1", "iTimePrefix=1", "iTLZero=1"}, 2, 1, 1, 1, 1},
        {"flags of 2 are off",
         {"iLZero=2", "iTime=2", "iTimePrefix=2", "iTLZero=2"}, 2, 0, 0, 0, 0},
        {"a flag of -1 is off", {"iTime=-1", "iTLZero=-1"}, 2, 0, 0, 0, 0},
        {"a flag read up to its first non-digit", {"iTime=1x", "iTLZero=11"}, 2, 0, 1, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings(row.lines);
        EXPECT_EQ(row.digits, TutWinString::getDecimalDigits());
        EXPECT_EQ(row.leadingZero, TutWinString::getDecimalLeadingZero());
        EXPECT_EQ(row.hours24, TutWinString::getTime24HourMode());
        EXPECT_EQ(row.prefix, TutWinString::getTimePrefix());
        EXPECT_EQ(row.hoursLeadingZero, TutWinString::getHoursLeadingZero());
    }
}

TEST(TutWinString, TextsAreCutToTheirRoom)
{
    // 午前 and 午後 in code page 932, and 、, a double-byte character that has no room in a
    // one-byte separator.
    const std::string morning = "\x8c\xdf\x91\x4f";
    const std::string afternoon = "\x8c\xdf\x8c\xe3";
    const std::string ideographicComma = "\x81\x41";
    const struct {
        const char *name;
        std::vector<std::string> lines;
        const char *thousand, *decimal, *time, *am, *pm;
    } rows[] = {
        {"all missing: the defaults", {}, ",", ".", ":", "AM", "PM"},
        {"present but empty is empty, not the default",
         {"sThousand=", "sDecimal=", "sTime=", "s1159=", "s2359="}, "", "", "", "", ""},
        {"other one-byte separators", {"sThousand=.", "sDecimal=,", "sTime=."}, ".", ",", ".",
         "AM", "PM"},
        {"longer separators keep their first byte", {"sThousand=ab", "sTime=::"}, "a", ".", ":",
         "AM", "PM"},
        {"designators keep 8 bytes", {"s1159=123456789", "s2359=ABCDEFGH"}, ",", ".", ":",
         "12345678", "ABCDEFGH"},
        {"double-byte designators", {"s1159=" + morning, "s2359=" + afternoon}, ",", ".", ":",
         morning.c_str(), afternoon.c_str()},
        {"half a character is dropped, never kept",
         {"sThousand=" + ideographicComma, "s2359=1234567" + morning}, "", ".", ":", "AM",
         "1234567"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings(row.lines);
        EXPECT_STREQ(row.thousand, TutWinString::getThousandSeparator());
        EXPECT_STREQ(row.decimal, TutWinString::getDecimalSeparator());
        EXPECT_STREQ(row.time, TutWinString::getTimeSeparatorChar());
        EXPECT_STREQ(row.am, TutWinString::getTimeSuffixAM());
        EXPECT_STREQ(row.pm, TutWinString::getTimeSuffixPM());
    }
}

TEST(TutWinString, ShortDatePatterns)
{
    using P = TutWinString::DATE_POSITION;
    const P first = TutWinString::FIRST, second = TutWinString::SECOND,
            third = TutWinString::THIRD;
    const struct {
        const char *name;
        std::vector<std::string> lines;
        P month, day, year;
        int monthsZero, daysZero, century;
        const char *firstSeparator, *secondSeparator, *longestDate;
    } rows[] = {
        {"missing: m/d/yy", {}, first, second, third, 0, 0, 0, "/", "/", "123456//"},
        {"empty: the fill order month, day, year", {"sShortDate="}, first, second, third, 0, 0,
         0, "/", "/", "123456//"},
        {"yyyy/MM/dd", {"sShortDate=yyyy/MM/dd"}, second, third, first, 1, 1, 1, "/", "/",
         "12345678//"},
        {"d/M: the year takes the free third place", {"sShortDate=d/M"}, second, first, third, 0,
         0, 0, "/", "/", "123456//"},
        {"MMM d yy: a run of three is no leading zero", {"sShortDate=MMM d yy"}, first, second,
         third, 0, 0, 0, " ", " ", "123456  "},
        {"dd.MM.yyyy", {"sShortDate=dd.MM.yyyy"}, second, first, third, 1, 1, 1, ".", ".",
         "12345678.."},
        {"letters in either case", {"sShortDate=YYYY-mM-Dd"}, second, third, first, 1, 1, 1,
         "-", "-", "12345678--"},
        {"a three-digit year run shows no century", {"sShortDate=yyy.M.d"}, second, third,
         first, 0, 0, 0, ".", ".", "123456.."},
        {"a later separator replaces the second", {"sShortDate=d-M/yy."}, second, first, third,
         0, 0, 0, "-", ".", "123456-."},
        {"the character after a run is a separator, even a letter", {"sShortDate=dMy"}, third,
         first, second, 0, 0, 0, "M", "/", "123456M/"},
        {"a field seen before is passed over", {"sShortDate=d/d/M"}, second, first, third, 0, 0,
         0, "/", "/", "123456//"},
        {"nothing recognised", {"sShortDate=%%-%%"}, first, second, third, 0, 0, 0, "/", "/",
         "123456//"},
        // Ｚ (0x82 0x79) ends in the byte of "y": it is one character and no field letter.
        {"a trail byte is no field letter", {"sShortDate=\x82\x79M/d"}, first, second, third,
         0, 0, 0, "/", "/", "123456//"},
        // 年 and 月 have no room in a one-byte separator.
        {"double-byte separators are empty", {"sShortDate=yyyy\x94\x4eM\x8c\x8e" "d"}, second,
         third, first, 0, 0, 1, "", "", "12345678"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings(row.lines);
        EXPECT_EQ(row.month, TutWinString::getMonthPosition());
        EXPECT_EQ(row.day, TutWinString::getDayPosition());
        EXPECT_EQ(row.year, TutWinString::getYearPosition());
        EXPECT_EQ(row.monthsZero, TutWinString::getMonthsLeadingZero());
        EXPECT_EQ(row.daysZero, TutWinString::getDaysLeadingZero());
        EXPECT_EQ(row.century, TutWinString::getYearsShowCentury());
        EXPECT_STREQ(row.firstSeparator, TutWinString::getFirstDateSeparator());
        EXPECT_STREQ(row.secondSeparator, TutWinString::getSecondDateSeparator());
        EXPECT_STREQ(row.longestDate, TutWinString::getLongestDate());
    }
}

TEST(TutWinString, TimeSamples)
{
    const struct {
        const char *name;
        std::vector<std::string> lines;
        const char *morning, *afternoon;
    } rows[] = {
        {"12-hour defaults", {}, "123456::AM", "123456::PM"},
        {"24-hour mode with s2359 empty", {"iTime=1", "s2359="}, "123456::", "123456::"},
        {"24-hour mode keeps s2359 in the afternoon sample", {"iTime=1"}, "123456::",
         "123456::PM"},
        {"the time separator", {"sTime=."}, "123456..AM", "123456..PM"},
        {"the widest: 16 characters", {"s1159=ABCDEFGH", "s2359=abcdefgh"},
         "123456::ABCDEFGH", "123456::abcdefgh"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings(row.lines);
        EXPECT_STREQ(row.morning, TutWinString::getLongestTimeAM());
        EXPECT_STREQ(row.afternoon, TutWinString::getLongestTimePM());
    }
}
