// The short-date pattern of the regional settings, read into the cache's date members.
#include <cstring>

#include "format/fixed_text.h"
#include "format/win_string.h"
#include "windows.h"

namespace {

enum Field { kMonth, kDay, kYear, kNoField };

Field fieldOf(char letter)
{
    switch (letter) {
    case 'M':
    case 'm':
        return kMonth;
    case 'D':
    case 'd':
        return kDay;
    case 'Y':
    case 'y':
        return kYear;
    default:
        return kNoField;
    }
}

// The length of the run of `field`'s letters, either case, that starts at `text`.
std::size_t runLength(char const *text, Field field)
{
    std::size_t length = 0;
    while (text[length] != '\0' && fieldOf(text[length]) == field)
        ++length;
    return length;
}

// Takes the character at `text` as a separator and returns its length. A double-byte
// character has no room in the one-byte separator: it gives an empty one rather than half a
// character.
std::size_t takeSeparator(char const *text, char (&separator)[2])
{
    const std::size_t length = vks::detail::characterLength(text);
    const bool fits = length == 1 && !IsDBCSLeadByte(static_cast<BYTE>(text[0]));
    separator[0] = fits ? text[0] : '\0';
    separator[1] = '\0';
    return length;
}

// The lowest place that neither of the other two fields holds.
TutWinString::DATE_POSITION freePlace(TutWinString::DATE_POSITION other1,
                                      TutWinString::DATE_POSITION other2)
{
    for (auto place : {TutWinString::FIRST, TutWinString::SECOND, TutWinString::THIRD})
        if (place != other1 && place != other2)
            return place;
    return TutWinString::NO_POSITION;
}

}  // namespace

void TutWinString::parseShortDateFormat(char *pattern)
{
    daysLeadingZero = monthsLeadingZero = yearsShowCentury = 0;
    monthPosition = dayPosition = yearPosition = NO_POSITION;
    std::strcpy(firstDateSeparator, "/");
    std::strcpy(secondDateSeparator, "/");

    DATE_POSITION *const positions[] = {&monthPosition, &dayPosition, &yearPosition};
    int nextPlace = FIRST;
    bool firstSeparatorTaken = false;
    char const *at = pattern;
    while (*at != '\0' && nextPlace <= THIRD) {
        const Field field = fieldOf(*at);
        if (field == kNoField || *positions[field] != NO_POSITION) {
            // Passed over whole, so the trail byte of a double-byte character is never a letter.
            at += vks::detail::characterLength(at);
            continue;
        }
        *positions[field] = static_cast<DATE_POSITION>(nextPlace++);
        const std::size_t run = runLength(at, field);
        at += run;
        if (field == kDay)
            daysLeadingZero = run == 2;
        else if (field == kMonth)
            monthsLeadingZero = run == 2;
        else
            yearsShowCentury = run == 4;
        if (*at != '\0') {
            at += takeSeparator(at, firstSeparatorTaken ? secondDateSeparator : firstDateSeparator);
            firstSeparatorTaken = true;
        }
    }

    if (monthPosition == NO_POSITION)
        monthPosition = freePlace(dayPosition, yearPosition);
    if (dayPosition == NO_POSITION)
        dayPosition = freePlace(monthPosition, yearPosition);
    if (yearPosition == NO_POSITION)
        yearPosition = freePlace(monthPosition, dayPosition);
}
