// The names a resource script may use without including a header (styles, dialog and button
// identifiers, languages, version constants), with Windows' values. Macros of the script come
// first: a script that includes <windows.h> takes the names from there.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vksrc {

struct PredefinedName {
    std::string_view name;
    std::uint32_t value;
};

// The value of a predefined name (WS_CHILD, ES_NUMBER, IDOK, LANG_JAPANESE, ...), if it is one.
std::optional<std::uint32_t> predefinedValue(std::string_view name);

// Every predefined name, for the check that the platform's headers agree.
std::span<const PredefinedName> predefinedNames();

// The ordinal a template uses for a predefined control class ("Button" is 0x80), compared
// without regard to case, as Windows' compiler writes them.
std::optional<std::uint16_t> predefinedClassOrdinal(std::string_view className);

}  // namespace vksrc
