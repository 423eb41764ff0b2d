// TvmDateRange: the entry of a range of calendar dates in six edit fields of a dialog.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"

#include "format/win_string.h"
#include "time/timestamp.h"

// Drives a begin date and an end date, each typed into a month, a day and a year field, in a
// dialog that owns the controls and forwards their edit notifications and spin requests here.
// The fields are laid out in the order of the regional short date, hold digits only, are
// corrected when they lose the focus and step with wrap-around; years run from 1980 to 2107,
// the years a DOS date can hold. The object only refers to the controls, and copies of it refer
// to the same ones.
class AFX_EXT_CLASS TvmDateRange {
public:
    // Takes the date order and both separators from the regional settings cache; they stay as
    // they are for the object's life. No controls yet.
    TvmDateRange();

    // Begin month, day, year; end month, day, year; the separator labels (begin first, begin
    // second, end first, end second); four labels enabled and disabled with the fields (any may
    // be null); the begin and end spin buttons.
    void initializeControlPointers(CEdit *beginMonth, CEdit *beginDay, CEdit *beginYear,
                                   CEdit *endMonth, CEdit *endDay, CEdit *endYear,
                                   CStatic *beginFirstSeparator, CStatic *beginSecondSeparator,
                                   CStatic *endFirstSeparator, CStatic *endSecondSeparator,
                                   CStatic *label1, CStatic *label2, CStatic *label3,
                                   CStatic *label4, CSpinButtonCtrl *beginSpin,
                                   CSpinButtonCtrl *endSpin);
    // One date's row as the template places it (month, separator, day, separator, year), moved
    // into the regional order from the month field's place, 2 pixels apart, the fields' Z-order
    // (and so their tab order) following. A month-day-year order moves nothing.
    void setMDYOrder(CEdit *month, CStatic *firstSeparator, CEdit *day, CStatic *secondSeparator,
                     CEdit *year);
    // The field of the three whose element stands at `position`, with its window's size; the
    // month field and `size` untouched when no element has that position.
    CEdit *getEditControlSize(CEdit *month, CEdit *day, CEdit *year,
                              TutWinString::DATE_POSITION position, CSize &size);
    // Shows the regional separators in the four separator labels.
    void initializeSeparators();
    // Fills and corrects both dates. An end of exactly 1980-01-01 00:00:00 stands for "no end"
    // and shows 2107-12-31.
    void initializeDates(TutTimestamp begin, TutTimestamp end);

    // A field's edit notification: EN_KILLFOCUS corrects the field and its date's day, EN_UPDATE
    // removes whatever is not a digit; other codes are ignored.
    void beginMonthNotify(unsigned int code);
    void beginDayNotify(unsigned int code);
    void beginYearNotify(unsigned int code);
    void endMonthNotify(unsigned int code);
    void endDayNotify(unsigned int code);
    void endYearNotify(unsigned int code);
    // Steps the field of that date that has the focus: 0 up, 1 down. Nothing when none has it.
    void beginDateSpin(unsigned int direction);
    void endDateSpin(unsigned int direction);

    // Enables or disables all sixteen controls. Disabling first stores the six numbers (an empty
    // field giving 1, 1, 1980, 12, 31, 2107), after correcting both dates unless `keepAsIs` is
    // set or the fields are disabled already.
    void enableControls(int enable, int keepAsIs);
    // The decimal value of the field's text; 0 for empty or non-numeric text.
    unsigned int getValue(CEdit *field);

    // The numbers the last disabling stored; 0 before any.
    unsigned int savedBeginMonth() const { return m_savedBeginMonth; }
    unsigned int savedBeginDay() const { return m_savedBeginDay; }
    unsigned int savedBeginYear() const { return m_savedBeginYear; }
    unsigned int savedEndMonth() const { return m_savedEndMonth; }
    unsigned int savedEndDay() const { return m_savedEndDay; }
    unsigned int savedEndYear() const { return m_savedEndYear; }

    static constexpr unsigned int kMinimumYear = 1980;
    static constexpr unsigned int kMaximumYear = 2107;

private:
    // Removes every byte that is not '0' to '9' in place; 1 when something went.
    int findNonDigits(char *text);
    void checkForNonDigits(CEdit *field);
    void normalizeMonths(CEdit *month);
    void normalizeYears(CEdit *year);
    void normalizeDays(CEdit *month, CEdit *day, CEdit *year);
    void normalizeDate(CEdit *month, CEdit *day, CEdit *year);
    unsigned int highestLegalDay(unsigned int month, unsigned int year);
    // Two-digit years: 80 to 99 are 1980 to 1999, 00 to 79 are 2000 to 2079; 1 when widened.
    int years2To4DigitFormat(unsigned int &year);
    void spinMonths(CEdit *month, unsigned int direction);
    void spinYears(CEdit *year, unsigned int direction);
    void spinDays(CEdit *month, CEdit *day, CEdit *year, unsigned int direction);
    void spinDate(CEdit *month, CEdit *day, CEdit *year, unsigned int direction);
    unsigned int getValueOrSetDefault(CEdit *field, unsigned int fallback);
    void fillDate(CEdit *month, CEdit *day, CEdit *year, TutTimestamp const &date);

    TutWinString::DATE_POSITION m_monthPosition;
    TutWinString::DATE_POSITION m_dayPosition;
    TutWinString::DATE_POSITION m_yearPosition;
    char m_firstSeparator[2];
    char m_secondSeparator[2];
    CEdit *m_beginMonth = nullptr;
    CEdit *m_beginDay = nullptr;
    CEdit *m_beginYear = nullptr;
    CEdit *m_endMonth = nullptr;
    CEdit *m_endDay = nullptr;
    CEdit *m_endYear = nullptr;
    CStatic *m_beginFirstSeparator = nullptr;
    CStatic *m_beginSecondSeparator = nullptr;
    CStatic *m_endFirstSeparator = nullptr;
    CStatic *m_endSecondSeparator = nullptr;
    CSpinButtonCtrl *m_beginSpin = nullptr;
    CSpinButtonCtrl *m_endSpin = nullptr;
    CStatic *m_labels[4] = {};
    unsigned int m_savedBeginMonth = 0;
    unsigned int m_savedBeginDay = 0;
    unsigned int m_savedBeginYear = 0;
    unsigned int m_savedEndMonth = 0;
    unsigned int m_savedEndDay = 0;
    unsigned int m_savedEndYear = 0;
};
