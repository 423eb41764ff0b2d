// The value of a #if or #elif line, as the C preprocessor computes it in 64 bits.
#pragma once

#include <vector>

#include "macros.h"
#include "token.h"

namespace vksrc {

// `tokens` are the line after the directive, macros already expanded (`defined X` kept). Names
// that remain count 0. Throws ScriptError for a malformed expression, a division by zero, or
// nesting deeper than limits::kNestingDepth.
bool conditionHolds(const std::vector<Token> &tokens, const MacroTable &macros, const Location &where);

}  // namespace vksrc
