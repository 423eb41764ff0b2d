#include "moment_text.h"

namespace tool {

namespace {

// 'd' marks a digit; every other character stands for itself.
constexpr char kShape[] = "dddd-dd-ddTdd:dd:dd";

unsigned int number(const std::string &text, size_t at, size_t digits)
{
    unsigned int value = 0;
    for (size_t i = at; i < at + digits; ++i)
        value = value * 10 + static_cast<unsigned int>(text[i] - '0');
    return value;
}

}  // namespace

bool parseMomentText(const std::string &text, MomentFields &fields)
{
    if (text.size() != sizeof kShape - 1)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : text[i] != kShape[i])
            return false;
    }
    fields.year = number(text, 0, 4);
    fields.month = number(text, 5, 2);
    fields.day = number(text, 8, 2);
    fields.hour = number(text, 11, 2);
    fields.minute = number(text, 14, 2);
    fields.second = number(text, 17, 2);
    return true;
}

}  // namespace tool
