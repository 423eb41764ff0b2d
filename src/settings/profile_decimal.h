// Internal: decimal text to integers, as the profile keys read long, 64-bit and date fields.
#pragma once

#include "windows.h"

namespace vks::detail {

// One decimal number at the start of a text: white space skipped, an optional sign, then the
// digits up to the first other character. `bits` is the number's two's-complement pattern,
// wrapping modulo 2^64; `end` points after the last digit, or at `text` when there is none.
struct DecimalScan {
    ULONGLONG bits = 0;
    char const *end = nullptr;
    bool hasDigits = false;
};

DecimalScan scanDecimal(char const *text);

// The number's low 32 or 64 bits as a signed value; no digits gives 0.
LONG decimalToLong(char const *text);
LONGLONG decimalToInt64(char const *text);

}  // namespace vks::detail
