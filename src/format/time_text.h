// Internal: a moment's time of day as the regional settings write it.
#pragma once

#include "time/timestamp.h"

namespace vks::detail {

// Hours, minutes and seconds with the time separator; minutes and seconds always two digits,
// hours two with "iTLZero" 1. The 12-hour clock (0 is 12, 13 to 23 lose 12) puts the morning or
// afternoon designator after the seconds, or before the hours with "iTimePrefix" 1, with no
// blank; the 24-hour clock writes no designator. At most 16 characters: returns 0 without
// writing when `size` is below 17, else writes the text and returns 1.
int buildTimeString(TutTimestamp const &timestamp, char *buffer, int size);

}  // namespace vks::detail
