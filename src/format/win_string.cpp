#include "format/win_string.h"

#include <cstring>

#include "format/fixed_text.h"
#include "windows.h"

namespace {

// Texts are read from the section as spelled "Intl", numbers as "intl": one section either way.
constexpr char kTextSection[] = "Intl";
constexpr char kNumberSection[] = "intl";
constexpr unsigned int kMostDecimalDigits = 9;
constexpr std::size_t kShortDatePatternRoom = 10;

template <std::size_t N>
void readText(char const *key, char const *fallback, char (&member)[N])
{
    GetProfileStringA(kTextSection, key, fallback, member, N);
    vks::detail::dropBrokenLastCharacter(member);
}

int readFlag(char const *key)
{
    return GetProfileIntA(kNumberSection, key, 0) == 1 ? 1 : 0;
}

}  // namespace

char TutWinString::thousandSeparator[2];
char TutWinString::decimalSeparator[2];
unsigned int TutWinString::decimalDigits;
int TutWinString::decimalLeadingZero;
char TutWinString::timeSuffixAM[9];
char TutWinString::timeSuffixPM[9];
char TutWinString::timeSeparatorChar[2];
int TutWinString::time24HourMode;
int TutWinString::timePrefix;
int TutWinString::hoursLeadingZero;
int TutWinString::monthsLeadingZero;
int TutWinString::daysLeadingZero;
int TutWinString::yearsShowCentury;
TutWinString::DATE_POSITION TutWinString::monthPosition;
TutWinString::DATE_POSITION TutWinString::dayPosition;
TutWinString::DATE_POSITION TutWinString::yearPosition;
char TutWinString::firstDateSeparator[2];
char TutWinString::secondDateSeparator[2];
char TutWinString::longestDate[11];
char TutWinString::longestTimeAM[17];
char TutWinString::longestTimePM[17];
int TutWinString::init = (TutWinString::updateWinIniCache(), 0);

void TutWinString::updateWinIniCache()
{
    readText("sThousand", ",", thousandSeparator);
    readText("sDecimal", ".", decimalSeparator);
    // The platform hands the number back unsigned, so a negative one is above 9 as well.
    decimalDigits = GetProfileIntA(kNumberSection, "iDigits", 2);
    if (decimalDigits > kMostDecimalDigits)
        decimalDigits = kMostDecimalDigits;
    decimalLeadingZero = readFlag("iLZero");
    readText("s1159", "AM", timeSuffixAM);
    readText("s2359", "PM", timeSuffixPM);
    readText("sTime", ":", timeSeparatorChar);
    time24HourMode = readFlag("iTime");
    timePrefix = readFlag("iTimePrefix");
    hoursLeadingZero = readFlag("iTLZero");

    char pattern[kShortDatePatternRoom + 1];
    readText("sShortDate", "m/d/yy", pattern);
    parseShortDateFormat(pattern);
    buildSamples();
}

void TutWinString::buildSamples()
{
    using vks::detail::appendText;
    longestDate[0] = '\0';
    appendText(longestDate, sizeof longestDate, "1234");
    appendText(longestDate, sizeof longestDate, yearsShowCentury ? "5678" : "56");
    appendText(longestDate, sizeof longestDate, firstDateSeparator);
    appendText(longestDate, sizeof longestDate, secondDateSeparator);

    for (char *sample : {longestTimeAM, longestTimePM}) {
        sample[0] = '\0';
        appendText(sample, sizeof longestTimeAM, "123456");
        appendText(sample, sizeof longestTimeAM, timeSeparatorChar);
        appendText(sample, sizeof longestTimeAM, timeSeparatorChar);
    }
    if (!time24HourMode)
        appendText(longestTimeAM, sizeof longestTimeAM, timeSuffixAM);
    appendText(longestTimePM, sizeof longestTimePM, timeSuffixPM);
}

TutString TutWinString::getThousandSeparator() { return thousandSeparator; }
TutString TutWinString::getDecimalSeparator() { return decimalSeparator; }
unsigned int TutWinString::getDecimalDigits() { return decimalDigits; }
int TutWinString::getDecimalLeadingZero() { return decimalLeadingZero; }
int TutWinString::getTime24HourMode() { return time24HourMode; }
int TutWinString::getTimePrefix() { return timePrefix; }
int TutWinString::getHoursLeadingZero() { return hoursLeadingZero; }
TutString TutWinString::getTimeSeparatorChar() { return timeSeparatorChar; }
TutString TutWinString::getTimeSuffixAM() { return timeSuffixAM; }
TutString TutWinString::getTimeSuffixPM() { return timeSuffixPM; }
int TutWinString::getMonthsLeadingZero() { return monthsLeadingZero; }
int TutWinString::getDaysLeadingZero() { return daysLeadingZero; }
int TutWinString::getYearsShowCentury() { return yearsShowCentury; }
TutWinString::DATE_POSITION TutWinString::getMonthPosition() { return monthPosition; }
TutWinString::DATE_POSITION TutWinString::getDayPosition() { return dayPosition; }
TutWinString::DATE_POSITION TutWinString::getYearPosition() { return yearPosition; }
TutString TutWinString::getFirstDateSeparator() { return firstDateSeparator; }
TutString TutWinString::getSecondDateSeparator() { return secondDateSeparator; }
TutString TutWinString::getLongestDate() { return longestDate; }
TutString TutWinString::getLongestTimeAM() { return longestTimeAM; }
TutString TutWinString::getLongestTimePM() { return longestTimePM; }
