// The values of number and character tokens, as C reads them: decimal, 0x hexadecimal and
// 0 octal, with the suffixes L and U in any case.
#pragma once

#include <cstdint>

#include "token.h"

namespace vksrc {

struct NumberValue {
    std::uint64_t value = 0;
    bool isUnsigned = false;  // a U suffix
};

// Throws ScriptError for a malformed number or one beyond 64 bits.
NumberValue numberValue(const Token &token);

// The value of a character constant ('a', '\n', L'x'). Throws ScriptError when it is empty.
std::uint64_t characterValue(const Token &token);

}  // namespace vksrc
