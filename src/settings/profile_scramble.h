// Internal: the scrambled-text form of TutProfileKey::writeEncrypt and readEncrypt, as pure
// functions of their inputs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "windows.h"

namespace vks::detail {

// The longest text that is scrambled; longer ones are cut to it.
inline constexpr std::size_t kScrambleMaxText = 256;

// The stored form of `text` (cut to 256 characters) with the two prefix bytes taken from the
// low 16 bits of `ticks`: 8 to 520 characters.
std::string scrambleText(std::string_view text, DWORD ticks);

// The text in a stored form, or nothing when the form's length is not a multiple of 4 from 8 to
// 516. Characters outside the alphabet are decoded without complaint.
std::optional<std::string> unscrambleText(std::string_view stored);

}  // namespace vks::detail
