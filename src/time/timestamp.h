// TutTimestamp: a date value with short accessors and display texts; utisPastTime.
#pragma once

#include "time/date.h"

// A TutDate and nothing more: every TutDate operation applies, and copies are plain copies of
// the value. The texts follow the regional settings cache (TutWinString) at each call.
class AFX_EXT_CLASS TutTimestamp : public TutDate {
public:
    TutTimestamp(TutTimestamp const &) = default;
    TutTimestamp(TutDate const &date) : TutDate(date) {}
    // Milliseconds 0; a combination that is no valid moment gives the value 0.
    TutTimestamp(unsigned int year, unsigned int month, unsigned int day, unsigned int hour,
                 unsigned int minutes, unsigned int seconds);
    TutTimestamp &operator=(TutTimestamp const &) = default;

    // GetYear() ... GetSecond().
    ULONG year() const;
    ULONG month() const;
    ULONG day() const;
    ULONG hour() const;
    ULONG minutes() const;
    ULONG seconds() const;

    // Each writes its text into `buffer` and returns 1; when `size` is too small (below 11,
    // 17 and 29 bytes) or the buffer is null, returns 0 and writes nothing. The date and time
    // texts are those of TutWinStringDate and the time builder, at most 10 and 16 characters;
    // the combined text is the date, two blanks and the time.
    int dateString(char *buffer, int size) const;
    int timeString(char *buffer, int size) const;
    int dateTimeString(char *buffer, int size) const;
};

// 1 when the day of `date` (year, month and day only) at the hour and minute of `time` (those
// only) is not later than the present minute of the local clock, else 0. With `useTime` 0 only
// days before today count as past. The present moment is read once per call.
AFX_EXT_API int utisPastTime(SYSTEMTIME date, SYSTEMTIME time, int useTime);
