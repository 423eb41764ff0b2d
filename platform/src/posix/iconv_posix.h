// Internal: character-set conversion through the host's converter, without POSIX types.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vks::detail::posix {

// Whether the host can convert text from `fromCharset` to `toCharset` (names such as "CP932").
bool canConvert(const char *fromCharset, const char *toCharset);

// The byte length of the character that begins `text` in the source charset (at least 1).
using CharacterLength = std::size_t (*)(std::string_view text);

// `text` converted; each source character the target cannot hold, and each malformed one (its
// length told by `lengthOf`), becomes `replacement`. False when the conversion is unavailable.
bool convert(const char *fromCharset, const char *toCharset, std::string_view text,
             CharacterLength lengthOf, char replacement, std::string &out);

}  // namespace vks::detail::posix
