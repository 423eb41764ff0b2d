#include "format/date_text.h"

#include <cstdio>
#include <cstring>

#include "format/fixed_text.h"
#include "format/win_string.h"

namespace {

// Two fields of two digits, a four-digit year and two separators, and the terminator. A year
// of five digits with its century does not fit and is cut.
constexpr int kDateTextSize = 11;

}  // namespace

TutWinStringDate::TutWinStringDate(TutTimestamp const &timestamp)
{
    m_szText[0] = '\0';
    dateString(timestamp, m_szText, sizeof m_szText);
}

int TutWinStringDate::dateString(TutTimestamp const &timestamp, char *buffer, int size)
{
    if (!buffer || size < kDateTextSize)
        return 0;
    char text[kDateTextSize] = "";
    concatField(text, timestamp, TutWinString::FIRST);
    vks::detail::appendText(text, sizeof text, TutWinString::getFirstDateSeparator());
    concatField(text, timestamp, TutWinString::SECOND);
    vks::detail::appendText(text, sizeof text, TutWinString::getSecondDateSeparator());
    concatField(text, timestamp, TutWinString::THIRD);
    std::memcpy(buffer, text, sizeof text);
    return 1;
}

void TutWinStringDate::concatField(char *buffer, TutTimestamp const &timestamp, int place)
{
    if (TutWinString::getMonthPosition() == place)
        concatMonths(buffer, timestamp.GetMonth());
    else if (TutWinString::getDayPosition() == place)
        concatDays(buffer, timestamp.GetDay());
    else if (TutWinString::getYearPosition() == place)
        concatYears(buffer, timestamp.GetYear());
}

void TutWinStringDate::concatMonths(char *buffer, unsigned int month)
{
    vks::detail::appendNumber(buffer, kDateTextSize, month,
                              TutWinString::getMonthsLeadingZero() == 1);
}

void TutWinStringDate::concatDays(char *buffer, unsigned int day)
{
    vks::detail::appendNumber(buffer, kDateTextSize, day, TutWinString::getDaysLeadingZero() == 1);
}

void TutWinStringDate::concatYears(char *buffer, unsigned int year)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%u", year);
    const bool whole = TutWinString::getYearsShowCentury() == 1;
    // Without the century the year loses its first two digits: 2002 gives 02.
    char const *shown = whole ? digits : digits + (std::strlen(digits) > 2 ? 2 : std::strlen(digits));
    vks::detail::appendText(buffer, kDateTextSize, shown);
}
