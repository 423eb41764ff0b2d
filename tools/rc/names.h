// The style and identifier names a resource script may use, with their values.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vksrc {

// The value of a predefined name (WS_CHILD, ES_NUMBER, IDOK, ...), if it is one.
std::optional<std::uint32_t> predefinedValue(std::string_view name);

// The ordinal that the binary template uses for a predefined control class ("Button" is 0x80),
// compared without regard to case.
std::optional<std::uint16_t> predefinedClassOrdinal(std::string_view className);

}  // namespace vksrc
