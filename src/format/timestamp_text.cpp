// TutTimestamp's display texts: they are built by the date and time formatters, so they live
// with them rather than with the value.
#include <cstring>

#include "format/date_text.h"
#include "format/time_text.h"
#include "time/timestamp.h"

namespace {

constexpr int kDateTextSize = 11;
constexpr int kTimeTextSize = 17;
constexpr int kDateTimeTextSize = 29;
constexpr char kDateTimeJoint[] = "  ";

}  // namespace

int TutTimestamp::dateString(char *buffer, int size) const
{
    if (!buffer || size < kDateTextSize)
        return 0;
    std::strcpy(buffer, TutWinStringDate(*this));
    return 1;
}

int TutTimestamp::timeString(char *buffer, int size) const
{
    if (!buffer || size < kTimeTextSize)
        return 0;
    return vks::detail::buildTimeString(*this, buffer, size);
}

int TutTimestamp::dateTimeString(char *buffer, int size) const
{
    if (!buffer || size < kDateTimeTextSize)
        return 0;
    char time[kTimeTextSize];
    vks::detail::buildTimeString(*this, time, sizeof time);
    std::strcpy(buffer, TutWinStringDate(*this));
    std::strcat(buffer, kDateTimeJoint);
    std::strcat(buffer, time);
    return 1;
}
