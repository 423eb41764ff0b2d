// TutWinStringDate: a moment's short date as the regional settings write it.
#pragma once

#include "time/timestamp.h"

// The fields in the order of the regional settings' short date, with their separators, leading
// zeros and two- or four-digit year (2002 gives 02 without the century), at most 10
// characters. The text is that of the settings in force at construction.
class AFX_EXT_CLASS TutWinStringDate {
public:
    explicit TutWinStringDate(TutTimestamp const &timestamp);
    TutWinStringDate(TutWinStringDate const &) = default;
    TutWinStringDate &operator=(TutWinStringDate const &) = default;

    operator char const *() const { return m_szText; }

private:
    // 0 without writing when the size is below 11, else the text and 1.
    static int dateString(TutTimestamp const &timestamp, char *buffer, int size);
    static void concatMonths(char *buffer, unsigned int month);
    static void concatDays(char *buffer, unsigned int day);
    static void concatYears(char *buffer, unsigned int year);
    // Appends the field whose place in the short date is `place`: month, day or year.
    static void concatField(char *buffer, TutTimestamp const &timestamp, int place);

    char m_szText[11];
};
