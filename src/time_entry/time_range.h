// TvmTimeRange: the entry of a range of times of day in six edit fields of a dialog.
#pragma once

#include "afxcmn.h"
#include "afxwin.h"

#include "time/timestamp.h"

// Drives a begin time and an end time, each typed into an hours, a minutes and a designator
// (AM/PM suffix) field, in a dialog that owns the controls and forwards their edit
// notifications and spin requests here. Follows the regional clock (12 or 24 hours, the time
// separator, the designators and whether the designator comes first), keeps hours and minutes
// numeric and in range, shows minutes with two digits, toggles the designator and steps fields
// with wrap-around. It works to the minute and compares neither time with the other. The object
// only refers to the controls, and copies of it refer to the same ones.
class AFX_EXT_CLASS TvmTimeRange {
public:
    // Takes the clock mode, the separator and both designators (cut to 4 bytes, never inside a
    // double-byte character) from the regional settings cache, for the object's life.
    TvmTimeRange();

    // Begin hours, minutes, suffix; end hours, minutes, suffix; the begin and end separator
    // labels; two labels enabled and disabled with the fields (either may be null); the begin
    // and end spin buttons.
    void initializeControlPointers(CEdit *beginHours, CEdit *beginMinutes, CEdit *beginSuffix,
                                   CEdit *endHours, CEdit *endMinutes, CEdit *endSuffix,
                                   CStatic *beginSeparator, CStatic *endSeparator,
                                   CStatic *label1, CStatic *label2, CSpinButtonCtrl *beginSpin,
                                   CSpinButtonCtrl *endSpin);
    // One time's row as the template places it (hours, separator, minutes, suffix). On a 12-hour
    // clock with the designator first in the regional settings, the suffix moves to the hours'
    // place and the others follow it, in the Z-order (and so the tab order) too; otherwise
    // nothing moves.
    void setTimeOrder(CEdit *hours, CStatic *separator, CEdit *minutes, CEdit *suffix);
    // Shows the time separator in both separator labels.
    void initializeSeparators();
    // Fills and corrects both times. An end of exactly 1980-01-01 00:00:00 stands for "no end"
    // and shows 23:59.
    void initializeTimes(TutTimestamp begin, TutTimestamp end);

    // A field's edit notification. Hours and minutes: EN_KILLFOCUS corrects the field, EN_UPDATE
    // removes whatever is not a digit. Suffix: EN_UPDATE, while the field is enabled, turns a
    // typed first letter of the other designator into that designator and undoes any other
    // typing. Other codes are ignored.
    void beginHourNotify(unsigned int code);
    void endHourNotify(unsigned int code);
    void beginMinutesNotify(unsigned int code);
    void endMinutesNotify(unsigned int code);
    void beginSuffixNotify(unsigned int code);
    void endSuffixNotify(unsigned int code);
    // Steps the field of that time that has the focus: 0 up, 1 down; on the suffix either
    // direction toggles the designator. Nothing when none of the three has the focus.
    void beginTimeSpin(unsigned int direction);
    void endTimeSpin(unsigned int direction);

    // Enables or disables the twelve controls. Disabling first stores the hours, minutes and
    // designators (an empty field giving its default: 12:00 AM to 11:59 PM, or 0:00 to 23:59),
    // after correcting hours and minutes unless `keepAsIs` is set or the fields are disabled
    // already.
    void enableControls(int enable, int keepAsIs);
    // The hour on the 24-hour clock, 0 to 23, of an hours field and its suffix field.
    unsigned int getHours(CEdit *hours, CEdit *suffix);
    // The decimal value of the field's text; 0 for empty or non-numeric text.
    unsigned int getValue(CEdit *field);

    // What the last disabling stored; 0 and "" before any.
    unsigned int savedBeginHour() const { return m_savedBeginHour; }
    unsigned int savedBeginMinutes() const { return m_savedBeginMinutes; }
    char const *beginSuffixText() const { return m_beginSuffixText; }
    unsigned int savedEndHour() const { return m_savedEndHour; }
    unsigned int savedEndMinutes() const { return m_savedEndMinutes; }
    char const *endSuffixText() const { return m_endSuffixText; }

private:
    // Removes every byte that is not '0' to '9' in place; 1 when something went.
    int findNonDigits(char *text);
    void checkForNonDigits(CEdit *field);
    void checkSuffixInput(CEdit *suffix, char *suffixText);
    void normalizeHours(CEdit *hours);
    void normalizeMinutes(CEdit *minutes);
    void spinHours(CEdit *hours, unsigned int direction);
    void flipSuffix(CEdit *suffix, char *suffixText);
    void spinMinutes(CEdit *minutes, unsigned int direction);
    void spinTime(CEdit *hours, CEdit *minutes, CEdit *suffix, char *suffixText,
                  unsigned int direction);
    void initHoursSuffixEditFields(CEdit *hours, CEdit *suffix, char *suffixText,
                                   TutTimestamp time);
    // A value of 9 or less gets a leading zero: "7" becomes "07".
    void minutesLeadingZero(char *text);
    unsigned int getValueOrSetDefault(CEdit *field, unsigned int fallback);
    void getValueOrSetDefault(CEdit *suffix, char *suffixText, char const *fallback);
    void setSuffix(CEdit *suffix, char *suffixText, char const *designator);

    int m_time24HourMode;
    char m_timeSeparator[2];
    char m_designatorAM[5];
    char m_designatorPM[5];
    CEdit *m_beginHours = nullptr;
    CEdit *m_beginMinutes = nullptr;
    CEdit *m_beginSuffix = nullptr;
    CEdit *m_endHours = nullptr;
    CEdit *m_endMinutes = nullptr;
    CEdit *m_endSuffix = nullptr;
    CStatic *m_beginSeparator = nullptr;
    CStatic *m_endSeparator = nullptr;
    CSpinButtonCtrl *m_beginSpin = nullptr;
    CSpinButtonCtrl *m_endSpin = nullptr;
    CStatic *m_labels[2] = {};
    unsigned int m_savedBeginHour = 0;
    unsigned int m_savedBeginMinutes = 0;
    char m_beginSuffixText[8] = {};
    unsigned int m_savedEndHour = 0;
    unsigned int m_savedEndMinutes = 0;
    char m_endSuffixText[8] = {};
};
