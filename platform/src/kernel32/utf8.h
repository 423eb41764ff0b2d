// Internal: reading UTF-8 one code point at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace vks::detail {

// The length of the sequence that `lead` begins: 1 for ASCII and for a byte that begins no
// valid sequence (a continuation byte, an overlong or out-of-range lead).
constexpr std::size_t utf8LengthOfLead(unsigned char lead)
{
    if (lead < 0xC2)
        return 1;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return lead < 0xF5 ? 4 : 1;
}

// The code point at the start of `utf8`, and how many bytes it took; a byte that begins no
// whole sequence reads as `invalid` and takes one byte.
struct Utf8CodePoint {
    char32_t value;
    std::size_t length;
};

constexpr Utf8CodePoint firstCodePoint(std::string_view utf8, char32_t invalid = U'?')
{
    const auto lead = static_cast<unsigned char>(utf8[0]);
    const std::size_t length = utf8LengthOfLead(lead);
    if (length == 1)
        return {lead < 0x80 ? char32_t{lead} : invalid, 1};
    if (utf8.size() < length)
        return {invalid, 1};
    char32_t value = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[i]);
        if ((next & 0xC0) != 0x80)
            return {invalid, 1};
        value = value << 6 | (next & 0x3F);
    }
    return {value, length};
}

}  // namespace vks::detail
