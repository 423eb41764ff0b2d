// Internal: strftime formats of the host's locale turned into Windows' date and time pictures
// ("%d.%m.%Y" into "dd.MM.yyyy"). Texts are UTF-8 in and out.
#pragma once

#include <string>
#include <string_view>

namespace vks::detail {

// A short date or short time: its picture, its first field separator, and the order and widths
// of its fields.
struct ShortPicture {
    std::string picture;    // "dd.MM.yyyy", "h:mm:ss tt"
    std::string separator;  // the text between the first two fields: "." or ":"
    int order = 0;          // dates: 0 month-day-year, 1 day-month-year, 2 year-month-day
    bool twoDigitHours = false;
    bool hours24 = false;
    bool designatorFirst = false;
};

// The short date of a D_FMT. Field separators that are words rather than marks (as 年, 月 and
// 日 are in Japanese) become "/", as a short date separates numbers by a single mark; such
// words before the first or after the last field are dropped.
ShortPicture shortDatePicture(std::string_view dateFormat);

// The short time of a T_FMT, with `amPmFormat` standing for "%r"; word separators become ":".
ShortPicture shortTimePicture(std::string_view timeFormat, std::string_view amPmFormat);

// The long date of the date(1) form: its date fields and their texts, without the time and
// the zone.
std::string longDatePicture(std::string_view dateFormat);

}  // namespace vks::detail
