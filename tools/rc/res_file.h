// The .res file: the resources of a script one after another, each a header (its data size,
// header size, type, name, language, flags) and its data, on 4-byte boundaries, after an empty
// first entry that marks the 32-bit format. Resource compilers and linkers read and write it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "resource.h"

namespace vksrc {

std::vector<std::uint8_t> resFile(const std::vector<Resource> &resources);

// The resources of a .res file, or nothing when it is malformed.
std::optional<std::vector<Resource>> readResFile(std::string_view bytes);

}  // namespace vksrc
