#include "settings/profile_decimal.h"

namespace vks::detail {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

// Unsigned arithmetic, so that a number too long for 64 bits wraps instead of overflowing.
DecimalScan scanDecimal(char const *text)
{
    DecimalScan scan;
    scan.end = text;
    char const *cursor = text;
    while (isBlank(*cursor))
        ++cursor;
    const bool negative = *cursor == '-';
    if (*cursor == '-' || *cursor == '+')
        ++cursor;
    ULONGLONG magnitude = 0;
    while (isDigit(*cursor)) {
        magnitude = magnitude * 10 + static_cast<ULONGLONG>(*cursor - '0');
        ++cursor;
        scan.hasDigits = true;
    }
    if (!scan.hasDigits)
        return scan;
    scan.bits = negative ? ULONGLONG{0} - magnitude : magnitude;
    scan.end = cursor;
    return scan;
}

LONG decimalToLong(char const *text)
{
    return static_cast<LONG>(static_cast<DWORD>(scanDecimal(text).bits));
}

LONGLONG decimalToInt64(char const *text)
{
    return static_cast<LONGLONG>(scanDecimal(text).bits);
}

}  // namespace vks::detail
