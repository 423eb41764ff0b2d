// TutWinString: the process-wide cache of the user's regional settings.
#pragma once

#include "util/tutstring.h"

// The "intl" section of win.ini, read once when the library is loaded and kept until a caller
// asks for it again with updateWinIniCache(): the separators, decimal digits, clock mode and
// designators, and the order, separators and digit counts of the short date, plus three sample
// texts standing for the widest short date and the widest morning and afternoon times. Every
// localized text of the library takes its settings from here; nothing else reads them.
//
// The class has static members only; an object of it holds nothing. Nothing is locked: the
// cache is written at load and by updateWinIniCache, and read by any thread.
class AFX_EXT_CLASS TutWinString {
public:
    // A field's place in the short date; every fill leaves month, day and year a permutation of
    // FIRST, SECOND and THIRD.
    enum DATE_POSITION {
        NO_POSITION = 0,  // only before the cache is filled
        FIRST = 1,
        SECOND = 2,
        THIRD = 3,
    };

    TutWinString &operator=(TutWinString const &) { return *this; }

    // Reads the regional settings again and recomputes every member. A missing key takes its
    // default ("," "." 2 0 "AM" "PM" ":" 0 0 0 "m/d/yy"); a key present with an empty text
    // gives an empty text. Texts longer than their room are cut, never leaving half a
    // double-byte character. "iDigits" above 9, or negative, gives 9; the flags are 1 only
    // for a value of exactly 1.
    static void updateWinIniCache();

    static TutString getThousandSeparator();    // at most 1 byte
    static TutString getDecimalSeparator();     // at most 1 byte
    static unsigned int getDecimalDigits();     // 0 to 9
    static int getDecimalLeadingZero();
    static int getTime24HourMode();
    static int getTimePrefix();                 // 1: the designator goes before the time
    static int getHoursLeadingZero();
    static TutString getTimeSeparatorChar();    // at most 1 byte
    static TutString getTimeSuffixAM();         // at most 8 bytes
    static TutString getTimeSuffixPM();         // at most 8 bytes; in 24-hour mode too
    static int getMonthsLeadingZero();
    static int getDaysLeadingZero();
    static int getYearsShowCentury();
    static DATE_POSITION getMonthPosition();
    static DATE_POSITION getDayPosition();
    static DATE_POSITION getYearPosition();
    static TutString getFirstDateSeparator();   // at most 1 byte
    static TutString getSecondDateSeparator();  // at most 1 byte
    // Samples whose width is that of the widest text of their kind; their characters mean
    // nothing. The date: "1234", "5678" or "56", then both separators (at most 10 bytes). The
    // times: "123456", the time separator twice, then the designator (at most 16 bytes); the
    // morning sample has none in 24-hour mode, the afternoon one always has "s2359".
    static TutString getLongestDate();
    static TutString getLongestTimeAM();
    static TutString getLongestTimePM();

private:
    friend class TutWinStringNumber;  // reads the separator without allocating

    // Derives the date members from a short-date pattern such as "dd.MM.yyyy": field letters
    // d, M, y in either case; a run of 2 gives a leading zero (day, month), a run of 4 the
    // century; the character after a run is a separator. Missing fields take the free places
    // in the order month, day, year.
    static void parseShortDateFormat(char *pattern);
    // The three samples, from the members read before them.
    static void buildSamples();

    static char thousandSeparator[2];
    static char decimalSeparator[2];
    static unsigned int decimalDigits;
    static int decimalLeadingZero;
    static char timeSuffixAM[9];
    static char timeSuffixPM[9];
    static char timeSeparatorChar[2];
    static int time24HourMode;
    static int timePrefix;
    static int hoursLeadingZero;
    static int monthsLeadingZero;
    static int daysLeadingZero;
    static int yearsShowCentury;
    static DATE_POSITION monthPosition;
    static DATE_POSITION dayPosition;
    static DATE_POSITION yearPosition;
    static char firstDateSeparator[2];
    static char secondDateSeparator[2];
    static char longestDate[11];
    static char longestTimeAM[17];
    static char longestTimePM[17];
    // Its initialisation fills the cache when the library is loaded; 0 afterwards.
    static int init;
};
