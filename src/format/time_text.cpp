#include "format/time_text.h"

#include <cstring>

#include "format/fixed_text.h"
#include "format/win_string.h"

namespace vks::detail {

namespace {

// A designator of 8 characters, three two-digit numbers and two separators, and the terminator.
constexpr int kTimeTextSize = 17;

void appendDesignator(char *text, unsigned int hour)
{
    appendText(text, kTimeTextSize,
               hour > 11 ? TutWinString::getTimeSuffixPM() : TutWinString::getTimeSuffixAM());
}

unsigned int displayedHour(unsigned int hour, bool twelveHourClock)
{
    if (!twelveHourClock)
        return hour;
    if (hour == 0)
        return 12;
    return hour > 12 ? hour - 12 : hour;
}

}  // namespace

int buildTimeString(TutTimestamp const &timestamp, char *buffer, int size)
{
    if (!buffer || size < kTimeTextSize)
        return 0;
    const unsigned int hour = timestamp.GetHour();
    const bool twelveHourClock = TutWinString::getTime24HourMode() == 0;
    const bool prefix = TutWinString::getTimePrefix() == 1;
    const TutString separator = TutWinString::getTimeSeparatorChar();

    char text[kTimeTextSize] = "";
    if (twelveHourClock && prefix)
        appendDesignator(text, hour);
    appendNumber(text, kTimeTextSize, displayedHour(hour, twelveHourClock),
                 TutWinString::getHoursLeadingZero() == 1);
    appendText(text, kTimeTextSize, separator);
    appendNumber(text, kTimeTextSize, timestamp.GetMinute(), true);
    appendText(text, kTimeTextSize, separator);
    appendNumber(text, kTimeTextSize, timestamp.GetSecond(), true);
    if (twelveHourClock && !prefix)
        appendDesignator(text, hour);
    std::memcpy(buffer, text, sizeof text);
    return 1;
}

}  // namespace vks::detail
