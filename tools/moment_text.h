// The one form in which the tool takes a moment: YYYY-MM-DDTHH:MM:SS.
#pragma once

#include <string>

namespace tool {

struct MomentFields {
    unsigned int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// True when `text` is exactly four, two and two digits with '-', 'T', then two, two and two
// digits with ':'. The fields are not checked against the calendar.
bool parseMomentText(const std::string &text, MomentFields &fields);

}  // namespace tool
