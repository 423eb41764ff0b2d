// TutWinBytes: a byte count as a short size for people to read.
#pragma once

#include "util/tutstring.h"

// Built once from its value, then read as text. Below 10000 bytes (in absolute value) the
// plain count and the unit "バイト"; from 10000, 1000000 and 1000000000 on, kilobytes,
// megabytes or gigabytes (powers of 1024) with one decimal place and " KB", " MB" or " GB".
// The units and number formats come from the library's own string table (8293 to 8300); a
// missing string throws CResourceException*. Counts from 1000 to 9999 take the thousands
// separator after their first digit (-1,234 for negative ones); scaled values take the decimal
// separator in place of their "." unless it is empty or "." itself. The scaled value is rounded
// to a 32-bit float before it is printed, so 1000000 bytes read 1.0 MB; a value exactly halfway
// between two one-decimal texts goes to the one with an even last digit (10.25 reads 10.2).
// The separators in force at construction are the ones used.
class AFX_EXT_CLASS TutWinBytes {
public:
    TutWinBytes(signed char value);
    TutWinBytes(short value);
    TutWinBytes(int value);
    TutWinBytes(long value);
    TutWinBytes(__int64 value);
    TutWinBytes(unsigned char value);
    TutWinBytes(unsigned short value);
    TutWinBytes(unsigned int value);
    TutWinBytes(unsigned long value);
    TutWinBytes(unsigned __int64 value);
    TutWinBytes(TutWinBytes const &) = default;
    TutWinBytes &operator=(TutWinBytes const &) = default;
    ~TutWinBytes() = default;

    operator char const *() const { return m_strText; }

private:
    void buildUnsignedString(unsigned __int64 value);
    void buildSignedString(__int64 value);

    TutString m_strText;
};
