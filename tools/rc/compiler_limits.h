// The limits the compiler enforces, so that no script, however made, exhausts memory or time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vksrc::limits {

// A script or a header it includes.
constexpr std::uintmax_t kTextFileBytes = 16u << 20;
// A bitmap or an icon a statement names.
constexpr std::uintmax_t kDataFileBytes = 256u << 20;
// Every file the compilation reads, together.
constexpr std::uintmax_t kTotalBytes = 1024u << 20;

constexpr int kIncludeDepth = 32;
constexpr int kConditionalDepth = 256;
// Parentheses, NOT, unary operators and nested blocks (POPUP, BLOCK) inside one another.
constexpr int kNestingDepth = 256;
// Tokens one use of a macro may expand to, and tokens all expansions of a run may produce.
constexpr std::size_t kExpansionTokens = 1u << 16;
constexpr std::size_t kTotalExpansionTokens = 16u << 20;
// Tokens of the whole script, its headers and its macros' expansions.
constexpr std::size_t kScriptTokens = 1u << 20;
// Parameters of one function-like macro, and arguments of one use.
constexpr std::size_t kMacroParameters = 256;

}  // namespace vksrc::limits
