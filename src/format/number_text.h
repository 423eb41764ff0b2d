// TutWinStringNumber: an integer as decimal text with the user's digit grouping.
#pragma once

#include "afxdefs.h"

// Built once from its value with the thousands separator in force at construction, then read
// as text. Every argument is widened to 64 bits first (signed types by sign extension, unsigned
// ones by zero extension). The separator's first byte goes before the last 12, 9, 6 and 3
// digits and never right after the minus sign; digits before the last twelve are not grouped,
// so 2^64 - 1 reads 18446744,073,709,551,615. An empty separator gives the plain number. The
// text lives inside the object: building and copying it allocate nothing.
class AFX_EXT_CLASS TutWinStringNumber {
public:
    TutWinStringNumber(signed char value);
    TutWinStringNumber(short value);
    TutWinStringNumber(int value);
    TutWinStringNumber(long value);
    TutWinStringNumber(__int64 value);
    TutWinStringNumber(unsigned char value);
    TutWinStringNumber(unsigned short value);
    TutWinStringNumber(unsigned int value);
    TutWinStringNumber(unsigned long value);
    TutWinStringNumber(unsigned __int64 value);
    TutWinStringNumber(TutWinStringNumber const &) = default;
    TutWinStringNumber &operator=(TutWinStringNumber const &) = default;

    operator char const *() const { return m_szText; }

private:
    void unsignedNumberString(unsigned __int64 value);
    void signedNumberString(__int64 value);
    // Copies the plain decimal text into the member, grouped; `isSigned` keeps the separator
    // away from a leading minus sign.
    void groupDigits(char const *digits, bool isSigned);

    // A sign, 19 digits and four separators at most, with room to spare.
    char m_szText[33];
};
