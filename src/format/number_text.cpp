#include "format/number_text.h"

#include <cstdio>
#include <cstring>

#include "format/win_string.h"

namespace {

// 20 digits of 2^64 - 1, or a sign and 19 digits, and the terminator.
constexpr std::size_t kScratchSize = 21;

// A separator goes after the character that leaves this many characters, itself included.
bool separatorFollows(std::size_t remaining)
{
    return remaining == 13 || remaining == 10 || remaining == 7 || remaining == 4;
}

}  // namespace

TutWinStringNumber::TutWinStringNumber(signed char value) { signedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(short value) { signedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(int value) { signedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(long value) { signedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(__int64 value) { signedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(unsigned char value) { unsignedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(unsigned short value) { unsignedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(unsigned int value) { unsignedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(unsigned long value) { unsignedNumberString(value); }
TutWinStringNumber::TutWinStringNumber(unsigned __int64 value) { unsignedNumberString(value); }

void TutWinStringNumber::unsignedNumberString(unsigned __int64 value)
{
    char digits[kScratchSize];
    std::snprintf(digits, sizeof digits, "%llu", value);
    groupDigits(digits, false);
}

void TutWinStringNumber::signedNumberString(__int64 value)
{
    char digits[kScratchSize];
    std::snprintf(digits, sizeof digits, "%lld", value);
    groupDigits(digits, true);
}

void TutWinStringNumber::groupDigits(char const *digits, bool isSigned)
{
    const char separator = TutWinString::thousandSeparator[0];
    std::size_t out = 0;
    for (std::size_t remaining = std::strlen(digits); remaining > 0; --remaining) {
        const char c = *digits++;
        m_szText[out++] = c;
        if (separator != '\0' && separatorFollows(remaining) && !(isSigned && c == '-'))
            m_szText[out++] = separator;
    }
    m_szText[out] = '\0';
}
