#include "format/fixed_text.h"

#include <cstdio>
#include <cstring>

#include "windows.h"

namespace vks::detail {

std::size_t characterLength(char const *text)
{
    if (text[0] == '\0')
        return 0;
    if (IsDBCSLeadByte(static_cast<BYTE>(text[0])) && text[1] != '\0')
        return 2;
    return 1;
}

void appendText(char *buffer, std::size_t size, char const *text)
{
    if (size == 0)
        return;
    std::size_t used = std::strlen(buffer);
    for (std::size_t step = characterLength(text); step > 0; step = characterLength(text)) {
        if (used + step >= size)
            break;
        std::memcpy(buffer + used, text, step);
        used += step;
        text += step;
    }
    buffer[used] = '\0';
}

void appendNumber(char *buffer, std::size_t size, unsigned int value, bool twoDigits)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, twoDigits ? "%02u" : "%u", value);
    appendText(buffer, size, digits);
}

void dropBrokenLastCharacter(char *text)
{
    std::size_t step = 0;
    for (; text[0] != '\0'; text += step) {
        step = characterLength(text);
        if (step == 1 && text[1] == '\0' && IsDBCSLeadByte(static_cast<BYTE>(text[0]))) {
            text[0] = '\0';
            return;
        }
    }
}

}  // namespace vks::detail
